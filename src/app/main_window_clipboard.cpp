// SPDX-License-Identifier: GPL-3.0-or-later
// Copy, cut, paste, clear and select-all on the active view.
#include "app/main_window.h"
#include "app/text_view.h"
#include "app/view_text.h"

namespace skorlin::app {
namespace {

void FocusView(TextView* view) {
  if (view->isVisible() && view->isEnabled()) view->setFocus();
}

// The selected text of a view, or its whole text when nothing is selected, as the
// clipboard takes it.
QString SelectedOrWholeText(const TextView& view) {
  if (!view.HasSelection()) return ClipboardString(view.Utf8());
  return ClipboardString(view.SelectedUtf8());
}

}  // namespace

void TfmMain::btCopyClick(ViewSlot* view) {
  if (!view) return;
  SetClipboardText(SelectedOrWholeText(*view->widget));
  FocusView(view->widget);
}

void TfmMain::pmCutClick(ViewSlot* view) {
  if (!view) return;
  SetClipboardText(SelectedOrWholeText(*view->widget));
  view->widget->EmptyText();
  view->encoding = text::Encoding::Cp1251;
  RichEditChange(view->widget);
}

void TfmMain::btPasteClick(ViewSlot* view, PasteForm form) {
  if (!view) return;
  TextView* const widget = view->widget;
  const std::string clip = ForView(ClipboardText().toStdString());
  if (form == PasteForm::kAtCaret || widget->HasSelection()) {
    // The clipboard replaces the selection, or goes in at the caret.
    widget->ReplaceSelection(clip);
  } else {
    // The button with nothing selected: the clipboard replaces the whole text, which is
    // then saved as a typed text is.
    view->encoding = text::Encoding::Cp1251;
    widget->Replace(clip);
    widget->SendScintilla(TextView::SCI_DOCUMENTEND);
  }
  RichEditChange(widget);
  FocusView(widget);
}

void TfmMain::btClearClick(ViewSlot* view) {
  if (!view) return;
  view->widget->EmptyText();
  view->widget->SendScintilla(TextView::SCI_SETSAVEPOINT);
  view->encoding = text::Encoding::Cp1251;
  RichEditChange(view->widget);
  FocusView(view->widget);
}

void TfmMain::mmSelectAllClick(ViewSlot* view) {
  if (view) view->widget->SendScintilla(TextView::SCI_SELECTALL);
}

}  // namespace skorlin::app
