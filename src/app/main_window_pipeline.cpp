// SPDX-License-Identifier: GPL-3.0-or-later
// The view pipeline (rebuilding the derived views on a tab change) and the recounts of the
// statistics panel.
#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QTabWidget>
#include <algorithm>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/change_marks.h"
#include "app/main_window.h"
#include "app/statistics_panel.h"
#include "app/text_view.h"
#include "app/view_text.h"
#include "app/wait_cursor.h"
#include "format/formatted_view.h"
#include "html/html_view.h"
#include "stats/labels.h"
#include "stats/text_stats.h"
#include "text/line_breaks.h"
#include "typeset/typeset.h"

namespace skorlin::app {
namespace {

// A view of up to this many bytes is counted again at once after every change; a larger one
// a slice of this many bytes at a time between the keystrokes, so that a keystroke never
// waits for the count of a whole long text.
constexpr std::size_t kCountAtOnceBytes = std::size_t{1} << 20;
constexpr std::size_t kSliceBytes = std::size_t{1} << 20;
// A text of up to this many bytes is counted on the user-interface thread, after it is
// written into its view; a longer one on a second thread while it is written.
constexpr std::size_t kCountAsideBytes = std::size_t{1} << 20;

// The decimal separator of the user's locale, for prices and sizes in thousands.
text::Text DecimalSeparator() { return ToText(QLocale().decimalPoint()); }

}  // namespace

ViewSlot* TfmMain::ActiveSlot() {
  const int tab = PageControl->currentIndex();
  return tab >= 0 && tab < static_cast<int>(views_.size()) ? &views_[static_cast<std::size_t>(tab)] : nullptr;
}

TextView* TfmMain::ActiveView() const {
  const int tab = PageControl->currentIndex();
  return tab >= 0 && tab < static_cast<int>(views_.size()) ? views_[static_cast<std::size_t>(tab)].widget
                                                           : nullptr;
}

bool TfmMain::SetViewText(ViewSlot& view, const std::string& utf8) {
  if (view.widget->Utf8() == utf8) return false;
  const stats::TextStats counts = CountWhileWriting(
      utf8.size(), [&] { return stats::CountTextStats(utf8); }, [&] { view.widget->Load(utf8); });
  ShowChangeLabels(view.widget, counts);
  return true;
}

stats::TextStats TfmMain::CountWhileWriting(std::size_t size, const std::function<stats::TextStats()>& count,
                                            const std::function<void()>& write) {
  if (size <= kCountAsideBytes) {
    write();
    return count();
  }
  // The text counted is not the view's buffer but the one written into it, which nothing
  // changes meanwhile; if the writing fails, the future waits for the count before it goes.
  std::future<stats::TextStats> counting = std::async(std::launch::async, count);
  write();
  return counting.get();
}

void TfmMain::PageControlChange() {
  WaitCursor wait;
  const int tab = PageControl->currentIndex();
  if (tab != 1 && tab != 2) {
    Panel2->ShowRebuild(stats::RebuildLabels(CountsOf(*InputSlot()->widget)));
    return;
  }
  const text::Text input = ViewText(*InputSlot()->widget);
  ViewSlot& view = views_[static_cast<std::size_t>(tab)];
  // A derived view's text comes from the input: it is saved in the input's encoding.
  view.encoding = InputSlot()->encoding;
  // The view's lines joined with CR LF: the view holds exactly these bytes, and one count
  // serves both the change of the view and the labels of the rebuild.
  std::string bytes;
  std::vector<text::CharChange> changes;
  if (tab == 1) {
    // Typeset or not, as "Типографика" says; the changes are those of the view shown.
    const bool withChanges = chkShowChanges->isChecked();
    format::FormattedViewBytes formatted = chkTypograf->isChecked()
                                               ? typeset::TypesetViewUtf8(input, withChanges)
                                               : format::FormattedViewUtf8(input, withChanges);
    bytes = std::move(formatted.utf8);
    changes = std::move(formatted.changes);
  } else {
    html::HtmlViewOptions options;
    options.addP = cbxAddP->isChecked();
    options.skipEmptyLines = cbxAddPEmpty->isChecked();
    options.table = cbxTable->isChecked();
    bytes = text::ToUtf8(html::HtmlView(input, options));
  }
  stats::TextStats counts;
  if (view.widget->Utf8() != bytes) {
    counts = CountWhileWriting(
        bytes.size(), [&] { return stats::CountTextStats(bytes); }, [&] { view.widget->Load(bytes); });
    ShowChangeLabels(view.widget, counts);
  } else {
    counts = stats::CountTextStats(bytes);
  }
  if (tab == 1) ShowChanges(*view.widget, std::move(changes));
  Panel2->ShowRebuild(stats::RebuildLabels(counts));
}

void TfmMain::cbxHTMLClick() { PageControlChange(); }

void TfmMain::chkShowChangesClick() {
  if (!chkShowChanges->isChecked()) {
    ShowChanges(*views_[1].widget, {});
  } else if (PageControl->currentIndex() == 1) {
    PageControlChange();
  }
}

void TfmMain::chkTypografClick() {
  if (PageControl->currentIndex() == 1) PageControlChange();
}

void TfmMain::GoToChange(bool forward) { GoToChangedLine(*views_[1].widget, forward); }

void TfmMain::RichEditChange(QObject* sender) {
  WaitCursor wait;
  if (sender == Panel2->RateField()) {
    TextView* view = ActiveView();
    ShowChangeLabels(sender, view ? CountsOf(*view) : stats::CountTextStats({}));
  } else if (const auto* view = qobject_cast<const TextView*>(sender)) {
    ShowChangeLabels(sender, view->Utf8());
  }
}

void TfmMain::ShowChangeLabels(QObject* sender, std::string_view counted) {
  ShowChangeLabels(sender, stats::CountTextStats(counted));
}

void TfmMain::ShowChangeLabels(QObject* sender, const stats::TextStats& counts) {
  // The counts of a view's whole text: its later edits step on from them.
  if (auto* view = qobject_cast<TextView*>(sender)) view->LiveCounts().Reset(counts);
  Panel2->ShowChange(stats::ChangeLabels(counts, ToText(Panel2->RateText()), DecimalSeparator()));
  emit StatisticsRefreshed(sender);
}

stats::TextStats TfmMain::CountsOf(TextView& view) {
  if (const std::optional<stats::TextStats> counts = view.LiveCounts().Current()) return *counts;
  return stats::CountTextStats(view.Utf8());
}

void TfmMain::ViewEdited(TextView* view) {
  // Counted from the pieces the edits touched, when the counts of the text before them are known.
  if (const std::optional<stats::TextStats> counts = view->LiveCounts().Current()) {
    ShowChangeLabels(view, *counts);
    return;
  }
  if (view->Length() <= kCountAtOnceBytes) {
    RichEditChange(view);
    return;
  }
  // A slice at a time between the keystrokes, from the start again after every change.
  auto counter = std::make_shared<stats::TextStatsCounter>();
  auto counted = std::make_shared<std::size_t>(0);
  Panel2->RecountInSlices([this, view, counter, counted] {
    // A change on its way starts a recount of its own.
    if (view->EditPending()) return false;
    const std::size_t length = view->Length();
    const std::size_t slice = std::min(kSliceBytes, length - *counted);
    counter->Add(view->Range(*counted, slice));
    *counted += slice;
    if (*counted < length) return false;
    ShowChangeLabels(view, counter->Finish());
    return true;
  });
}

}  // namespace skorlin::app
