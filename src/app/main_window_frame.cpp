// The frame the window's line, URL and name commands share: the one way from a view to a
// command of the core and back, the view frozen while the command works, the statistics
// recounted once, and the captions in the title bar.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <vector>

#include "app/app_error.h"
#include "app/main_window.h"
#include "app/statistics_panel.h"
#include "app/text_view.h"
#include "app/wait_cursor.h"

namespace skorlin::app {
namespace {

// Suspends a view's redrawing for the lifetime of a scope.
class FrozenView {
 public:
  explicit FrozenView(TextView* view) : view_(view) { view_->setUpdatesEnabled(false); }
  ~FrozenView() { view_->setUpdatesEnabled(true); }
  FrozenView(const FrozenView&) = delete;
  FrozenView& operator=(const FrozenView&) = delete;

 private:
  TextView* view_;
};

// Whether replacement holds the same lines as current: equal, or current followed by the
// line break the whole text of a view always ends with.
bool SameLines(std::string_view current, std::string_view replacement) {
  if (replacement == current) return true;
  return replacement.size() == current.size() + 2 && replacement.starts_with(current) &&
         replacement.ends_with("\r\n");
}

}  // namespace

void TfmMain::ShowCaption(const std::string& utf8) {
  setWindowTitle(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
  // The title bar is drawn by the window system: hand it the new title now, while the
  // command still holds the user-interface thread. User input waits until the command ends.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfmMain::RunOnView(ViewSlot* view, Recount recount, const ViewCommand& command) {
  const lines::Progress progress = [this](const std::string& caption) { ShowCaption(caption); };
  if (view == nullptr) {
    // The settings tab: the command's captions, with nothing counted, and no view changed.
    const std::string caption = command(text::TextView(), progress).caption;
    if (!caption.empty()) ShowCaption(caption);
    return;
  }
  TextView* const widget = view->widget;
  // Whatever the user changed before is counted with the command's result.
  widget->DiscardPendingEdit();
  ViewEdit edit;
  text::Text current;
  bool changed = false;
  {
    const FrozenView frozen(widget);
    const std::string_view buffer = widget->Utf8();
    current = text::FromUtf8(buffer);
    edit = command(current, progress);
    if (edit.write && !edit.error) {
      const std::string replacement = text::ToUtf8(edit.text);
      changed = !SameLines(widget->Utf8(), replacement) && widget->Replace(replacement);
    }
  }
  // The redrawing has resumed: the statistics are recounted once, for the text the command
  // left in the view.
  if (changed) {
    ShowChangeLabels(widget, edit.text);
  } else if (recount == Recount::Always) {
    ShowChangeLabels(widget, current);
  }
  if (!edit.caption.empty()) ShowCaption(edit.caption);
  if (edit.error) throw AppError(QString::fromStdString(*edit.error));
}

void TfmMain::RunLineCommand(ViewSlot* view,
                             const std::function<lines::LineCommandResult(text::TextView, lines::View,
                                                                          const lines::Progress&)>& command) {
  const WaitCursor wait;
  const lines::View kind = view ? view->kind : lines::View::kInput;
  RunOnView(view, Recount::Always, [&](text::TextView text, const lines::Progress& progress) {
    lines::LineCommandResult result = command(text, kind, progress);
    return ViewEdit{std::move(result.text), true, std::move(result.caption), std::nullopt};
  });
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
