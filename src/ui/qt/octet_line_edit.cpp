#include "ui/qt/octet_line_edit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include "ui/qt/keyboard.h"

namespace morvana {

OctetLineEdit::OctetLineEdit(OctetBoxRef box, MainWindowPresenter& presenter, QWidget* parent)
    : EdgedLineEdit(parent), box_(box), presenter_(presenter) {}

void OctetLineEdit::keyPressEvent(QKeyEvent* event) {
  if (RouteKey(event)) {
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void OctetLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  // Where there is a selection clipboard, QLineEdit pastes it on the release
  // of the middle button.
  if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
      !isReadOnly() && RoutePaste(QClipboard::Selection)) {
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void OctetLineEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  for (QAction* action : menu->actions()) {
    // QLineEdit wires its Paste item to paste(), which would cut the text at
    // four characters before the rules see it. Qt 6.4 wires it by name and
    // later versions by pointer; the item wired so is the one to reroute.
    const bool paste_item = disconnect(action, SIGNAL(triggered()), this, SLOT(paste())) ||
                            disconnect(action, &QAction::triggered, this, &QLineEdit::paste);
    if (!paste_item) continue;
    action->setObjectName(QStringLiteral("edit-paste"));  // as later Qt versions name it
    connect(action, &QAction::triggered, this, [this] {
      if (!RoutePaste(QClipboard::Clipboard)) paste();
    });
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void OctetLineEdit::dropEvent(QDropEvent* event) {
  const QMimeData* dropped = event->mimeData();
  if (!isReadOnly() && dropped->hasText() && presenter_.TextPasted(box_, dropped->text().toStdString())) {
    event->setDropAction(Qt::CopyAction);  // the source keeps its text
    event->accept();
    return;
  }
  QLineEdit::dropEvent(event);
}

// QLineEdit's cursor is the moving end of its selection.
bool OctetLineEdit::RouteKey(const QKeyEvent* event) {
  if (!event->text().isEmpty() &&
      presenter_.TextTyped(box_, event->text().toStdString(), cursorPosition() > 0)) {
    return true;
  }
  if (event->key() == Qt::Key_Backspace) return presenter_.BackspacePressed(box_, HeldModifiers(*event));
  if (event->matches(QKeySequence::Paste)) {
    // As in QLineEdit: on X11, Ctrl+Shift+Insert pastes the selection.
    const bool selection = event->key() == Qt::Key_Insert &&
                           event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                           QGuiApplication::clipboard()->supportsSelection();
    return RoutePaste(selection ? QClipboard::Selection : QClipboard::Clipboard);
  }
  return false;
}

bool OctetLineEdit::RoutePaste(QClipboard::Mode mode) {
  return presenter_.TextPasted(box_, QGuiApplication::clipboard()->text(mode).toStdString());
}

}  // namespace morvana
