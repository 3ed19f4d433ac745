// What a user waits for in the window (offscreen): the time from a command's click to its
// statistics shown, for every line command on a large list and for the rebuild of the
// formatted and the HTML view from a large text.
//
//   window_commands --list FILE --prose FILE [--runs N] [--only NAME,...]
//
// Prints one line per measurement, tab-separated: "name<TAB>milliseconds<TAB>runs" with
// the median of the runs, or "name<TAB>-<TAB>reason" for a command the window does not
// offer yet. Loading the file into the input view is not timed; the command starts from
// the menu item (its action is triggered, as a click does) and ends when the pending
// events, the repaint of the views and of the statistics panel among them, are processed.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "app/error_box.h"
#include "app/main_window.h"

namespace {

using skorlin::app::TfmMain;

// A window over a temporary settings folder, shown, whose errors are collected.
struct Window {
  QTemporaryDir dir;
  std::unique_ptr<TfmMain> window;
  QPlainTextEdit* input = nullptr;
  QTabWidget* tabs = nullptr;
  QStringList errors;

  Window() {
    skorlin::app::SetErrorReporter([this](const QString& message) { errors.append(message); });
    skorlin::app::WindowEnvironment environment{dir.path() + "/program", dir.path() + "/config", {}};
    window = std::make_unique<TfmMain>(environment);
    window->resize(1000, 700);
    window->show();
    input = window->findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"));
    tabs = window->findChild<QTabWidget*>(QStringLiteral("PageControl"));
    QApplication::processEvents();
  }
  ~Window() { skorlin::app::SetErrorReporter({}); }
};

QString ReadUtf8(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "window_commands: cannot read %s\n", qPrintable(path));
    std::exit(2);
  }
  return QString::fromUtf8(file.readAll());
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// What one measurement does: the setup (not timed) and the click (timed).
struct Measurement {
  const char* name;    // what the report calls it
  const char* action;  // the menu item's object name; nullptr for a tab rebuild or the load
  int tab;             // the tab selected before the click (or selected by it); -1: the load
  bool prose;          // runs on the prose text rather than on the list
};

const Measurement kMeasurements[] = {
    // For reference: what the input view itself costs to fill with the list (setPlainText
    // and the statistics of the change event), the floor under every command that writes
    // the view back.
    {"loading the list into the input view (reference)", nullptr, -1, false},
    {"trim (Обрезать пробелы)", "mmDelSpaces", 0, false},
    {"collapse-spaces (Удалить двойные пробелы)", "mmDelDSpaces", 0, false},
    {"delete-empty (Удалить пустые строки)", "mmDelEmpty", 0, false},
    {"dedupe (Удалить дубли)", "mmDelDouble", 0, false},
    {"delete-repeated (Удалить все дубли)", "pmDelAllDouble", 0, false},
    {"delete-unique (Удалить уникальные)", "mmDelUnik", 0, false},
    {"sort (Сортировать)", "mmSort", 0, false},
    {"sort-mirror (Сортировать зеркальные)", "N4", 0, false},
    {"sort-length (Сортировать по длине)", "N16", 0, false},
    {"shuffle (Перемешать)", "mmShuffle", 0, false},
    {"invert (Инвертировать)", "N18", 0, false},
    {"split-paragraphs (Разбить абзацы)", "N14", 0, true},
    {"formatted view rebuild", nullptr, 1, true},
    {"HTML view rebuild", nullptr, 2, true},
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  QString listPath, prosePath;
  QStringList only;
  int runs = 3;
  const QStringList args = QApplication::arguments();
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
  if (listPath.isEmpty() || prosePath.isEmpty()) {
    std::fprintf(stderr, "usage: window_commands --list FILE --prose FILE [--runs N] [--only ACTION,...]\n");
    return 2;
  }
  const QString list = ReadUtf8(listPath);
  const QString prose = ReadUtf8(prosePath);

  Window w;
  for (const Measurement& m : kMeasurements) {
    const QString key = QLatin1String(m.action     ? m.action
                                      : m.tab == 1 ? "formatted"
                                      : m.tab == 2 ? "html"
                                                   : "load");
    if (!only.isEmpty() && !only.contains(key)) continue;
    QAction* action = m.action ? w.window->findChild<QAction*>(QLatin1String(m.action)) : nullptr;
    if (m.action && (!action || !action->isEnabled())) {
      std::printf("%s\t-\tthe window does not offer this command yet\n", m.name);
      std::fflush(stdout);
      continue;
    }
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
      // Setup: the input view holds the file, the tab the command starts from is selected.
      w.tabs->setCurrentIndex(0);
      if (m.tab < 0) {
        w.input->clear();
      } else {
        w.input->setPlainText(m.prose ? prose : list);
      }
      // A rebuild that finds its view already holding the result skips writing it; the
      // user's case is a changed input, so the derived view starts empty.
      if (!m.action && m.tab > 0) {
        w.window->findChild<QPlainTextEdit*>(m.tab == 1 ? "RichEdit2" : "RichEdit3")->clear();
      }
      if (m.action) w.tabs->setCurrentIndex(m.tab);
      QApplication::processEvents();
      w.errors.clear();

      QElapsedTimer timer;
      timer.start();
      if (action) {
        action->trigger();
      } else if (m.tab < 0) {
        w.input->setPlainText(list);
      } else {
        w.tabs->setCurrentIndex(m.tab);
      }
      QApplication::processEvents();
      times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);

      if (!w.errors.isEmpty()) {
        std::fprintf(stderr, "window_commands: %s: %s\n", m.name, qPrintable(w.errors.join("; ")));
      }
    }
    // QString::number, not printf: the application has set the user's locale, whose
    // decimal separator may be a comma.
    std::printf("%s\t%s\t%d\n", m.name, qPrintable(QString::number(Median(times), 'f', 1)), runs);
    std::fflush(stdout);
  }
  return 0;
}
