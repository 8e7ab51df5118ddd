#include "ui/win32/control_looks.h"

#include <optional>

namespace morvana {
namespace {

COLORREF ColourRef(layout::Colour colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

layout::Colour SystemColour(int index) {
  const COLORREF colour = GetSysColor(index);
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

}  // namespace

bool SystemHighContrast() {
  HIGHCONTRASTW high_contrast{};
  high_contrast.cbSize = sizeof high_contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof high_contrast, &high_contrast, 0) &&
         (high_contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// An edit box draws its one-pixel edge in the scheme's frame colour.
void ControlLooks::Decide(const ControlTable& table) {
  const ColourScheme scheme{SystemColour(COLOR_WINDOW),      SystemColour(COLOR_WINDOWTEXT),
                            SystemColour(COLOR_BTNTEXT),     SystemColour(COLOR_HIGHLIGHT),
                            SystemColour(COLOR_WINDOWFRAME), high_contrast_()};
  brushes_.clear();
  std::optional<layout::Colour> edge;
  for (const layout::Control& control : table) {
    const ControlLook look = LookOf(control, scheme);
    colours_.at(layout::RowOf(control.id)) = look.colours;
    if (BrushFor(look.colours.back) == nullptr) {
      brushes_.emplace_back(look.colours.back, UniqueBrush(CreateSolidBrush(ColourRef(look.colours.back))));
    }
    if (look.edge) edge = look.edge;  // the same for every box
  }
  edge_brush_.reset(edge ? CreateSolidBrush(ColourRef(*edge)) : nullptr);
}

HBRUSH ControlLooks::Paint(const layout::Control& control, HDC dc) const {
  const ColourPair& colours = colours_.at(layout::RowOf(control.id));
  // The push button draws its face and caption in the system's button
  // colours, readable under every scheme; only its surround is ours.
  if (control.kind != layout::ControlKind::Button) SetTextColor(dc, ColourRef(colours.text));
  SetBkColor(dc, ColourRef(colours.back));
  return BrushFor(colours.back);
}

// An edit box draws its one-pixel edge in the scheme's frame colour, inside
// its client area (it takes WS_BORDER off itself). Where that colour does not
// stand out from the window (Wine's default grey does not), the edge is drawn
// over it.
void ControlLooks::DrawEdge(HWND box) const {
  if (edge_brush_ == nullptr) return;
  RECT rect{};
  GetWindowRect(box, &rect);
  OffsetRect(&rect, -rect.left, -rect.top);
  HDC dc = GetWindowDC(box);
  FrameRect(dc, &rect, edge_brush_.get());
  ReleaseDC(box, dc);
}

void ControlLooks::Release() {
  brushes_.clear();
  edge_brush_.reset();
}

HBRUSH ControlLooks::BrushFor(layout::Colour colour) const {
  for (const auto& [back, brush] : brushes_) {
    if (back == colour) return brush.get();
  }
  return nullptr;
}

}  // namespace morvana
