// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the main menu and of the views' popup menu: one table, in menu order,
// from which both menus are built.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <initializer_list>

#include "app/error_box.h"
#include "app/main_window.h"

namespace skorlin::app {
namespace {

// The view a command works on.
enum class Target {
  kNone,        // no view (help, links, exit)
  kActiveView,  // the view of the selected tab; none on the settings tab
  kInputView,   // the input view, whatever tab is shown
};

// One menu item: its object name, caption (nullptr for a separator), shortcut, the view it
// works on and what it runs there (onView), or what it runs for the whole window (onWindow).
// A hidden item stays hidden for the whole run.
struct Command {
  const char* name;
  const char* caption = nullptr;
  QKeyCombination shortcut{};
  Target target = Target::kNone;
  void (TfmMain::*onView)(ViewSlot* view) = nullptr;
  void (TfmMain::*onWindow)() = nullptr;
  bool hidden = false;
};

struct Menu {
  const char* name;
  const char* caption;  // nullptr for the popup menu
  std::initializer_list<Command> items;
};

constexpr Target kActive = Target::kActiveView;
constexpr Target kInput = Target::kInputView;

const Menu kMainMenu[] = {
    {"mFile",
     "&Файл",
     {
         {.name = "mmNew", .caption = "&Новый", .shortcut = Qt::CTRL | Qt::Key_N, .hidden = true},
         {.name = "mmOpen",
          .caption = "&Открыть...",
          .shortcut = Qt::CTRL | Qt::Key_O,
          .target = kActive,
          .onView = &TfmMain::mmOpenClick},
         {.name = "mmSave", .caption = "&Сохранить", .shortcut = Qt::CTRL | Qt::Key_S, .hidden = true},
         {.name = "mmSaveAs",
          .caption = "Сохранить &как...",
          .target = kActive,
          .onView = &TfmMain::mmSaveAsClick},
         {.name = "mmSaveHTML",
          .caption = "Сохранить HTML...",
          .target = kInput,
          .onView = &TfmMain::mmSaveHTMLClick,
          .hidden = true},
         {.name = "N11"},
         {.name = "mmExit", .caption = "В&ыход", .onWindow = &TfmMain::mmExitClick},
     }},
    {"mEdit",
     "&Правка",
     {
         {.name = "mmCut",
          .caption = "Вырезать",
          .shortcut = Qt::CTRL | Qt::Key_X,
          .target = kActive,
          .onView = &TfmMain::pmCutClick},
         {.name = "mmCopy",
          .caption = "Копировать",
          .shortcut = Qt::CTRL | Qt::Key_C,
          .target = kActive,
          .onView = &TfmMain::btCopyClick},
         {.name = "mmPaste",
          .caption = "Вставить",
          .shortcut = Qt::CTRL | Qt::Key_V,
          .target = kActive,
          .onView = &TfmMain::pmPasteClick},
         {.name = "N22"},
         {.name = "mmClear",
          .caption = "Очистить",
          .shortcut = Qt::CTRL | Qt::Key_Delete,
          .target = kActive,
          .onView = &TfmMain::btClearClick},
         {.name = "mmSelectAll",
          .caption = "Выделить всё",
          .shortcut = Qt::CTRL | Qt::Key_A,
          .target = kActive,
          .onView = &TfmMain::mmSelectAllClick},
     }},
    {"mURL",
     "&URL",
     {
         {.name = "mmInsURLs",
          .caption = "Вставить URL из буфера",
          .target = kInput,
          .onView = &TfmMain::mmInsURLsClick},
         {.name = "mmInsAnk",
          .caption = "Вставить анкоры из буфера",
          .target = kInput,
          .onView = &TfmMain::mmInsAnkClick},
         {.name = "mmSaveURLs",
          .caption = "Оставить URLs",
          .target = kInput,
          .onView = &TfmMain::mmSaveURLsClick},
         {.name = "N5"},
         {.name = "N6", .caption = "Оставить домен", .target = kInput, .onView = &TfmMain::N6Click},
         {.name = "N7", .caption = "Оставить домен с папкой", .target = kInput, .onView = &TfmMain::N7Click},
         {.name = "N8", .caption = "Оставить имя файла", .target = kInput, .onView = &TfmMain::N8Click},
         {.name = "http1", .caption = "Добавить http", .target = kInput, .onView = &TfmMain::http1Click},
         {.name = "http2", .caption = "Удалить http", .target = kInput, .onView = &TfmMain::http2Click},
     }},
    {"N9",
     "Ф&ИО",
     {
         {.name = "N10",
          .caption = "Оставить фамилию и инициалы",
          .target = kInput,
          .onView = &TfmMain::N10Click},
         {.name = "N13", .caption = "Оставить имя отчество", .target = kInput, .onView = &TfmMain::N13Click},
         {.name = "N12", .caption = "Склонить ФИО (кому)", .target = kInput, .onView = &TfmMain::N12Click},
         {.name = "N15",
          .caption = "Заменить фамилию на \"Уважаемый(ая)\"",
          .target = kInput,
          .onView = &TfmMain::N15Click},
     }},
    {"N17",
     "Со&ртировка",
     {
         {.name = "mmSort", .caption = "Сортировать", .target = kActive, .onView = &TfmMain::pmSortClick},
         {.name = "N4", .caption = "Сортировать зеркальные", .target = kActive, .onView = &TfmMain::N4Click},
         {.name = "N16", .caption = "Сортировать по длине", .target = kInput, .onView = &TfmMain::N16Click},
         {.name = "mmShuffle",
          .caption = "Перемешать",
          .target = kActive,
          .onView = &TfmMain::mmShuffleClick},
         {.name = "N18", .caption = "Инвертировать", .target = kInput, .onView = &TfmMain::N18Click},
     }},
    {"mService",
     "С&ервис",
     {
         {.name = "mmDelSpaces",
          .caption = "Обрезать пробелы",
          .target = kActive,
          .onView = &TfmMain::pmDelSpacesClick},
         {.name = "mmDelDSpaces",
          .caption = "Удалить двойные пробелы",
          .target = kActive,
          .onView = &TfmMain::mmDelDSpacesClick},
         {.name = "mmDelEmpty",
          .caption = "Удалить пустые строки",
          .target = kActive,
          .onView = &TfmMain::pmDelEmptyClick},
         {.name = "mmDelDouble",
          .caption = "Удалить дубли",
          .target = kActive,
          .onView = &TfmMain::pmDelDoubleClick},
         {.name = "pmDelAllDouble",
          .caption = "Удалить все дубли",
          .target = kActive,
          .onView = &TfmMain::pmDelAllDoubleClick},
         {.name = "mmDelUnik",
          .caption = "Удалить уникальные",
          .target = kActive,
          .onView = &TfmMain::mmDelUnikClick},
         {.name = "N14", .caption = "Разбить абзацы", .target = kInput, .onView = &TfmMain::N14Click},
     }},
    {"mHelp",
     "&Справка",
     {
         {.name = "mmTopic", .caption = "Показать справку", .onWindow = &TfmMain::mmTopicClick},
         {.name = "N2"},
         {.name = "mmMail", .caption = "Письмо автору", .onWindow = &TfmMain::lbhMailClick},
         {.name = "mmWeb", .caption = "Сайт программы", .onWindow = &TfmMain::lbhHomeClick},
         {.name = "N3"},
         {.name = "mmAbout", .caption = "О программе", .onWindow = &TfmMain::mmAboutClick},
     }},
};

// The popup menu of the three views. Its shortcuts are those of the main menu's items,
// which take the keys while the popup menu is closed.
const Menu kPopupMenu = {
    "pmMain",
    nullptr,
    {
        {.name = "pmCut",
         .caption = "Вырезать",
         .shortcut = Qt::CTRL | Qt::Key_X,
         .target = kActive,
         .onView = &TfmMain::pmCutClick},
        {.name = "pmCopy",
         .caption = "Копировать",
         .shortcut = Qt::CTRL | Qt::Key_C,
         .target = kActive,
         .onView = &TfmMain::btCopyClick},
        {.name = "pmPaste",
         .caption = "Вставить",
         .shortcut = Qt::CTRL | Qt::Key_V,
         .target = kActive,
         .onView = &TfmMain::pmPasteClick},
        {.name = "N1"},
        {.name = "pmDelSpaces",
         .caption = "Обрезать пробелы",
         .target = kActive,
         .onView = &TfmMain::pmDelSpacesClick},
        {.name = "pmDelEmpty",
         .caption = "Удалить пустые строки",
         .target = kActive,
         .onView = &TfmMain::pmDelEmptyClick},
        {.name = "pmDelDouble",
         .caption = "Удалить дубли",
         .target = kActive,
         .onView = &TfmMain::pmDelDoubleClick},
        {.name = "pmSort", .caption = "Сортировка", .target = kActive, .onView = &TfmMain::pmSortClick},
    }};

}  // namespace

void TfmMain::CreateMenus() {
  const auto fill = [this](QMenu* menu, const Menu& column) {
    for (const Command& command : column.items) {
      QAction* action =
          command.caption ? menu->addAction(QString::fromUtf8(command.caption)) : menu->addSeparator();
      action->setObjectName(QLatin1String(command.name));
      action->setVisible(!command.hidden);
      if (command.shortcut != QKeyCombination()) action->setShortcut(QKeySequence(command.shortcut));
      connect(action, &QAction::triggered, this, [this, command] {
        RunHandler([&] {
          // The tab is read once, when the command starts: the view chosen here is the one
          // the command works on to its end.
          if (command.onView) {
            (this->*command.onView)(command.target == Target::kInputView ? InputSlot() : ActiveSlot());
          } else if (command.onWindow) {
            (this->*command.onWindow)();
          }
        });
      });
    }
  };

  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu"));
  for (const Menu& column : kMainMenu) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(column.caption));
    menu->setObjectName(QLatin1String(column.name));
    fill(menu, column);
  }
  pmMain = new QMenu(this);
  pmMain->setObjectName(QLatin1String(kPopupMenu.name));
  fill(pmMain, kPopupMenu);
}

}  // namespace skorlin::app
