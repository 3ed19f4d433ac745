// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: construction of the controls, start-up, the keyboard, drops and shut-down.
#include "app/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/command_worker.h"
#include "app/error_box.h"
#include "app/link_labels.h"
#include "app/profile_file.h"
#include "app/statistics_panel.h"
#include "app/text_view.h"
#include "app/view_text.h"
#include "app/wait_cursor.h"
#include "lines/paragraphs.h"

namespace skorlin::app {
namespace {

QPushButton* MakeButton(const char* name, const char* caption, const char* hint, QWidget* parent) {
  auto* button = new QPushButton(Tr(caption), parent);
  button->setObjectName(QLatin1String(name));
  button->setToolTip(Tr(hint));
  button->setMinimumSize(75, 25);
  button->setAutoDefault(false);
  return button;
}

QCheckBox* MakeCheckBox(const char* name, const char* caption, const char* hint, QWidget* parent,
                        bool checked = true) {
  auto* box = new QCheckBox(Tr(caption), parent);
  box->setObjectName(QLatin1String(name));
  box->setToolTip(Tr(hint));
  box->setChecked(checked);
  return box;
}

// The local files and folders a drag carries (full paths, in their order); none for a
// drag of text or of addresses on the web.
QStringList DraggedFiles(const QMimeData* data) {
  QStringList names;
  if (!data || !data->hasUrls()) return names;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) names << QDir::cleanPath(url.toLocalFile());
  }
  return names;
}

}  // namespace

WindowEnvironment WindowEnvironment::FromProcess() {
  WindowEnvironment environment;
  environment.programDir = QCoreApplication::applicationDirPath();
  environment.appDataDir = GetAppDataFolder();
  environment.arguments = QCoreApplication::arguments().mid(1);
  return environment;
}

TfmMain::TfmMain(const WindowEnvironment& environment, QWidget* parent)
    : QMainWindow(parent), environment_(environment) {
  setObjectName(QStringLiteral("fmMain"));
  setWindowTitle(QStringLiteral("Skorlin"));
  setMinimumSize(360, 340);
  resize(416, 489);
  CreateControls();
  CreateMenus();
  FormCreate();
  qApp->installEventFilter(this);
}

TfmMain::~TfmMain() {
  if (!worker_) return;
  // A command still at work: its thread is waited for and its result dropped.
  worker_.reset();
  if (!commandCancelled_) QApplication::restoreOverrideCursor();
}

void TfmMain::CreateControls() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  layout->addWidget(CreateButtonPanel());

  PageControl = new QTabWidget(central);
  PageControl->setObjectName(QStringLiteral("PageControl"));
  PageControl->setDocumentMode(false);
  PageControl->addTab(CreateViewTab("TabSheet1", views_[0], "RichEdit1"), Tr("Текст"));
  PageControl->addTab(CreateViewTab("TabSheet2", views_[1], "RichEdit2", nullptr, CreateChangeOptions()),
                      Tr("Skorlin"));
  PageControl->addTab(CreateViewTab("TabSheet3", views_[2], "RichEdit3", CreateHtmlOptions()), Tr("HTML"));
  PageControl->addTab(CreateSettingsTab(), Tr("Настройки"));
  layout->addWidget(PageControl, 1);

  Panel2 = new StatisticsPanel(this);
  layout->addWidget(Panel2);
  setCentralWidget(central);
}

QWidget* TfmMain::CreateButtonPanel() {
  Panel1 = new QWidget(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFixedHeight(41);
  auto* row = new QHBoxLayout(Panel1);
  row->setContentsMargins(8, 8, 8, 8);
  row->setSpacing(5);
  btCopy = MakeButton("btCopy", "Копировать", "Копировать выделенный или весь текущий текст", Panel1);
  btPaste = MakeButton("btPaste", "Вставить", "Вставить текст из буфера обмена", Panel1);
  btClear = MakeButton("btClear", "Очистить", "Очистить текущий текст", Panel1);
  btExit = MakeButton("btExit", "Выход", "Выход", Panel1);
  row->addWidget(btCopy);
  row->addWidget(btPaste);
  row->addWidget(btClear);
  row->addStretch(1);
  row->addWidget(btExit);
  connect(btCopy, &QPushButton::clicked, this, [this] { RunHandler([this] { btCopyClick(ActiveSlot()); }); });
  connect(btPaste, &QPushButton::clicked, this,
          [this] { RunHandler([this] { btPasteClick(ActiveSlot(), PasteForm::kButton); }); });
  connect(btClear, &QPushButton::clicked, this,
          [this] { RunHandler([this] { btClearClick(ActiveSlot()); }); });
  connect(btExit, &QPushButton::clicked, this, [this] { RunHandler([this] { mmExitClick(); }); });
  return Panel1;
}

QWidget* TfmMain::CreateViewTab(const char* name, ViewSlot& view, const char* viewName, QWidget* above,
                                QWidget* below) {
  auto* tab = new QWidget;
  tab->setObjectName(QLatin1String(name));
  auto* layout = new QVBoxLayout(tab);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  if (above) layout->addWidget(above);
  view.widget = new TextView(tab);
  view.widget->setObjectName(QLatin1String(viewName));
  layout->addWidget(view.widget, 1);
  if (below) layout->addWidget(below);
  return tab;
}

QWidget* TfmMain::CreateChangeOptions() {
  auto* panel = new QWidget;
  panel->setObjectName(QStringLiteral("Panel4"));
  auto* boxes = new QHBoxLayout(panel);
  boxes->setContentsMargins(6, 0, 6, 0);
  chkShowChanges = MakeCheckBox("chkShowChanges", "Показывать изменения",
                                "Выделять то, что изменило форматирование; F8 и Shift+F8 — к следующей и "
                                "предыдущей изменённой строке",
                                panel);
  chkTypograf = MakeCheckBox("chkTypograf", "Типографика",
                             "Кавычки «ёлочки» и „лапки“, тире, неразрывные пробелы и многоточия вместо "
                             "прямых кавычек и дефисов",
                             panel, false);
  boxes->addWidget(chkShowChanges);
  boxes->addWidget(chkTypograf);
  boxes->addStretch(1);
  panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  return panel;
}

QWidget* TfmMain::CreateHtmlOptions() {
  auto* panel = new QWidget;
  panel->setObjectName(QStringLiteral("Panel3"));
  auto* boxes = new QVBoxLayout(panel);
  boxes->setContentsMargins(6, 2, 6, 2);
  boxes->setSpacing(0);
  cbxAddP = MakeCheckBox("cbxAddP", "Вставлять <p>", "Вставлять тэг <p> в начало каждой строки", panel);
  cbxAddPEmpty = MakeCheckBox("cbxAddPEmpty", "Пропускать пустые строки",
                              "Не вставлять тэг <p>, если строка пустая", panel);
  cbxTable =
      MakeCheckBox("cbxTable", "Табуляторы в таблицы", "Преобразовать знаки табуляции (#9) в таблицы", panel);
  boxes->addWidget(cbxAddP);
  auto* indented = new QHBoxLayout;
  indented->addSpacing(16);
  indented->addWidget(cbxAddPEmpty);
  boxes->addLayout(indented);
  boxes->addWidget(cbxTable);
  panel->setMinimumHeight(65);
  panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  return panel;
}

QWidget* TfmMain::CreateSettingsTab() {
  auto* tab = new QWidget;
  tab->setObjectName(QStringLiteral("tsSetup"));
  auto* layout = new QVBoxLayout(tab);
  layout->setContentsMargins(8, 8, 8, 8);
  chkEnterStart = MakeCheckBox("chkEnterStart", "Вставлять текст при запуске",
                               "Автоматически вставлять текст из буфера обмена при запуске программы", tab);
  chkFolders = MakeCheckBox("chkFolders", "Для папок - имена файлов",
                            "Получать имена файлов, если перетаскиваются папки", tab);
  layout->addWidget(chkEnterStart);
  layout->addWidget(chkFolders);

  gbAbz = new QGroupBox(Tr("Разбивка абзацев"), tab);
  gbAbz->setObjectName(QStringLiteral("gbAbz"));
  auto* grid = new QGridLayout(gbAbz);
  auto* caption = new QLabel(Tr("Количество символов в предложении"), gbAbz);
  edAbzMin = new QLineEdit(QString::number(lines::kDefaultParagraphMin), gbAbz);
  edAbzMin->setObjectName(QStringLiteral("edAbzMin"));
  edAbzMin->setToolTip(Tr("Минимальная длина предложения"));
  edAbzMin->setMaximumWidth(60);
  edAbzMax = new QLineEdit(QString::number(lines::kDefaultParagraphMax), gbAbz);
  edAbzMax->setObjectName(QStringLiteral("edAbzMax"));
  edAbzMax->setToolTip(Tr("Максимальная длина предложения"));
  edAbzMax->setMaximumWidth(60);
  grid->addWidget(caption, 0, 0, 1, 3);
  grid->addWidget(edAbzMin, 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("–"), gbAbz), 1, 1);
  grid->addWidget(edAbzMax, 1, 2);
  grid->setColumnStretch(3, 1);
  layout->addWidget(gbAbz);
  layout->addStretch(1);
  return tab;
}

void TfmMain::ConnectViews() {
  for (ViewSlot& view : views_) {
    view.widget->SetPopupMenu(pmMain);
    connect(view.widget, &TextView::textEdited, this,
            [this, widget = view.widget] { RunHandler([&] { ViewEdited(widget); }); });
  }
  connect(Panel2, &StatisticsPanel::rateChanged, this,
          [this] { RunHandler([this] { RichEditChange(Panel2->RateField()); }); });
  connect(Panel2, &StatisticsPanel::linkClicked, this,
          [this](const LinkLabel& link) { RunHandler([&] { OpenLink(link); }); });
}

void TfmMain::FormCreate() {
  setAcceptDrops(true);
  // A programmatic selection: the tab-change event is connected only afterwards.
  PageControl->setCurrentIndex(0);
  connect(PageControl, &QTabWidget::currentChanged, this,
          [this] { RunHandler([this] { PageControlChange(); }); });
  for (QCheckBox* box : {cbxAddP, cbxAddPEmpty, cbxTable}) {
    connect(box, &QCheckBox::toggled, this, [this] { RunHandler([this] { cbxHTMLClick(); }); });
  }
  connect(chkShowChanges, &QCheckBox::toggled, this,
          [this] { RunHandler([this] { chkShowChangesClick(); }); });
  connect(chkTypograf, &QCheckBox::toggled, this, [this] { RunHandler([this] { chkTypografClick(); }); });
  ConnectViews();

  location_ = ChooseSettingsLocation(environment_.programDir, environment_.appDataDir);
  Settings = std::make_unique<ProfileFile>(location_.filePath);
  RunHandler([this] { LoadSettings(); });
}

void TfmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_ || event->spontaneous()) return;
  shown_ = true;
  RunHandler([this] { FormShow(); });
}

void TfmMain::FormShow() {
  RestoreGeometry();
  TextView* input = InputSlot()->widget;
  if (input->isEnabled()) input->setFocus();
  const QString first = environment_.arguments.value(0);
  if (!first.isEmpty() && QFileInfo(first).isFile()) {
    LoadFileIntoView(*InputSlot(), first);
  } else if (chkEnterStart->isChecked()) {
    const QString clip = ClipboardText();
    if (!clip.isEmpty()) {
      WaitCursor wait;
      SetViewText(*InputSlot(), ForView(clip.toStdString()));
    }
  }
}

void TfmMain::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    closed_ = true;
    FormClose();
  }
  event->accept();
}

void TfmMain::FormClose() {
  // A settings file that cannot be written is reported once; the window closes anyway,
  // so the user can always quit.
  RunHandler([this] { SaveSettings(); });
  Settings.reset();
}

void TfmMain::mmExitClick() { close(); }

bool TfmMain::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != this) {
    return QMainWindow::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (FormKeyDown(key)) return true;
      if (watched == InputSlot()->widget && RichEdit1KeyDown(key)) return true;
      break;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      if (DragOver(static_cast<QDropEvent*>(event))) return true;
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TfmMain::DragOver(QDropEvent* event) {
  const QStringList names = DraggedFiles(event->mimeData());
  if (names.isEmpty()) return false;
  event->acceptProposedAction();
  if (event->type() == QEvent::Drop) {
    // Read once the drop is over: the program the files came from is not kept waiting for
    // a large file or a deep folder.
    QTimer::singleShot(0, this, [this, names] { DropWhenIdle(names); });
  }
  return true;
}

void TfmMain::DropWhenIdle(const QStringList& names) {
  if (CommandRunning()) {
    QTimer::singleShot(20, this, [this, names] { DropWhenIdle(names); });
    return;
  }
  RunHandler([&] { FilesDropped(names); });
}

bool TfmMain::FormKeyDown(QKeyEvent* key) {
  if (key->key() == Qt::Key_F8 && PageControl->currentIndex() == 1) {
    RunHandler([&] { GoToChange(!(key->modifiers() & Qt::ShiftModifier)); });
    return true;
  }
  if (key->key() != Qt::Key_Escape) return false;
  // Esc cancels a command at work; otherwise it closes the window.
  if (CommandRunning()) {
    CancelCommand();
  } else {
    RunHandler([this] { mmExitClick(); });
  }
  return true;
}

bool TfmMain::RichEdit1KeyDown(QKeyEvent* key) {
  if (key->key() != Qt::Key_Insert || !(key->modifiers() & Qt::ShiftModifier)) return false;
  // While a command runs the paste waits with the other commands.
  if (!CommandRunning()) RunHandler([this] { btPasteClick(ActiveSlot(), PasteForm::kAtCaret); });
  // The view's own Shift+Insert would paste the clipboard a second time.
  return true;
}

QString TfmMain::ClipboardText() const { return QApplication::clipboard()->text(); }

void TfmMain::SetClipboardText(const QString& text) { QApplication::clipboard()->setText(text); }

}  // namespace skorlin::app
