#pragma once

// Owning handles for the GDI objects frmMain makes, fonts and brushes:
// deleted when their owner lets them go.

#include <memory>
#include <type_traits>

#include "ui/win32/base_window.h"

namespace morvana {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;

}  // namespace morvana
