#pragma once

// The CSS the page's window is drawn with: the client area and each control
// at its rectangle of the layout table, in its font and the colours the
// shared rule chose, and the aids around them. Sizes are as at two DPIs:
// the text's, and the rectangles', which grow further where a caption
// would be cut.

#include <string>
#include <string_view>

#include "ui/control_colours.h"
#include "ui/layout.h"

namespace morvana::web {

// The layout is drawn at 96 DPI, where a CSS pixel is 15 twips; the browser's
// zoom enlarges it on top.
inline constexpr int kLayoutDpi = 96;

struct Resolution {
  int text_dpi;
  int layout_dpi;
};

[[nodiscard]] std::string Px(int pixels);

// The table's font at a DPI, as "font-family: ...; font-size: ...; font-weight: ...".
[[nodiscard]] std::string CssFont(const layout::Font& font, int dpi);

// frmMain's client area.
[[nodiscard]] std::string WindowStyles(int layout_dpi);

// One control of the table, drawn with `look`.
[[nodiscard]] std::string ControlStyles(const layout::Control& control, Resolution resolution,
                                        const ControlLook& look);

// txtSubnet's description as shown: two pixels below the box's left end,
// where a tooltip shows below the pointer; it wraps rather than reach past
// the page's `page_width`.
[[nodiscard]] std::string ShownDescriptionStyles(Resolution resolution, int page_width);

// Unseen but in the page: a live region out of the layout is out of
// screen readers' reach too.
inline constexpr std::string_view kStatusRegionStyles =
    "position: absolute; left: 0; top: 0; width: 1px; height: 1px; overflow: hidden; clip-path: inset(50%); "
    "white-space: nowrap";

// An unseen caption in the label font, whose size follows the user's text size and spacing.
[[nodiscard]] std::string TextProbeStyles(Resolution resolution);

}  // namespace morvana::web
