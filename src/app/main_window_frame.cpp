// SPDX-License-Identifier: GPL-3.0-or-later
// The frame every command of the core's table runs in: what it needs gathered on the
// interface thread, the command on a worker over its own copy of the view's text, the
// window waiting meanwhile, and the result written back, the statistics recounted once
// and the captions in the title bar.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <utility>
#include <vector>

#include "app/app_error.h"
#include "app/command_worker.h"
#include "app/error_box.h"
#include "app/main_window.h"
#include "app/statistics_panel.h"
#include "app/text_view.h"
#include "app/view_text.h"
#include "text/huge_pages.h"

namespace skorlin::app {
namespace {

// What a command owns besides its text, kept alive until its worker has ended.
struct CommandOwned {
  lines::RandomGenerator random;
  std::string clipboard;
};

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

// Runs a function when a scope ends, also when it ends by an exception.
template <typename Function>
class AtScopeEnd {
 public:
  explicit AtScopeEnd(Function function) : function_(std::move(function)) {}
  ~AtScopeEnd() { function_(); }
  AtScopeEnd(const AtScopeEnd&) = delete;
  AtScopeEnd& operator=(const AtScopeEnd&) = delete;

 private:
  Function function_;
};

}  // namespace

void TfmMain::ShowCaption(const std::string& utf8) {
  setWindowTitle(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

void TfmMain::RunCommand(ViewSlot* view, commands::CommandId id, Recount recount) {
  if (CommandRunning()) return;
  const unsigned needs = commands::CoreCommandOf(id).needs;
  auto owned = std::make_shared<CommandOwned>();
  commands::CommandInput input;
  input.view = view ? view->kind : lines::View::kInput;
  if ((needs & commands::kCollation) != 0) input.collator = &Collator();
  if ((needs & commands::kRandom) != 0) {
    // Seeded from the clock at every run.
    owned->random.RandomizeFromClock();
    input.random = &owned->random;
  }
  if ((needs & commands::kClipboard) != 0) {
    owned->clipboard = ClipboardText().toStdString();
    input.clipboard = owned->clipboard;
  }
  if ((needs & commands::kDeclension) != 0) input.declension = &Declension();
  if ((needs & commands::kParagraphFields) != 0) {
    // The two lengths are read from the settings tab at every run.
    input.paragraphMin = ToText(edAbzMin->text());
    input.paragraphMax = ToText(edAbzMax->text());
  }
  CommandWorker::Work work = [id, input, owned](std::string_view text, const text::Progress& progress) {
    commands::CommandInput run = input;
    run.text = text;
    run.progress = progress;
    return commands::RunCoreCommand(id, run);
  };

  std::string text;
  if (view != nullptr) {
    // Whatever the user changed before is counted with the command's result.
    view->widget->DiscardPendingEdit();
    // The worker's own copy: the views are given back at Esc while it may still read it.
    const std::string_view current = view->widget->Utf8();
    text::ReserveLarge(text, current.size());
    text.assign(current);
  }
  titleBeforeCommand_ = windowTitle();
  commandCancelled_ = false;
  HoldForCommand(true);
  HoldViews(true);
  worker_ = std::make_unique<CommandWorker>(
      this, std::move(text), std::move(work),
      [this](const std::string& caption) {
        if (!commandCancelled_) ShowCaption(caption);
      },
      [this, view, recount](text::CommandResult result, const std::exception_ptr& error) {
        RunHandler([&] { EndCommand(view, recount, std::move(result), error); });
      });
}

void TfmMain::EndCommand(ViewSlot* view, Recount recount, text::CommandResult result,
                         const std::exception_ptr& error) {
  worker_.reset();  // its thread has done its work: this waits only for it to return
  const bool cancelled = std::exchange(commandCancelled_, false);
  // However this ends, the window is the user's again before an error box opens (a
  // cancelled command gave the views back at Esc).
  const AtScopeEnd release([this, cancelled] {
    if (!cancelled) HoldViews(false);
    HoldForCommand(false);
  });
  if (cancelled) return;
  if (error) std::rethrow_exception(error);
  const std::string failure = text::FailureMessage(result);
  if (view != nullptr) {
    TextView* const widget = view->widget;
    bool changed = false;
    stats::TextStats counts;
    if (result.changed && failure.empty()) {
      const FrozenView frozen(widget);
      // The statistics are those of the text the command leaves in the view.
      counts = CountWhileWriting(
          result.text.size(), [&] { return stats::CountTextStats(result.text); },
          [&] { changed = widget->Replace(result.text); });
    }
    // The redrawing has resumed: the statistics are shown once, for the text the command
    // left in the view.
    if (changed) {
      ShowChangeLabels(widget, counts);
    } else if (recount == Recount::Always) {
      ShowChangeLabels(widget, widget->Utf8());
    }
  }
  // The final caption shows while the busy cursor is still up.
  if (!result.caption.empty()) ShowCaption(result.caption);
  if (!failure.empty()) throw AppError(QString::fromStdString(failure));
}

void TfmMain::CancelCommand() {
  if (!CommandRunning() || commandCancelled_) return;
  commandCancelled_ = true;
  // The view is as it was: the title goes back to what it said before the command.
  setWindowTitle(titleBeforeCommand_);
  HoldViews(false);
}

void TfmMain::HoldForCommand(bool waiting) {
  for (QAction* action : viewActions_) action->setEnabled(!waiting);
  for (QWidget* control : std::initializer_list<QWidget*>{btCopy, btPaste, btClear, cbxAddP, cbxAddPEmpty,
                                                          cbxTable, chkShowChanges, chkTypograf}) {
    control->setEnabled(!waiting);
  }
}

void TfmMain::HoldViews(bool waiting) {
  // The view whose result is to come, and the others, whose rebuilds must not get ahead of it.
  for (ViewSlot& slot : views_) slot.widget->setReadOnly(waiting);
  if (waiting) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
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
