#pragma once

#include <QColor>
#include <QLineEdit>

namespace morvana {

// A text box with an edge that stands out from the window, as Windows draws
// around an edit box, and while it has the focus a mark in a colour of its
// own, two pixels high above and below the text. Both lie over the box's own
// margins, so the box keeps its size and its text: the text starts one pixel
// inside the box, so the mark's sides stay one pixel wide.
class EdgedLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  static constexpr int kEdgeWidth = 1;
  static constexpr int kFocusMarkHeight = 2;  // above and below

  explicit EdgedLineEdit(QWidget* parent);

  void SetEdgeColours(const QColor& edge, const QColor& focus_mark);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor edge_;
  QColor focus_mark_;
};

}  // namespace morvana
