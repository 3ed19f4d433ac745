// SPDX-License-Identifier: GPL-3.0-or-later
// A command of the core at work on a thread of its own, over a text it owns, while the
// window goes on drawing itself and answering the window system.
#pragma once

#include <QObject>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

#include "text/command_result.h"

namespace skorlin::app {

// Starts work on a new thread at once. What the work reports reaches the receiver's
// thread by queued calls, in the order it was reported: each progress caption (onCaption),
// then the result, or the exception the work ended with (onEnd, called once). The
// destructor waits for the thread, so the receiver must outlive the worker, and what the
// work refers to besides its text must outlive it too.
class CommandWorker {
 public:
  using Work = std::function<text::CommandResult(std::string_view text, const text::Progress& progress)>;
  using OnCaption = std::function<void(const std::string& caption)>;
  using OnEnd = std::function<void(text::CommandResult result, const std::exception_ptr& error)>;

  CommandWorker(QObject* receiver, std::string text, Work work, OnCaption onCaption, OnEnd onEnd);
  ~CommandWorker();
  CommandWorker(const CommandWorker&) = delete;
  CommandWorker& operator=(const CommandWorker&) = delete;

 private:
  std::thread thread_;
};

}  // namespace skorlin::app
