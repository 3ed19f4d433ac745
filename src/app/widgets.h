// The small widget classes of the main window.
#pragma once

#include <QLabel>
#include <QPlainTextEdit>

namespace skorlin::app {

// A label that reports clicks, double clicks and pressed mouse buttons, and carries a
// tag (the number of a count label, 0 for the others).
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickLabel(const QString& text, QWidget* parent = nullptr) : QLabel(text, parent) {}
  int tag = 0;

 signals:
  void clicked();
  void doubleClicked();
  void mouseDown(Qt::MouseButtons buttons);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A link label: underlined, in the link colour, with the hand cursor.
ClickLabel* MakeLinkLabel(const QString& text, const QString& objectName, QWidget* parent);

// A plain-text view: no word wrap, both scroll bars as needed, a fixed-width font. The
// keys the window's menu owns (Ctrl+X, Ctrl+C, Ctrl+V, Ctrl+A, Ctrl+Del) are left to
// the menu's shortcuts instead of the editor's own handling.
class TextView : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TextView(QWidget* parent = nullptr);

 protected:
  bool event(QEvent* event) override;
};

// "Courier New" 10 pt where it is installed, otherwise the system's fixed-width font.
QFont ViewFont();

}  // namespace skorlin::app
