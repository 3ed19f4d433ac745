// SPDX-License-Identifier: GPL-3.0-or-later
// Help, about and the links of the bottom panel.
#include <QFileInfo>
#include <QUrl>

#include "app/app_links.h"
#include "app/desktop.h"
#include "app/link_labels.h"
#include "app/main_window.h"
#include "app/version_info.h"
#include "version_notice.h"

namespace skorlin::app {
namespace {

void OpenAddress(const QString& address) { CurrentDesktop().openUrl(QUrl(address, QUrl::TolerantMode)); }

}  // namespace

void TfmMain::mmTopicClick() {
  // Beside the program once installed (a link into the data folder), or in the data folder.
  const QString candidates[] = {location_.programDir + QStringLiteral("Read_me.txt"),
                                location_.programDir + QStringLiteral("../share/skorlin/Read_me.txt"),
                                location_.programDir + QStringLiteral("../../share/skorlin/Read_me.txt")};
  QString help = candidates[0];
  for (const QString& candidate : candidates) {
    if (QFileInfo(candidate).isFile()) {
      help = QFileInfo(candidate).canonicalFilePath();
      break;
    }
  }
  // A help file that is missing or cannot be opened shows no message.
  CurrentDesktop().openUrl(QUrl::fromLocalFile(help));
}

void TfmMain::mmAboutClick() {
  const QString version = FullVersion().isEmpty() ? QStringLiteral(SKORLIN_VERSION) : FullVersion();
  CurrentDesktop().showMessage(
      this, QString::fromUtf8("О программе"),
      QString::fromUtf8("Skorlin, версия %1\n\n"
                        "Приводит в порядок и преобразует русский текст: типографика, HTML, "
                        "статистика и цена, дубли, сортировка, списки адресов и ФИО.\n\n"
                        "%2\n"
                        "Свободная программа: её можно распространять и изменять на условиях "
                        "GNU GPL версии 3 или (по вашему выбору) любой более поздней версии "
                        "(GPL-3.0-or-later). Программа поставляется без каких-либо гарантий. "
                        "Библиотека склонения fleks распространяется по лицензии MIT.")
          .arg(version, QString::fromUtf8(kCopyrightLine)));
}

void TfmMain::lbhHomeClick() { OpenAddress(HomeAddress()); }

void TfmMain::lbhMailClick() { OpenAddress(MailLink()); }

void TfmMain::OpenLink(const LinkLabel& link) {
  if (link.address) {
    OpenAddress(link.address());
  } else {
    mmAboutClick();
  }
}

}  // namespace skorlin::app
