// SPDX-License-Identifier: GPL-3.0-or-later
// The URL commands and the name commands: both rewrite the input view, whatever tab is
// shown, and end with their caption ("Готово.") in the title bar.
#include "app/main_window.h"
#include "app/view_text.h"
#include "app/wait_cursor.h"
#include "urls/cut_urls.h"
#include "urls/http_prefix.h"
#include "urls/insert_links.h"
#include "urls/keep_urls.h"

namespace skorlin::app {
using text::Progress;

// A URL command on the input view. The view changes only when the command says so ("URLs
// не найдены" and an empty clipboard leave it as it was).
void TfmMain::RunUrlCommand(ViewSlot* input, text::CommandResult (*command)(std::string_view)) {
  const WaitCursor wait;
  RunOnView(input, Recount::WhenChanged,
            [command](std::string_view text, const Progress& /*progress*/) { return command(text); });
}

void TfmMain::mmInsURLsClick(ViewSlot* input) {
  // The clipboard is read just before the hourglass shows.
  const std::string clip = ClipboardText().toStdString();
  const WaitCursor wait;
  RunOnView(input, Recount::WhenChanged, [&](std::string_view text, const Progress& /*progress*/) {
    return urls::InsertUrls(text, clip);
  });
}

void TfmMain::mmInsAnkClick(ViewSlot* input) {
  const WaitCursor wait;
  // The clipboard is read just after the hourglass shows.
  const std::string clip = ClipboardText().toStdString();
  RunOnView(input, Recount::WhenChanged, [&](std::string_view text, const Progress& /*progress*/) {
    return urls::InsertAnchors(text, clip);
  });
}

void TfmMain::mmSaveURLsClick(ViewSlot* input) { RunUrlCommand(input, urls::KeepUrls); }
void TfmMain::N6Click(ViewSlot* input) { RunUrlCommand(input, urls::KeepDomain); }
void TfmMain::N7Click(ViewSlot* input) { RunUrlCommand(input, urls::KeepDomainWithFolder); }
void TfmMain::N8Click(ViewSlot* input) { RunUrlCommand(input, urls::KeepFileName); }
void TfmMain::http1Click(ViewSlot* input) { RunUrlCommand(input, urls::AddHttp); }
void TfmMain::http2Click(ViewSlot* input) { RunUrlCommand(input, urls::RemoveHttp); }

// A name command on the input view. When the declension library fails at a line, or cannot
// be loaded, the view keeps its whole text (a list half rewritten could not simply be run
// again) and the error box names the line; it opens once the hourglass is gone.
void TfmMain::RunNameCommand(ViewSlot* input, names::NameCommand command) {
  const WaitCursor wait;
  RunOnView(input, Recount::WhenChanged, [&](std::string_view text, const Progress& /*progress*/) {
    return names::RunNameCommand(command, text, Declension());
  });
}

void TfmMain::N10Click(ViewSlot* input) { RunNameCommand(input, names::NameCommand::Initials); }
void TfmMain::N13Click(ViewSlot* input) { RunNameCommand(input, names::NameCommand::NameAndPatronymic); }
void TfmMain::N12Click(ViewSlot* input) { RunNameCommand(input, names::NameCommand::Decline); }
void TfmMain::N15Click(ViewSlot* input) { RunNameCommand(input, names::NameCommand::Salutation); }

}  // namespace skorlin::app
