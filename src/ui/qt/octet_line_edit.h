#pragma once

#include <QClipboard>
#include "ui/main_window_presenter.h"
#include "ui/qt/edged_line_edit.h"

namespace morvana {

// One of the eight octet boxes. It decides nothing: typed text, a Backspace
// and every paste (keys, context menu, middle click) go to the presenter,
// which tells the window what becomes of the boxes. Any other event, or one
// the presenter leaves alone, gets QLineEdit's own handling. Pastes are
// caught before QLineEdit's paste runs, since that cuts the text at the
// box's four characters. A text dropped on the box is a paste of that text.
class OctetLineEdit final : public EdgedLineEdit {
  Q_OBJECT

 public:
  OctetLineEdit(OctetBoxRef box, MainWindowPresenter& presenter, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // True when the presenter took the key.
  [[nodiscard]] bool RouteKey(const QKeyEvent* event);
  [[nodiscard]] bool RoutePaste(QClipboard::Mode mode);

  OctetBoxRef box_;
  MainWindowPresenter& presenter_;
};

}  // namespace morvana
