// Help, about and the links of the bottom panel.
#include <QFileInfo>
#include <QUrl>

#include "app/app_links.h"
#include "app/desktop.h"
#include "app/main_window.h"
#include "app/version_info.h"

namespace skorlin::app {
namespace {

void OpenAddress(const char* address) { CurrentDesktop().openUrl(QUrl(QString::fromUtf8(address))); }

}  // namespace

void TfmMain::mmTopicClick(QObject* /*sender*/) {
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

void TfmMain::mmAboutClick(QObject* /*sender*/) {
  const QString version = FullVersion().isEmpty() ? QStringLiteral(SKORLIN_VERSION) : FullVersion();
  CurrentDesktop().showMessage(
      this, QString::fromUtf8("О программе"),
      QString::fromUtf8("Skorlin, версия %1\n\n"
                        "Приводит в порядок и преобразует русский текст: типографика, HTML, "
                        "статистика и цена, дубли, сортировка, списки адресов и ФИО.")
          .arg(version));
}

QString TfmMain::MailLink() {
  return QStringLiteral("mailto:") + QString::fromUtf8(SKORLIN_AUTHOR_NAME) + QStringLiteral(" <") +
         QString::fromUtf8(SKORLIN_AUTHOR_MAIL) + QStringLiteral(">") +
         QString::fromUtf8("?subject=О программе Skorlin ") + ShortVersion() + QStringLiteral("&body=") +
         QString::fromUtf8(SKORLIN_MAIL_GREETING) + QStringLiteral("%0D%0A") +
         QString::fromUtf8("Использую твою программу Skorlin версии ") + FullVersion();
}

void TfmMain::lbhMailClick(QObject* /*sender*/) {
  CurrentDesktop().openUrl(QUrl(MailLink(), QUrl::TolerantMode));
}
void TfmMain::lbhHomeClick(QObject* /*sender*/) { OpenAddress(SKORLIN_HOME_URL); }
void TfmMain::Label3Click(QObject* /*sender*/) { OpenAddress(SKORLIN_MESSENGER_URL); }
void TfmMain::Label1Click(QObject* /*sender*/) { OpenAddress(SKORLIN_PARTNER1_URL); }
void TfmMain::Label2Click(QObject* /*sender*/) { OpenAddress(SKORLIN_PARTNER2_URL); }
void TfmMain::Label6Click(QObject* /*sender*/) { OpenAddress(SKORLIN_PARTNER3_URL); }

}  // namespace skorlin::app
