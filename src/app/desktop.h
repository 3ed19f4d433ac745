// SPDX-License-Identifier: GPL-3.0-or-later
// What the window asks of the desktop: file dialogs, opening a file or an address with
// its default program, an information box. Tests replace these with their own.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace skorlin::app {

enum class FileDialogKind { kOpen, kSave };

struct Desktop {
  // Shows the open or save dialog with its suggested name; returns the chosen path, or
  // the empty text when the user cancels.
  std::function<QString(QWidget* parent, FileDialogKind kind, const QString& suggested)> chooseFile;
  // Opens a file or an address with the desktop's default handler; true on success.
  std::function<bool(const QUrl& target)> openUrl;
  // Shows a message with a title.
  std::function<void(QWidget* parent, const QString& title, const QString& text)> showMessage;
};

// The desktop in use (the real one unless a test set another).
Desktop& CurrentDesktop();
// The real desktop's services.
Desktop SystemDesktop();

// path with ".htm" added when its file name has no extension (what the save dialog adds
// to a name typed without one).
QString WithDefaultSuffix(const QString& path, const QString& suffix);

}  // namespace skorlin::app
