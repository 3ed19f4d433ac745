// SPDX-License-Identifier: GPL-3.0-or-later
// The small widget classes of the main window.
#pragma once

#include <QLabel>

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

}  // namespace skorlin::app
