// SPDX-License-Identifier: GPL-3.0-or-later
// The hourglass cursor for the lifetime of a scope; restored also when a handler fails.
#pragma once

#include <QApplication>
#include <QCursor>

namespace skorlin::app {

class WaitCursor {
 public:
  explicit WaitCursor(Qt::CursorShape shape = Qt::WaitCursor) {
    QApplication::setOverrideCursor(QCursor(shape));
  }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace skorlin::app
