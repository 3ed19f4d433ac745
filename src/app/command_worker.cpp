// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_worker.h"

#include <QMetaObject>
#include <memory>
#include <utility>

namespace skorlin::app {

CommandWorker::CommandWorker(QObject* receiver, std::string text, Work work, OnCaption onCaption,
                             OnEnd onEnd) {
  thread_ = std::thread([receiver, text = std::move(text), work = std::move(work),
                         onCaption = std::move(onCaption), onEnd = std::move(onEnd)] {
    const text::Progress progress = [&](const std::string& caption) {
      QMetaObject::invokeMethod(
          receiver, [onCaption, caption] { onCaption(caption); }, Qt::QueuedConnection);
    };
    // The result travels to the receiver's thread whole: nothing of it stays with this one.
    auto result = std::make_shared<text::CommandResult>();
    std::exception_ptr error;
    try {
      // A command that picks or reorders lines gives views into the text: they are joined
      // into the view's new text here, while this thread still holds the text.
      *result = text::Joined(work(text, progress));
    } catch (...) {
      // Out of memory on a huge text, say: the window reports it, the program goes on.
      error = std::current_exception();
    }
    QMetaObject::invokeMethod(
        receiver, [onEnd, result, error] { onEnd(std::move(*result), error); }, Qt::QueuedConnection);
  });
}

CommandWorker::~CommandWorker() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace skorlin::app
