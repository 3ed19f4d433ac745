// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/error_box.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace skorlin::app {
namespace {

ErrorReporter& CurrentReporter() {
  static ErrorReporter reporter;
  return reporter;
}

}  // namespace

void ShowError(const QString& message) {
  if (const ErrorReporter& reporter = CurrentReporter()) {
    reporter(message);
    return;
  }
  QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Skorlin"), message);
}

ErrorReporter SetErrorReporter(ErrorReporter reporter) {
  return std::exchange(CurrentReporter(), std::move(reporter));
}

}  // namespace skorlin::app
