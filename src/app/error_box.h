// SPDX-License-Identifier: GPL-3.0-or-later
// The one error box of the program: every error raised inside a window handler ends the
// handler and is shown here with its text; the program keeps running.
#pragma once

#include <QString>
#include <exception>
#include <functional>

class QWidget;

namespace skorlin::app {

using ErrorReporter = std::function<void(const QString& message)>;

// Shows message in the error box (or hands it to the reporter set below).
void ShowError(const QString& message);
// Replaces how errors are shown (tests record them instead of opening a modal box);
// returns the previous reporter. An empty reporter restores the message box.
ErrorReporter SetErrorReporter(ErrorReporter reporter);

// Runs a handler; an exception it raises is shown in the error box.
template <typename Handler>
void RunHandler(Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ShowError(QString::fromUtf8(e.what()));
  } catch (...) {
    ShowError(QStringLiteral("Unknown error"));
  }
}

}  // namespace skorlin::app
