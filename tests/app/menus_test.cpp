// SPDX-License-Identifier: GPL-3.0-or-later
// The menus do what they show: every item the user can see runs a command that leaves a
// mark, the hidden items stay out of reach, and the shortcuts reach their items.
#include <QAction>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/desktop.h"
#include "test_classes.h"
#include "window_harness.h"

namespace skorlin::app::testing {
namespace {

// What a command can leave behind: the views, the title, the clipboard, the selection,
// what was asked of the desktop, an error, the window itself.
struct Marks {
  QStringList views;
  QString title;
  QString clipboard;
  bool selection = false;
  int dialogs = 0;
  int opened = 0;
  int messages = 0;
  qsizetype errors = 0;
  bool visible = true;

  bool operator==(const Marks&) const = default;
};

// The desktop's services answered by the test: every dialog is cancelled.
class QuietDesktop {
 public:
  QuietDesktop() : saved_(CurrentDesktop()) {
    CurrentDesktop().chooseFile = [this](QWidget*, FileDialogKind, const QString&) {
      ++dialogs;
      return QString();
    };
    CurrentDesktop().openUrl = [this](const QUrl&) { return ++opened > 0; };
    CurrentDesktop().showMessage = [this](QWidget*, const QString&, const QString&) { ++messages; };
  }
  ~QuietDesktop() { CurrentDesktop() = saved_; }
  QuietDesktop(const QuietDesktop&) = delete;
  QuietDesktop& operator=(const QuietDesktop&) = delete;

  int dialogs = 0;
  int opened = 0;
  int messages = 0;

 private:
  Desktop saved_;
};

Marks MarksOf(const WindowHarness& h, const QuietDesktop& desktop) {
  return {{h.Text(0), h.Text(1), h.Text(2)},
          h.window->windowTitle(),
          QApplication::clipboard()->text(),
          h.View(0)->HasSelection(),
          desktop.dialogs,
          desktop.opened,
          desktop.messages,
          h.errors.size(),
          h.window->isVisible()};
}

// A text that every command of the input view changes: blanks, double spaces, repeated and
// unique lines, an unsorted order, addresses, full names, a long line to split.
const QString kEverything = QStringLiteral(
    "  Иванов   Иван Иванович\n"
    "http://host/dir/page.html\n"
    "www.host.ru/a\n"
    "\n"
    "Петров Пётр Петрович\n"
    "http://host/dir/page.html\n"
    "Aaaa bbbb. Cccc dddd. Eeee ffff.\n"
    "b");

// The items the user can see in a menu, in their order.
QList<QAction*> VisibleItems(const QMenu* menu) {
  QList<QAction*> items;
  for (QAction* action : menu->actions()) {
    if (action->isVisible() && !action->isSeparator()) items << action;
  }
  return items;
}

class MenusTest : public QObject {
  Q_OBJECT

 private slots:
  // A row of the menus that runs nothing (a misspelt handler, a missing connection) is
  // found here, whichever menu it is in.
  void EveryVisibleItemLeavesAMark_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("item");
    WindowHarness h;
    h.Create();
    QList<QMenu*> menus;
    for (QAction* column : h.window->menuBar()->actions()) menus << column->menu();
    menus << h.Find<QMenu>("pmMain");
    for (const QMenu* menu : menus) {
      QVERIFY(!VisibleItems(menu).isEmpty());
      for (const QAction* item : VisibleItems(menu)) {
        QTest::addRow("%s %s", qPrintable(menu->objectName()), qPrintable(item->objectName()))
            << menu->objectName() << item->objectName();
      }
    }
  }
  void EveryVisibleItemLeavesAMark() {
    QFETCH(QString, menu);
    QFETCH(QString, item);
    WindowHarness h;
    QuietDesktop desktop;
    h.Open();
    h.Find<QLineEdit>("edAbzMin")->setText(QStringLiteral("10"));
    h.Find<QLineEdit>("edAbzMax")->setText(QStringLiteral("10"));
    h.SetText(0, kEverything);
    h.View(0)->setCursorPosition(1, 4);
    QApplication::clipboard()->setText(QStringLiteral("http://clip/"));
    QAction* action = h.Find<QMenu>(qPrintable(menu))->findChild<QAction*>(item);
    QVERIFY(action);
    QVERIFY(action->isEnabled());
    const Marks before = MarksOf(h, desktop);
    action->trigger();
    QVERIFY(h.WaitForCommand());
    WindowHarness::Settle();
    QVERIFY2(!(MarksOf(h, desktop) == before), qPrintable(item + " changed nothing"));
  }

  // A right click on a view opens the window's popup menu, not the editor's own.
  void ARightClickOnAViewOpensThePopupMenu_data() {
    QTest::addColumn<int>("tab");
    QTest::newRow("input") << 0;
    QTest::newRow("formatted") << 1;
    QTest::newRow("html") << 2;
  }
  void ARightClickOnAViewOpensThePopupMenu() {
    QFETCH(int, tab);
    WindowHarness h;
    h.Open();
    h.SelectTab(tab);
    QWidget* viewport = h.View(tab)->viewport();
    QContextMenuEvent click(QContextMenuEvent::Mouse, viewport->rect().center(),
                            viewport->mapToGlobal(viewport->rect().center()));
    QApplication::sendEvent(viewport, &click);
    auto* popup = h.Find<QMenu>("pmMain");
    QTRY_VERIFY(popup->isVisible());
    QCOMPARE(QApplication::activePopupWidget(), popup);
    popup->close();
  }

  // The menu items without a command stay hidden, so their shortcuts do nothing; the
  // shortcuts of the others reach their command from a view.
  void ShortcutsReachTheirItems_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("dialogs");
    QTest::newRow("Ctrl+O opens") << int(Qt::Key_O) << 1;
    QTest::newRow("Ctrl+N is hidden") << int(Qt::Key_N) << 0;
    QTest::newRow("Ctrl+S is hidden") << int(Qt::Key_S) << 0;
  }
  void ShortcutsReachTheirItems() {
    QFETCH(int, key);
    QFETCH(int, dialogs);
    WindowHarness h;
    QuietDesktop desktop;
    h.Open();
    h.SetText(0, QStringLiteral("текст"));
    h.View(0)->setFocus();
    QTest::keyClick(h.View(0), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(desktop.dialogs, dialogs);
    QCOMPARE(h.Text(0), QStringLiteral("текст"));
    for (const char* hidden : {"mmNew", "mmSave", "mmSaveHTML"}) QVERIFY(!h.Action(hidden)->isVisible());
  }
};

const bool kRegistered = RegisterTest([] { return std::make_unique<MenusTest>(); });

}  // namespace
}  // namespace skorlin::app::testing

#include "menus_test.moc"
