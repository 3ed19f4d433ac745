// SPDX-License-Identifier: GPL-3.0-or-later
// A view of the window: a plain-text editor built for large texts. It holds its text as
// UTF-8 with CR LF line breaks, so a command reads the view's own buffer and writes its
// result back in one replacement.
#pragma once

#include <Qsci/qsciscintilla.h>

#include <string>
#include <string_view>

#include "stats/live_stats.h"
#include "text/text.h"

class QMenu;

namespace skorlin::app {

// No lexer, no margins, no word wrap, both scroll bars as needed, the fixed-width font of
// ViewFont. Undo and redo as in an editor: typing is grouped, each replacement made
// through this class is one step. The steps of the replacements hold the text they took
// out and put in; when the steps kept would hold more than the undo budget, the older ones
// are let go before a new one is made, so a long text changed again and again keeps its
// memory within a few times its size, and the last replacement can always be undone. The keys the window's
// menu owns (Ctrl+X, Ctrl+C, Ctrl+V, Ctrl+A, Ctrl+Del) are left to the menu's shortcuts.
class TextView : public QsciScintilla {
  Q_OBJECT

 public:
  explicit TextView(QWidget* parent = nullptr);

  // The whole text as the view holds it: a view of its own buffer, valid until the text
  // next changes.
  std::string_view Utf8() const;
  // The length of the text in bytes.
  std::size_t Length() const;
  // length bytes of the text from position from, valid until the text next changes; unlike
  // Utf8, this moves no more of the editor's buffer than the range itself.
  std::string_view Range(std::size_t from, std::size_t length) const;
  // The selected text (the parts of a rectangular selection joined by line breaks).
  std::string SelectedUtf8() const;
  bool HasSelection() const;

  // Replaces the whole text without an undo step: the undo history starts afresh, the
  // caret stands at the start.
  void Load(std::string_view utf8);
  // Turns the text into replacement as one step of the undo history, rewriting only the
  // bytes between the parts both share at their start and their end (the whole text when
  // those parts are small beside the rest); the caret then stands at the start. Does
  // nothing (and returns false) when the texts are equal.
  bool Replace(std::string_view replacement);
  // Replaces the selection (or inserts at the caret) as one undo step; the caret then
  // stands after the inserted text.
  void ReplaceSelection(std::string_view utf8);
  // Empties the view as one undo step.
  void EmptyText();

  // How many bytes the steps of the undo history may hold before older ones are let go.
  static constexpr std::size_t kUndoBudget = std::size_t{256} << 20;
  void SetUndoBudget(std::size_t bytes) { undoBudget_ = bytes; }

  // The menu a right click opens in place of the editor's own.
  void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }

  // Forgets a change not yet reported by textEdited: the caller has just written the text
  // itself and accounts for it.
  void DiscardPendingEdit() { editPending_ = false; }
  // Whether a change has been made that textEdited has yet to report.
  bool EditPending() const { return editPending_; }

  // The statistics of the text, kept in step with the changes made in the view itself
  // once the window has given them for a whole text; the view's own write methods
  // (Load, Replace, ReplaceSelection, EmptyText) forget them.
  stats::LiveTextStats& LiveCounts() { return liveCounts_; }

 signals:
  // The text has been changed in the view itself (typing, the editor's own paste, drag and
  // drop, undo and redo): reported once the change is complete, at most once per pass of
  // the event loop. Changes made through Load, Replace, ReplaceSelection and EmptyText
  // are not reported.
  void textEdited();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 private:
  // Marks the changes of the view's own write methods while they run.
  class OwnWrite {
   public:
    // A read-only view (the user's edits held back while a command runs) still takes the
    // program's own writes.
    explicit OwnWrite(TextView* view) : view_(view), readOnly_(view->isReadOnly()) {
      view_->ownWrite_ = true;
      if (readOnly_) view_->setReadOnly(false);
    }
    ~OwnWrite() {
      if (readOnly_) view_->setReadOnly(true);
      view_->ownWrite_ = false;
    }
    OwnWrite(const OwnWrite&) = delete;
    OwnWrite& operator=(const OwnWrite&) = delete;

   private:
    TextView* view_;
    bool readOnly_;
  };

  void ReportEditLater();
  // The editor's announcement of a change it is about to make.
  void BeforeModified(int position, int modificationType, int length);
  // Makes room in the undo history for a step holding cost bytes.
  void RoomForStep(std::size_t cost);

  QMenu* popupMenu_ = nullptr;
  bool ownWrite_ = false;
  std::size_t undoBudget_ = kUndoBudget;
  std::size_t undoBytes_ = 0;  // what the steps of the replacements kept so far hold
  bool editPending_ = false;
  stats::LiveTextStats liveCounts_{
      [this](std::size_t from, std::size_t length) { return Range(from, length); }};
};

// The whole text of a view in the core's form.
text::Text ViewText(const TextView& view);

// "Courier New" 10 pt where it is installed, otherwise the system's fixed-width font.
QFont ViewFont();

}  // namespace skorlin::app
