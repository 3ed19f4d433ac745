// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the real main window over temporary folders and records the error box.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QStringList>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWindow>
#include <memory>

#include "app/error_box.h"
#include "app/main_window.h"
#include "app/text_view.h"
#include "app/view_text.h"
#include "text/line_breaks.h"

namespace skorlin::app::testing {

class WindowHarness {
 public:
  WindowHarness() {
    QDir().mkpath(ProgramDir());
    QDir().mkpath(AppDataDir());
    previous_ = SetErrorReporter([this](const QString& message) { errors.append(message); });
    QApplication::clipboard()->clear();
  }
  ~WindowHarness() {
    window.reset();
    SetErrorReporter(previous_);
  }
  WindowHarness(const WindowHarness&) = delete;
  WindowHarness& operator=(const WindowHarness&) = delete;

  QString ProgramDir() const { return root_.path() + QStringLiteral("/program/"); }
  QString AppDataDir() const { return root_.path() + QStringLiteral("/config/"); }
  QString UserSettingsPath() const { return AppDataDir() + QStringLiteral("Skorlin/Skorlin.ini"); }

  // Writes a settings file (CR LF line breaks) at path.
  static void WriteFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
  }
  static QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // Creates the window (FormCreate runs); Show() then runs FormShow.
  TfmMain* Create(const QStringList& arguments = {}) {
    WindowEnvironment environment;
    environment.programDir = ProgramDir();
    environment.appDataDir = AppDataDir();
    environment.arguments = arguments;
    window = std::make_unique<TfmMain>(environment);
    return window.get();
  }
  TfmMain* Open(const QStringList& arguments = {}) {
    Create(arguments);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("window not active");
    return window.get();
  }

  // Types text into a widget key by key (any characters, not only Latin-1), then lets the
  // window take note of the change.
  static void Type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), {});
    Settle();
  }
  // Runs what the window has queued for the next pass of the event loop.
  static void Settle() { QCoreApplication::processEvents(); }
  // Lets the event loop run until the command at work has ended (its result written, or
  // dropped); false when it does not end within a minute.
  bool WaitForCommand() const {
    return QTest::qWaitFor([this] { return !window->CommandRunning(); }, 60000);
  }

  // Replaces a view's whole text as the user does (the view's own change, LF standing for
  // a line break), and lets the window take note of it.
  static void SetText(TextView* view, const QString& lines) {
    view->setText(Crlf(lines));
    Settle();
  }
  // A view's text with LF between lines, as the tests write it.
  static QString Text(const TextView* view) { return ClipboardString(view->Utf8()); }
  // LF as the views' line break.
  static QString Crlf(const QString& lines) {
    return QString::fromStdString(text::WithCrLfBreaks(lines.toStdString()));
  }
  // Drags local files over the widget under a point of the window and drops them there, as
  // the window system hands a drop from another program to the window: Qt finds the
  // control under the pointer (a view's viewport, an edit field, a label) and delivers the
  // drop to it. Returns whether the drop was accepted.
  bool DropFiles(QWidget* under, const QStringList& paths, bool settle = true) const {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    data.setText(paths.join(u'\n'));
    return DropData(under, &data, settle);
  }
  bool DropData(QWidget* under, const QMimeData* data, bool settle = true) const {
    QWindow* const handle = window->windowHandle();
    const QPoint at = under->mapTo(window.get(), under->rect().center());
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &enter);
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &drop);
    if (settle) Settle();
    return move.isAccepted() && drop.isAccepted();
  }

  template <typename T = QWidget>
  T* Find(const char* name) const {
    return window->findChild<T*>(QLatin1String(name));
  }
  TextView* View(int index) const {
    return Find<TextView>(index == 0 ? "RichEdit1" : index == 1 ? "RichEdit2" : "RichEdit3");
  }
  QString Text(int index) const { return Text(View(index)); }
  void SetText(int index, const QString& lines) const { SetText(View(index), lines); }
  QString Label(const char* name) const { return Find<QLabel>(name)->text(); }
  QTabWidget* Tabs() const { return Find<QTabWidget>("PageControl"); }
  void SelectTab(int index) const { Tabs()->setCurrentIndex(index); }
  QAction* Action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }

  std::unique_ptr<TfmMain> window;
  QStringList errors;

 private:
  QTemporaryDir root_;
  ErrorReporter previous_;
};

}  // namespace skorlin::app::testing
