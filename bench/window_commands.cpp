// SPDX-License-Identifier: GPL-3.0-or-later
// What a user waits for in the window (offscreen): the time from an action to the window
// idle again with its result and statistics shown, for opening a large list, for every line
// command on it, for a keystroke in it, for undoing a command, and for the rebuild of the
// formatted and the HTML view from a large text.
//
//   window_commands --list FILE --prose FILE [--runs N] [--only KEY,...]
//   window_commands --list FILE --in-turn [--only KEY,...]
//
// With --in-turn the list is opened once through the menu and every measurement on it
// runs on what the one before left in the view, one run each, with nothing held beside
// the window: the peak memory of the process (printed last, "peak memory<TAB>MB") is the
// program's own.
//
// Prints one line per measurement, tab-separated: "name<TAB>milliseconds<TAB>runs<TAB>CPU
// milliseconds" with the medians of the runs (the process's CPU time tells a busy machine
// from a slow command), or "name<TAB>-<TAB>reason" for a command the window does not offer
// yet. The setup of a measurement (the list loaded into the input view, the tab
// selected) is not timed; a command starts from its menu item (its action is triggered, as
// a click does) and ends when the pending events, the repaint of the views and of the
// statistics panel among them, are processed; a keystroke ends when the statistics panel
// shows the exact counts of the text it left.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <vector>

#include "app/desktop.h"
#include "app/error_box.h"
#include "app/main_window.h"
#include "app/text_view.h"
#include "text/line_breaks.h"

namespace {

using skorlin::app::TextView;
using skorlin::app::TfmMain;

// A window over a temporary settings folder, shown, whose errors are collected and whose
// open dialog answers with the list.
struct Window {
  QTemporaryDir dir;
  std::unique_ptr<TfmMain> window;
  TextView* input = nullptr;
  QTabWidget* tabs = nullptr;
  QStringList errors;

  explicit Window(const QString& listPath) {
    skorlin::app::SetErrorReporter([this](const QString& message) { errors.append(message); });
    skorlin::app::CurrentDesktop().chooseFile = [listPath](QWidget*, skorlin::app::FileDialogKind,
                                                           const QString&) { return listPath; };
    skorlin::app::WindowEnvironment environment{dir.path() + "/program", dir.path() + "/config", {}};
    window = std::make_unique<TfmMain>(environment);
    window->resize(1000, 700);
    window->show();
    input = window->findChild<TextView*>(QStringLiteral("RichEdit1"));
    tabs = window->findChild<QTabWidget*>(QStringLiteral("PageControl"));
    QApplication::processEvents();
  }
  ~Window() { skorlin::app::SetErrorReporter({}); }
};

// A file as a view holds it: UTF-8 with CR LF line breaks.
std::string ReadForView(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "window_commands: cannot read %s\n", qPrintable(path));
    std::exit(2);
  }
  const QByteArray bytes = file.readAll();
  return skorlin::text::WithCrLfBreaks(
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// The CPU time the process has used, in milliseconds.
double CpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The peak resident memory of the process so far, in megabytes.
double PeakMemoryMb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
  }
  return 0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// What one measurement does: the setup (not timed) and the action (timed).
enum class Action {
  kMenuItem,  // the menu item named by action
  kTab,       // selecting the tab (a rebuild of a derived view)
  kKey,       // one keystroke in the input view, the caret where setup put it
  kUndo,      // Ctrl+Z in the input view after the menu item named by action
};
struct Measurement {
  const char* name;  // what the report calls it
  const char* key;   // what --only selects it by
  Action kind;
  const char* action;  // the menu item's object name
  int tab;             // the tab selected before the action (or selected by it)
  bool prose;          // runs on the prose text rather than on the list
  bool empty;          // starts from an empty input view (the list is opened)
  double caret = 0;    // where a keystroke goes: 0 the start, 1 the end of the text
  bool changesShown = true;  // "Показывать изменения" checked for a rebuild of the formatted view
  bool untilMarked = false;  // timed until the last change of the formatted view is marked
};

// In this order the list keeps lines to work on to the end when each measurement takes
// what the one before left (--in-turn).
const Measurement kMeasurements[] = {
    {"opening the list (Открыть...)", "mmOpen", Action::kMenuItem, "mmOpen", 0, false, true},
    {"trim (Обрезать пробелы)", "mmDelSpaces", Action::kMenuItem, "mmDelSpaces", 0, false, false},
    {"collapse-spaces (Удалить двойные пробелы)", "mmDelDSpaces", Action::kMenuItem, "mmDelDSpaces", 0, false,
     false},
    {"delete-empty (Удалить пустые строки)", "mmDelEmpty", Action::kMenuItem, "mmDelEmpty", 0, false, false},
    {"dedupe (Удалить дубли)", "mmDelDouble", Action::kMenuItem, "mmDelDouble", 0, false, false},
    {"sort (Сортировать)", "mmSort", Action::kMenuItem, "mmSort", 0, false, false},
    {"sort-mirror (Сортировать зеркальные)", "N4", Action::kMenuItem, "N4", 0, false, false},
    {"sort-length (Сортировать по длине)", "N16", Action::kMenuItem, "N16", 0, false, false},
    {"shuffle (Перемешать)", "mmShuffle", Action::kMenuItem, "mmShuffle", 0, false, false},
    {"invert (Инвертировать)", "N18", Action::kMenuItem, "N18", 0, false, false},
    {"undo of invert (Ctrl+Z)", "undo", Action::kUndo, "N18", 0, false, false},
    {"a keystroke at the end of the list, to exact statistics", "key-end", Action::kKey, nullptr, 0, false,
     false, 1},
    {"a keystroke in the middle of the list, to exact statistics", "key-middle", Action::kKey, nullptr, 0,
     false, false, 0.5},
    {"delete-repeated (Удалить все дубли)", "pmDelAllDouble", Action::kMenuItem, "pmDelAllDouble", 0, false,
     false},
    {"delete-unique (Удалить уникальные)", "mmDelUnik", Action::kMenuItem, "mmDelUnik", 0, false, false},
    {"split-paragraphs (Разбить абзацы)", "N14", Action::kMenuItem, "N14", 0, true, false},
    {"formatted view rebuild", "formatted", Action::kTab, nullptr, 1, true, false},
    {"formatted view rebuild, changes not shown", "formatted-plain", Action::kTab, nullptr, 1, true, false, 0,
     false},
    {"formatted view rebuild, every change marked", "formatted-marked", Action::kTab, nullptr, 1, true, false,
     0, true, true},
    {"HTML view rebuild", "html", Action::kTab, nullptr, 2, true, false},
};

// Puts the caret at a fraction of the text, at the start of a line.
void PlaceCaret(TextView* view, double fraction) {
  const long lines = view->SendScintilla(TextView::SCI_GETLINECOUNT);
  const long line = std::min(lines - 1, static_cast<long>(static_cast<double>(lines) * fraction));
  view->SendScintilla(TextView::SCI_GOTOLINE, line);
  view->setFocus();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  QString listPath, prosePath;
  QStringList only;
  int runs = 3;
  bool inTurn = false;
  QStringList args = QApplication::arguments();
  if (args.removeAll(QStringLiteral("--in-turn")) > 0) inTurn = true;
  for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
    if (args[i] == "--list")
      listPath = args[i + 1];
    else if (args[i] == "--prose")
      prosePath = args[i + 1];
    else if (args[i] == "--runs")
      runs = std::max(1, args[i + 1].toInt());
    else if (args[i] == "--only")
      only = args[i + 1].split(',');
  }
  if (listPath.isEmpty() || (prosePath.isEmpty() && !inTurn)) {
    std::fprintf(stderr,
                 "usage: window_commands --list FILE --prose FILE [--runs N] [--only KEY,...]\n"
                 "       window_commands --list FILE --in-turn [--only KEY,...]\n");
    return 2;
  }
  if (inTurn) runs = 1;
  const std::string list = inTurn ? std::string() : ReadForView(listPath);
  const std::string prose = inTurn ? std::string() : ReadForView(prosePath);

  Window w(listPath);
  for (const Measurement& m : kMeasurements) {
    if (!only.isEmpty() && !only.contains(QLatin1String(m.key))) continue;
    if (inTurn && m.prose) continue;
    QAction* action = m.action ? w.window->findChild<QAction*>(QLatin1String(m.action)) : nullptr;
    if (m.action && (!action || !action->isEnabled())) {
      std::printf("%s\t-\tthe window does not offer this command yet\n", m.name);
      std::fflush(stdout);
      continue;
    }
    std::vector<double> times;
    std::vector<double> cpu;
    for (int run = 0; run < runs; ++run) {
      // Setup: the input view holds the text, the tab the action starts from is selected.
      w.tabs->setCurrentIndex(0);
      w.window->findChild<QCheckBox*>("chkShowChanges")->setChecked(m.changesShown);
      if (!inTurn) {
        // As opening a file does: the text written, then counted whole.
        w.input->Load(m.empty ? std::string() : m.prose ? prose : list);
        w.window->RichEditChange(w.input);
      }
      // A rebuild that finds its view already holding the result skips writing it; the
      // user's case is a changed input, so the derived view starts empty.
      if (m.kind == Action::kTab) {
        w.window->findChild<TextView*>(m.tab == 1 ? "RichEdit2" : "RichEdit3")->Load({});
      } else {
        w.tabs->setCurrentIndex(m.tab);
      }
      if (m.kind == Action::kKey) PlaceCaret(w.input, m.caret);
      if (m.kind == Action::kUndo) {
        action->trigger();
        w.input->setFocus();
      }
      QApplication::processEvents();
      // A count of the whole text still going on (after an undo) is done before the keystroke.
      while (m.kind == Action::kKey && !w.input->LiveCounts().Known()) QApplication::processEvents();
      w.errors.clear();

      // A keystroke is timed until the statistics panel shows the counts of the new text.
      bool counted = false;
      const QMetaObject::Connection refreshed =
          QObject::connect(w.window.get(), &TfmMain::StatisticsRefreshed,
                           [&](QObject* sender) { counted |= sender == w.input; });
      QElapsedTimer timer;
      timer.start();
      const double cpuBefore = CpuMs();
      switch (m.kind) {
        case Action::kMenuItem:
          action->trigger();
          break;
        case Action::kTab:
          w.tabs->setCurrentIndex(m.tab);
          break;
        case Action::kKey:
          QTest::keyClick(w.input, Qt::Key_A);
          break;
        case Action::kUndo:
          QTest::keyClick(w.input, Qt::Key_Z, Qt::ControlModifier);
          break;
      }
      QApplication::processEvents();
      // The marks of a long text are filled a slice at a time between the window's events.
      while (m.untilMarked && w.window->findChild<QObject*>("changeFiller")) QApplication::processEvents();
      while (m.kind == Action::kKey && !counted) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
      times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
      cpu.push_back(CpuMs() - cpuBefore);
      QObject::disconnect(refreshed);

      if (!w.errors.isEmpty()) {
        std::fprintf(stderr, "window_commands: %s: %s\n", m.name, qPrintable(w.errors.join("; ")));
      }
    }
    // QString::number, not printf: the application has set the user's locale, whose
    // decimal separator may be a comma.
    std::printf("%s\t%s\t%d\t%s\n", m.name, qPrintable(QString::number(Median(times), 'f', 1)), runs,
                qPrintable(QString::number(Median(cpu), 'f', 1)));
    std::fflush(stdout);
  }
  if (inTurn) std::printf("peak memory\t%.0f\tMB\n", PeakMemoryMb());
  return 0;
}
