// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/link_labels.h"

#include "app/app_links.h"
#include "app/version_info.h"
#include "app/view_text.h"

namespace skorlin::app {
namespace {

// The site's address as its label shows it: without the scheme and the slashes.
QString HomeCaption() { return HomeAddress().remove(QStringLiteral("https://")).remove(u'/'); }

}  // namespace

QString HomeAddress() { return QString::fromUtf8(SKORLIN_HOME_URL); }

QString MailLink() {
  return QStringLiteral("mailto:") + QString::fromUtf8(SKORLIN_AUTHOR_NAME) + QStringLiteral(" <") +
         QString::fromUtf8(SKORLIN_AUTHOR_MAIL) + QStringLiteral(">") + Tr("?subject=О программе Skorlin ") +
         ShortVersion() + QStringLiteral("&body=") + Tr(SKORLIN_MAIL_GREETING) + QStringLiteral("%0D%0A") +
         Tr("Использую твою программу Skorlin версии ") + FullVersion();
}

std::span<const LinkLabel> LinkLabels() {
  static const LinkLabel links[] = {
      {"lbhHome", HomeCaption(), Tr("Перейти на сайт"), HomeAddress, 5, 0},
      {"lbhMail", Tr(SKORLIN_AUTHOR_MAIL), Tr("Отправить письмо"), MailLink, 6, 0},
      {"Label3", Tr("Написать сообщение"), Tr("Отправить icq сообщение"),
       [] { return Tr(SKORLIN_MESSENGER_URL); }, 6, 1},
      {"Label4", Tr("© Skorlin"), Tr("Информация об авторе"), nullptr, 7, 0},
      {"Label1", Tr("Сайты"), Tr("Заработай на сайте"), [] { return Tr(SKORLIN_PARTNER1_URL); }, 3, 1},
      {"Label2", Tr("Блоги"), Tr("Заработай на блоге"), [] { return Tr(SKORLIN_PARTNER2_URL); }, 4, 1},
      {"Label6", Tr("Заработай набором текста!"), Tr("Набор текста: " SKORLIN_PARTNER3_URL),
       [] { return Tr(SKORLIN_PARTNER3_URL); }, 5, 1},
  };
  return links;
}

}  // namespace skorlin::app
