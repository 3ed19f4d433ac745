// SPDX-License-Identifier: GPL-3.0-or-later
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

}  // namespace

void TfmMain::ShowCaption(const std::string& utf8) {
  setWindowTitle(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
  // The title bar is drawn by the window system: hand it the new title now, while the
  // command still holds the user-interface thread. User input waits until the command ends.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfmMain::RunOnView(ViewSlot* view, Recount recount, const ViewCommand& command) {
  const text::Progress progress = [this](const std::string& caption) { ShowCaption(caption); };
  if (view == nullptr) {
    // The settings tab: the command's captions, with nothing counted, and no view changed.
    const std::string caption = command(std::string_view(), progress).caption;
    if (!caption.empty()) ShowCaption(caption);
    return;
  }
  TextView* const widget = view->widget;
  // Whatever the user changed before is counted with the command's result.
  widget->DiscardPendingEdit();
  text::CommandResult result;
  bool changed = false;
  stats::TextStats counts;
  {
    const Busy busy(this);
    const FrozenView frozen(widget);
    // The view's own buffer: nothing changes it while the command runs (the progress
    // captions let no user input through, and a drop waits for the command to end).
    // A command that picks or reorders lines gives views into the buffer: the view's new
    // text is joined from them while the buffer still holds them.
    result = text::Joined(command(widget->Utf8(), progress));
    const bool failed =
        result.outcome == text::Outcome::kLibraryMissing || result.outcome == text::Outcome::kLibraryError;
    if (result.changed && !failed) {
      // The statistics are those of the text the command leaves in the view.
      counts = CountWhileWriting(
          result.text.size(), [&] { return stats::CountTextStats(result.text); },
          [&] { changed = widget->Replace(result.text); });
    }
  }
  // The redrawing has resumed: the statistics are shown once, for the text the command
  // left in the view.
  if (changed) {
    ShowChangeLabels(widget, counts);
  } else if (recount == Recount::Always) {
    ShowChangeLabels(widget, widget->Utf8());
  }
  if (!result.caption.empty()) ShowCaption(result.caption);
  switch (result.outcome) {
    case text::Outcome::kLibraryMissing:
      throw AppError(QString::fromStdString(result.message));
    case text::Outcome::kLibraryError:
      throw AppError(
          QString::fromStdString(result.message + " (line " + std::to_string(result.failedLine + 1) + ")"));
    default:
      break;
  }
}

void TfmMain::RunLineCommand(
    ViewSlot* view,
    const std::function<text::CommandResult(std::string_view, lines::View, const text::Progress&)>& command) {
  const WaitCursor wait;
  const lines::View kind = view ? view->kind : lines::View::kInput;
  RunOnView(view, Recount::Always, [&](std::string_view text, const text::Progress& progress) {
    return command(text, kind, progress);
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
