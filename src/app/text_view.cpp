// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/text_view.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QMenu>
#include <QTimer>
#include <bit>
#include <cstdint>

#include "text/utf8.h"

namespace skorlin::app {
namespace {

using Sci = QsciScintillaBase;

// The keys whose commands the window's menu runs instead of the editor's own.
constexpr QKeyCombination kMenuKeys[] = {
    Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_C,      Qt::CTRL | Qt::Key_V,
    Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_Delete,
};

bool IsMenuKey(int key) {
  for (const QKeyCombination menuKey : kMenuKeys) {
    if (key == menuKey.toCombined()) return true;
  }
  return false;
}

// The editor's own accessibility support reports every change and every caret move with
// the caret's character offset, counted from the start of the text each time: on a text of
// a million lines every keystroke would wait for that count. Unless a screen reader is
// listening, a view gets the plain interface of a widget instead.
QAccessibleInterface* PlainAccessibleView(const QString& className, QObject* object) {
  if (className != QLatin1String(TextView::staticMetaObject.className()) || QAccessible::isActive()) {
    return nullptr;
  }
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::EditableText);
}

// The bytes of a text for the editor, which wants an address even for no bytes.
const char* BytesOf(std::string_view text) { return text.empty() ? "" : text.data(); }

// Whether position i of text lies inside a character or between the CR and the LF of a
// line break, where a replacement must not start or end.
bool InsideUnit(std::string_view text, std::size_t i) {
  if (i == 0 || i >= text.size()) return false;
  return text::IsUtf8Continuation(text[i]) || (text[i - 1] == '\r' && text[i] == '\n');
}

// A replacement keeps the bytes its text shares with the view's at their start and end
// when they are at least this share of the bytes it takes out (1/kSharedShare).
constexpr std::size_t kSharedShare = 8;

}  // namespace

TextView::TextView(QWidget* parent) : QsciScintilla(parent) {
  static const bool accessible = (QAccessible::installFactory(PlainAccessibleView), true);
  (void)accessible;

  // A document without style bytes: nothing here is ever styled, and a large text then
  // takes half the memory.
  auto* document = std::bit_cast<void*>(static_cast<intptr_t>(
      SendScintilla(SCI_CREATEDOCUMENT, 0UL, static_cast<long>(SC_DOCUMENTOPTION_STYLES_NONE))));
  SendScintilla(SCI_SETDOCPOINTER, 0UL, document);
  SendScintilla(SCI_RELEASEDOCUMENT, 0UL, document);
  setUtf8(true);
  setEolMode(EolWindows);
  SendScintilla(SCI_SETPASTECONVERTENDINGS, 1L);

  setFont(ViewFont());
  for (int margin = 0; margin < 5; ++margin) setMarginWidth(margin, 0);
  SendScintilla(SCI_SETMARGINLEFT, 0UL, 3L);
  setWrapMode(WrapNone);
  SendScintilla(SCI_SETHSCROLLBAR, 1L);
  SendScintilla(SCI_SETSCROLLWIDTH, 1L);
  SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1L);

  for (QsciCommand* command : standardCommands()->commands()) {
    if (IsMenuKey(command->key())) command->setKey(0);
    if (IsMenuKey(command->alternateKey())) command->setAlternateKey(0);
  }
  const int redoAlso = (Qt::CTRL | Qt::SHIFT | Qt::Key_Z).toCombined();
  if (!standardCommands()->boundTo(redoAlso)) {
    standardCommands()->find(QsciCommand::Redo)->setAlternateKey(redoAlso);
  }

  // The editor announces a change before it is made, and only the announcement before an
  // insertion or a deletion is asked for: the notice after it would hand over (and convert)
  // the whole inserted or deleted text, a whole text for every replacement.
  SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE));
  connect(this, &QsciScintillaBase::SCEN_CHANGE, this, &TextView::ReportEditLater);
  connect(
      this, &QsciScintillaBase::SCN_MODIFIED, this,
      [this](int position, int type, const char*, int length) { BeforeModified(position, type, length); });
}

void TextView::BeforeModified(int position, int modificationType, int length) {
  if (ownWrite_) {
    liveCounts_.Forget();
    return;
  }
  const auto at = static_cast<std::size_t>(position);
  const auto bytes = static_cast<std::size_t>(length);
  if ((modificationType & SC_MOD_BEFOREINSERT) != 0) liveCounts_.BeforeChange(Length(), at, 0, bytes);
  if ((modificationType & SC_MOD_BEFOREDELETE) != 0) liveCounts_.BeforeChange(Length(), at, bytes, 0);
}

void TextView::ReportEditLater() {
  if (ownWrite_ || editPending_) return;
  editPending_ = true;
  QTimer::singleShot(0, this, [this] {
    if (!editPending_) return;
    editPending_ = false;
    emit textEdited();
  });
}

std::string_view TextView::Utf8() const {
  const auto* text = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
  return {text, Length()};
}

std::string_view TextView::Range(std::size_t from, std::size_t length) const {
  if (length == 0) return {};
  const auto* bytes = std::bit_cast<const char*>(static_cast<intptr_t>(
      SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), static_cast<long>(length))));
  return {bytes, length};
}

std::size_t TextView::Length() const { return static_cast<std::size_t>(SendScintilla(SCI_GETLENGTH)); }

bool TextView::HasSelection() const { return SendScintilla(SCI_GETSELECTIONEMPTY) == 0; }

std::string TextView::SelectedUtf8() const {
  // The length asked for first includes a closing NUL.
  const long size = SendScintilla(SCI_GETSELTEXT, 0UL, static_cast<void*>(nullptr));
  std::string text(static_cast<std::size_t>(std::max(size, 1L)), '\0');
  SendScintilla(SCI_GETSELTEXT, 0UL, static_cast<void*>(text.data()));
  text.resize(text.size() - 1);
  return text;
}

void TextView::Load(std::string_view utf8) {
  const OwnWrite write(this);
  SendScintilla(SCI_SETUNDOCOLLECTION, 0L);
  SendScintilla(SCI_TARGETWHOLEDOCUMENT);
  SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(utf8.size()), BytesOf(utf8));
  SendScintilla(SCI_SETUNDOCOLLECTION, 1L);
  SendScintilla(SCI_EMPTYUNDOBUFFER);
  undoBytes_ = 0;
  SendScintilla(SCI_SETSAVEPOINT);
  SendScintilla(SCI_GOTOPOS, 0L);
}

bool TextView::Replace(std::string_view replacement) {
  const std::string_view current = Utf8();
  if (current == replacement) return false;
  const std::size_t shorter = std::min(current.size(), replacement.size());
  std::size_t start = 0;
  while (start < shorter && current[start] == replacement[start]) ++start;
  while (InsideUnit(current, start) || InsideUnit(replacement, start)) --start;
  std::size_t tail = 0;
  while (tail < shorter - start &&
         current[current.size() - 1 - tail] == replacement[replacement.size() - 1 - tail]) {
    ++tail;
  }
  while (tail > 0 &&
         (InsideUnit(current, current.size() - tail) || InsideUnit(replacement, replacement.size() - tail))) {
    --tail;
  }
  // A command over the whole text shares little with it at its ends: the whole text is then
  // replaced, which lets the editor drop its index of the old lines at once rather than take
  // them out one at a time. The undo step holds the few shared bytes in addition.
  if (start + tail <= (current.size() - start - tail) / kSharedShare) start = tail = 0;
  const std::string_view inserted = replacement.substr(start, replacement.size() - tail - start);
  const OwnWrite write(this);
  RoomForStep(current.size() - tail - start + inserted.size());
  SendScintilla(SCI_BEGINUNDOACTION);
  SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(start),
                static_cast<long>(current.size() - tail));
  SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(inserted.size()), BytesOf(inserted));
  SendScintilla(SCI_ENDUNDOACTION);
  SendScintilla(SCI_GOTOPOS, 0L);
  return true;
}

void TextView::ReplaceSelection(std::string_view utf8) {
  const OwnWrite write(this);
  RoomForStep(
      static_cast<std::size_t>(SendScintilla(SCI_GETSELECTIONEND) - SendScintilla(SCI_GETSELECTIONSTART)) +
      utf8.size());
  SendScintilla(SCI_BEGINUNDOACTION);
  SendScintilla(SCI_TARGETFROMSELECTION);
  const long start = SendScintilla(SCI_GETTARGETSTART);
  SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(utf8.size()), BytesOf(utf8));
  SendScintilla(SCI_ENDUNDOACTION);
  SendScintilla(SCI_GOTOPOS, start + static_cast<long>(utf8.size()));
}

void TextView::EmptyText() {
  const OwnWrite write(this);
  RoomForStep(Length());
  SendScintilla(SCI_CLEARALL);
}

void TextView::RoomForStep(std::size_t cost) {
  if (undoBytes_ > 0 && undoBytes_ + cost > undoBudget_) {
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    undoBytes_ = 0;
  }
  undoBytes_ += cost;
}

void TextView::contextMenuEvent(QContextMenuEvent* event) {
  if (popupMenu_) popupMenu_->popup(event->globalPos());
  event->accept();
}

QVariant TextView::inputMethodQuery(Qt::InputMethodQuery query) const {
  // The editor's own answer takes the text between the empty lines around the caret, which
  // in a list without empty lines is the whole text, at every caret move: the caret's line
  // is what an input method needs.
  if (query != Qt::ImSurroundingText && query != Qt::ImCursorPosition && query != Qt::ImAnchorPosition) {
    return QsciScintilla::inputMethodQuery(query);
  }
  const long caret = SendScintilla(SCI_GETCURRENTPOS);
  const long line = SendScintilla(SCI_LINEFROMPOSITION, caret);
  const long start = SendScintilla(SCI_POSITIONFROMLINE, line);
  const long end = SendScintilla(SCI_GETLINEENDPOSITION, line);
  // A range of the line only: asking for the whole text would move the editor's insertion
  // gap to its end, a copy of everything after the caret.
  const auto part = [&](long from, long to) {
    const std::string_view bytes = Range(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  };
  if (query == Qt::ImSurroundingText) return part(start, end);
  const long position = query == Qt::ImCursorPosition ? caret : SendScintilla(SCI_GETANCHOR);
  return static_cast<int>(part(start, std::clamp(position, start, end)).size());
}

text::Text ViewText(const TextView& view) { return text::DecodeUtf8(view.Utf8()); }

QFont ViewFont() {
  if (QFontDatabase::families().contains(QStringLiteral("Courier New"))) {
    return QFont(QStringLiteral("Courier New"), 10);
  }
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(10);
  return font;
}

}  // namespace skorlin::app
