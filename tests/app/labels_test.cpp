// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics panel after each kind of change, and copying its labels.
#include "stats/labels.h"

#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <algorithm>
#include <random>

#include "app/statistics_panel.h"
#include "test_classes.h"
#include "window_harness.h"

namespace skorlin::app::testing {
namespace {

class LabelsTest : public QObject {
  Q_OBJECT

 private slots:
  void TypingRecountsTheView() {
    WindowHarness h;
    h.Open();
    h.View(0)->setFocus();
    WindowHarness::Type(h.View(0), QStringLiteral("Привет, мир-2 _x -- y"));
    QCOMPARE(h.Label("lbStr"), QStringLiteral("Строк: 1"));
    QCOMPARE(h.Label("lbSl"), QStringLiteral("Слов: 4"));
    QCOMPARE(h.Label("lbBukv"), QStringLiteral("Букв: 11"));
    QCOMPARE(h.Label("lbZn"), QStringLiteral("Знаков: 17"));
    QCOMPARE(h.Label("lbFull"), QStringLiteral("С пробелами: 21"));
    QTest::keyClick(h.View(0), Qt::Key_Return);
    QTest::keyClick(h.View(0), Qt::Key_Return);
    WindowHarness::Type(h.View(0), QStringLiteral("b"));
    QCOMPARE(h.Label("lbStr"), QStringLiteral("Строк: 2 (3)"));
  }

  // In a large view a keystroke does not wait for the whole text to be counted: the count
  // goes on between the keystrokes, and a label copied before it is done is already exact.
  void ALargeViewIsCountedWithoutHoldingUpTheKeys() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("слово слово слово\n").repeated(40000));
    QVERIFY(h.View(0)->Length() > std::size_t{1} << 20);
    QTRY_COMPARE(h.Label("lbSl"), QStringLiteral("Слов: 120000"));
    h.View(0)->setFocus();
    h.View(0)->SendScintilla(TextView::SCI_DOCUMENTEND);
    WindowHarness::Type(h.View(0), QStringLiteral("ещё слово"));
    QTest::mouseDClick(h.Find<QLabel>("lbSl"), Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Слов: 120002"));
    QCOMPARE(h.Label("lbStr"), QStringLiteral("Строк: 40001"));
    QTest::keyClick(h.View(0), Qt::Key_Return);
    QTRY_COMPARE(h.Label("lbStr"), QStringLiteral("Строк: 40001 (40002)"));
  }

  // The counts a view keeps in step with the editor's own changes (insertions, removals,
  // undo and redo, anywhere, line breaks included) are those of a whole recount.
  void EditsKeepTheCountsOfAWholeRecount() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("Строка, одна  два-3\n  отступ _x\n\nконец.\n").repeated(500));
    TextView* view = h.View(0);
    const char* const kInserts[] = {"a", " ", "\r\n", "\r", "\n", ",", "ё", "\t", "-", "x\r\n\r\ny", ""};
    std::mt19937 rng(30);
    const char* const kLabels[] = {"lbStr", "lbSl", "lbBukv", "lbZn", "lbFull"};
    for (int edit = 0; edit < 400; ++edit) {
      const auto length = static_cast<long>(view->Length());
      const long at = static_cast<long>(rng() % static_cast<unsigned>(length + 1));
      switch (rng() % 4) {
        case 0:
          view->SendScintilla(TextView::SCI_INSERTTEXT, static_cast<unsigned long>(at),
                              kInserts[rng() % std::size(kInserts)]);
          break;
        case 1:
          view->SendScintilla(TextView::SCI_DELETERANGE, static_cast<unsigned long>(at),
                              std::min(static_cast<long>(rng() % 40), length - at));
          break;
        case 2:
          view->SendScintilla(TextView::SCI_UNDO);
          break;
        default:
          view->SendScintilla(TextView::SCI_REDO);
          break;
      }
      QApplication::processEvents();
      QVERIFY(view->LiveCounts().Known());  // stepped from the pieces, not counted whole
      QStringList kept;
      for (const char* label : kLabels) kept << h.Label(label);
      h.window->RichEditChange(view);
      for (std::size_t i = 0; i < std::size(kLabels); ++i) {
        QCOMPARE(kept[static_cast<qsizetype>(i)], h.Label(kLabels[i]));
      }
    }
  }

  // At the design size, with counts of seven and of ten digits, every label and link of
  // the panel is shown whole: the window grows wider rather than cut one.
  void ThePanelShowsEveryLabelWhole() {
    WindowHarness h;
    h.Open();
    h.window->resize(416, 489);
    auto* panel = h.Find<StatisticsPanel>("Panel2");
    for (const std::int32_t n : {1234567, 1999999999}) {
      panel->ShowChange(stats::ChangeLabels({n, n + 1, n, n, n, n, n + 7}, U"999,99", U","));
      QApplication::processEvents();
      for (const QLabel* label : panel->findChildren<QLabel*>()) {
        const QRect shown = label->geometry();
        QVERIFY2(shown.width() >= label->sizeHint().width() && panel->rect().contains(shown),
                 qPrintable(label->objectName() + ": " + label->text()));
      }
      QVERIFY(h.window->rect().contains(QRect(panel->mapTo(h.window.get(), QPoint()), panel->size())));
    }
  }

  void TheKiloSuffixStartsAbove1000() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QString(1000, QChar(u'a')));
    QCOMPARE(h.Label("lbZn"), QStringLiteral("Знаков: 1000"));
    h.SetText(0, QString(1001, QChar(u'a')));
    QCOMPARE(h.Label("lbZn"), QStringLiteral("Знаков: 1001 (1 k)"));
  }

  void TheRateTakesCommaOrPoint() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QString(2000, QChar(u'a')));
    QCOMPARE(h.Label("lbCena"), QStringLiteral("Цена: 1,6"));
    h.Find<QLineEdit>("edCena")->setText(QStringLiteral("0.8"));
    QCOMPARE(h.Label("lbCena"), QStringLiteral("Цена: 1,6"));
    h.Find<QLineEdit>("edCena")->setText(QStringLiteral("abc"));
    QCOMPARE(h.Label("lbCena"), QStringLiteral("Цена: 0"));
  }

  void ARateChangeCountsTheActiveView() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("a b c"));
    h.SetText(2, QStringLiteral("html"));  // shown on tab 2 only after its rebuild
    h.SelectTab(3);
    WindowHarness::Type(h.Find<QLineEdit>("edCena"), QStringLiteral("5"));
    // The settings tab has no active view: the empty text is counted.
    QCOMPARE(h.Label("lbStr"), QStringLiteral("Строк: 1"));
    QCOMPARE(h.Label("lbSl"), QStringLiteral("Слов: 0"));
    QCOMPARE(h.Label("lbFull"), QStringLiteral("С пробелами: 0"));
    QCOMPARE(h.Label("lbCena"), QStringLiteral("Цена: 0"));
    QCOMPARE(h.Label("lbCena2"), QStringLiteral("Цена: 0"));
    h.SelectTab(0);
    h.Find<QLineEdit>("edCena")->setText(QStringLiteral("1000"));
    QCOMPARE(h.Label("lbSl"), QStringLiteral("Слов: 3"));
    QCOMPARE(h.Label("lbCena"), QStringLiteral("Цена: 3"));
    QCOMPARE(h.Label("lbCena2"), QStringLiteral("Цена: 5"));
  }

  void PricesStayAfterATabSwitch() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QString(100, QChar(u'a')));
    h.SelectTab(1);  // the formatted view's change wrote its own prices
    h.SetText(1, QString(5000, QChar(u'b')));
    QCOMPARE(h.Label("lbCena"), QStringLiteral("Цена: 4"));
    h.SelectTab(0);
    QCOMPARE(h.Label("lbZn"), QStringLiteral("Знаков: 100"));
    QCOMPARE(h.Label("lbCena"), QStringLiteral("Цена: 4"));
  }

  void ADoubleClickCopiesTheLabel() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("a\n\n\nb"));
    QLabel* lbStr = h.Find<QLabel>("lbStr");
    QTest::mouseDClick(lbStr, Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Строк: 2 (4)"));
  }

  void ThePopupCopiesTheLastRightClickedCountLabel() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("два слова"));
    QAction* copy = h.Action("pmCopyLabel");
    // Nothing recorded yet: nothing is copied.
    QApplication::clipboard()->setText(QStringLiteral("before"));
    copy->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    QTest::mousePress(h.Find<QLabel>("lbSl"), Qt::RightButton);
    QTest::mouseRelease(h.Find<QLabel>("lbSl"), Qt::RightButton);
    QTest::keyClick(h.Find<QMenu>("pmmCopy"), Qt::Key_Escape);
    // A left press and a press on a price label record nothing.
    QTest::mousePress(h.Find<QLabel>("lbBukv"), Qt::LeftButton);
    QTest::mouseRelease(h.Find<QLabel>("lbBukv"), Qt::LeftButton);
    QTest::mousePress(h.Find<QLabel>("lbCena"), Qt::RightButton);
    QTest::mouseRelease(h.Find<QLabel>("lbCena"), Qt::RightButton);
    QTest::keyClick(h.Find<QMenu>("pmmCopy"), Qt::Key_Escape);
    copy->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Слов: 2"));
    QVERIFY(h.window->isVisible());
  }
};

const bool kRegistered = RegisterTest([] { return std::make_unique<LabelsTest>(); });

}  // namespace
}  // namespace skorlin::app::testing

#include "labels_test.moc"
