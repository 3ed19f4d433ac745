// The frame the window's line, URL and name commands share: the view frozen while the
// command works, the result written back as one undo step, the statistics recounted once,
// and the captions in the title bar.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>

#include "app/main_window.h"
#include "app/view_text.h"
#include "app/wait_cursor.h"
#include "app/widgets.h"

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

// Whether replacement holds the same lines as current: equal, or current followed by the
// line break the whole text of a view always ends with.
bool SameLines(text::TextView current, text::TextView replacement) {
  if (replacement == current) return true;
  return replacement.size() == current.size() + 2 && replacement.substr(0, current.size()) == current &&
         replacement.substr(current.size()) == U"\r\n";
}

}  // namespace

void TfmMain::ShowCaption(const std::string& utf8) {
  setWindowTitle(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
  // The title bar is drawn by the window system: hand it the new title now, while the
  // command still holds the user-interface thread. User input waits until the command ends.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool TfmMain::ReplaceViewText(QPlainTextEdit* view, text::TextView current, text::TextView replacement) {
  if (SameLines(current, replacement)) return false;
  const QString wanted = TextToViewString(replacement);
  const QSignalBlocker blocker(view);
  // One edit block is one step of the view's undo history: Ctrl+Z brings back the text
  // as it stood before the command.
  QTextCursor cursor(view->document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.insertText(wanted);
  cursor.endEditBlock();
  // As after any replacement of the whole text, the caret stands at the start.
  cursor.movePosition(QTextCursor::Start);
  view->setTextCursor(cursor);
  return true;
}

void TfmMain::RunViewCommand(QPlainTextEdit* view, Recount recount, const ViewCommand& command) {
  const lines::Progress progress = [this](const std::string& caption) { ShowCaption(caption); };
  if (view == nullptr) {
    // The settings tab: the command's captions, with nothing counted, and no view changed.
    const std::string caption = command(text::TextView(), progress).caption;
    if (!caption.empty()) ShowCaption(caption);
    return;
  }
  bool changed = false;
  ViewEdit edit;
  {
    const FrozenView frozen(view);
    const text::Text current = ViewText(view);
    edit = command(current, progress);
    if (edit.write) changed = ReplaceViewText(view, current, edit.text);
  }
  // The update has ended and the change event is attached again: the statistics are
  // recounted once, for the text the command left.
  if (changed || recount == Recount::Always) RichEditChange(view);
  if (!edit.caption.empty()) ShowCaption(edit.caption);
}

void TfmMain::RunActiveLineCommand(
    const std::function<lines::LineCommandResult(text::TextView, lines::View, const lines::Progress&)>&
        command) {
  const WaitCursor wait;
  // The tab index is read once: the view chosen here is the one written back.
  QPlainTextEdit* const view = ActiveView();
  const lines::View kind = view == RichEdit2   ? lines::View::kFormatted
                           : view == RichEdit3 ? lines::View::kHtml
                                               : lines::View::kInput;
  RunViewCommand(view, Recount::Always, [&](text::TextView text, const lines::Progress& progress) {
    lines::LineCommandResult result = command(text, kind, progress);
    return ViewEdit{std::move(result.text), true, std::move(result.caption)};
  });
}

void TfmMain::RunInputCommand(const ViewCommand& command) {
  const WaitCursor wait;
  RunViewCommand(RichEdit1, Recount::WhenChanged, command);
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
