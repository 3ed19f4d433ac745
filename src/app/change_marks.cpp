// SPDX-License-Identifier: GPL-3.0-or-later
// Change marks as two indicators of the editor, one for each kind of mark.
#include "app/change_marks.h"

#include <QColor>
#include <QTimer>
#include <algorithm>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "app/text_view.h"
#include "text/utf8.h"

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
  view.SendScintilla(Sci::SCI_INDICSETFORE, kChangedIndicator, EditorColour(QColor(255, 190, 0)));
  view.SendScintilla(Sci::SCI_INDICSETALPHA, kChangedIndicator, 110L);
  view.SendScintilla(Sci::SCI_INDICSETOUTLINEALPHA, kChangedIndicator, 0L);
  view.SendScintilla(Sci::SCI_INDICSETUNDER, kChangedIndicator, 1L);
  // A small triangle under the place the deleted characters left.
  view.SendScintilla(Sci::SCI_INDICSETSTYLE, kDeletedIndicator, static_cast<long>(Sci::INDIC_POINT));
  view.SendScintilla(Sci::SCI_INDICSETFORE, kDeletedIndicator, EditorColour(QColor(210, 40, 40)));
}

// Fills a range with the current indicator.
void Fill(TextView& view, std::size_t position, std::size_t length) {
  view.SendScintilla(Sci::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(position),
                     static_cast<long>(length));
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

// Fills the marks of changes, first those of changed and inserted characters, then the
// places of deletions; the mark of a deletion sits on the character after the place (the
// line break at the end of a line).
void FillChanges(TextView& view, std::span<const text::CharChange> changes) {
  view.SendScintilla(Sci::SCI_SETINDICATORCURRENT, kChangedIndicator);
  for (const text::CharChange& change : changes) {
    if (change.length > 0) Fill(view, change.begin, change.length);
  }
  const std::string_view bytes = view.Utf8();
  view.SendScintilla(Sci::SCI_SETINDICATORCURRENT, kDeletedIndicator);
  for (const text::CharChange& change : changes) {
    if (change.length > 0 || change.begin >= bytes.size()) continue;
    std::size_t end = change.begin + 1;
    while (end < bytes.size() && text::IsUtf8Continuation(bytes[end])) ++end;
    Fill(view, change.begin, end - change.begin);
  }
}

const char* const kFillerName = "changeFiller";
// The editor takes about half a microsecond a mark: a text with a hundred thousand changes
// gets them a slice at a time between the events of the window, from its start on, so the
// view shows up (with its first marks) as soon as without them.
constexpr std::size_t kSliceChanges = 8192;

// Fills the marks of a view a slice at a time while the view's text stays as it was; a
// child of the view, gone when done, when the text changes or when new marks replace these.
class ChangeFiller : public QObject {
 public:
  ChangeFiller(TextView& view, std::vector<text::CharChange> changes)
      : QObject(&view), view_(view), changes_(std::move(changes)) {
    setObjectName(QLatin1String(kFillerName));
  }

  void FillSlice() {
    if (view_.SendScintilla(Sci::SCI_GETMODIFY) != 0) {
      deleteLater();
      return;
    }
    const std::size_t end = std::min(changes_.size(), next_ + kSliceChanges);
    FillChanges(view_, std::span<const text::CharChange>(changes_).subspan(next_, end - next_));
    next_ = end;
    if (next_ == changes_.size()) {
      deleteLater();
    } else {
      QTimer::singleShot(0, this, [this] { FillSlice(); });
    }
  }

 private:
  TextView& view_;
  std::vector<text::CharChange> changes_;
  std::size_t next_ = 0;
};

}  // namespace

void ShowChanges(TextView& view, std::vector<text::CharChange> changes) {
  delete view.findChild<QObject*>(kFillerName, Qt::FindDirectChildrenOnly);
  const auto length = static_cast<long>(view.Length());
  for (const int indicator : kIndicators) {
    view.SendScintilla(Sci::SCI_SETINDICATORCURRENT, indicator);
    view.SendScintilla(Sci::SCI_INDICATORCLEARRANGE, 0UL, length);
  }
  if (changes.empty()) return;
  DefineIndicators(view);
  // The changes hold for the text as it is now: the filler stops once it changes.
  view.SendScintilla(Sci::SCI_SETSAVEPOINT);
  (new ChangeFiller(view, std::move(changes)))->FillSlice();
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
