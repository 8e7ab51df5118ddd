#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

namespace morvana {

// A control's description shown where its tooltip shows on hover, for as
// long as the control has the focus. QToolTip cannot do it: any key, even
// the release of the Tab that brought the focus, takes its tip away. This
// one looks the same and goes only when told.
class DescriptionTip final : public QLabel {
  Q_OBJECT

 public:
  explicit DescriptionTip(QWidget* parent);

  // Shows `text` below `control`, or above it where the screen ends.
  void ShowBelow(const QString& text, const QWidget* control);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace morvana
