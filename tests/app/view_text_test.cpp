// Text travels between the views and the core without losing a character.
#include "app/view_text.h"

#include <QPlainTextEdit>
#include <QTest>

#include "test_classes.h"
#include "text/text.h"

namespace skorlin::app::testing {
namespace {

class ViewTextTest : public QObject {
  Q_OBJECT

 private slots:
  void LineBreaksBecomeLfInTheView_data() {
    QTest::addColumn<QString>("core");
    QTest::addColumn<QString>("view");
    QTest::newRow("crlf") << QStringLiteral("a\r\nb\r\n") << QStringLiteral("a\nb\n");
    QTest::newRow("lone cr") << QStringLiteral("a\rb") << QStringLiteral("a\nb");
    QTest::newRow("lone lf") << QStringLiteral("a\nb") << QStringLiteral("a\nb");
    QTest::newRow("lf cr is two breaks") << QStringLiteral("a\n\rb") << QStringLiteral("a\n\nb");
    QTest::newRow("cr cr lf") << QStringLiteral("a\r\r\nb") << QStringLiteral("a\n\nb");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("only a break") << QStringLiteral("\r\n") << QStringLiteral("\n");
  }
  void LineBreaksBecomeLfInTheView() {
    QFETCH(QString, core);
    QFETCH(QString, view);
    QCOMPARE(TextToViewString(ToText(core)), view);
  }

  void ViewLinesBecomeCrLf() {
    QCOMPARE(ToQString(ViewStringToText(u"a\nb\n")), QStringLiteral("a\r\nb\r\n"));
    // The text document separates its blocks with U+2029.
    QCOMPARE(ToQString(ViewStringToText(u"a\u2029b")), QStringLiteral("a\r\nb"));
  }

  void CharactersSurviveTheRoundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("cyrillic") << QStringLiteral("Съешь же ещё этих «мягких» булок — №5");
    QTest::newRow("nbsp") << QStringLiteral("10\u00A0кг");
    QTest::newRow("line separator") << QStringLiteral("a\u2028b");
    QTest::newRow("outside the BMP") << QStringLiteral("цена 5\u20BD \U0001F600");
    QTest::newRow("tabs and blanks") << QStringLiteral("\ta  b\t");
    QTest::newRow("trailing break") << QStringLiteral("a\r\n\r\nb\r\n");
  }
  void CharactersSurviveTheRoundTrip() {
    QFETCH(QString, text);
    const text::Text core = ToText(text);
    // Through a real view and back: nothing is replaced, not even a non-breaking space.
    QPlainTextEdit view;
    view.setPlainText(TextToViewString(core));
    QCOMPARE(ViewText(&view), core);
    QCOMPARE(ToQString(core), text);
  }

  // The UTF-8 forms a command reads and writes agree with the Text forms, lone surrogates
  // (which a view may hold) and every kind of break included.
  void Utf8FormsAgreeWithTheTextForms_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("cyrillic and signs") << QStringLiteral("Ёж — №5 ₽ \U0001F600\u00A0");
    QTest::newRow("breaks") << QStringLiteral("a\nb\u2029c\r\nd\re\n");
    QTest::newRow("lone surrogates") << QString(QChar(0xD800)) + QStringLiteral("x") + QChar(0xDFFF);
    QTest::newRow("a surrogate at the end") << QStringLiteral("ab") + QChar(0xDBFF);
    QTest::newRow("empty") << QString();
  }
  void Utf8FormsAgreeWithTheTextForms() {
    QFETCH(QString, text);
    QCOMPARE(ViewStringToUtf8(text), text::ToUtf8(ViewStringToText(text)));
    QCOMPARE(ToUtf8(text), text::ToUtf8(ToText(text)));
    QCOMPARE(Utf8ToViewString(ToUtf8(text)), TextToViewString(ToText(text)));
    // Through a real view and back.
    QPlainTextEdit view;
    view.setPlainText(Utf8ToViewString(ToUtf8(text)));
    QCOMPARE(ViewUtf8(&view), text::ToUtf8(ViewText(&view)));
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
