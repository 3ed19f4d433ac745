// SPDX-License-Identifier: GPL-3.0-or-later
// The window's line, URL and name commands started from their real menu items: each
// gives the core's result in the view its tab rule names, its captions in the title bar
// (with the hourglass up while they show), one recount of the statistics, nothing changed
// on the settings tab, and one undo step that Ctrl+Z takes back.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <functional>
#include <map>
#include <string>

#include "app/text_view.h"
#include "app/view_text.h"
#include "cli/command.h"
#include "commands/command_table.h"
#include "lines/collation.h"
#include "lines/duplicates.h"
#include "lines/ordering.h"
#include "lines/paragraphs.h"
#include "lines/whitespace.h"
#include "names/name_commands.h"
#include "stats/labels.h"
#include "stats/text_stats.h"
#include "test_classes.h"
#include "text/line_list.h"
#include "urls/cut_urls.h"
#include "urls/http_prefix.h"
#include "urls/keep_urls.h"
#include "urls/url_captions.h"
#include "window_harness.h"

namespace skorlin::app::testing {
namespace {

using lines::View;
using text::CommandResult;

// What happened while one command ran: the titles it wrote, whether the hourglass was up
// at each of them, and the recounts of the statistics panel.
class Recorder {
 public:
  explicit Recorder(TfmMain* window) {
    title_ = QObject::connect(window, &QWidget::windowTitleChanged, [this](const QString& title) {
      titles << title;
      const QCursor* cursor = QApplication::overrideCursor();
      if (!cursor || cursor->shape() != Qt::WaitCursor) ++captionsWithoutHourglass;
    });
    stats_ = QObject::connect(window, &TfmMain::StatisticsRefreshed,
                              [this](QObject* sender) { recounted << sender; });
  }
  ~Recorder() {
    QObject::disconnect(title_);
    QObject::disconnect(stats_);
  }
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  QStringList titles;
  int captionsWithoutHourglass = 0;
  QList<QObject*> recounted;

 private:
  QMetaObject::Connection title_;
  QMetaObject::Connection stats_;
};

// Starts a command from its menu item, as a click does, and waits for it to end.
bool Trigger(const WindowHarness& h, const char* action) {
  QAction* item = h.Action(action);
  if (!item || !item->isEnabled()) return false;
  item->trigger();
  return h.WaitForCommand();
}

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }
QString Lines(std::initializer_list<const char*> lines) {
  QStringList out;
  for (const char* line : lines) out << QString::fromUtf8(line);
  return out.join(u'\n');
}

// The count label lbStr for a text, as the panel shows it.
QString LineCountLabel(std::string_view t) {
  return ToQString(stats::RebuildLabels(stats::CountTextStats(t)).lbStr);
}

// Presses a key combination in a view, as the user does.
// A view's text byte for byte, line breaks as it holds them.
QString Bytes(const TextView* view) {
  return QString::fromUtf8(view->Utf8().data(), qsizetype(view->Utf8().size()));
}

void Press(TextView* view, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  view->setFocus();
  QTest::keyClick(view, key, modifiers);
}

const lines::LineCollator& Collator() {
  static const lines::LineCollator collator;
  return collator;
}

// The commands of the active view, with what the core makes of a view's text.
using ActiveCommand = std::function<CommandResult(std::string_view, View)>;
const std::map<QString, ActiveCommand>& ActiveCommands() {
  static const std::map<QString, ActiveCommand> commands = {
      {"mmDelSpaces", [](std::string_view t, View) { return lines::TrimLineBlanks(t); }},
      {"pmDelSpaces", [](std::string_view t, View) { return lines::TrimLineBlanks(t); }},
      {"mmDelEmpty", [](std::string_view t, View) { return Joined(lines::DeleteEmptyLines(t)); }},
      {"pmDelEmpty", [](std::string_view t, View) { return Joined(lines::DeleteEmptyLines(t)); }},
      {"mmDelDSpaces", [](std::string_view t, View) { return lines::DeleteDoubleSpaces(t); }},
      {"mmDelDouble", [](std::string_view t, View) { return Joined(lines::DeleteDuplicateLines(t)); }},
      {"pmDelDouble", [](std::string_view t, View) { return Joined(lines::DeleteDuplicateLines(t)); }},
      {"pmDelAllDouble", [](std::string_view t, View) { return Joined(lines::DeleteAllDuplicateLines(t)); }},
      {"mmDelUnik", [](std::string_view t, View v) { return Joined(lines::DeleteUniqueLines(t, v)); }},
      {"mmSort", [](std::string_view t, View) { return Joined(lines::SortLines(t, Collator())); }},
      {"pmSort", [](std::string_view t, View) { return Joined(lines::SortLines(t, Collator())); }},
      {"N4", [](std::string_view t, View) { return Joined(lines::MirrorSortLines(t, Collator())); }},
  };
  return commands;
}

// A text every active-view command changes: blanks at the ends, empty lines, a double
// space, repeated and unique lines, an unsorted order.
const QString kMixed = Lines({" b", "а", "", "b", "Б  x", "а", "", "c\t", "Ав"});
const QString kEndsWithBreak = Lines({"x", "  y  ", "x", "z", "", "z", "x", "", ""});
// Lines whose first and last characters share bytes with their neighbours' (Ж, Ё, Ш and
// Ы begin with the same byte in UTF-8): a result written back byte by byte where it
// differs must not split a character, nor a CR LF.
const QString kSharedBytes = Lines({"Жук  Ё", "Ёж", "Шы ", "Жук  Ё", "Ыш", "", "Ёж"});

class WindowCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void ActiveViewCommandsChangeTheSelectedView_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("text");
    for (const auto& [action, command] : ActiveCommands()) {
      // A text that ends with a line break, whose last lines go together.
      QTest::newRow(qPrintable(action + " final break")) << action << 0 << kEndsWithBreak;
      QTest::newRow(qPrintable(action + " shared bytes")) << action << 1 << kSharedBytes;
      for (int tab : {0, 1, 2})
        QTest::newRow(qPrintable(action + " tab " + QString::number(tab))) << action << tab << kMixed;
    }
  }
  void ActiveViewCommandsChangeTheSelectedView() {
    QFETCH(QString, action);
    QFETCH(int, tab);
    QFETCH(QString, text);
    WindowHarness h;
    h.Open();
    // The derived views hold their rebuild of the input, then the text under test.
    h.SetText(0, tab == 0 ? text : QStringLiteral("Ввод"));
    h.SelectTab(2);
    h.SelectTab(1);
    h.SelectTab(tab);
    TextView* view = h.View(tab);
    if (tab != 0) h.SetText(view, text);
    const QString others[3] = {h.Text(0), h.Text(1), h.Text(2)};
    const QString before = WindowHarness::Text(view);
    const View kind = tab == 0 ? View::kInput : tab == 1 ? View::kFormatted : View::kHtml;
    const CommandResult expected = ActiveCommands().at(action)(view->Utf8(), kind);
    const QString title = h.window->windowTitle();

    Recorder recorder(h.window.get());
    QVERIFY(Trigger(h, qPrintable(action)));

    QCOMPARE(Bytes(view), Q(expected.text));
    for (int other = 0; other < 3; ++other) {
      if (other != tab) QCOMPARE(h.Text(other), others[other]);
    }
    QCOMPARE(h.window->windowTitle(), expected.caption.empty() ? title : Q(expected.caption));
    QCOMPARE(recorder.captionsWithoutHourglass, 0);
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(recorder.recounted, QList<QObject*>{view});
    QCOMPARE(h.Label("lbStr"), LineCountLabel(expected.text));

    // One undo step takes the command back, and redo brings it again.
    Press(view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(WindowHarness::Text(view), before);
    Press(view, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(Bytes(view), Q(expected.text));
    Press(view, Qt::Key_Z, Qt::ControlModifier);
    Press(view, Qt::Key_Z, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(Bytes(view), Q(expected.text));
  }

  // On the settings tab the commands of the active view change no view and recount
  // nothing, but still leave their final caption, with the counter 0.
  void SettingsTabChangesNothingButShowsTheCaption_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("caption");
    const std::pair<const char*, const char*> rows[] = {
        {"mmDelSpaces", "Пробелы: 100% 0"},
        {"pmDelEmpty", "Пустые: 100% 0"},
        {"mmDelDSpaces", "Дв. пробелы: 100% 0"},
        {"pmDelDouble", "Дубли: 100% 0..."},
        {"pmDelAllDouble", "Все дубли: 100% 0..."},
        {"mmDelUnik", "Уник: 100% 0..."},
        {"N4", "Зерк. сорт. 100%"},
        {"mmShuffle", "Мешаем: 100%"},
        {"pmSort", "Skorlin"},
    };
    for (const auto& [action, caption] : rows) QTest::newRow(action) << action << QString::fromUtf8(caption);
  }
  void SettingsTabChangesNothingButShowsTheCaption() {
    QFETCH(QString, action);
    QFETCH(QString, caption);
    WindowHarness h;
    h.Open();
    h.SetText(0, kMixed);
    h.SelectTab(1);
    h.SelectTab(2);
    h.SelectTab(3);
    const QString views[3] = {h.Text(0), h.Text(1), h.Text(2)};
    Recorder recorder(h.window.get());
    QVERIFY(Trigger(h, qPrintable(action)));
    for (int i = 0; i < 3; ++i) QCOMPARE(h.Text(i), views[i]);
    QCOMPARE(h.window->windowTitle(), caption);
    QVERIFY(recorder.recounted.isEmpty());
    QVERIFY(!QApplication::overrideCursor());
  }

  // Progress captions are written while the command runs, under the hourglass, before
  // the final one; the title keeps the final caption.
  void ProgressCaptionsShowWhileTheCommandRuns() {
    WindowHarness h;
    h.Open();
    QStringList lines;
    for (int i = 0; i < 301; ++i) lines << (i % 2 ? QStringLiteral(" x") : QStringLiteral("y"));
    h.SetText(0, lines.join(u'\n'));
    {
      Recorder recorder(h.window.get());
      QVERIFY(Trigger(h, "mmDelSpaces"));
      QCOMPARE(recorder.titles,
               (QStringList{"Пробелы: 0% 0", "Пробелы: 33% 50", "Пробелы: 67% 100", "Пробелы: 100% 150"}));
      QCOMPARE(recorder.captionsWithoutHourglass, 0);
    }
    {
      h.SetText(0, Lines({"b", "a", "b", "A", "a", "b"}));
      Recorder recorder(h.window.get());
      QVERIFY(Trigger(h, "pmDelDouble"));
      QCOMPARE(recorder.titles.value(0), QStringLiteral("Дубли: 0%"));
      QCOMPARE(recorder.titles.value(1), QStringLiteral("Дубли: 0%0"));
      QCOMPARE(recorder.titles.last(), QStringLiteral("Дубли: 100% 3..."));
      QCOMPARE(h.Text(0), Lines({"b", "a", "A", ""}));
      QCOMPARE(recorder.captionsWithoutHourglass, 0);
    }
  }

  // A command that changes no line leaves the view exactly as it was: no line break is
  // added at its end and no undo step is made, but the statistics are still recounted.
  void UnchangedLinesLeaveTheViewAlone() {
    WindowHarness h;
    h.Open();
    h.SetText(0, Lines({"a", "b"}));
    QVERIFY(!h.View(0)->isUndoAvailable());
    Recorder recorder(h.window.get());
    QVERIFY(Trigger(h, "mmDelDSpaces"));
    QCOMPARE(h.Text(0), Lines({"a", "b"}));
    QVERIFY(!h.View(0)->isUndoAvailable());
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Дв. пробелы: 100% 0"));
    QCOMPARE(recorder.recounted, QList<QObject*>{h.View(0)});
  }

  // Undo takes back only the command: what was typed before it stays, and a rebuilt
  // derived view has nothing to undo.
  void UndoRestoresTheTextTypedBeforeTheCommand() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("в\nа"));
    h.View(0)->SendScintilla(TextView::SCI_DOCUMENTEND);
    QTest::keyClick(h.View(0), Qt::Key_Return);
    WindowHarness::Type(h.View(0), QStringLiteral("б"));
    const QString typed = h.Text(0);
    QVERIFY(Trigger(h, "mmSort"));
    QCOMPARE(h.Text(0), QStringLiteral("а\nб\nв\n"));
    Press(h.View(0), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(h.Text(0), typed);

    h.SelectTab(1);
    QVERIFY(!h.View(1)->isUndoAvailable());
  }

  // The undo history keeps every command's step while they fit its budget; beyond it the
  // older steps go, and the last command can still be undone.
  void TheUndoHistoryKeepsStepsWithinItsBudget_data() {
    QTest::addColumn<qulonglong>("budget");
    QTest::addColumn<int>("steps");
    QTest::newRow("room for both") << qulonglong(TextView::kUndoBudget) << 2;
    QTest::newRow("room for one") << qulonglong(50) << 1;
  }
  void TheUndoHistoryKeepsStepsWithinItsBudget() {
    QFETCH(qulonglong, budget);
    QFETCH(int, steps);
    WindowHarness h;
    h.Open();
    TextView* view = h.View(0);
    view->SetUndoBudget(budget);
    const QString input = Lines({"в", "бб", "ааа", "г"});
    h.SetText(view, input);
    QVERIFY(Trigger(h, "mmSort"));
    const QString sorted = h.Text(0);
    QVERIFY(Trigger(h, "N18"));
    QVERIFY(h.Text(0) != sorted);
    Press(view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(h.Text(0), sorted);
    QCOMPARE(view->isUndoAvailable(), steps == 2);
    Press(view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(h.Text(0), steps == 2 ? input : sorted);
  }

  void ShuffleKeepsTheLinesOfTheActiveView_data() {
    QTest::addColumn<int>("tab");
    QTest::newRow("input") << 0;
    QTest::newRow("formatted") << 1;
  }
  void ShuffleKeepsTheLinesOfTheActiveView() {
    QFETCH(int, tab);
    WindowHarness h;
    h.Open();
    QStringList lines;
    for (int i = 0; i < 200; ++i) lines << QStringLiteral("строка %1").arg(i);
    h.SetText(0, lines.join(u'\n'));
    h.SelectTab(tab);
    const QString before = h.Text(tab);
    Recorder recorder(h.window.get());
    QVERIFY(Trigger(h, "mmShuffle"));
    QStringList after = h.Text(tab).split(u'\n');
    QCOMPARE(after.takeLast(), QString());
    QVERIFY(after != lines);
    std::sort(after.begin(), after.end());
    std::sort(lines.begin(), lines.end());
    QCOMPARE(after, lines);
    QCOMPARE(recorder.titles.first(), QStringLiteral("Мешаем: 0%"));
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Мешаем: 100%"));
    QCOMPARE(recorder.recounted, QList<QObject*>{h.View(tab)});
    Press(h.View(tab), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(h.Text(tab), before);
  }

  // While a command runs the views take no typing and its menu items wait; Esc then drops
  // the command's result, leaves the view and the title as they were, and closes nothing.
  void EscCancelsTheCommandAtWork() {
    WindowHarness h;
    h.Open();
    const QString input = Lines({"в", "б", "а"});
    h.SetText(0, input);
    const QString title = h.window->windowTitle();
    for (const bool cancel : {false, true}) {
      h.Action("mmSort")->trigger();
      QVERIFY(h.window->CommandRunning());
      QVERIFY(!h.Action("mmSort")->isEnabled());
      QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
      Press(h.View(0), Qt::Key_X, Qt::NoModifier);
      if (cancel) Press(h.View(0), Qt::Key_Escape, Qt::NoModifier);
      QVERIFY(h.WaitForCommand());
      QCOMPARE(h.Text(0), cancel ? input : Lines({"а", "б", "в", ""}));
      QCOMPARE(h.window->windowTitle(), title);
      QVERIFY(h.Action("mmSort")->isEnabled());
      QVERIFY(!QApplication::overrideCursor());
      QVERIFY(h.window->isVisible());
      // Only the sort is there to undo.
      Press(h.View(0), Qt::Key_Z, Qt::ControlModifier);
      QCOMPARE(h.Text(0), input);
      QVERIFY(!h.View(0)->isUndoAvailable());
    }
  }

  // Each command of the core's table has a menu item in the window and a command in
  // skorlin-cli, and both give the same text (the commands with a generator, the clipboard
  // or the declension library are compared with the core in the tests above).
  void EveryTableCommandIsReachableFromBothFrontEnds() {
    WindowHarness h;
    h.Open();
    const QString input =
        Lines({" b  c", "http://host/dir/page.html", "", "а", "host/x", "Б", "а", "Иванов  Иван Иванович"});
    for (const commands::CoreCommand& row : commands::CoreCommands()) {
      const QString id = QString::number(static_cast<int>(row.id));
      QAction* item = nullptr;
      for (QAction* action : h.window->findChildren<QAction*>()) {
        if (!item && MenuCommandOf(action->objectName()) == row.id) item = action;
      }
      const cli::CommandSpec* command = nullptr;
      for (const cli::CommandSpec* candidate : cli::Commands()) {
        if (!command && candidate->command == row.id) command = candidate;
      }
      QVERIFY2(item, qPrintable("no menu item runs command " + id));
      QVERIFY2(command, qPrintable("no skorlin-cli command runs command " + id));
      if ((row.needs & (commands::kRandom | commands::kClipboard | commands::kDeclension)) != 0) continue;
      h.SetText(0, input);
      const std::string text(h.View(0)->Utf8());
      cli::Invocation invocation;
      invocation.text = text;
      const CommandResult expected = text::Joined(command->run(invocation));
      QVERIFY(Trigger(h, qPrintable(item->objectName())));
      QCOMPARE(Bytes(h.View(0)), Q(expected.changed ? expected.text : text));
    }
  }

  // Sort by length, invert and the paragraph splitting change the input view, whatever
  // tab is shown, and write no caption.
  void InputViewLineCommandsIgnoreTheTab_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("tab");
    for (const char* action : {"N16", "N18", "N14"}) {
      for (int tab : {0, 1, 3})
        QTest::newRow(qPrintable(QString("%1 tab %2").arg(action).arg(tab))) << action << tab;
    }
  }
  void InputViewLineCommandsIgnoreTheTab() {
    QFETCH(QString, action);
    QFETCH(int, tab);
    WindowHarness h;
    h.Open();
    // With both lengths 10 every break falls at the first sentence mark from position 10.
    h.Find<QLineEdit>("edAbzMin")->setText(QStringLiteral("10"));
    h.Find<QLineEdit>("edAbzMax")->setText(QStringLiteral("10"));
    const QString input = Lines({"ccc", "Aaaa bbbb. Cccc dddd. Eeee.", "a", "bb"});
    h.SetText(0, input);
    h.SelectTab(1);
    h.SelectTab(tab);
    const QString formatted = h.Text(1);
    const std::string text(h.View(0)->Utf8());
    lines::RandomGenerator random;
    const std::string expected = action == "N16"   ? Joined(lines::SortLinesByLength(text)).text
                                 : action == "N18" ? Joined(lines::InvertLines(text)).text
                                                   : lines::SplitParagraphs(text, 10, 10, random).text;
    const QString title = h.window->windowTitle();
    Recorder recorder(h.window.get());
    QVERIFY(Trigger(h, qPrintable(action)));
    QCOMPARE(Bytes(h.View(0)), Q(expected));
    QCOMPARE(h.Text(1), formatted);
    QCOMPARE(h.window->windowTitle(), title);
    QCOMPARE(recorder.recounted, QList<QObject*>{h.View(0)});
    Press(h.View(0), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(h.Text(0), input);
  }

  void ParagraphSplittingReadsTheSettingsFields() {
    WindowHarness h;
    h.Open();
    h.Find<QLineEdit>("edAbzMin")->setText(QStringLiteral("10"));
    h.Find<QLineEdit>("edAbzMax")->setText(QStringLiteral("10"));
    h.SetText(0, QStringLiteral("Aaaa bbbb т.е. cc dd eeee ffff.\nкоротко."));
    QVERIFY(Trigger(h, "N14"));
    QCOMPARE(h.Text(0), QStringLiteral("Aaaa bbbb т.е.\ncc dd eeee ffff.\n\nкоротко.\n"));
    // Texts that are not numbers fall back to 250 and 400: a short line stays whole.
    h.Find<QLineEdit>("edAbzMin")->setText(QStringLiteral("мало"));
    h.Find<QLineEdit>("edAbzMax")->setText(QString());
    h.SetText(0, QStringLiteral("Aaaa bbbb. Cccc dddd. Eeee."));
    QVERIFY(Trigger(h, "N14"));
    QCOMPARE(h.Text(0), QStringLiteral("Aaaa bbbb. Cccc dddd. Eeee."));
  }

  // The URL commands rewrite the input view from any tab and end with their caption.
  void UrlCommandsChangeOnlyTheInputView_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("tab");
    for (const char* action : {"mmSaveURLs", "N6", "N7", "N8", "http1", "http2"}) {
      for (int tab : {0, 2, 3})
        QTest::newRow(qPrintable(QString("%1 tab %2").arg(action).arg(tab))) << action << tab;
    }
  }
  void UrlCommandsChangeOnlyTheInputView() {
    QFETCH(QString, action);
    QFETCH(int, tab);
    using UrlCommand = CommandResult (*)(std::string_view);
    const std::map<QString, UrlCommand> commands = {
        {"mmSaveURLs", urls::KeepUrls}, {"N6", urls::KeepDomain}, {"N7", urls::KeepDomainWithFolder},
        {"N8", urls::KeepFileName},     {"http1", urls::AddHttp}, {"http2", urls::RemoveHttp},
    };
    WindowHarness h;
    h.Open();
    const QString input =
        Lines({"http://host/dir/page.html", "host/dir/file.txt", "", "см. ftp://host2 и HTTP://Host/a"});
    h.SetText(0, input);
    h.SelectTab(2);
    h.SelectTab(tab);
    const QString html = h.Text(2);
    const CommandResult expected = Joined(commands.at(action)(h.View(0)->Utf8()));
    QVERIFY(expected.changed);
    Recorder recorder(h.window.get());
    QVERIFY(Trigger(h, qPrintable(action)));
    QCOMPARE(Bytes(h.View(0)), Q(expected.text));
    QCOMPARE(h.Text(2), html);
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Готово."));
    QCOMPARE(recorder.captionsWithoutHourglass, 0);
    QCOMPARE(recorder.recounted, QList<QObject*>{h.View(0)});
    Press(h.View(0), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(h.Text(0), input);
  }

  void KeepUrlsWithoutUrlsChangesNothing() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("нет адресов, https://host3 и HTTP://x"));
    Recorder recorder(h.window.get());
    QVERIFY(Trigger(h, "mmSaveURLs"));
    QCOMPARE(h.Text(0), QStringLiteral("нет адресов, https://host3 и HTTP://x"));
    QCOMPARE(h.window->windowTitle(), QStringLiteral("URLs не найдены"));
    QVERIFY(recorder.recounted.isEmpty());
    QVERIFY(!h.View(0)->isUndoAvailable());
  }

  // The two insert commands take the other half of each link from the clipboard.
  void InsertCommandsReadTheClipboard() {
    WindowHarness h;
    h.Open();
    h.SetText(0, Lines({"A", "", "B", "C"}));
    h.SelectTab(1);
    QApplication::clipboard()->setText(QStringLiteral("u1\nu2"));
    QVERIFY(Trigger(h, "mmInsURLs"));
    QCOMPARE(h.Text(0),
             Lines({"<a href=\"u1\">A</a>", "", "<a href=\"u2\">B</a>", "<a href=\"u1\">C</a>", ""}));
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Готово."));

    h.SetText(0, Lines({"http://host/a", "   ", "http://host/b"}));
    QApplication::clipboard()->setText(QStringLiteral("Текст"));
    QVERIFY(Trigger(h, "mmInsAnk"));
    QCOMPARE(h.Text(0), Lines({"<a href=\"http://host/a\">Текст</a>", "   ",
                               "<a href=\"http://host/b\">Текст</a>", ""}));
    Press(h.View(0), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(h.Text(0), Lines({"http://host/a", "   ", "http://host/b"}));

    // An empty clipboard leaves the view as it was and says so.
    QApplication::clipboard()->clear();
    h.window->setWindowTitle(QStringLiteral("Skorlin"));
    QVERIFY(Trigger(h, "mmInsURLs"));
    QCOMPARE(h.Text(0), Lines({"http://host/a", "   ", "http://host/b"}));
    QCOMPARE(h.window->windowTitle(), QString::fromUtf8(urls::kEmptyClipboardCaption));
  }

  // The two name commands that need no library, from any tab.
  void NameCommandsWithoutTheLibrary() {
    WindowHarness h;
    h.Open();
    const QString input =
        Lines({" Иванов   Иван  Иванович ", "Иванова (Петрова) Мария Ивановна", "Иванов", ""});
    h.SetText(0, input);
    h.SelectTab(1);
    const QString formatted = h.Text(1);
    QVERIFY(Trigger(h, "N10"));
    QCOMPARE(h.Text(0), Lines({"Иванов И.И.", "Иванова (Петрова) М.И.", "Иванов ..", ""}));
    QCOMPARE(h.Text(1), formatted);
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Готово."));
    Press(h.View(0), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(h.Text(0), input);
    h.SelectTab(3);
    QVERIFY(Trigger(h, "N13"));
    QCOMPARE(h.Text(0), Lines({"Иван Иванович", "Мария Ивановна", "", ""}));
  }

  // Declension and salutation through the library beside the program.
  void NameCommandsWithTheLibrary() {
#ifdef SKORLIN_FLEKS_PATH
    WindowHarness h;
    QVERIFY(QFile::copy(QStringLiteral(SKORLIN_FLEKS_PATH), h.ProgramDir() + "libfleks.so"));
    h.Open();
    const QString input = Lines({"Иванов Иван Иванович", "  Петрова  Мария   Ивановна "});
    h.SetText(0, input);
    h.SelectTab(2);
    Recorder recorder(h.window.get());
    QVERIFY(Trigger(h, "N12"));
    QCOMPARE(h.Text(0), Lines({"Иванову Ивану Ивановичу", "Петровой Марии Ивановне", ""}));
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Готово."));
    QCOMPARE(recorder.recounted, QList<QObject*>{h.View(0)});
    QCOMPARE(recorder.captionsWithoutHourglass, 0);
    Press(h.View(0), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(h.Text(0), input);
    QVERIFY(Trigger(h, "N15"));
    QCOMPARE(h.Text(0), Lines({"Уважаемый Иван Иванович", "Уважаемая Мария Ивановна", ""}));
    QVERIFY(h.errors.isEmpty());
#else
    QSKIP("the declension library is not built");
#endif
  }

  // A library error at a line: the view keeps its whole text and its undo history (a list
  // half rewritten could not simply be run again), the caption is not "Готово.", and the
  // error box names the line once the hourglass is gone.
  void NameCommandErrorKeepsTheText() {
#ifdef SKORLIN_FLEKS_STUB_ECHO
    WindowHarness h;
    QVERIFY(QFile::copy(QStringLiteral(SKORLIN_FLEKS_STUB_ECHO), h.ProgramDir() + "libfleks.so"));
    h.Open();
    bool hourglassAtError = false;
    const ErrorReporter previous = SetErrorReporter([&](const QString& message) {
      h.errors << message;
      hourglassAtError = QApplication::overrideCursor() != nullptr;
    });
    const QString input = Lines({"Иванов Иван", "Ошибка!", "Петров Пётр"});
    h.SetText(0, input);
    h.View(0)->setFocus();
    h.View(0)->SendScintilla(TextView::SCI_DOCUMENTEND);
    WindowHarness::Type(h.View(0), QStringLiteral("!"));
    h.window->setWindowTitle(QStringLiteral("Skorlin"));
    Recorder recorder(h.window.get());
    QVERIFY(Trigger(h, "N12"));
    SetErrorReporter(previous);
    QCOMPARE(h.Text(0), input + "!");
    QCOMPARE(h.errors, QStringList{"Недопустимое значение рода (line 2)"});
    QVERIFY(!hourglassAtError);
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Skorlin"));
    QVERIFY(recorder.recounted.isEmpty());
    // The one step to undo is the typing.
    Press(h.View(0), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(h.Text(0), input);
    QVERIFY(!h.View(0)->isUndoAvailable());
#else
    QSKIP("the stand-in libraries are not built");
#endif
  }

  // Without the library the command changes nothing and says where it looked.
  void NameCommandWithoutTheLibraryChangesNothingAndSaysSo() {
    WindowHarness h;
    h.Open();
    h.SetText(0, QStringLiteral("Иванов Иван Иванович"));
    QVERIFY(Trigger(h, "N12"));
    if (h.Text(0) != QStringLiteral("Иванов Иван Иванович")) {
      QSKIP("a declension library is installed where the system finds it");
    }
    QCOMPARE(h.errors.size(), 1);
    QVERIFY2(h.errors.front().startsWith(
                 QStringLiteral("Cannot load the declension library libfleks.so; looked for ") +
                 h.ProgramDir() + "libfleks.so"),
             qPrintable(h.errors.front()));
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Skorlin"));
    QVERIFY(!h.View(0)->isUndoAvailable());
  }
};

const bool kRegistered = RegisterTest([] { return std::make_unique<WindowCommandsTest>(); });

}  // namespace
}  // namespace skorlin::app::testing

#include "window_commands_test.moc"
