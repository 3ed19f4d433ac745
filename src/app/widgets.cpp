#include "app/widgets.h"

#include <QFontDatabase>
#include <QKeyEvent>
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

QFont ViewFont() {
  if (QFontDatabase::families().contains(QStringLiteral("Courier New"))) {
    return QFont(QStringLiteral("Courier New"), 10);
  }
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(10);
  return font;
}

TextView::TextView(QWidget* parent) : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFont(ViewFont());
  setTabChangesFocus(false);
}

bool TextView::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::ControlModifier) {
      switch (key->key()) {
        case Qt::Key_X:
        case Qt::Key_C:
        case Qt::Key_V:
        case Qt::Key_A:
        case Qt::Key_Delete:
          // Not taken here: the menu's shortcut runs the window's command.
          event->ignore();
          return true;
        default:
          break;
      }
    }
  }
  return QPlainTextEdit::event(event);
}

}  // namespace skorlin::app
