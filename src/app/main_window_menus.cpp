// The main menu and the views' popup menu, built from tables in menu order.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/error_box.h"
#include "app/main_window.h"

namespace skorlin::app {
namespace {

// One item of a menu: object name, caption (nullptr for a separator), shortcut, whether
// it is shown. The handler is given beside the table, by the item's name.
struct MenuRow {
  const char* name;
  const char* caption;
  QKeyCombination shortcut;
  bool visible;
};

struct MenuColumn {
  const char* name;
  const char* caption;
  std::initializer_list<MenuRow> items;
};

constexpr QKeyCombination kNone{};

const MenuColumn kMainMenu[] = {
    {"mFile",
     "&Файл",
     {
         {"mmNew", "&Новый", Qt::CTRL | Qt::Key_N, false},
         {"mmOpen", "&Открыть...", Qt::CTRL | Qt::Key_O, true},
         {"mmSave", "&Сохранить", Qt::CTRL | Qt::Key_S, false},
         {"mmSaveAs", "Сохранить &как...", kNone, true},
         {"mmSaveHTML", "Сохранить HTML...", kNone, false},
         {"N11", nullptr, kNone, true},
         {"mmExit", "В&ыход", kNone, true},
     }},
    {"mEdit",
     "&Правка",
     {
         {"mmCut", "Вырезать", Qt::CTRL | Qt::Key_X, true},
         {"mmCopy", "Копировать", Qt::CTRL | Qt::Key_C, true},
         {"mmPaste", "Вставить", Qt::CTRL | Qt::Key_V, true},
         {"N22", nullptr, kNone, true},
         {"mmClear", "Очистить", Qt::CTRL | Qt::Key_Delete, true},
         {"mmSelectAll", "Выделить всё", Qt::CTRL | Qt::Key_A, true},
     }},
    {"mURL",
     "&URL",
     {
         {"mmInsURLs", "Вставить URL из буфера", kNone, true},
         {"mmInsAnk", "Вставить анкоры из буфера", kNone, true},
         {"mmSaveURLs", "Оставить URLs", kNone, true},
         {"N5", nullptr, kNone, true},
         {"N6", "Оставить домен", kNone, true},
         {"N7", "Оставить домен с папкой", kNone, true},
         {"N8", "Оставить имя файла", kNone, true},
         {"http1", "Добавить http", kNone, true},
         {"http2", "Удалить http", kNone, true},
     }},
    {"N9",
     "Ф&ИО",
     {
         {"N10", "Оставить фамилию и инициалы", kNone, true},
         {"N13", "Оставить имя отчество", kNone, true},
         {"N12", "Склонить ФИО (кому)", kNone, true},
         {"N15", "Заменить фамилию на \"Уважаемый(ая)\"", kNone, true},
     }},
    {"N17",
     "Со&ртировка",
     {
         {"mmSort", "Сортировать", kNone, true},
         {"N4", "Сортировать зеркальные", kNone, true},
         {"N16", "Сортировать по длине", kNone, true},
         {"mmShuffle", "Перемешать", kNone, true},
         {"N18", "Инвертировать", kNone, true},
     }},
    {"mService",
     "С&ервис",
     {
         {"mmDelSpaces", "Обрезать пробелы", kNone, true},
         {"mmDelDSpaces", "Удалить двойные пробелы", kNone, true},
         {"mmDelEmpty", "Удалить пустые строки", kNone, true},
         {"mmDelDouble", "Удалить дубли", kNone, true},
         {"pmDelAllDouble", "Удалить все дубли", kNone, true},
         {"mmDelUnik", "Удалить уникальные", kNone, true},
         {"N14", "Разбить абзацы", kNone, true},
     }},
    {"mHelp",
     "&Справка",
     {
         {"mmTopic", "Показать справку", kNone, true},
         {"N2", nullptr, kNone, true},
         {"mmMail", "Письмо автору", kNone, true},
         {"mmWeb", "Сайт программы", kNone, true},
         {"N3", nullptr, kNone, true},
         {"mmAbout", "О программе", kNone, true},
     }},
};

const MenuColumn kPopupMenu = {"pmMain",
                               nullptr,
                               {
                                   {"pmCut", "Вырезать", Qt::CTRL | Qt::Key_X, true},
                                   {"pmCopy", "Копировать", Qt::CTRL | Qt::Key_C, true},
                                   {"pmPaste", "Вставить", Qt::CTRL | Qt::Key_V, true},
                                   {"N1", nullptr, kNone, true},
                                   {"pmDelSpaces", "Обрезать пробелы", kNone, true},
                                   {"pmDelEmpty", "Удалить пустые строки", kNone, true},
                                   {"pmDelDouble", "Удалить дубли", kNone, true},
                                   {"pmSort", "Сортировка", kNone, true},
                               }};

}  // namespace

// The handler of each item that has one. Items missing here exist in the menus with
// their captions but stay disabled until their command is connected.
static const std::pair<const char*, void (TfmMain::*)(QObject*)> kHandlers[] = {
    {"mmOpen", &TfmMain::mmOpenClick},
    {"mmSaveAs", &TfmMain::mmSaveAsClick},
    {"mmSaveHTML", &TfmMain::mmSaveHTMLClick},
    {"mmExit", &TfmMain::mmExitClick},
    {"mmCut", &TfmMain::pmCutClick},
    {"pmCut", &TfmMain::pmCutClick},
    {"mmCopy", &TfmMain::btCopyClick},
    {"pmCopy", &TfmMain::btCopyClick},
    {"mmPaste", &TfmMain::btPasteClick},
    {"pmPaste", &TfmMain::btPasteClick},
    {"mmClear", &TfmMain::btClearClick},
    {"mmSelectAll", &TfmMain::mmSelectAllClick},
    {"mmTopic", &TfmMain::mmTopicClick},
    {"mmMail", &TfmMain::lbhMailClick},
    {"mmWeb", &TfmMain::lbhHomeClick},
    {"mmAbout", &TfmMain::mmAboutClick},
    // "С&ервис" and the popup menu.
    {"mmDelSpaces", &TfmMain::pmDelSpacesClick},
    {"pmDelSpaces", &TfmMain::pmDelSpacesClick},
    {"mmDelDSpaces", &TfmMain::mmDelDSpacesClick},
    {"mmDelEmpty", &TfmMain::pmDelEmptyClick},
    {"pmDelEmpty", &TfmMain::pmDelEmptyClick},
    {"mmDelDouble", &TfmMain::pmDelDoubleClick},
    {"pmDelDouble", &TfmMain::pmDelDoubleClick},
    {"pmDelAllDouble", &TfmMain::pmDelAllDoubleClick},
    {"mmDelUnik", &TfmMain::mmDelUnikClick},
    {"N14", &TfmMain::N14Click},
    // "Со&ртировка" and the popup menu.
    {"mmSort", &TfmMain::pmSortClick},
    {"pmSort", &TfmMain::pmSortClick},
    {"N4", &TfmMain::N4Click},
    {"N16", &TfmMain::N16Click},
    {"mmShuffle", &TfmMain::mmShuffleClick},
    {"N18", &TfmMain::N18Click},
    // "&URL".
    {"mmInsURLs", &TfmMain::mmInsURLsClick},
    {"mmInsAnk", &TfmMain::mmInsAnkClick},
    {"mmSaveURLs", &TfmMain::mmSaveURLsClick},
    {"N6", &TfmMain::N6Click},
    {"N7", &TfmMain::N7Click},
    {"N8", &TfmMain::N8Click},
    {"http1", &TfmMain::http1Click},
    {"http2", &TfmMain::http2Click},
    // "Ф&ИО".
    {"N10", &TfmMain::N10Click},
    {"N13", &TfmMain::N13Click},
    {"N12", &TfmMain::N12Click},
    {"N15", &TfmMain::N15Click},
};

void TfmMain::CreateMenus() {
  auto handlerOf = [](const char* name) -> Handler {
    for (const auto& [item, handler] : kHandlers) {
      if (qstrcmp(item, name) == 0) return handler;
    }
    return nullptr;
  };
  auto fill = [&](QMenu* menu, const MenuColumn& column) {
    for (const MenuRow& row : column.items) {
      QAction* action = row.caption ? menu->addAction(QString::fromUtf8(row.caption)) : menu->addSeparator();
      action->setObjectName(QLatin1String(row.name));
      action->setVisible(row.visible);
      if (row.shortcut != kNone) action->setShortcut(QKeySequence(row.shortcut));
      if (!row.caption) continue;
      if (const Handler handler = handlerOf(row.name)) {
        Connect(action, handler);
      } else {
        action->setEnabled(false);
      }
    }
  };

  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu"));
  for (const MenuColumn& column : kMainMenu) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(column.caption));
    menu->setObjectName(QLatin1String(column.name));
    fill(menu, column);
  }

  pmMain = new QMenu(this);
  pmMain->setObjectName(QLatin1String(kPopupMenu.name));
  fill(pmMain, kPopupMenu);
  pmPaste = pmMain->findChild<QAction*>(QStringLiteral("pmPaste"));
}

}  // namespace skorlin::app
