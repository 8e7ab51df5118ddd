#include "ui/qt/description_tip.h"

#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QToolTip>

#include <algorithm>

namespace morvana {

// Dressed as QToolTip dresses its own label; the name also gives it the
// role of a tooltip for screen readers.
DescriptionTip::DescriptionTip(QWidget* parent)
    : QLabel(parent, Qt::ToolTip | Qt::BypassGraphicsProxyWidget) {
  setObjectName(QStringLiteral("qtooltip_label"));
  setForegroundRole(QPalette::ToolTipText);
  setBackgroundRole(QPalette::ToolTipBase);
  setPalette(QToolTip::palette());
  setFont(QToolTip::font());
  ensurePolished();
  setMargin(1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
  setFrameStyle(QFrame::NoFrame);
  setAlignment(Qt::AlignLeft);
  setIndent(1);
  setTextFormat(Qt::PlainText);
  setWindowOpacity(style()->styleHint(QStyle::SH_ToolTipLabel_Opacity, nullptr, this) / 255.0);
}

void DescriptionTip::ShowBelow(const QString& text, const QWidget* control) {
  setText(text);
  resize(sizeHint());
  constexpr int kGap = 2;
  QPoint at = control->mapToGlobal(QPoint(0, control->height() + kGap));
  if (const QScreen* screen = control->screen()) {
    const QRect room = screen->availableGeometry();
    if (at.y() + height() > room.bottom()) at.setY(control->mapToGlobal(QPoint(0, 0)).y() - kGap - height());
    at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - width())));
  }
  move(at);
  show();
}

void DescriptionTip::paintEvent(QPaintEvent* event) {
  QStylePainter painter(this);
  QStyleOptionFrame panel;
  panel.initFrom(this);
  painter.drawPrimitive(QStyle::PE_PanelTipLabel, panel);
  painter.end();
  QLabel::paintEvent(event);
}

}  // namespace morvana
