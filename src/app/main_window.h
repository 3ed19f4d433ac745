// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: four tabs (the input view, the formatted view, the HTML view and the
// settings), the button panel, the statistics panel, the menus and every command.
// Controls carry the names of the window design as their object names; the functions that
// do the work of a control carry the names of its handlers.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/settings_location.h"
#include "commands/command_table.h"
#include "lines/collation.h"
#include "lines/line_command.h"
#include "names/declension_library.h"
#include "stats/text_stats.h"
#include "text/command_result.h"
#include "text/encoding.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;

namespace skorlin::app {

class CommandWorker;
class ProfileFile;
class StatisticsPanel;
class TextView;
struct LinkLabel;

// What the window takes from the process: its folders and its command-line parameters.
struct WindowEnvironment {
  QString programDir;     // the program file's folder
  QString appDataDir;     // the user's configuration folder; empty when there is none
  QStringList arguments;  // the parameters after the program name

  // The running program's own values.
  static WindowEnvironment FromProcess();
};

// One of the three views: the widget, the encoding its text came in (save-as writes it),
// and which view it is for the commands that treat the views differently. A view's tab is
// its place among the three.
struct ViewSlot {
  TextView* widget = nullptr;
  text::Encoding encoding = text::Encoding::Cp1251;
  lines::View kind = lines::View::kInput;
};

// The two forms of paste: a menu item (and its shortcut, and Shift+Insert) puts the
// clipboard in place of the selection or at the caret; the button replaces the whole text
// when nothing is selected.
enum class PasteForm { kAtCaret, kButton };

class TfmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TfmMain(const WindowEnvironment& environment, QWidget* parent = nullptr);
  ~TfmMain() override;

  // The view of the selected tab: RichEdit1, RichEdit2 or RichEdit3 for tab 0, 1, 2;
  // nullptr on the settings tab.
  TextView* ActiveView() const;
  const SettingsLocation& Location() const { return location_; }

  // Handlers. A command that works on a view gets the view its menu row names (the view
  // of the selected tab, or the input view); nullptr stands for the settings tab, where
  // such a command changes no view.
  void PageControlChange();
  void cbxHTMLClick();
  // The check box "Показывать изменения": the changes drawn again by a rebuild, or taken away.
  void chkShowChangesClick();
  // The check box "Типографика": the formatted view rebuilt at once, typeset or not.
  void chkTypografClick();
  // F8 and Shift+F8 on the formatted view: the caret to the next or the previous line the
  // formatter changed.
  void GoToChange(bool forward);
  // Recounts the statistics panel for sender: a view, or the price field (which counts the
  // active view, or nothing on the settings tab).
  void RichEditChange(QObject* sender);
  void mmExitClick();

  void btCopyClick(ViewSlot* view);
  void pmCutClick(ViewSlot* view);
  void btPasteClick(ViewSlot* view, PasteForm form);
  void pmPasteClick(ViewSlot* view) { btPasteClick(view, PasteForm::kAtCaret); }
  void btClearClick(ViewSlot* view);
  void mmSelectAllClick(ViewSlot* view);

  void mmOpenClick(ViewSlot* view);
  void mmSaveAsClick(ViewSlot* view);
  void mmSaveHTMLClick(ViewSlot* input);
  // Files and folders dropped on the window (full paths, in their dropped order).
  void FilesDropped(const QStringList& names);

  void mmTopicClick();
  void mmAboutClick();
  void lbhHomeClick();
  void lbhMailClick();
  // A click on a link label of the statistics panel.
  void OpenLink(const LinkLabel& link);

  // Whether the window waits for a command: from its start until its worker has ended.
  bool CommandRunning() const { return worker_ != nullptr; }

 signals:
  // The statistics panel has been rewritten for sender's text (a view or the price field).
  void StatisticsRefreshed(QObject* sender);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void FormClose();
  // Key preview: sees every key pressed in the window before the focused control.
  bool FormKeyDown(QKeyEvent* key);
  bool RichEdit1KeyDown(QKeyEvent* key);
  // Drags and drops over any control of the window: dragged files and folders go to
  // FilesDropped; anything else is left to the control under the pointer.
  bool DragOver(QDropEvent* event);
  // Runs FilesDropped once no command is at work: a drop during a command lands after it,
  // on the text the command left.
  void DropWhenIdle(const QStringList& names);

  void CreateControls();
  QWidget* CreateButtonPanel();
  QWidget* CreateViewTab(const char* name, ViewSlot& view, const char* viewName, QWidget* above = nullptr,
                         QWidget* below = nullptr);
  QWidget* CreateChangeOptions();
  QWidget* CreateHtmlOptions();
  QWidget* CreateSettingsTab();
  void CreateMenus();
  void ConnectViews();

  ViewSlot* ActiveSlot();
  ViewSlot* InputSlot() { return &views_[0]; }

  void LoadSettings();
  void SaveSettings();
  void RestoreGeometry();

  // The text of the clipboard, or the empty text.
  QString ClipboardText() const;
  void SetClipboardText(const QString& text);
  // Loads a file into a view, replacing its whole text (decoded by detection).
  void LoadFileIntoView(ViewSlot& view, const QString& path);
  // A text from outside (a file, the clipboard) ends at its first NUL, as its lines do:
  // cuts it there and says so in the caption, so a cut text never passes for the whole.
  void UpToNul(std::string& utf8);
  // A text from outside as a view holds it: UTF-8 up to any NUL, CR LF line breaks.
  std::string ForView(std::string utf8);
  // Sets a view's text: nothing happens when it equals the view's current text;
  // otherwise the text is replaced (the undo history starts afresh) and the statistics
  // are recounted for it, as the view's change event does. Returns whether it changed.
  bool SetViewText(ViewSlot& view, const std::string& utf8);
  // The statistics panel for a view's text as counted (or for the price field's change).
  void ShowChangeLabels(QObject* sender, std::string_view counted);
  void ShowChangeLabels(QObject* sender, const stats::TextStats& counts);
  // Runs count on a second thread while write runs on this one, for a text of size bytes:
  // writing a long text into a view takes about as long as counting it. A short one is
  // counted here, after the writing.
  static stats::TextStats CountWhileWriting(std::size_t size, const std::function<stats::TextStats()>& count,
                                            const std::function<void()>& write);
  // The statistics of a view's text: kept in step with its edits, or counted whole.
  static stats::TextStats CountsOf(TextView& view);
  // A change the user made in a view: counted from the pieces it touched when the counts
  // before it are known; otherwise at once in a small text, a slice at a time between the
  // keystrokes in a large one.
  void ViewEdited(TextView* view);

  // Whether the statistics are recounted after a command that left its view unchanged.
  enum class Recount { Always, WhenChanged };
  // A command of the core's table on a view's whole text. The view's text and what the
  // command needs are gathered here; the command runs on a worker over its own copy of the
  // text while the window stays responsive: the views are read-only, and the commands, the
  // buttons, the options and the drops wait. Its progress captions show in the title bar
  // under the busy cursor. Its result is written back as one replacement (one step of the
  // undo history), the statistics recounted once, the final caption shown, and the error
  // of a failed command reported once the view is as it was. With no view (the settings
  // tab) the command runs on the empty text for its captions and no view changes.
  void RunCommand(ViewSlot* view, commands::CommandId id, Recount recount);
  // The interface thread's part when the worker has ended.
  void EndCommand(ViewSlot* view, Recount recount, text::CommandResult result,
                  const std::exception_ptr& error);
  // Esc while a command runs: its result, when it comes, is dropped and the views are the
  // user's again at once. The other commands wait until its worker has ended.
  void CancelCommand();
  // While a command runs (waiting): the actions that work on a view, the buttons and the
  // options of the derived views wait.
  void HoldForCommand(bool waiting);
  // While a command runs (waiting): the views are read-only under the busy cursor.
  void HoldViews(bool waiting);
  // Shows a caption in the title bar.
  void ShowCaption(const std::string& utf8);
  const lines::LineCollator& Collator();
  names::DeclensionLibrary& Declension();

  // Controls.
  QWidget* Panel1 = nullptr;
  QPushButton* btCopy = nullptr;
  QPushButton* btPaste = nullptr;
  QPushButton* btClear = nullptr;
  QPushButton* btExit = nullptr;
  QTabWidget* PageControl = nullptr;
  QCheckBox* cbxAddP = nullptr;
  QCheckBox* cbxAddPEmpty = nullptr;
  QCheckBox* cbxTable = nullptr;
  QCheckBox* chkShowChanges = nullptr;
  QCheckBox* chkTypograf = nullptr;
  QCheckBox* chkEnterStart = nullptr;
  QCheckBox* chkFolders = nullptr;
  QGroupBox* gbAbz = nullptr;
  QLineEdit* edAbzMin = nullptr;
  QLineEdit* edAbzMax = nullptr;
  StatisticsPanel* Panel2 = nullptr;
  QMenu* pmMain = nullptr;

  // RichEdit1, RichEdit2 and RichEdit3, in the order of their tabs.
  std::array<ViewSlot, 3> views_{{{nullptr, text::Encoding::Cp1251, lines::View::kInput},
                                  {nullptr, text::Encoding::Cp1251, lines::View::kFormatted},
                                  {nullptr, text::Encoding::Cp1251, lines::View::kHtml}}};

  const WindowEnvironment environment_;
  SettingsLocation location_;
  std::unique_ptr<ProfileFile> Settings;
  QString lastSaveName_ = QStringLiteral("index.htm");
  bool shown_ = false;
  bool closed_ = false;
  std::unique_ptr<lines::LineCollator> collator_;
  // The declension library beside the program, loaded at the first name command that needs it.
  std::unique_ptr<names::DeclensionLibrary> declension_;
  // The actions that wait while a command runs: those that work on a view.
  QList<QAction*> viewActions_;
  // The command at work, its caption before it started and whether Esc cancelled it.
  // Declared last: it goes first, waiting for its thread while what the command uses
  // (the collator, the declension library) is still there.
  QString titleBeforeCommand_;
  bool commandCancelled_ = false;
  std::unique_ptr<CommandWorker> worker_;
};

// The command of the core's table a menu item runs, by the item's object name; nothing for
// the items that run no such command.
std::optional<commands::CommandId> MenuCommandOf(const QString& objectName);

}  // namespace skorlin::app
