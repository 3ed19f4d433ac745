// The frame the window's line, URL and name commands share: the view frozen while the
// command works, the result written back as one undo step, the statistics recounted once,
// and the captions in the title bar.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <vector>

#include "app/error_box.h"
#include "app/main_window.h"
#include "app/view_text.h"
#include "app/wait_cursor.h"
#include "app/widgets.h"
#include "text/line_list.h"

namespace skorlin::app {
namespace {

// Suspends a view's redrawing and detaches its change event for the lifetime of a scope.
class FrozenView {
 public:
  explicit FrozenView(QPlainTextEdit* view) : view_(view), blocker_(view) { view_->setUpdatesEnabled(false); }
  ~FrozenView() { view_->setUpdatesEnabled(true); }
  FrozenView(const FrozenView&) = delete;
  FrozenView& operator=(const FrozenView&) = delete;

 private:
  QPlainTextEdit* view_;
  QSignalBlocker blocker_;
};

// Turns a document holding current into one holding replacement by editing only the lines
// that differ, when the new lines are the old ones with some rewritten in place or some
// left out: filling a document costs far more per line than any command, so a command
// that changes a few lines of a long text must not rebuild all of it. Returns false,
// having changed nothing, when the new lines are neither (a sort, a shuffle, a split).
bool EditChangedLines(QTextDocument* document, std::string_view current, std::string_view replacement) {
  // The document's blocks are the lines of current, one to one, unless current holds a
  // character that ends the lines early (NUL).
  if (current.find('\0') != std::string_view::npos) return false;
  const text::LineViews before = text::SplitLines(current);
  const text::LineViews after = text::SplitLines(replacement);
  const bool endsWithBreak = current.ends_with("\r\n");
  const std::size_t blocks = before.size() + (endsWithBreak || current.empty() ? 1 : 0);
  if (static_cast<std::size_t>(document->blockCount()) != blocks) return false;

  // Lines rewritten in place, or lines left out (found by matching the new lines in order).
  const bool inPlace = after.size() == before.size();
  std::vector<bool> keep;
  if (!inPlace) {
    if (after.size() > before.size()) return false;
    keep.assign(before.size(), false);
    std::size_t j = 0;
    for (std::size_t i = 0; i < before.size() && j < after.size(); ++i) {
      if (before[i] == after[j]) {
        keep[i] = true;
        ++j;
      }
    }
    if (j != after.size()) return false;
  }

  QTextCursor cursor(document);
  // The whole text of a view ends with a line break: an empty last block.
  if (!endsWithBreak && !current.empty()) {
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
  }
  // From the last line up, so the block numbers still to be visited stay valid.
  for (std::size_t i = before.size(); i-- > 0;) {
    if (inPlace) {
      if (before[i] == after[i]) continue;
      const QTextBlock block = document->findBlockByNumber(static_cast<int>(i));
      cursor.setPosition(block.position());
      cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
      cursor.insertText(Utf8ToViewString(after[i]));
    } else if (!keep[i]) {
      // A run of left-out lines goes in one removal.
      std::size_t first = i;
      while (first > 0 && !keep[first - 1]) --first;
      const int end = document->findBlockByNumber(static_cast<int>(i + 1)).position();
      cursor.setPosition(document->findBlockByNumber(static_cast<int>(first)).position());
      cursor.setPosition(end, QTextCursor::KeepAnchor);
      cursor.removeSelectedText();
      i = first;
    }
  }
  return true;
}

}  // namespace

void TfmMain::ShowCaption(const std::string& utf8) {
  setWindowTitle(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
  // The title bar is drawn by the window system: hand it the new title now, while the
  // command still holds the user-interface thread. User input waits until the command ends.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfmMain::ReplaceViewText(QPlainTextEdit* view, std::string_view current, std::string_view replacement) {
  const QSignalBlocker blocker(view);
  // One edit block is one step of the view's undo history: Ctrl+Z brings back the text
  // as it stood before the command.
  QTextCursor cursor(view->document());
  cursor.beginEditBlock();
  if (!EditChangedLines(view->document(), current, replacement)) {
    cursor.select(QTextCursor::Document);
    cursor.insertText(Utf8ToViewString(replacement));
  }
  cursor.endEditBlock();
  // As after any replacement of the whole text, the caret stands at the start.
  cursor.movePosition(QTextCursor::Start);
  view->setTextCursor(cursor);
}

text::CommandResult TfmMain::RunViewCommand(QPlainTextEdit* view, Recount recount,
                                            const ViewCommand& command) {
  const text::Progress progress = [this](const std::string& caption) { ShowCaption(caption); };
  text::CommandResult result;
  if (view == nullptr) {
    // The settings tab: the command's captions, with nothing counted, and no view changed.
    result = command(std::string_view(), progress);
  } else {
    {
      const FrozenView frozen(view);
      const std::string current = ViewUtf8(view);
      result = command(current, progress);
      if (result.changed) ReplaceViewText(view, current, result.text);
    }
    // The update has ended and the change event is attached again: the statistics are
    // recounted once, for the text the command left.
    if (result.changed || recount == Recount::Always) RichEditChange(view);
  }
  if (!result.caption.empty()) ShowCaption(result.caption);
  return result;
}

void TfmMain::RunActiveLineCommand(
    const std::function<text::CommandResult(std::string_view, lines::View, const text::Progress&)>& command) {
  const WaitCursor wait;
  // The tab index is read once: the view chosen here is the one written back.
  QPlainTextEdit* const view = ActiveView();
  const lines::View kind = view == RichEdit2   ? lines::View::kFormatted
                           : view == RichEdit3 ? lines::View::kHtml
                                               : lines::View::kInput;
  RunViewCommand(view, Recount::Always, [&](std::string_view text, const text::Progress& progress) {
    return command(text, kind, progress);
  });
}

void TfmMain::RunInputCommand(const ViewCommand& command) {
  text::CommandResult result;
  {
    const WaitCursor wait;
    result = RunViewCommand(RichEdit1, Recount::WhenChanged, command);
  }
  // The view is written and the hourglass gone before the error box opens. A library that
  // cannot be loaded is reported too, with where it was looked for: a name command that
  // silently does nothing leaves the user no way to tell why.
  if (result.outcome == text::Outcome::kLibraryMissing || result.outcome == text::Outcome::kLibraryError) {
    ShowError(QString::fromStdString(result.message));
  }
}

const lines::LineCollator& TfmMain::Collator() {
  // The user's locale, as the environment names it.
  if (!collator_) collator_ = std::make_unique<lines::LineCollator>();
  return *collator_;
}

names::DeclensionLibrary& TfmMain::Declension() {
  if (!declension_) {
    // Beside the program first, then wherever the system's library search finds it.
    std::vector<std::string> locations;
    const std::string file = names::DeclensionLibraryFileName();
    if (!environment_.programDir.isEmpty()) {
      const QString path = QDir(environment_.programDir).filePath(QString::fromStdString(file));
      locations.push_back(QFile::encodeName(path).toStdString());
    }
    locations.push_back(file);
    declension_ = std::make_unique<names::DeclensionLibrary>(std::move(locations));
  }
  return *declension_;
}

}  // namespace skorlin::app
