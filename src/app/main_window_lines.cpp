// SPDX-License-Identifier: GPL-3.0-or-later
// The line commands: whitespace clean-up, duplicates, the sorts, the shuffle, inverting
// and the paragraph splitting. Each hands a view's text to its core function.
#include <QLineEdit>

#include "app/main_window.h"
#include "app/view_text.h"
#include "app/wait_cursor.h"
#include "lines/duplicates.h"
#include "lines/ordering.h"
#include "lines/paragraphs.h"
#include "lines/whitespace.h"

namespace skorlin::app {
namespace {

using lines::View;
using text::CommandResult;
using text::Progress;

// A command that is the same on every view.
template <CommandResult (*Command)(std::string_view, const Progress&)>
CommandResult OnAnyView(std::string_view text, View /*view*/, const Progress& progress) {
  return Command(text, progress);
}

}  // namespace

void TfmMain::pmDelSpacesClick(ViewSlot* view) { RunLineCommand(view, OnAnyView<lines::TrimLineBlanks>); }

void TfmMain::pmDelEmptyClick(ViewSlot* view) { RunLineCommand(view, OnAnyView<lines::DeleteEmptyLines>); }

void TfmMain::mmDelDSpacesClick(ViewSlot* view) {
  RunLineCommand(view, OnAnyView<lines::DeleteDoubleSpaces>);
}

void TfmMain::pmDelDoubleClick(ViewSlot* view) {
  RunLineCommand(view, OnAnyView<lines::DeleteDuplicateLines>);
}

void TfmMain::pmDelAllDoubleClick(ViewSlot* view) {
  RunLineCommand(view, OnAnyView<lines::DeleteAllDuplicateLines>);
}

void TfmMain::mmDelUnikClick(ViewSlot* view) {
  // The HTML view takes part with one more, empty, line at its end.
  RunLineCommand(view, [](std::string_view text, View kind, const Progress& progress) {
    return lines::DeleteUniqueLines(text, kind, progress);
  });
}

void TfmMain::pmSortClick(ViewSlot* view) {
  const lines::LineCollator& collator = Collator();
  RunLineCommand(view, [&](std::string_view text, View /*kind*/, const Progress& /*progress*/) {
    return lines::SortLines(text, collator);
  });
}

void TfmMain::N4Click(ViewSlot* view) {
  const lines::LineCollator& collator = Collator();
  RunLineCommand(view, [&](std::string_view text, View /*kind*/, const Progress& progress) {
    return lines::MirrorSortLines(text, collator, progress);
  });
}

void TfmMain::mmShuffleClick(ViewSlot* view) {
  random_.RandomizeFromClock();
  RunLineCommand(view, [this](std::string_view text, View kind, const Progress& progress) {
    return lines::ShuffleLines(text, random_, kind, progress);
  });
}

void TfmMain::N16Click(ViewSlot* input) {
  // No hourglass and no caption.
  RunOnView(input, Recount::WhenChanged, [](std::string_view text, const Progress& /*progress*/) {
    return lines::SortLinesByLength(text);
  });
}

void TfmMain::N18Click(ViewSlot* input) {
  RunOnView(input, Recount::WhenChanged,
            [](std::string_view text, const Progress& /*progress*/) { return lines::InvertLines(text); });
}

void TfmMain::N14Click(ViewSlot* input) {
  random_.RandomizeFromClock();
  const WaitCursor wait;
  // The two lengths are read from the settings tab at every run.
  const lines::ParagraphLimits limits =
      lines::ReadParagraphLimits(ToText(edAbzMin->text()), ToText(edAbzMax->text()));
  RunOnView(input, Recount::WhenChanged, [&](std::string_view text, const Progress& /*progress*/) {
    return lines::SplitParagraphs(text, limits.min, limits.max, random_);
  });
}

}  // namespace skorlin::app
