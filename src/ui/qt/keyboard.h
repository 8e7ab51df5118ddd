#pragma once

// A Qt key event's modifiers, as the shared key rules (ui/keys.h) read them.
// The number pad's own modifier is no shortcut: it is left out.

#include <QKeyEvent>

#include "ui/keys.h"

namespace morvana {

[[nodiscard]] inline KeyModifiers HeldModifiers(const QKeyEvent& event) {
  const Qt::KeyboardModifiers held = event.modifiers();
  return {held.testFlag(Qt::ShiftModifier), held.testFlag(Qt::ControlModifier),
          held.testFlag(Qt::AltModifier), held.testFlag(Qt::MetaModifier)};
}

}  // namespace morvana
