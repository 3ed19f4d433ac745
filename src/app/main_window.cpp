// The main window: construction of the controls, start-up, the keyboard and shut-down.
#include "app/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/app_links.h"
#include "app/error_box.h"
#include "app/profile_file.h"
#include "app/view_text.h"
#include "app/wait_cursor.h"
#include "app/widgets.h"
#include "lines/paragraphs.h"
#include "stats/rate.h"

namespace skorlin::app {
namespace {

QString Tr(const char* utf8) { return QString::fromUtf8(utf8); }

QPushButton* MakeButton(const char* name, const char* caption, const char* hint, QWidget* parent) {
  auto* button = new QPushButton(Tr(caption), parent);
  button->setObjectName(QLatin1String(name));
  button->setToolTip(Tr(hint));
  button->setMinimumSize(75, 25);
  button->setAutoDefault(false);
  return button;
}

QCheckBox* MakeCheckBox(const char* name, const char* caption, const char* hint, QWidget* parent) {
  auto* box = new QCheckBox(Tr(caption), parent);
  box->setObjectName(QLatin1String(name));
  box->setToolTip(Tr(hint));
  box->setChecked(true);
  return box;
}

ClickLabel* MakeCountLabel(const char* name, const char* caption, const char* hint, int tag,
                           QWidget* parent) {
  auto* label = new ClickLabel(Tr(caption), parent);
  label->setObjectName(QLatin1String(name));
  label->setToolTip(Tr(hint));
  label->tag = tag;
  return label;
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

TfmMain::~TfmMain() = default;

void TfmMain::CreateControls() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  layout->addWidget(CreateButtonPanel());

  PageControl = new QTabWidget(central);
  PageControl->setObjectName(QStringLiteral("PageControl"));
  PageControl->setDocumentMode(false);

  RichEdit1 = new TextView(PageControl);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  auto* tab1 = new QWidget;
  tab1->setObjectName(QStringLiteral("TabSheet1"));
  auto* tab1Layout = new QVBoxLayout(tab1);
  tab1Layout->setContentsMargins(2, 2, 2, 2);
  tab1Layout->addWidget(RichEdit1);
  PageControl->addTab(tab1, Tr("Текст"));

  RichEdit2 = new TextView(PageControl);
  RichEdit2->setObjectName(QStringLiteral("RichEdit2"));
  auto* tab2 = new QWidget;
  tab2->setObjectName(QStringLiteral("TabSheet2"));
  auto* tab2Layout = new QVBoxLayout(tab2);
  tab2Layout->setContentsMargins(2, 2, 2, 2);
  tab2Layout->addWidget(RichEdit2);
  PageControl->addTab(tab2, Tr("Skorlin"));

  PageControl->addTab(CreateHtmlTab(), Tr("HTML"));
  PageControl->addTab(CreateSettingsTab(), Tr("Настройки"));
  layout->addWidget(PageControl, 1);

  layout->addWidget(CreateStatisticsPanel());
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
  Connect(btCopy, &TfmMain::btCopyClick);
  Connect(btPaste, &TfmMain::btPasteClick);
  Connect(btClear, &TfmMain::btClearClick);
  Connect(btExit, &TfmMain::mmExitClick);
  return Panel1;
}

QWidget* TfmMain::CreateHtmlTab() {
  auto* tab = new QWidget;
  tab->setObjectName(QStringLiteral("TabSheet3"));
  auto* layout = new QVBoxLayout(tab);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);

  auto* panel = new QWidget(tab);
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
  layout->addWidget(panel);

  RichEdit3 = new TextView(tab);
  RichEdit3->setObjectName(QStringLiteral("RichEdit3"));
  layout->addWidget(RichEdit3, 1);
  return tab;
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

QWidget* TfmMain::CreateStatisticsPanel() {
  Panel2 = new QWidget(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  auto* grid = new QGridLayout(Panel2);
  grid->setContentsMargins(8, 4, 8, 8);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(0);

  lbStr = MakeCountLabel("lbStr", "Строк:", "Количество строк в текущем тексте\nв скобках - с пустыми", 1,
                         Panel2);
  lbSl = MakeCountLabel("lbSl", "Слов:", "Количество слов в текущем тексте", 2, Panel2);
  lbBukv = MakeCountLabel("lbBukv", "Букв:", "Количество букв в текущем тексте", 3, Panel2);
  lbZn = MakeCountLabel("lbZn", "Знаков:", "Количество знаков в текущем тексте\nВ скобках - в килобайтах", 4,
                        Panel2);
  lbFull = MakeCountLabel("lbFull", "С пробелами:",
                          "Количество знаков и пробелов в текущем тексте\nв скобках - с двойными, тройными",
                          5, Panel2);
  lbCena = MakeCountLabel("lbCena", "Цена: 0", "Цена закилобайт текста", 0, Panel2);
  lbCena2 = MakeCountLabel("lbCena2", "Цена: 0", "Цена закилобайт текста", 0, Panel2);
  edCena = new QLineEdit(QString::fromUtf8(stats::kDefaultRateText), Panel2);
  edCena->setObjectName(QStringLiteral("edCena"));
  edCena->setToolTip(Tr("Цена за килобайт"));
  edCena->setMaximumWidth(64);

  ClickLabel* counts[] = {lbStr, lbSl, lbBukv, lbZn, lbFull};
  for (int row = 0; row < 5; ++row) grid->addWidget(counts[row], row, 0);

  auto* lbhHome =
      MakeLinkLabel(QString::fromUtf8(SKORLIN_HOME_URL).remove(QStringLiteral("https://")).remove(u'/'),
                    QStringLiteral("lbhHome"), Panel2);
  lbhHome->setToolTip(Tr("Перейти на сайт"));
  auto* lbhMail = MakeLinkLabel(QStringLiteral(SKORLIN_AUTHOR_MAIL), QStringLiteral("lbhMail"), Panel2);
  lbhMail->setToolTip(Tr("Отправить письмо"));
  auto* label3 = MakeLinkLabel(Tr("Написать сообщение"), QStringLiteral("Label3"), Panel2);
  label3->setToolTip(Tr("Отправить icq сообщение"));
  auto* label4 = MakeLinkLabel(Tr("© Skorlin"), QStringLiteral("Label4"), Panel2);
  label4->setToolTip(Tr("Информация об авторе"));
  auto* label1 = MakeLinkLabel(Tr("Сайты"), QStringLiteral("Label1"), Panel2);
  label1->setToolTip(Tr("Заработай на сайте"));
  auto* label2 = MakeLinkLabel(Tr("Блоги"), QStringLiteral("Label2"), Panel2);
  label2->setToolTip(Tr("Заработай на блоге"));
  auto* label6 = MakeLinkLabel(Tr("Заработай набором текста!"), QStringLiteral("Label6"), Panel2);
  label6->setToolTip(Tr("Набор текста: ") + QString::fromUtf8(SKORLIN_PARTNER3_URL));
  grid->addWidget(label4, 5, 0);
  const std::pair<ClickLabel*, Handler> links[] = {
      {lbhHome, &TfmMain::lbhHomeClick}, {lbhMail, &TfmMain::lbhMailClick}, {label3, &TfmMain::Label3Click},
      {label4, &TfmMain::mmAboutClick},  {label1, &TfmMain::Label1Click},   {label2, &TfmMain::Label2Click},
      {label6, &TfmMain::Label6Click},
  };
  for (const auto& [label, handler] : links) {
    connect(label, &ClickLabel::clicked, this,
            [this, label = label, handler = handler] { RunHandler([&] { (this->*handler)(label); }); });
  }

  auto* rate = new QHBoxLayout;
  rate->setSpacing(4);
  auto* rateCaption = new QLabel(Tr("За 1000 знаков:"), Panel2);
  rateCaption->setBuddy(edCena);
  rate->addWidget(rateCaption);
  rate->addWidget(edCena);
  rate->addStretch(1);
  grid->addLayout(rate, 0, 1);
  grid->addWidget(lbCena, 1, 1);
  grid->addWidget(lbCena2, 2, 1);
  grid->addWidget(lbhHome, 3, 1);
  grid->addWidget(lbhMail, 4, 1);
  grid->addWidget(label3, 5, 1);
  grid->addWidget(label1, 3, 2);
  grid->addWidget(label2, 4, 2);
  grid->addWidget(label6, 5, 2);
  // In a narrow window the counts and prices keep their room; the links give way.
  for (ClickLabel* link : {lbhHome, lbhMail, label3, label4, label1, label2, label6}) {
    link->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  }
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);

  // Count labels: a double click copies the label; the right button records it for the
  // popup menu. The price labels carry the popup menu but record nothing.
  pmmCopy = new QMenu(this);
  pmmCopy->setObjectName(QStringLiteral("pmmCopy"));
  pmCopyLabel = pmmCopy->addAction(Tr("Копировать"));
  pmCopyLabel->setObjectName(QStringLiteral("pmCopyLabel"));
  pmCopyLabel->setData(0);
  connect(pmCopyLabel, &QAction::triggered, this,
          [this] { RunHandler([this] { pmCopyLabelClick(pmCopyLabel); }); });
  for (ClickLabel* label : {lbStr, lbSl, lbBukv, lbZn, lbFull, lbCena, lbCena2}) {
    label->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(label, &QWidget::customContextMenuRequested, this,
            [this, label](const QPoint& pos) { pmmCopy->popup(label->mapToGlobal(pos)); });
  }
  for (ClickLabel* label : counts) {
    connect(label, &ClickLabel::doubleClicked, this,
            [this, label] { RunHandler([&] { lbDblClick(label); }); });
    connect(label, &ClickLabel::mouseDown, this,
            [this, label](Qt::MouseButtons buttons) { RunHandler([&] { lbMouseDown(label, buttons); }); });
  }
  return Panel2;
}

void TfmMain::Connect(QObject* sender, Handler handler) {
  if (auto* button = qobject_cast<QPushButton*>(sender)) {
    connect(button, &QPushButton::clicked, this,
            [this, sender, handler] { RunHandler([&] { (this->*handler)(sender); }); });
  } else if (auto* action = qobject_cast<QAction*>(sender)) {
    connect(action, &QAction::triggered, this,
            [this, sender, handler] { RunHandler([&] { (this->*handler)(sender); }); });
  }
}

void TfmMain::FormCreate() {
  setAcceptDrops(true);
  // A programmatic selection: the tab-change event is connected only afterwards.
  PageControl->setCurrentIndex(0);
  connect(PageControl, &QTabWidget::currentChanged, this,
          [this] { RunHandler([this] { PageControlChange(); }); });
  for (QCheckBox* box : {cbxAddP, cbxAddPEmpty, cbxTable}) {
    connect(box, &QCheckBox::toggled, this, [this, box] { RunHandler([&] { cbxHTMLClick(box); }); });
  }
  for (TextView* view : {RichEdit1, RichEdit2, RichEdit3}) {
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this,
            [this, view](const QPoint& pos) { pmMain->popup(view->viewport()->mapToGlobal(pos)); });
    connect(view, &QPlainTextEdit::textChanged, this,
            [this, view] { RunHandler([&] { RichEditChange(view); }); });
  }
  connect(edCena, &QLineEdit::textChanged, this, [this] { RunHandler([this] { RichEditChange(edCena); }); });

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
  if (RichEdit1->isEnabled()) RichEdit1->setFocus();
  const QString first = environment_.arguments.value(0);
  if (!first.isEmpty() && QFileInfo(first).isFile()) {
    LoadFileIntoView(RichEdit1, first);
  } else if (chkEnterStart->isChecked()) {
    const QString clip = ClipboardText();
    if (!clip.isEmpty()) {
      WaitCursor wait;
      SetViewText(RichEdit1, UpToNul(ToText(clip)));
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

void TfmMain::mmExitClick(QObject* /*sender*/) { close(); }

bool TfmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (FormKeyDown(key)) return true;
    if (watched == RichEdit1 && RichEdit1KeyDown(key)) return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TfmMain::FormKeyDown(QKeyEvent* key) {
  if (key->key() != Qt::Key_Escape) return false;
  RunHandler([this] { mmExitClick(this); });
  return true;
}

bool TfmMain::RichEdit1KeyDown(QKeyEvent* key) {
  if (key->key() != Qt::Key_Insert || !(key->modifiers() & Qt::ShiftModifier)) return false;
  RunHandler([this] { btPasteClick(pmPaste); });
  // The view's own Shift+Insert would paste the clipboard a second time.
  return true;
}

QString TfmMain::ClipboardText() const { return QApplication::clipboard()->text(); }

void TfmMain::SetClipboardText(const QString& text) { QApplication::clipboard()->setText(text); }

}  // namespace skorlin::app
