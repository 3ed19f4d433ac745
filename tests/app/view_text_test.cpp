// SPDX-License-Identifier: GPL-3.0-or-later
// Text travels between the views, the clipboard and the core without losing a character.
#include "app/view_text.h"

#include <QTest>

#include "app/text_view.h"
#include "test_classes.h"

namespace skorlin::app::testing {
namespace {

class ViewTextTest : public QObject {
  Q_OBJECT

 private slots:
  void TheClipboardGetsLfBreaks_data() {
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("crlf") << QStringLiteral("a\r\nb\r\n") << QStringLiteral("a\nb\n");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("only a break") << QStringLiteral("\r\n") << QStringLiteral("\n");
    QTest::newRow("cyrillic and emoji")
        << QStringLiteral("Жё\r\n\U0001F600") << QStringLiteral("Жё\n\U0001F600");
  }
  void TheClipboardGetsLfBreaks() {
    QFETCH(QString, view);
    QFETCH(QString, clipboard);
    QCOMPARE(ClipboardString(view.toStdString()), clipboard);
  }

  void CharactersSurviveTheRoundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("cyrillic") << QStringLiteral("Съешь же ещё этих «мягких» булок — №5");
    QTest::newRow("nbsp") << QStringLiteral("10\u00A0кг");
    QTest::newRow("line and paragraph separators") << QStringLiteral("a\u2028b\u2029c");
    QTest::newRow("outside the BMP") << QStringLiteral("цена 5\u20BD \U0001F600");
    QTest::newRow("tabs and blanks") << QStringLiteral("\ta  b\t");
    QTest::newRow("trailing break") << QStringLiteral("a\r\n\r\nb\r\n");
  }
  void CharactersSurviveTheRoundTrip() {
    QFETCH(QString, text);
    const text::Text core = ToText(text);
    // Through a real view and back: nothing is replaced, not even a non-breaking space.
    TextView view;
    view.Load(text::ToUtf8(core));
    QCOMPARE(ViewText(view), core);
    QCOMPARE(ToQString(core), text);
  }

  // An input method is told about the caret's line, in characters, not about the text
  // around it up to the nearest empty lines (the whole text of a list without any).
  void AnInputMethodSeesTheCaretsLine() {
    TextView view;
    view.Load("первая\r\nвто\xF0\x9F\x98\x80рая\r\nтретья");
    // From after "вт" to after the emoji, in bytes: the line starts at byte 14.
    view.SendScintilla(TextView::SCI_SETSEL, 18UL, 24L);
    const QWidget& widget = view;  // as Qt asks, through the widget
    QCOMPARE(widget.inputMethodQuery(Qt::ImSurroundingText).toString(), QStringLiteral("вто\U0001F600рая"));
    QCOMPARE(widget.inputMethodQuery(Qt::ImAnchorPosition).toInt(), 2);
    // After "вто" and the emoji: the emoji takes two places in a Qt string.
    QCOMPARE(widget.inputMethodQuery(Qt::ImCursorPosition).toInt(), 5);
  }

  void CodePointsAreWhole() {
    const text::Text core = ToText(QStringLiteral("\U0001F600"));
    QCOMPARE(core.size(), std::size_t{1});
    QCOMPARE(static_cast<quint32>(core[0]), 0x1F600u);
  }
};

const bool kRegistered = RegisterTest([] { return std::make_unique<ViewTextTest>(); });

}  // namespace
}  // namespace skorlin::app::testing

#include "view_text_test.moc"
