// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard (Esc, Shift+Insert, the menu's shortcuts) and the rule that decides which
// view a command works on.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "test_classes.h"
#include "window_harness.h"

namespace skorlin::app::testing {
namespace {

class KeyboardDispatchTest : public QObject {
  Q_OBJECT

 private slots:
  void EscClosesTheWindowFromAnywhere_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("input view") << "RichEdit1" << 0 << int(Qt::NoModifier);
    QTest::newRow("formatted view, with Shift") << "RichEdit2" << 1 << int(Qt::ShiftModifier);
    QTest::newRow("rate field, with Ctrl") << "edCena" << 0 << int(Qt::ControlModifier);
    QTest::newRow("settings field") << "edAbzMin" << 3 << int(Qt::NoModifier);
    QTest::newRow("a button") << "btCopy" << 0 << int(Qt::AltModifier);
  }
  void EscClosesTheWindowFromAnywhere() {
    QFETCH(QString, focus);
    QFETCH(int, tab);
    QFETCH(int, modifiers);
    WindowHarness h;
    h.Open();
    h.SelectTab(tab);
    QWidget* target = h.Find<QWidget>(focus.toLatin1().constData());
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Escape, Qt::KeyboardModifiers(modifiers));
    QVERIFY(!h.window->isVisible());
    // The settings were written once, at that close.
    QVERIFY(QFile::exists(h.UserSettingsPath()));
    QVERIFY(h.errors.isEmpty());
  }

  void ShiftInsertPastesOnceAtTheCaret() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("начало конец"));
    h.View(0)->setCursorPosition(0, 7);
    QApplication::clipboard()->setText(QStringLiteral("середина "));
    h.View(0)->setFocus();
    QTest::keyClick(h.View(0), Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(h.Text(0), QStringLiteral("начало середина конец"));
    // Other modifiers held as well do not matter.
    QTest::keyClick(h.View(0), Qt::Key_Insert, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(h.Text(0), QStringLiteral("начало середина середина конец"));
  }

  void MenuShortcutsBeatTheViewsOwnKeys() {
    WindowHarness h;
    h.Open();
    TextView* view = h.View(0);
    h.SetText(view, QStringLiteral("один два"));
    view->setFocus();
    view->SendScintilla(TextView::SCI_DOCUMENTEND);
    QApplication::clipboard()->setText(QStringLiteral("!"));
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(h.Text(0), QStringLiteral("один два!"));
    // Ctrl+A then Ctrl+C copies everything; Ctrl+Del empties the whole view, not a word.
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(view->HasSelection());
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("один два!"));
    view->SendScintilla(TextView::SCI_DOCUMENTSTART);
    QTest::keyClick(view, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(h.Text(0), QString());
  }

  void CommandsWorkOnTheViewOfTheSelectedTab_data() {
    QTest::addColumn<int>("tab");
    QTest::newRow("input") << 0;
    QTest::newRow("formatted") << 1;
    QTest::newRow("html") << 2;
    QTest::newRow("settings") << 3;
  }
  void CommandsWorkOnTheViewOfTheSelectedTab() {
    QFETCH(int, tab);
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("вход"));
    h.SelectTab(1);
    h.SelectTab(2);
    h.SelectTab(tab);
    QCOMPARE(h.window->ActiveView(), tab < 3 ? h.View(tab) : nullptr);
    const QString before[3] = {h.Text(0), h.Text(1), h.Text(2)};

    QApplication::clipboard()->setText(QStringLiteral("unchanged"));
    h.Action("mmCopy")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), tab < 3 ? before[tab] : QStringLiteral("unchanged"));

    QApplication::clipboard()->setText(QStringLiteral("X"));
    QTest::mouseClick(h.Find<QPushButton>("btPaste"), Qt::LeftButton);  // replaces the whole view
    h.Action("mmSelectAll")->trigger();
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(h.Text(i), i == tab ? QStringLiteral("X") : before[i]);
      QCOMPARE(h.View(i)->HasSelection(), i == tab);
    }
    h.Action("pmCut")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("X"));
    QTest::mouseClick(h.Find<QPushButton>("btClear"), Qt::LeftButton);
    for (int i = 0; i < 3; ++i) QCOMPARE(h.Text(i), i == tab ? QString() : before[i]);
  }

  void TheButtonAndTheMenuPasteDiffer() {
    WindowHarness h;
    h.Open();
    TextView* view = h.View(0);
    h.SetText(view, QStringLiteral("abc"));
    view->SendScintilla(TextView::SCI_DOCUMENTEND);
    QApplication::clipboard()->setText(QStringLiteral("Z"));
    h.Action("pmPaste")->trigger();
    QCOMPARE(h.Text(0), QStringLiteral("abcZ"));
    QTest::mouseClick(h.Find<QPushButton>("btPaste"), Qt::LeftButton);
    QCOMPARE(h.Text(0), QStringLiteral("Z"));
    // With a selection both replace only the selection.
    h.SetText(view, QStringLiteral("abc"));
    view->setSelection(0, 1, 0, 2);
    QTest::mouseClick(h.Find<QPushButton>("btPaste"), Qt::LeftButton);
    QCOMPARE(h.Text(0), QStringLiteral("aZc"));
    // An empty clipboard by the button with nothing selected empties the view.
    QApplication::clipboard()->clear();
    QTest::mouseClick(h.Find<QPushButton>("btPaste"), Qt::LeftButton);
    QCOMPARE(h.Text(0), QString());
  }

  void CutCopiesTheSelectionButEmptiesTheView() {
    WindowHarness h;
    h.Open();
    TextView* view = h.View(0);
    h.SetText(view, QStringLiteral("первая\nвторая"));
    view->setSelection(0, 4, 1, 3);
    h.Action("mmCut")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("ая\nвто"));
    QCOMPARE(h.Text(0), QString());
  }

  void TheExitButtonCloses() {
    WindowHarness h;
    h.Open();
    QTest::mouseClick(h.Find<QPushButton>("btExit"), Qt::LeftButton);
    QVERIFY(!h.window->isVisible());
  }

  void StartUpFileOrPaste_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("expected");
    QTest::newRow("an existing file is loaded") << "file.txt" << QStringLiteral("из файла\n");
    QTest::newRow("a missing file: the paste") << "missing.txt" << QStringLiteral("из буфера");
    QTest::newRow("a folder: the paste") << "." << QStringLiteral("из буфера");
    QTest::newRow("no parameter: the paste") << "" << QStringLiteral("из буфера");
  }
  void StartUpFileOrPaste() {
    QFETCH(QString, argument);
    QFETCH(QString, expected);
    WindowHarness h;
    const QString file = h.ProgramDir() + "file.txt";
    h.WriteFile(file, "\xE8\xE7 \xF4\xE0\xE9\xEB\xE0\r\n");  // Windows-1251
    QApplication::clipboard()->setText(QStringLiteral("из буфера"));
    QStringList arguments;
    if (!argument.isEmpty()) arguments << h.ProgramDir() + argument << h.ProgramDir() + "file.txt";
    h.Open(arguments);
    QCOMPARE(h.Text(0), expected);
    QVERIFY(h.View(0)->hasFocus());
  }
};

const bool kRegistered = RegisterTest([] { return std::make_unique<KeyboardDispatchTest>(); });

}  // namespace
}  // namespace skorlin::app::testing

#include "keyboard_dispatch_test.moc"
