// SPDX-License-Identifier: GPL-3.0-or-later
// Takes a picture of the whole screen for each tab of the window, with a sample text in
// the input view: skorlin-screenshots SAMPLE OUTPUT_FOLDER [WIDTH HEIGHT]. With --typeset
// first, one picture instead, window-typeset.png: the tab "Skorlin" with "Типографика" on
// and the changes marked. Meant to run inside a virtual X server with a window manager
// (scripts/screenshot.sh), so the title bar shows too. Uses a temporary settings folder,
// never the user's own.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <cstring>

#include "app/main_window.h"

namespace {

void Settle(int milliseconds) {
  for (int i = 0; i < milliseconds / 20; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

// Selects a tab, lets it settle and saves a picture of the window with its frame.
bool Shoot(skorlin::app::TfmMain& window, int tab, const QString& path) {
  window.findChild<QTabWidget*>(QStringLiteral("PageControl"))->setCurrentIndex(tab);
  Settle(600);
  const QRect frame = window.frameGeometry().adjusted(-10, -10, 10, 10);
  const QPixmap shot = window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
  if (!shot.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const bool typeset = argc > 1 && std::strcmp(argv[1], "--typeset") == 0;
  char** const args = typeset ? argv + 1 : argv;
  const int count = typeset ? argc - 1 : argc;
  if (count != 3 && count != 5) {
    std::fprintf(stderr, "usage: skorlin-screenshots [--typeset] SAMPLE OUTPUT_FOLDER [WIDTH HEIGHT]\n");
    return 2;
  }
  QTemporaryDir settings;
  skorlin::app::WindowEnvironment environment;
  environment.programDir = settings.path() + QStringLiteral("/program");
  environment.appDataDir = settings.path() + QStringLiteral("/config");
  environment.arguments = {QString::fromLocal8Bit(args[1])};
  QDir().mkpath(environment.programDir);

  skorlin::app::TfmMain window(environment);
  window.move(40, 30);
  window.resize(count == 5 ? QString::fromLocal8Bit(args[3]).toInt() : 640,
                count == 5 ? QString::fromLocal8Bit(args[4]).toInt() : 560);
  window.show();
  window.raise();
  window.activateWindow();
  Settle(1500);

  const QString folder = QString::fromLocal8Bit(args[2]) + QLatin1Char('/');
  QDir().mkpath(folder);
  if (typeset) {
    window.findChild<QCheckBox*>(QStringLiteral("chkTypograf"))->setChecked(true);
    return Shoot(window, 1, folder + QStringLiteral("window-typeset.png")) ? 0 : 1;
  }
  const char* names[] = {"window-text.png", "window-formatted.png", "window-html.png", "window-settings.png"};
  for (int tab = 0; tab < 4; ++tab) {
    if (!Shoot(window, tab, folder + QLatin1String(names[tab]))) return 1;
  }
  return 0;
}
