#pragma once

// What frmMain's controls draw with under the user's colour scheme, as the
// shared colour rule (LookOf) decides it: each control's back and text
// colours, a brush for each back colour, and the boxes' edges where the
// scheme's own frame colour does not stand out.

#include <array>
#include <utility>
#include <vector>

#include "ui/control_colours.h"
#include "ui/layout.h"
#include "ui/win32/base_window.h"
#include "ui/win32/child_controls.h"
#include "ui/win32/gdi_objects.h"

namespace morvana {

// Whether the user has High Contrast on. A seam: tests stand in for the
// system, which cannot be switched into High Contrast under Wine.
using HighContrastQuery = bool (*)();
[[nodiscard]] bool SystemHighContrast();

class ControlLooks {
 public:
  explicit ControlLooks(HighContrastQuery high_contrast) : high_contrast_(high_contrast) {}

  // Reads the scheme as it is now and decides the colours of every control
  // of `table` again.
  void Decide(const ControlTable& table);
  // For WM_CTLCOLOR...: sets the colours `control` paints with into `dc`
  // and gives the brush for its back.
  [[nodiscard]] HBRUSH Paint(const layout::Control& control, HDC dc) const;
  // Whether the boxes need DrawEdge after each paint.
  [[nodiscard]] bool DrawsEdges() const { return edge_brush_ != nullptr; }
  // Draws a text box's edge over what the box painted, where that is ours.
  void DrawEdge(HWND box) const;
  // The controls are gone: nothing paints with the brushes any more.
  void Release();

 private:
  [[nodiscard]] HBRUSH BrushFor(layout::Colour colour) const;

  HighContrastQuery high_contrast_;
  std::array<ColourPair, layout::kControlCount> colours_{};      // by table row
  std::vector<std::pair<layout::Colour, UniqueBrush>> brushes_;  // one per back colour in use
  UniqueBrush edge_brush_;  // the boxes' edges, where the scheme's frame colour does not stand out
};

}  // namespace morvana
