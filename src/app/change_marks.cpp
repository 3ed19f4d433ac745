// Change marks as two indicators of the editor, one for each kind of mark.
#include "app/change_marks.h"

#include <QColor>
#include <algorithm>
#include <optional>

#include "app/text_view.h"

namespace skorlin::app {
namespace {

using Sci = QsciScintillaBase;

// The first two indicators free for a program's own use.
constexpr int kChangedIndicator = Sci::INDIC_CONTAINER;
constexpr int kDeletedIndicator = Sci::INDIC_CONTAINER + 1;
constexpr int kIndicators[] = {kChangedIndicator, kDeletedIndicator};

// The editor's colours are 0xBBGGRR.
long EditorColour(const QColor& colour) {
  return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

void DefineIndicators(TextView& view) {
  view.SendScintilla(Sci::SCI_INDICSETSTYLE, kChangedIndicator, static_cast<long>(Sci::INDIC_FULLBOX));
  view.SendScintilla(Sci::SCI_INDICSETFORE, kChangedIndicator, EditorColour(QColor(255, 200, 40)));
  view.SendScintilla(Sci::SCI_INDICSETALPHA, kChangedIndicator, 70L);
  view.SendScintilla(Sci::SCI_INDICSETOUTLINEALPHA, kChangedIndicator, 0L);
  view.SendScintilla(Sci::SCI_INDICSETUNDER, kChangedIndicator, 1L);
  // A small triangle under the place the deleted characters left.
  view.SendScintilla(Sci::SCI_INDICSETSTYLE, kDeletedIndicator, static_cast<long>(Sci::INDIC_POINT));
  view.SendScintilla(Sci::SCI_INDICSETFORE, kDeletedIndicator, EditorColour(QColor(210, 40, 40)));
}

void Fill(TextView& view, int indicator, long position, long length) {
  view.SendScintilla(Sci::SCI_SETINDICATORCURRENT, indicator);
  view.SendScintilla(Sci::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(position), length);
}

// The first marked position from position on, of either indicator.
std::optional<long> FirstMarkFrom(const TextView& view, long position) {
  const auto length = static_cast<long>(view.Length());
  std::optional<long> first;
  for (const int indicator : kIndicators) {
    long at = position;
    if (at < length && view.SendScintilla(Sci::SCI_INDICATORVALUEAT, indicator, at) == 0) {
      at = view.SendScintilla(Sci::SCI_INDICATOREND, indicator, at);
    }
    if (at < length && at >= position && view.SendScintilla(Sci::SCI_INDICATORVALUEAT, indicator, at) != 0) {
      first = std::min(first.value_or(at), at);
    }
  }
  return first;
}

// The last marked position before position, of either indicator.
std::optional<long> LastMarkBefore(const TextView& view, long position) {
  std::optional<long> last;
  for (const int indicator : kIndicators) {
    long at = position - 1;
    if (at >= 0 && view.SendScintilla(Sci::SCI_INDICATORVALUEAT, indicator, at) == 0) {
      at = view.SendScintilla(Sci::SCI_INDICATORSTART, indicator, at) - 1;
    }
    if (at >= 0 && at < position && view.SendScintilla(Sci::SCI_INDICATORVALUEAT, indicator, at) != 0) {
      last = std::max(last.value_or(at), at);
    }
  }
  return last;
}

long LineOf(const TextView& view, long position) {
  return view.SendScintilla(Sci::SCI_LINEFROMPOSITION, position);
}
long LineStart(const TextView& view, long line) {
  return view.SendScintilla(Sci::SCI_POSITIONFROMLINE, line);
}

}  // namespace

void ShowChanges(TextView& view, const std::vector<text::CharChange>& changes) {
  const auto length = static_cast<long>(view.Length());
  for (const int indicator : kIndicators) {
    view.SendScintilla(Sci::SCI_SETINDICATORCURRENT, indicator);
    view.SendScintilla(Sci::SCI_INDICATORCLEARRANGE, 0UL, length);
  }
  if (changes.empty()) return;
  DefineIndicators(view);
  for (const text::CharChange& change : changes) {
    const auto begin = static_cast<long>(change.begin);
    if (change.length > 0) {
      Fill(view, kChangedIndicator, begin, static_cast<long>(change.length));
    } else if (begin < length) {
      // The mark sits on the character after the place (the line break at a line's end).
      Fill(view, kDeletedIndicator, begin, view.SendScintilla(Sci::SCI_POSITIONAFTER, begin) - begin);
    }
  }
}

bool GoToChangedLine(TextView& view, bool forward) {
  const long caretLine = LineOf(view, view.SendScintilla(Sci::SCI_GETCURRENTPOS));
  std::optional<long> mark;
  if (forward) {
    // Past the last line there is no line to go to.
    if (const long nextLine = LineStart(view, caretLine + 1); nextLine >= 0)
      mark = FirstMarkFrom(view, nextLine);
  } else if (const std::optional<long> last = LastMarkBefore(view, LineStart(view, caretLine))) {
    mark = FirstMarkFrom(view, LineStart(view, LineOf(view, *last)));
  }
  if (!mark) return false;
  view.SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(*mark));
  view.SendScintilla(Sci::SCI_SCROLLCARET);
  return true;
}

}  // namespace skorlin::app
