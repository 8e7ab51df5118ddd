#pragma once

#include <QClipboard>
#include <QLineEdit>

#include <functional>

#include "ui/octet_entry.h"

namespace morvana {

// One of the eight octet boxes. It decides nothing: a typed '.', a Backspace
// and every paste (keys, context menu, middle click) go to the shared entry
// rules, and an answer that takes the event goes to the window, which holds
// the other boxes. Any other event, or one the rules leave alone, gets
// QLineEdit's own handling. Pastes are caught before QLineEdit's paste runs,
// since that cuts the text at the box's four characters. A text dropped on
// the box is a paste of that text.
class OctetLineEdit final : public QLineEdit {
  Q_OBJECT

 public:
  using ApplyEntryAction = std::function<void(const EntryAction&)>;

  OctetLineEdit(OctetBoxRef box, ApplyEntryAction apply, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  [[nodiscard]] EntryAction ActionForKey(const QKeyEvent* event) const;
  [[nodiscard]] EntryAction ActionForPaste(QClipboard::Mode mode) const;
  // Hands a taken event's answer to the window; false leaves it to QLineEdit.
  bool Took(const EntryAction& action);

  OctetBoxRef box_;
  ApplyEntryAction apply_;
};

}  // namespace morvana
