// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: four tabs (the input view, the formatted view, the HTML view and the
// settings), the button panel, the statistics panel, the menus and every command.
// Controls carry the names of the window design as their object names; the functions that
// do the work of a control carry the names of its handlers.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/settings_location.h"
#include "lines/collation.h"
#include "lines/line_command.h"
#include "lines/random.h"
#include "names/declension_library.h"
#include "names/name_commands.h"
#include "stats/text_stats.h"
#include "text/command_result.h"
#include "text/encoding.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;

namespace skorlin::app {

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

  // The line commands of the menus "С&ервис" and "Со&ртировка" and of the popup menu.
  void pmDelSpacesClick(ViewSlot* view);
  void pmDelEmptyClick(ViewSlot* view);
  void mmDelDSpacesClick(ViewSlot* view);
  void pmDelDoubleClick(ViewSlot* view);
  void pmDelAllDoubleClick(ViewSlot* view);
  void mmDelUnikClick(ViewSlot* view);
  void N14Click(ViewSlot* input);
  void pmSortClick(ViewSlot* view);
  void N4Click(ViewSlot* view);
  void N16Click(ViewSlot* input);
  void mmShuffleClick(ViewSlot* view);
  void N18Click(ViewSlot* input);

  // The URL commands (menu "&URL").
  void mmInsURLsClick(ViewSlot* input);
  void mmInsAnkClick(ViewSlot* input);
  void mmSaveURLsClick(ViewSlot* input);
  void N6Click(ViewSlot* input);
  void N7Click(ViewSlot* input);
  void N8Click(ViewSlot* input);
  void http1Click(ViewSlot* input);
  void http2Click(ViewSlot* input);

  // The name commands (menu "Ф&ИО").
  void N10Click(ViewSlot* input);
  void N13Click(ViewSlot* input);
  void N12Click(ViewSlot* input);
  void N15Click(ViewSlot* input);

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
  // Runs FilesDropped once no command is at work on a view: a command holds the view's
  // buffer while it runs, and the progress captions it shows let timers run meanwhile.
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

  // A command of the core on a view's whole text (UTF-8).
  using ViewCommand =
      std::function<text::CommandResult(std::string_view text, const text::Progress& progress)>;
  // Whether the statistics are recounted after a command that left its view unchanged.
  enum class Recount { Always, WhenChanged };
  // The one way from a view to a command of the core: the view's own buffer handed to the
  // command (no copy), its result written back as one replacement (one step of the undo
  // history) with the view's redrawing suspended, the statistics recounted once, the final
  // caption shown, and the error of a failed command reported once the view is as it was.
  // With no view (the settings tab) the command runs on the empty text for its captions and
  // no view changes.
  void RunOnView(ViewSlot* view, Recount recount, const ViewCommand& command);
  // A line command in the full frame (hourglass, captions, recount).
  void RunLineCommand(ViewSlot* view,
                      const std::function<text::CommandResult(std::string_view, lines::View,
                                                              const text::Progress&)>& command);
  void RunUrlCommand(ViewSlot* input, text::CommandResult (*command)(std::string_view));
  void RunNameCommand(ViewSlot* input, names::NameCommand command);
  // Shows a caption in the title bar at once, also while a command is still running.
  void ShowCaption(const std::string& utf8);
  const lines::LineCollator& Collator();
  names::DeclensionLibrary& Declension();

  // Marks a command at work on a view for the lifetime of a scope.
  class Busy {
   public:
    explicit Busy(TfmMain* window) : window_(window) { ++window_->busy_; }
    ~Busy() { --window_->busy_; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

   private:
    TfmMain* window_;
  };
  int busy_ = 0;

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
  // The generator of the shuffle and the paragraph splitting, seeded from the clock by each.
  lines::RandomGenerator random_;
  std::unique_ptr<lines::LineCollator> collator_;
  // The declension library beside the program, loaded at the first name command that needs it.
  std::unique_ptr<names::DeclensionLibrary> declension_;
};

}  // namespace skorlin::app
