// Copy, cut, paste, clear and select-all on the active view.
#include <QAction>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "app/main_window.h"
#include "app/view_text.h"

namespace skorlin::app {
namespace {

void FocusView(QPlainTextEdit* view) {
  if (view->isVisible() && view->isEnabled()) view->setFocus();
}

// The selected text of a view, or its whole text when nothing is selected, with the
// view's own line breaks (LF).
QString SelectedOrWholeText(const QPlainTextEdit* view) {
  const QTextCursor cursor = view->textCursor();
  if (!cursor.hasSelection()) return ViewString(view);
  QString part = cursor.selectedText();
  part.replace(QChar(QChar::ParagraphSeparator), QChar(u'\n'));
  return part;
}

// Empties a view as one step of its undo history.
void EmptyView(QPlainTextEdit* view) {
  QTextCursor cursor = view->textCursor();
  cursor.select(QTextCursor::Document);
  cursor.removeSelectedText();
  view->setTextCursor(cursor);
}

}  // namespace

void TfmMain::btCopyClick(QObject* /*sender*/) {
  QPlainTextEdit* view = ActiveView();
  if (!view) return;
  SetClipboardText(SelectedOrWholeText(view));
  FocusView(view);
}

void TfmMain::pmCutClick(QObject* /*sender*/) {
  QPlainTextEdit* view = ActiveView();
  if (!view) return;
  SetClipboardText(SelectedOrWholeText(view));
  EmptyView(view);
  viewEncoding_[ViewIndex(view)] = text::Encoding::Cp1251;
}

void TfmMain::btPasteClick(QObject* sender) {
  QPlainTextEdit* view = ActiveView();
  if (!view) return;
  const QString clip = TextToViewString(UpToNul(ToText(ClipboardText())));
  QTextCursor cursor = view->textCursor();
  if (qobject_cast<QAction*>(sender) || cursor.hasSelection()) {
    // A menu item, its shortcut or Shift+Insert: the clipboard replaces the selection,
    // or goes in at the caret.
    cursor.insertText(clip);
    view->setTextCursor(cursor);
  } else {
    // The button with nothing selected: the clipboard replaces the whole text, which is
    // then saved as a typed text is.
    viewEncoding_[ViewIndex(view)] = text::Encoding::Cp1251;
    cursor.select(QTextCursor::Document);
    cursor.insertText(clip);
    view->setTextCursor(cursor);
  }
  FocusView(view);
}

void TfmMain::btClearClick(QObject* /*sender*/) {
  QPlainTextEdit* view = ActiveView();
  if (!view) return;
  EmptyView(view);
  view->document()->setModified(false);
  viewEncoding_[ViewIndex(view)] = text::Encoding::Cp1251;
  FocusView(view);
}

void TfmMain::mmSelectAllClick(QObject* /*sender*/) {
  if (QPlainTextEdit* view = ActiveView()) view->selectAll();
}

}  // namespace skorlin::app
