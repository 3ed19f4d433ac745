// SPDX-License-Identifier: GPL-3.0-or-later
// Program start: the answers to --help and --version, or the application object, the one
// main window and the message loop.
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "app/error_box.h"
#include "app/main_window.h"
#include "version_notice.h"

namespace {

// Any error that escapes an event handler reaches the error box; the program goes on.
class Application : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    bool result = false;
    skorlin::app::RunHandler([&] { result = QApplication::notify(receiver, event); });
    return result;
  }
};

// Whether an argument spells one of the option's names ("-h", "--help").
bool Spells(const QCommandLineOption& option, const QString& argument) {
  for (const QString& name : option.names()) {
    if (argument == (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name) return true;
  }
  return false;
}

// When the first argument asks for the help or the version, writes it to standard output
// and gives true: the program then ends without a window, so it needs no display. Any other
// first argument is the file to open.
bool AnswerCommandLine(int argc, char* argv[]) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Skorlin: cleans up and converts Russian text (typography, HTML, statistics and\n"
                     "price, duplicates, sorting, lists of addresses and full names). The window opens\n"
                     "FILE, when given, in its input view; skorlin-cli runs the same commands."));
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Displays this help."));
  parser.addOption(help);
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Displays the version and the licence."));
  parser.addOption(version);
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The text file to open."),
                               QStringLiteral("[FILE]"));
  if (argc < 2) return false;
  const QString first = QString::fromLocal8Bit(argv[1]);
  if (!Spells(help, first) && !Spells(version, first)) return false;
  const QCoreApplication core(argc, argv);  // the help names the program as it was started
  const std::string answer =
      Spells(help, first) ? parser.helpText().toStdString() : skorlin::VersionNotice("skorlin");
  std::fwrite(answer.data(), 1, answer.size(), stdout);
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (AnswerCommandLine(argc, argv)) return std::fflush(stdout) == 0 ? 0 : 1;
  Application app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Skorlin"));
  skorlin::app::TfmMain fmMain(skorlin::app::WindowEnvironment::FromProcess());
  fmMain.show();
  return QApplication::exec();
}
