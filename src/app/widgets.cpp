// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widgets.h"

#include <QMouseEvent>

namespace skorlin::app {

void ClickLabel::mousePressEvent(QMouseEvent* event) {
  emit mouseDown(event->buttons());
  QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(event);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
  QLabel::mouseDoubleClickEvent(event);
}

ClickLabel* MakeLinkLabel(const QString& text, const QString& objectName, QWidget* parent) {
  auto* label = new ClickLabel(text, parent);
  label->setObjectName(objectName);
  QFont font = label->font();
  font.setUnderline(true);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
  label->setPalette(palette);
  label->setCursor(Qt::PointingHandCursor);
  return label;
}

}  // namespace skorlin::app
