// The main window: four tabs (the input view, the formatted view, the HTML view and the
// settings), the button panel, the statistics panel, the menus and every command.
// Controls carry the names of the window design as their object names.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "app/settings_location.h"
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

  // The encoding a view's text came in; save-as writes it.
  text::Encoding ViewEncoding(const QPlainTextEdit* view) const;

  // Sets a view's text: nothing happens when it equals the view's current text;
  // otherwise the text is replaced and the view's change event runs once. Returns
  // whether the text changed.
  bool SetViewText(QPlainTextEdit* view, text::TextView text);

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
  // Writes the five count labels as the view rebuild shows them.
  void WriteRebuildLabels(text::TextView counted);

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
  // The encoding each view's text came in (Windows-1251 for typed or pasted text).
  text::Encoding viewEncoding_[3] = {text::Encoding::Cp1251, text::Encoding::Cp1251, text::Encoding::Cp1251};
};

}  // namespace skorlin::app
