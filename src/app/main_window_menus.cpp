// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the main menu and of the views' popup menu: one table, in menu order,
// from which both menus are built.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <initializer_list>
#include <optional>

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
// works on and what it runs there: a command of the core's table (core) or a handler of the
// window (onView); or what it runs for the whole window (onWindow). A hidden item stays
// hidden for the whole run.
struct Command {
  const char* name;
  const char* caption = nullptr;
  QKeyCombination shortcut{};
  Target target = Target::kNone;
  std::optional<commands::CommandId> core{};
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
using enum commands::CommandId;

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
         {.name = "mmInsURLs", .caption = "Вставить URL из буфера", .target = kInput, .core = kInsertUrls},
         {.name = "mmInsAnk",
          .caption = "Вставить анкоры из буфера",
          .target = kInput,
          .core = kInsertAnchors},
         {.name = "mmSaveURLs", .caption = "Оставить URLs", .target = kInput, .core = kKeepUrls},
         {.name = "N5"},
         {.name = "N6", .caption = "Оставить домен", .target = kInput, .core = kKeepDomain},
         {.name = "N7", .caption = "Оставить домен с папкой", .target = kInput, .core = kKeepFolder},
         {.name = "N8", .caption = "Оставить имя файла", .target = kInput, .core = kKeepFileName},
         {.name = "http1", .caption = "Добавить http", .target = kInput, .core = kAddHttp},
         {.name = "http2", .caption = "Удалить http", .target = kInput, .core = kRemoveHttp},
     }},
    {"N9",
     "Ф&ИО",
     {
         {.name = "N10", .caption = "Оставить фамилию и инициалы", .target = kInput, .core = kInitials},
         {.name = "N13", .caption = "Оставить имя отчество", .target = kInput, .core = kFirstPatronymic},
         {.name = "N12", .caption = "Склонить ФИО (кому)", .target = kInput, .core = kDecline},
         {.name = "N15",
          .caption = "Заменить фамилию на \"Уважаемый(ая)\"",
          .target = kInput,
          .core = kSalutation},
     }},
    {"N17",
     "Со&ртировка",
     {
         {.name = "mmSort", .caption = "Сортировать", .target = kActive, .core = kSort},
         {.name = "N4", .caption = "Сортировать зеркальные", .target = kActive, .core = kSortMirror},
         {.name = "N16", .caption = "Сортировать по длине", .target = kInput, .core = kSortLength},
         {.name = "mmShuffle", .caption = "Перемешать", .target = kActive, .core = kShuffle},
         {.name = "N18", .caption = "Инвертировать", .target = kInput, .core = kInvert},
     }},
    {"mService",
     "С&ервис",
     {
         {.name = "mmDelSpaces", .caption = "Обрезать пробелы", .target = kActive, .core = kTrim},
         {.name = "mmDelDSpaces",
          .caption = "Удалить двойные пробелы",
          .target = kActive,
          .core = kCollapseSpaces},
         {.name = "mmDelEmpty", .caption = "Удалить пустые строки", .target = kActive, .core = kDeleteEmpty},
         {.name = "mmDelDouble", .caption = "Удалить дубли", .target = kActive, .core = kDedupe},
         {.name = "pmDelAllDouble",
          .caption = "Удалить все дубли",
          .target = kActive,
          .core = kDeleteRepeated},
         {.name = "mmDelUnik", .caption = "Удалить уникальные", .target = kActive, .core = kDeleteUnique},
         {.name = "N14", .caption = "Разбить абзацы", .target = kInput, .core = kSplitParagraphs},
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
        {.name = "pmDelSpaces", .caption = "Обрезать пробелы", .target = kActive, .core = kTrim},
        {.name = "pmDelEmpty", .caption = "Удалить пустые строки", .target = kActive, .core = kDeleteEmpty},
        {.name = "pmDelDouble", .caption = "Удалить дубли", .target = kActive, .core = kDedupe},
        {.name = "pmSort", .caption = "Сортировка", .target = kActive, .core = kSort},
    }};

// Every item of both menus.
template <typename Visit>
void ForEachItem(Visit visit) {
  for (const Menu& column : kMainMenu) {
    for (const Command& command : column.items) visit(command);
  }
  for (const Command& command : kPopupMenu.items) visit(command);
}

}  // namespace

std::optional<commands::CommandId> MenuCommandOf(const QString& objectName) {
  std::optional<commands::CommandId> found;
  ForEachItem([&](const Command& command) {
    if (command.core && objectName == QLatin1String(command.name)) found = command.core;
  });
  return found;
}

void TfmMain::CreateMenus() {
  const auto fill = [this](QMenu* menu, const Menu& column) {
    for (const Command& command : column.items) {
      QAction* action =
          command.caption ? menu->addAction(QString::fromUtf8(command.caption)) : menu->addSeparator();
      action->setObjectName(QLatin1String(command.name));
      action->setVisible(!command.hidden);
      if (command.shortcut != QKeyCombination()) action->setShortcut(QKeySequence(command.shortcut));
      if (command.target != Target::kNone) viewActions_.append(action);
      connect(action, &QAction::triggered, this, [this, command] {
        RunHandler([&] {
          // The tab is read once, when the command starts: the view chosen here is the one
          // the command works on to its end.
          ViewSlot* const view = command.target == Target::kInputView ? InputSlot() : ActiveSlot();
          if (command.core) {
            // The commands of the selected tab's view recount it even when they change nothing.
            RunCommand(view, *command.core,
                       command.target == Target::kActiveView ? Recount::Always : Recount::WhenChanged);
          } else if (command.onView) {
            (this->*command.onView)(view);
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
