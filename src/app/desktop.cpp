// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "app/wait_cursor.h"

namespace skorlin::app {
namespace {

QStringList TextFilters() {
  return {QString::fromUtf8("Текстовые файлы (*.txt)"), QString::fromUtf8("Все файлы (*)")};
}

QString ChooseFile(QWidget* parent, FileDialogKind kind, const QString& suggested) {
  QFileDialog dialog(parent);
  dialog.setNameFilters(TextFilters());
  if (kind == FileDialogKind::kOpen) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("htm"));
    dialog.selectFile(suggested);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}

bool OpenUrl(const QUrl& target) {
  WaitCursor cursor(Qt::BusyCursor);
  return QDesktopServices::openUrl(target);
}

void ShowMessage(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::information(parent, title, text);
}

}  // namespace

Desktop SystemDesktop() { return Desktop{ChooseFile, OpenUrl, ShowMessage}; }

Desktop& CurrentDesktop() {
  static Desktop desktop = SystemDesktop();
  return desktop;
}

QString WithDefaultSuffix(const QString& path, const QString& suffix) {
  if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty() || path.endsWith(u'/')) return path;
  return path + u'.' + suffix;
}

}  // namespace skorlin::app
