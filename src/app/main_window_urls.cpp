// The URL commands and the name commands: both rewrite the input view, whatever tab is
// shown, and end with their caption ("Готово.") in the title bar.
#include <QPlainTextEdit>

#include "app/error_box.h"
#include "app/main_window.h"
#include "app/view_text.h"
#include "app/wait_cursor.h"
#include "app/widgets.h"
#include "urls/cut_urls.h"
#include "urls/http_prefix.h"
#include "urls/insert_links.h"
#include "urls/keep_urls.h"

namespace skorlin::app {
using text::Progress;

// A URL command on the input view. The view changes only when the command says so ("URLs
// не найдены" and an empty clipboard leave it as it was).
void TfmMain::RunUrlCommand(text::CommandResult (*command)(std::string_view)) {
  RunInputCommand([command](std::string_view text, const Progress& /*progress*/) { return command(text); });
}

void TfmMain::mmInsURLsClick(QObject* /*sender*/) {
  // The clipboard is read just before the hourglass shows.
  const std::string clip = ToUtf8(ClipboardText());
  const WaitCursor wait;
  RunViewCommand(RichEdit1, Recount::WhenChanged, [&](std::string_view text, const Progress& /*progress*/) {
    return urls::InsertUrls(text, clip);
  });
}

void TfmMain::mmInsAnkClick(QObject* /*sender*/) {
  const WaitCursor wait;
  // The clipboard is read just after the hourglass shows.
  const std::string clip = ToUtf8(ClipboardText());
  RunViewCommand(RichEdit1, Recount::WhenChanged, [&](std::string_view text, const Progress& /*progress*/) {
    return urls::InsertAnchors(text, clip);
  });
}

void TfmMain::mmSaveURLsClick(QObject* /*sender*/) { RunUrlCommand(urls::KeepUrls); }
void TfmMain::N6Click(QObject* /*sender*/) { RunUrlCommand(urls::KeepDomain); }
void TfmMain::N7Click(QObject* /*sender*/) { RunUrlCommand(urls::KeepDomainWithFolder); }
void TfmMain::N8Click(QObject* /*sender*/) { RunUrlCommand(urls::KeepFileName); }
void TfmMain::http1Click(QObject* /*sender*/) { RunUrlCommand(urls::AddHttp); }
void TfmMain::http2Click(QObject* /*sender*/) { RunUrlCommand(urls::RemoveHttp); }

void TfmMain::RunNameCommand(names::NameCommand command) {
  // Library errors come back as the outcome: the lines done before the failing one keep
  // their new form and are written back like a complete result.
  RunInputCommand([&](std::string_view text, const Progress& /*progress*/) {
    return names::RunNameCommand(command, text, Declension());
  });
}

void TfmMain::N10Click(QObject* /*sender*/) { RunNameCommand(names::NameCommand::Initials); }
void TfmMain::N13Click(QObject* /*sender*/) { RunNameCommand(names::NameCommand::NameAndPatronymic); }
void TfmMain::N12Click(QObject* /*sender*/) { RunNameCommand(names::NameCommand::Decline); }
void TfmMain::N15Click(QObject* /*sender*/) { RunNameCommand(names::NameCommand::Salutation); }

}  // namespace skorlin::app
