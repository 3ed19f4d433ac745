// The menus as the window design gives them: order, captions, shortcuts, hidden items,
// separators, and which items share a command.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "test_classes.h"
#include "window_harness.h"

namespace skorlin::app::testing {
namespace {

struct Item {
  const char* name;
  const char* caption;  // "-" for a separator
  const char* shortcut;
  bool visible;
};

struct Menu {
  const char* name;
  const char* caption;
  std::vector<Item> items;
};

const std::vector<Menu> kExpected = {
    {"mFile",
     "&Файл",
     {{"mmNew", "&Новый", "Ctrl+N", false},
      {"mmOpen", "&Открыть...", "Ctrl+O", true},
      {"mmSave", "&Сохранить", "Ctrl+S", false},
      {"mmSaveAs", "Сохранить &как...", "", true},
      {"mmSaveHTML", "Сохранить HTML...", "", false},
      {"N11", "-", "", true},
      {"mmExit", "В&ыход", "", true}}},
    {"mEdit",
     "&Правка",
     {{"mmCut", "Вырезать", "Ctrl+X", true},
      {"mmCopy", "Копировать", "Ctrl+C", true},
      {"mmPaste", "Вставить", "Ctrl+V", true},
      {"N22", "-", "", true},
      {"mmClear", "Очистить", "Ctrl+Del", true},
      {"mmSelectAll", "Выделить всё", "Ctrl+A", true}}},
    {"mURL",
     "&URL",
     {{"mmInsURLs", "Вставить URL из буфера", "", true},
      {"mmInsAnk", "Вставить анкоры из буфера", "", true},
      {"mmSaveURLs", "Оставить URLs", "", true},
      {"N5", "-", "", true},
      {"N6", "Оставить домен", "", true},
      {"N7", "Оставить домен с папкой", "", true},
      {"N8", "Оставить имя файла", "", true},
      {"http1", "Добавить http", "", true},
      {"http2", "Удалить http", "", true}}},
    {"N9",
     "Ф&ИО",
     {{"N10", "Оставить фамилию и инициалы", "", true},
      {"N13", "Оставить имя отчество", "", true},
      {"N12", "Склонить ФИО (кому)", "", true},
      {"N15", "Заменить фамилию на \"Уважаемый(ая)\"", "", true}}},
    {"N17",
     "Со&ртировка",
     {{"mmSort", "Сортировать", "", true},
      {"N4", "Сортировать зеркальные", "", true},
      {"N16", "Сортировать по длине", "", true},
      {"mmShuffle", "Перемешать", "", true},
      {"N18", "Инвертировать", "", true}}},
    {"mService",
     "С&ервис",
     {{"mmDelSpaces", "Обрезать пробелы", "", true},
      {"mmDelDSpaces", "Удалить двойные пробелы", "", true},
      {"mmDelEmpty", "Удалить пустые строки", "", true},
      {"mmDelDouble", "Удалить дубли", "", true},
      {"pmDelAllDouble", "Удалить все дубли", "", true},
      {"mmDelUnik", "Удалить уникальные", "", true},
      {"N14", "Разбить абзацы", "", true}}},
    {"mHelp",
     "&Справка",
     {{"mmTopic", "Показать справку", "", true},
      {"N2", "-", "", true},
      {"mmMail", "Письмо автору", "", true},
      {"mmWeb", "Сайт программы", "", true},
      {"N3", "-", "", true},
      {"mmAbout", "О программе", "", true}}},
    {"pmMain",
     "",
     {{"pmCut", "Вырезать", "Ctrl+X", true},
      {"pmCopy", "Копировать", "Ctrl+C", true},
      {"pmPaste", "Вставить", "Ctrl+V", true},
      {"N1", "-", "", true},
      {"pmDelSpaces", "Обрезать пробелы", "", true},
      {"pmDelEmpty", "Удалить пустые строки", "", true},
      {"pmDelDouble", "Удалить дубли", "", true},
      {"pmSort", "Сортировка", "", true}}},
};

class MenusTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryMenuAsDesigned() {
    WindowHarness h;
    h.Create();
    QMenuBar* bar = h.window->menuBar();
    QCOMPARE(bar->objectName(), QStringLiteral("MainMenu"));
    QStringList barMenus;
    for (QAction* action : bar->actions()) barMenus << action->menu()->objectName();
    QCOMPARE(barMenus, (QStringList{"mFile", "mEdit", "mURL", "N9", "N17", "mService", "mHelp"}));
    for (const Menu& expected : kExpected) {
      const auto* menu = h.window->findChild<QMenu*>(QLatin1String(expected.name));
      QVERIFY2(menu, expected.name);
      if (*expected.caption) QCOMPARE(menu->title(), QString::fromUtf8(expected.caption));
      const QList<QAction*> actions = menu->actions();
      QCOMPARE(actions.size(), qsizetype(expected.items.size()));
      for (qsizetype i = 0; i < actions.size(); ++i) {
        const Item& item = expected.items[i];
        const QAction* action = actions[i];
        QCOMPARE(action->objectName(), QLatin1String(item.name));
        QCOMPARE(action->isSeparator(), qstrcmp(item.caption, "-") == 0);
        if (!action->isSeparator()) QCOMPARE(action->text(), QString::fromUtf8(item.caption));
        QCOMPARE(action->shortcut(), QKeySequence(QString::fromLatin1(item.shortcut)));
        QCOMPARE(action->isVisible(), item.visible);
      }
    }
  }
};

const bool kRegistered = RegisterTest([] { return std::make_unique<MenusTest>(); });

}  // namespace
}  // namespace skorlin::app::testing

#include "menus_test.moc"
