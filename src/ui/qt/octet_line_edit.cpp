#include "ui/qt/octet_line_edit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <utility>

namespace morvana {

OctetLineEdit::OctetLineEdit(OctetBoxRef box, ApplyEntryAction apply, QWidget* parent)
    : QLineEdit(parent), box_(box), apply_(std::move(apply)) {}

void OctetLineEdit::keyPressEvent(QKeyEvent* event) {
  if (Took(ActionForKey(event))) {
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void OctetLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  // Where there is a selection clipboard, QLineEdit pastes it on the release
  // of the middle button.
  if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
      !isReadOnly() && Took(ActionForPaste(QClipboard::Selection))) {
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
      if (!Took(ActionForPaste(QClipboard::Clipboard))) paste();
    });
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void OctetLineEdit::dropEvent(QDropEvent* event) {
  const QMimeData* dropped = event->mimeData();
  if (!isReadOnly() && dropped->hasText() && Took(TextPasted(box_, dropped->text().toStdString()))) {
    event->setDropAction(Qt::CopyAction);  // the source keeps its text
    event->accept();
    return;
  }
  QLineEdit::dropEvent(event);
}

EntryAction OctetLineEdit::ActionForKey(const QKeyEvent* event) const {
  if (event->text() == QLatin1String(".")) {
    return FullStopTyped(box_, text().toStdString(), static_cast<std::size_t>(cursorPosition()));
  }
  // Ctrl+Backspace and its kin keep their own meaning.
  const auto others = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  if (event->key() == Qt::Key_Backspace && others == Qt::NoModifier) {
    return BackspacePressed(box_, text().toStdString());
  }
  if (event->matches(QKeySequence::Paste)) {
    // As in QLineEdit: on X11, Ctrl+Shift+Insert pastes the selection.
    const bool selection = event->key() == Qt::Key_Insert &&
                           event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                           QGuiApplication::clipboard()->supportsSelection();
    return ActionForPaste(selection ? QClipboard::Selection : QClipboard::Clipboard);
  }
  return {};
}

EntryAction OctetLineEdit::ActionForPaste(QClipboard::Mode mode) const {
  return TextPasted(box_, QGuiApplication::clipboard()->text(mode).toStdString());
}

bool OctetLineEdit::Took(const EntryAction& action) {
  if (!action.swallow) return false;
  apply_(action);
  return true;
}

}  // namespace morvana
