// The main window: four tabs (the input view, the formatted view, the HTML view and the
// settings), the button panel, the statistics panel, the menus and every command.
// Controls carry the names of the window design as their object names.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "app/settings_location.h"
#include "lines/collation.h"
#include "lines/line_command.h"
#include "lines/random.h"
#include "names/declension_library.h"
#include "names/name_commands.h"
#include "text/command_result.h"
#include "text/encoding.h"
#include "text/text.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace skorlin::app {

class ClickLabel;
class ProfileFile;
class TextView;

// What the window takes from the process: its folders and its command-line parameters.
struct WindowEnvironment {
  QString programDir;     // the program file's folder
  QString appDataDir;     // the user's configuration folder; empty when there is none
  QStringList arguments;  // the parameters after the program name

  // The running program's own values.
  static WindowEnvironment FromProcess();
};

class TfmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TfmMain(const WindowEnvironment& environment, QWidget* parent = nullptr);
  ~TfmMain() override;

  // The view of the selected tab: RichEdit1, RichEdit2 or RichEdit3 for tab 0, 1, 2;
  // nullptr on the settings tab.
  QPlainTextEdit* ActiveView() const;
  const SettingsLocation& Location() const { return location_; }

  // Handlers. Each takes the control that started it, as the commands that share one
  // handler may differ by it (paste).
  void PageControlChange();
  void cbxHTMLClick(QObject* sender);
  void RichEditChange(QObject* sender);
  void lbDblClick(QObject* sender);
  void lbMouseDown(QObject* sender, Qt::MouseButtons buttons);
  void pmCopyLabelClick(QObject* sender);
  void mmExitClick(QObject* sender);

  void btCopyClick(QObject* sender);
  void pmCutClick(QObject* sender);
  void btPasteClick(QObject* sender);
  void btClearClick(QObject* sender);
  void mmSelectAllClick(QObject* sender);

  void mmOpenClick(QObject* sender);
  void mmSaveAsClick(QObject* sender);
  void mmSaveHTMLClick(QObject* sender);
  // Files and folders dropped on the window (full paths, in their dropped order).
  void FilesDropped(const QStringList& names);

  void mmTopicClick(QObject* sender);
  void mmAboutClick(QObject* sender);
  void lbhHomeClick(QObject* sender);
  void lbhMailClick(QObject* sender);
  void Label1Click(QObject* sender);
  void Label2Click(QObject* sender);
  void Label3Click(QObject* sender);
  void Label6Click(QObject* sender);
  // The mail link lbhMailClick opens.
  static QString MailLink();

  // The line commands of the menus "С&ервис" and "Со&ртировка" and of the popup menu.
  void pmDelSpacesClick(QObject* sender);
  void pmDelEmptyClick(QObject* sender);
  void mmDelDSpacesClick(QObject* sender);
  void pmDelDoubleClick(QObject* sender);
  void pmDelAllDoubleClick(QObject* sender);
  void mmDelUnikClick(QObject* sender);
  void N14Click(QObject* sender);
  void pmSortClick(QObject* sender);
  void N4Click(QObject* sender);
  void N16Click(QObject* sender);
  void mmShuffleClick(QObject* sender);
  void N18Click(QObject* sender);

  // The URL commands (menu "&URL"), on the input view.
  void mmInsURLsClick(QObject* sender);
  void mmInsAnkClick(QObject* sender);
  void mmSaveURLsClick(QObject* sender);
  void N6Click(QObject* sender);
  void N7Click(QObject* sender);
  void N8Click(QObject* sender);
  void http1Click(QObject* sender);
  void http2Click(QObject* sender);

  // The name commands (menu "Ф&ИО"), on the input view.
  void N10Click(QObject* sender);
  void N13Click(QObject* sender);
  void N12Click(QObject* sender);
  void N15Click(QObject* sender);

  // The encoding a view's text came in; save-as writes it.
  text::Encoding ViewEncoding(const QPlainTextEdit* view) const;

  // Sets a view's text: nothing happens when it equals the view's current text;
  // otherwise the text is replaced and the view's change event runs once. Returns
  // whether the text changed.
  bool SetViewText(QPlainTextEdit* view, text::TextView text);

 signals:
  // The statistics panel has been rewritten for sender's text (a view or the price field).
  void StatisticsRefreshed(QObject* sender);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  using Handler = void (TfmMain::*)(QObject* sender);

  void FormCreate();
  void FormShow();
  void FormClose();
  // Key preview: sees every key pressed in the window before the focused control.
  bool FormKeyDown(QKeyEvent* key);
  bool RichEdit1KeyDown(QKeyEvent* key);

  void CreateControls();
  QWidget* CreateButtonPanel();
  QWidget* CreateStatisticsPanel();
  QWidget* CreateHtmlTab();
  QWidget* CreateSettingsTab();
  void CreateMenus();
  QAction* MakeAction(const char* name, const char* caption, QKeyCombination shortcut, Handler handler);
  void Connect(QObject* sender, Handler handler);
  int ViewIndex(const QPlainTextEdit* view) const;

  void LoadSettings();
  void SaveSettings();
  void RestoreGeometry();

  // The text of the clipboard, or the empty text.
  QString ClipboardText() const;
  void SetClipboardText(const QString& text);
  // Loads a file into a view, replacing its whole text (decoded by detection).
  void LoadFileIntoView(QPlainTextEdit* view, const QString& path);
  // A text from outside (a file, the clipboard) ends at its first NUL, as its lines do:
  // cuts it there and says so in the caption, so a cut text never passes for the whole.
  text::Text UpToNul(text::Text text);
  // Writes the five count labels as the view rebuild shows them (counted: UTF-8).
  void WriteRebuildLabels(std::string_view counted);

  // A command on a view's whole text (UTF-8), with the callback for its progress captions.
  using ViewCommand =
      std::function<text::CommandResult(std::string_view text, const text::Progress& progress)>;
  // Whether the statistics are recounted after a command that left its view unchanged.
  enum class Recount { Always, WhenChanged };
  // The frame of a command on one view, the one adapter of a command's result: the view's
  // change event detached and its redrawing suspended, the command run on its text, the
  // result written back as one step of the view's undo history, the update ended, the
  // statistics recounted once, the final caption shown. With no view (the settings tab)
  // the command runs on the empty text for its captions and no view changes. Returns the
  // result for its outcome.
  text::CommandResult RunViewCommand(QPlainTextEdit* view, Recount recount, const ViewCommand& command);
  // A line command of the active view in the full frame (hourglass, captions, recount).
  void RunActiveLineCommand(const std::function<text::CommandResult(std::string_view, lines::View,
                                                                    const text::Progress&)>& command);
  // A URL or name command's result on the input view: hourglass, frame, caption, and an
  // error of the declension library in the error box.
  void RunInputCommand(const ViewCommand& command);
  void RunUrlCommand(text::CommandResult (*command)(std::string_view));
  void RunNameCommand(names::NameCommand command);
  // Shows a caption in the title bar at once, also while a command is still running.
  void ShowCaption(const std::string& utf8);
  // Replaces a view's whole text (current, UTF-8) by replacement as one undo step with its
  // change event detached.
  void ReplaceViewText(QPlainTextEdit* view, std::string_view current, std::string_view replacement);
  const lines::LineCollator& Collator();
  names::DeclensionLibrary& Declension();

  // Controls.
  QWidget* Panel1 = nullptr;
  QPushButton* btCopy = nullptr;
  QPushButton* btPaste = nullptr;
  QPushButton* btClear = nullptr;
  QPushButton* btExit = nullptr;
  QTabWidget* PageControl = nullptr;
  TextView* RichEdit1 = nullptr;
  TextView* RichEdit2 = nullptr;
  TextView* RichEdit3 = nullptr;
  QCheckBox* cbxAddP = nullptr;
  QCheckBox* cbxAddPEmpty = nullptr;
  QCheckBox* cbxTable = nullptr;
  QCheckBox* chkEnterStart = nullptr;
  QCheckBox* chkFolders = nullptr;
  QGroupBox* gbAbz = nullptr;
  QLineEdit* edAbzMin = nullptr;
  QLineEdit* edAbzMax = nullptr;
  QWidget* Panel2 = nullptr;
  ClickLabel* lbStr = nullptr;
  ClickLabel* lbSl = nullptr;
  ClickLabel* lbBukv = nullptr;
  ClickLabel* lbZn = nullptr;
  ClickLabel* lbFull = nullptr;
  QLineEdit* edCena = nullptr;
  ClickLabel* lbCena = nullptr;
  ClickLabel* lbCena2 = nullptr;
  QMenu* pmMain = nullptr;
  QMenu* pmmCopy = nullptr;
  QAction* pmCopyLabel = nullptr;
  QAction* pmPaste = nullptr;

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
  // The encoding each view's text came in (Windows-1251 for typed or pasted text).
  text::Encoding viewEncoding_[3] = {text::Encoding::Cp1251, text::Encoding::Cp1251, text::Encoding::Cp1251};
};

}  // namespace skorlin::app
