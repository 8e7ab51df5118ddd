#pragma once

#include <QPushButton>
#include <QRect>

namespace morvana {

// A push button whose caption wraps at blanks onto centred lines, for a
// caption wider than the button. text() keeps the caption on one line, so
// the accessible name and tests read it as typed.
class WrappedCaptionButton final : public QPushButton {
  Q_OBJECT

 public:
  using QPushButton::QPushButton;

  // Where the caption is drawn: the style's contents area, shifted while down.
  [[nodiscard]] QRect CaptionRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Enter presses the focused button as Space does; outside a dialog Qt
  // leaves Enter to the parent.
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace morvana
