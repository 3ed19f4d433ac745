// SPDX-License-Identifier: GPL-3.0-or-later
// A text that comes in from outside holding a NUL (an opened or dropped file, the
// clipboard): the view holds it up to the NUL and the caption says it was cut.
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>

#include "app/desktop.h"
#include "test_classes.h"
#include "window_harness.h"

namespace skorlin::app::testing {
namespace {

// A string literal's bytes, NULs included.
template <std::size_t N>
QByteArray Bytes(const char (&literal)[N]) {
  return QByteArray(literal, static_cast<qsizetype>(N - 1));
}

enum class Source { kOpen, kDrop, kPasteButton, kPasteMenu };

// Puts bytes into the input view the way source brings them in.
void BringIn(const WindowHarness& h, Source source, const QByteArray& bytes) {
  const QString path = h.ProgramDir() + "in.txt";
  h.WriteFile(path, bytes);
  switch (source) {
    case Source::kOpen: {
      const Desktop saved = CurrentDesktop();
      CurrentDesktop().chooseFile = [path](QWidget*, FileDialogKind, const QString&) { return path; };
      h.Action("mmOpen")->trigger();
      CurrentDesktop() = saved;
      break;
    }
    case Source::kDrop:
      h.DropFiles(h.View(0)->viewport(), {path});
      break;
    case Source::kPasteButton:
    case Source::kPasteMenu: {
      QApplication::clipboard()->setText(QString::fromUtf8(bytes));
      if (source == Source::kPasteButton) {
        QTest::mouseClick(h.Find<QPushButton>("btPaste"), Qt::LeftButton);
      } else {
        h.Action("mmPaste")->trigger();
      }
      break;
    }
  }
}

class NulInputTest : public QObject {
  Q_OBJECT

 private slots:
  void TheViewEndsAtTheNulAndTheCaptionSaysSo_data() {
    QTest::addColumn<int>("source");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("caption");
    const QString cut = QStringLiteral("Текст обрезан: символ NUL в позиции ");
    const QByteArray utf8 = Bytes("Привет\r\nм\0ир\r\n");
    const QByteArray cp1251 = Bytes("\xCF\xF0\xE8\xE2\xE5\xF2\r\n\xEC\0\xE8\xF0");
    const QByteArray first = Bytes("\0abc");
    const QByteArray last = Bytes("abc\0");
    for (const auto& [source, name] : {std::pair{Source::kOpen, "open"}, std::pair{Source::kDrop, "drop"}}) {
      const int s = static_cast<int>(source);
      QTest::addRow("%s utf-8", name) << s << utf8 << QStringLiteral("Привет\nм") << cut + "10";
      QTest::addRow("%s windows-1251", name) << s << cp1251 << QStringLiteral("Привет\nм") << cut + "10";
      QTest::addRow("%s nul first", name) << s << first << QString() << cut + "1";
      QTest::addRow("%s nul last", name) << s << last << QStringLiteral("abc") << cut + "4";
      QTest::addRow("%s no nul", name)
          << s << QByteArray("abc\r\nd") << QStringLiteral("abc\nd") << QStringLiteral("Skorlin");
    }
    QTest::addRow("paste button") << static_cast<int>(Source::kPasteButton) << utf8
                                  << QStringLiteral("Привет\nм") << cut + "10";
    QTest::addRow("paste menu") << static_cast<int>(Source::kPasteMenu) << first << QString() << cut + "1";
    QTest::addRow("paste no nul") << static_cast<int>(Source::kPasteMenu) << QByteArray("abc")
                                  << QStringLiteral("abc") << QStringLiteral("Skorlin");
  }
  void TheViewEndsAtTheNulAndTheCaptionSaysSo() {
    QFETCH(int, source);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, view);
    QFETCH(QString, caption);
    WindowHarness h;
    h.Open();
    BringIn(h, static_cast<Source>(source), bytes);
    QCOMPARE(h.Text(0), view);
    QCOMPARE(h.window->windowTitle(), caption);
    QVERIFY(h.errors.isEmpty());
  }

  void TheCountsAreThoseOfTheTextShown() {
    WindowHarness h;
    h.Open();
    BringIn(h, Source::kOpen, Bytes("один два\0три четыре пять"));
    QCOMPARE(h.Text(0), QStringLiteral("один два"));
    QCOMPARE(h.Label("lbSl"), QStringLiteral("Слов: 2"));
    QCOMPARE(h.Label("lbStr"), QStringLiteral("Строк: 1"));
  }
};

const bool kRegistered = RegisterTest([] { return std::make_unique<NulInputTest>(); });

}  // namespace
}  // namespace skorlin::app::testing

#include "nul_input_test.moc"
