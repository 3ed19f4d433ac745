// SPDX-License-Identifier: GPL-3.0-or-later
// Takes a picture of the whole screen for each tab of the window, with a sample text in
// the input view: skorlin-screenshots SAMPLE OUTPUT_FOLDER [WIDTH HEIGHT]. Meant to run inside a virtual
// X server with a window manager (scripts/screenshot.sh), so the title bar shows too.
// Uses a temporary settings folder, never the user's own.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

#include "app/main_window.h"

namespace {

void Settle(int milliseconds) {
  for (int i = 0; i < milliseconds / 20; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr, "usage: skorlin-screenshots SAMPLE OUTPUT_FOLDER [WIDTH HEIGHT]\n");
    return 2;
  }
  QTemporaryDir settings;
  skorlin::app::WindowEnvironment environment;
  environment.programDir = settings.path() + QStringLiteral("/program");
  environment.appDataDir = settings.path() + QStringLiteral("/config");
  environment.arguments = {QString::fromLocal8Bit(argv[1])};
  QDir().mkpath(environment.programDir);

  skorlin::app::TfmMain window(environment);
  window.move(40, 30);
  window.resize(argc == 5 ? QString::fromLocal8Bit(argv[3]).toInt() : 640,
                argc == 5 ? QString::fromLocal8Bit(argv[4]).toInt() : 560);
  window.show();
  window.raise();
  window.activateWindow();
  Settle(1500);

  const QString folder = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(folder);
  const char* names[] = {"window-text.png", "window-formatted.png", "window-html.png", "window-settings.png"};
  auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("PageControl"));
  for (int tab = 0; tab < 4; ++tab) {
    tabs->setCurrentIndex(tab);
    Settle(600);
    const QRect frame = window.frameGeometry().adjusted(-10, -10, 10, 10);
    const QPixmap shot = window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    const QString path = folder + QLatin1Char('/') + QLatin1String(names[tab]);
    if (!shot.save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("%s\n", qPrintable(path));
  }
  return 0;
}
