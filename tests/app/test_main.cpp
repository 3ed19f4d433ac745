// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every test class of the window against the offscreen platform.
#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include "test_classes.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Whatever a test might miss, the user's own configuration folder is never touched.
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  // Prices and sizes in thousands are written with the decimal comma.
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
  QApplication app(argc, argv);
  return skorlin::app::testing::RunAllTests(argc, argv);
}
