// SPDX-License-Identifier: GPL-3.0-or-later
// The error a window handler raises for a failure of the outside world (a file, the
// clipboard, the settings file). Its text is shown as it stands in the error box.
#pragma once

#include <QString>
#include <stdexcept>

namespace skorlin::app {

class AppError : public std::runtime_error {
 public:
  explicit AppError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

}  // namespace skorlin::app
