// Opens the real main window over temporary folders and records the error box.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/error_box.h"
#include "app/main_window.h"

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

  // Types text into a widget key by key (any characters, not only Latin-1).
  static void Type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), {});
  }

  template <typename T = QWidget>
  T* Find(const char* name) const {
    return window->findChild<T*>(QLatin1String(name));
  }
  QPlainTextEdit* View(int index) const {
    return Find<QPlainTextEdit>(index == 0 ? "RichEdit1" : index == 1 ? "RichEdit2" : "RichEdit3");
  }
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
