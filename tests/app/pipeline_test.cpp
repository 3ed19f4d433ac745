// SPDX-License-Identifier: GPL-3.0-or-later
// The view pipeline: the derived views are rebuilt from the input on every selection of
// their tab, and the panel shows the counts of the shown view.
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <string>
#include <vector>

#include "app/text_view.h"
#include "app/view_text.h"
#include "format/formatted_view.h"
#include "html/html_view.h"
#include "test_classes.h"
#include "text/char_diff.h"
#include "typeset/typeset.h"
#include "window_harness.h"

namespace skorlin::app::testing {
namespace {

// A click on the box itself, as a user makes it.
void ClickCheckBox(QCheckBox* box) {
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// The bytes of a view under the mark of inserted and changed characters, and the bytes
// changes say should be under it.
std::vector<long> MarkedBytes(TextView* view) {
  std::vector<long> marked;
  for (long at = 0; at < static_cast<long>(view->Length()); ++at) {
    if (view->SendScintilla(TextView::SCI_INDICATORVALUEAT, TextView::INDIC_CONTAINER, at) != 0)
      marked.push_back(at);
  }
  return marked;
}
std::vector<long> ChangedBytes(const std::vector<text::CharChange>& changes) {
  std::vector<long> changed;
  for (const text::CharChange& change : changes) {
    for (std::size_t at = change.begin; at < change.begin + change.length; ++at)
      changed.push_back(static_cast<long>(at));
  }
  return changed;
}

class PipelineTest : public QObject {
  Q_OBJECT

 private slots:
  void EmptyOrBlankInputGivesEmptyDerivedViews_data() {
    QTest::addColumn<QString>("input");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks and breaks") << QStringLiteral(" \n\t\n  \n");
  }
  void EmptyOrBlankInputGivesEmptyDerivedViews() {
    QFETCH(QString, input);
    WindowHarness h;
    h.Open();
    h.SetText(0, input);
    for (int tab : {1, 2}) {
      h.SelectTab(tab);
      QCOMPARE(h.Text(tab), QString());
      QCOMPARE(h.Label("lbStr"), QStringLiteral("Строк: 1"));
      QCOMPARE(h.Label("lbSl"), QStringLiteral("Слов: 0"));
      QCOMPARE(h.Label("lbBukv"), QStringLiteral("Букв: 0"));
      QCOMPARE(h.Label("lbZn"), QStringLiteral("Знаков: 0"));
      QCOMPARE(h.Label("lbFull"), QStringLiteral("Знаков и пробелов: 0"));
    }
  }

  void BlankLinesAtTheEndsAreDroppedAndOneBreakEndsTheText() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("\n\n  первая\n\nвторая\n\n\n"));
    h.SelectTab(1);
    QCOMPARE(h.Text(1), QStringLiteral("первая\n\nвторая\n"));
  }

  void DerivedViewsAreTheCoreResults() {
    WindowHarness h;
    h.Open();
    const QString input =
        QStringLiteral("Он сказал :\"Привет\" ,и ушёл -- в 1990-1995 гг .\nЦена\t5\tруб\nN 5");
    h.SetText(0, input);
    h.SelectTab(1);
    QCOMPARE(ViewText(*h.View(1)), format::FormattedView(ViewText(*h.View(0))));
    h.SelectTab(2);
    QCOMPARE(ViewText(*h.View(2)), html::HtmlView(ViewText(*h.View(0)), html::HtmlViewOptions{}));
    QVERIFY(h.Text(2).contains(QStringLiteral("<Table")));
  }

  // With "Типографика" on, the formatted view is the typeset text, marked where typesetting
  // changed it; a click on the box rebuilds the view shown at once, either way.
  void TheTypesetViewIsTheCoreResultAndItsBoxRebuildsAtOnce() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("- Ну что ж, - сказал он, - пойдём \"домой\".\n- Пойдём... "));
    h.SelectTab(1);
    const std::string formatted(h.View(1)->Utf8());
    auto* box = h.Find<QCheckBox>("chkTypograf");
    for (bool on : {true, false}) {
      h.View(1)->setFocus();
      WindowHarness::Type(h.View(1), QStringLiteral("добавка"));
      ClickCheckBox(box);
      QCOMPARE(box->isChecked(), on);
      QCOMPARE(std::string(h.View(1)->Utf8()),
               on ? typeset::TypesetViewUtf8(ViewText(*h.View(0)), true).utf8 : formatted);
    }
    box->setChecked(true);
    h.SelectTab(0);
    h.SetText(0, QStringLiteral("Он ответил:\"Нет\" ,и ушёл -- домой."));
    h.SelectTab(1);
    const format::FormattedViewBytes expected = typeset::TypesetViewUtf8(ViewText(*h.View(0)), true);
    QCOMPARE(std::string(h.View(1)->Utf8()), expected.utf8);
    QVERIFY(!expected.changes.empty());
    QCOMPARE(MarkedBytes(h.View(1)), ChangedBytes(expected.changes));
  }

  void TypingIntoADerivedViewIsLostAtItsNextRebuild() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("текст"));
    h.SelectTab(1);
    const QString built = h.Text(1);
    h.View(1)->setFocus();
    WindowHarness::Type(h.View(1), QStringLiteral("добавка"));
    QVERIFY(h.Text(1) != built);
    h.SelectTab(0);
    h.SelectTab(1);
    QCOMPARE(h.Text(1), built);
  }

  void AnUnchangedRebuildLeavesTheViewAlone() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("строка"));
    h.SelectTab(1);
    h.View(1)->SendScintilla(TextView::SCI_DOCUMENTEND);
    const QSignalSpy changes(h.View(1), &QsciScintillaBase::SCEN_CHANGE);
    h.SelectTab(0);
    h.SelectTab(1);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(h.View(1)->SendScintilla(TextView::SCI_GETCURRENTPOS),
             h.View(1)->SendScintilla(TextView::SCI_GETLENGTH));
  }

  void SelectingATabByClickRebuildsIt() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("клик"));
    QTabBar* bar = h.Tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(h.Tabs()->currentIndex(), 1);
    QCOMPARE(h.Text(1), QStringLiteral("клик\n"));
  }

  void TheSettingsTabAndTheInputTabCountTheInput() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("\n\nодин  два\n"));
    h.SelectTab(1);  // counts the formatted view: one line
    QCOMPARE(h.Label("lbStr"), QStringLiteral("Строк: 1 (2)"));
    for (int tab : {3, 0}) {
      h.SelectTab(2);
      h.SelectTab(tab);
      // The input view, untrimmed: its leading empty lines are counted as lines.
      QCOMPARE(h.Label("lbStr"), QStringLiteral("Строк: 1 (4)"));
      QCOMPARE(h.Label("lbSl"), QStringLiteral("Слов: 2"));
      QCOMPARE(h.Label("lbFull"), QStringLiteral("Знаков и пробелов: 8 (9)"));
    }
  }

  void TheRebuildLabelsHaveNoKiloSuffixAndLeaveThePrices() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QString(1500, QChar(u'ж')));
    // The change of the input wrote the labels in their change form.
    QCOMPARE(h.Label("lbZn"), QStringLiteral("Знаков: 1500 (1,5 k)"));
    QCOMPARE(h.Label("lbFull"), QStringLiteral("С пробелами: 1500"));
    QCOMPARE(h.Label("lbCena"), QStringLiteral("Цена: 1,2"));
    h.Find<QLineEdit>("edCena")->setText(QStringLiteral("2"));
    QCOMPARE(h.Label("lbCena"), QStringLiteral("Цена: 3"));
    h.SelectTab(1);
    QCOMPARE(h.Label("lbZn"), QStringLiteral("Знаков: 1500"));
    QCOMPARE(h.Label("lbFull"), QStringLiteral("Знаков и пробелов: 1500"));
    QCOMPARE(h.Label("lbCena"), QStringLiteral("Цена: 3"));
  }

  void AnHtmlOptionClickRebuildsAtOnce() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("a\tb\n\nc"));
    h.SelectTab(2);
    QCOMPARE(h.Text(2),
             QStringLiteral(
                 "<Table Width=100% Border=0 CellPadding=2 CellSpacing=0><tr><td>a<td>b</Table>\n\n<p>c\n"));
    ClickCheckBox(h.Find<QCheckBox>("cbxTable"));
    QVERIFY(!h.Text(2).contains(QStringLiteral("<Table")));
    ClickCheckBox(h.Find<QCheckBox>("cbxAddPEmpty"));
    QCOMPARE(h.Text(2).count(QStringLiteral("<p>")), 3);
    ClickCheckBox(h.Find<QCheckBox>("cbxAddP"));
    QVERIFY(!h.Text(2).contains(QStringLiteral("<p>")));
  }

  // Lines 1 and 3 of the formatted view are changed: "№ " in place of "N" (bytes 0 to 4 of
  // the line), a space after the comma (byte 5).
  void F8GoesFromChangedLineToChangedLineOverTheMarks() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("ровно.\nN5\nтоже ровно.\nда,нет\nконец."));
    h.SelectTab(1);
    TextView* view = h.View(1);
    const auto lineStart = [&](long line) {
      return view->SendScintilla(TextView::SCI_POSITIONFROMLINE, line);
    };
    const auto marked = [&](long position) {
      return view->SendScintilla(TextView::SCI_INDICATORVALUEAT, TextView::INDIC_CONTAINER, position) != 0;
    };
    QVERIFY(marked(lineStart(1)) && marked(lineStart(1) + 3) && !marked(lineStart(1) + 4));
    QVERIFY(marked(lineStart(3) + 5) && !marked(lineStart(3) + 4) && !marked(lineStart(2)));
    const struct {
      Qt::KeyboardModifiers modifiers;
      long position;
    } steps[] = {
        {Qt::NoModifier, lineStart(1)},     {Qt::NoModifier, lineStart(3) + 5},
        {Qt::NoModifier, lineStart(3) + 5}, {Qt::ShiftModifier, lineStart(1)},
        {Qt::ShiftModifier, lineStart(1)},
    };
    view->setFocus();
    for (const auto& step : steps) {
      QTest::keyClick(view, Qt::Key_F8, step.modifiers);
      QCOMPARE(view->SendScintilla(TextView::SCI_GETCURRENTPOS), step.position);
    }
    // Without the marks there is no changed line to go to.
    ClickCheckBox(h.Find<QCheckBox>("chkShowChanges"));
    QVERIFY(!marked(lineStart(1)));
    view->SendScintilla(TextView::SCI_GOTOPOS, 0UL);
    QTest::keyClick(view, Qt::Key_F8);
    QCOMPARE(view->SendScintilla(TextView::SCI_GETCURRENTPOS), 0L);
    ClickCheckBox(h.Find<QCheckBox>("chkShowChanges"));
    QVERIFY(marked(lineStart(1)));
  }

  void TheDerivedViewsKeepTheirTextUntilTheirTabIsSelected() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("старое"));
    h.SelectTab(1);
    h.SelectTab(0);
    h.SetText(0, QStringLiteral("новое"));
    QCOMPARE(h.Text(1), QStringLiteral("старое\n"));
    h.SelectTab(1);
    QCOMPARE(h.Text(1), QStringLiteral("новое\n"));
  }
};

const bool kRegistered = RegisterTest([] { return std::make_unique<PipelineTest>(); });

}  // namespace
}  // namespace skorlin::app::testing

#include "pipeline_test.moc"
