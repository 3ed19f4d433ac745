// The line commands: whitespace clean-up, duplicates, the sorts, the shuffle, inverting
// and the paragraph splitting. Each hands a view's text to its core function.
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/main_window.h"
#include "app/view_text.h"
#include "app/wait_cursor.h"
#include "app/widgets.h"
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

void TfmMain::pmDelSpacesClick(QObject* /*sender*/) {
  RunActiveLineCommand(OnAnyView<lines::TrimLineBlanks>);
}

void TfmMain::pmDelEmptyClick(QObject* /*sender*/) {
  RunActiveLineCommand(OnAnyView<lines::DeleteEmptyLines>);
}

void TfmMain::mmDelDSpacesClick(QObject* /*sender*/) {
  RunActiveLineCommand(OnAnyView<lines::DeleteDoubleSpaces>);
}

void TfmMain::pmDelDoubleClick(QObject* /*sender*/) {
  RunActiveLineCommand(OnAnyView<lines::DeleteDuplicateLines>);
}

void TfmMain::pmDelAllDoubleClick(QObject* /*sender*/) {
  RunActiveLineCommand(OnAnyView<lines::DeleteAllDuplicateLines>);
}

void TfmMain::mmDelUnikClick(QObject* /*sender*/) {
  // The HTML view takes part with one more, empty, line at its end.
  RunActiveLineCommand([](std::string_view text, View view, const Progress& progress) {
    return lines::DeleteUniqueLines(text, view, progress);
  });
}

void TfmMain::pmSortClick(QObject* /*sender*/) {
  const lines::LineCollator& collator = Collator();
  RunActiveLineCommand([&](std::string_view text, View /*view*/, const Progress& /*progress*/) {
    return lines::SortLines(text, collator);
  });
}

void TfmMain::N4Click(QObject* /*sender*/) {
  const lines::LineCollator& collator = Collator();
  RunActiveLineCommand([&](std::string_view text, View /*view*/, const Progress& progress) {
    return lines::MirrorSortLines(text, collator, progress);
  });
}

void TfmMain::mmShuffleClick(QObject* /*sender*/) {
  random_.RandomizeFromClock();
  RunActiveLineCommand([this](std::string_view text, View view, const Progress& progress) {
    return lines::ShuffleLines(text, random_, view, progress);
  });
}

void TfmMain::N16Click(QObject* /*sender*/) {
  // Always the input view; no hourglass and no caption.
  RunViewCommand(RichEdit1, Recount::WhenChanged, [](std::string_view text, const Progress& /*progress*/) {
    return lines::SortLinesByLength(text);
  });
}

void TfmMain::N18Click(QObject* /*sender*/) {
  RunViewCommand(RichEdit1, Recount::WhenChanged, [](std::string_view text, const Progress& /*progress*/) {
    return lines::InvertLines(text);
  });
}

void TfmMain::N14Click(QObject* /*sender*/) {
  random_.RandomizeFromClock();
  const WaitCursor wait;
  // The two lengths are read from the settings tab at every run.
  const lines::ParagraphLimits limits =
      lines::ReadParagraphLimits(ToText(edAbzMin->text()), ToText(edAbzMax->text()));
  RunViewCommand(RichEdit1, Recount::WhenChanged, [&](std::string_view text, const Progress& /*progress*/) {
    return lines::SplitParagraphs(text, limits.min, limits.max, random_);
  });
}

}  // namespace skorlin::app
