#include "ui/qt/edged_line_edit.h"

#include <QPainter>

namespace morvana {

EdgedLineEdit::EdgedLineEdit(QWidget* parent) : QLineEdit(parent) {}

void EdgedLineEdit::SetEdgeColours(const QColor& edge, const QColor& focus_mark) {
  edge_ = edge;
  focus_mark_ = focus_mark;
  update();
}

void EdgedLineEdit::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  const bool focused = hasFocus();
  const int height = focused ? kFocusMarkHeight : kEdgeWidth;
  const QColor& colour = focused ? focus_mark_ : edge_;
  const QRect all = rect();
  QPainter painter(this);
  painter.fillRect(all.left(), all.top(), all.width(), height, colour);
  painter.fillRect(all.left(), all.bottom() - height + 1, all.width(), height, colour);
  painter.fillRect(all.left(), all.top(), kEdgeWidth, all.height(), colour);
  painter.fillRect(all.right() - kEdgeWidth + 1, all.top(), kEdgeWidth, all.height(), colour);
}

}  // namespace morvana
