#pragma once

// Which colours a control draws with under the user's colour scheme. The
// table fixes the back colours of the labels and boxes, so the text colour
// must be chosen to stay readable on them: a light scheme text would vanish
// on white. Under High Contrast the scheme's own pair wins over the table.

#include <optional>

#include "ui/layout.h"

namespace morvana {

struct ColourPair {
  layout::Colour back;
  layout::Colour text;
  friend constexpr bool operator==(const ColourPair&, const ColourPair&) = default;
};

// Below this ratio text on a back colour counts as unreadable (normal-size text).
inline constexpr double kMinimumTextContrast = 4.5;

// The contrast ratio of two sRGB colours, from the relative luminance of
// each: 1 for equal colours, 21 for black on white.
[[nodiscard]] double ContrastRatio(layout::Colour a, layout::Colour b);

// Below this ratio a box's edge does not stand out from the window.
inline constexpr double kMinimumEdgeContrast = 3.0;
// The edge Windows draws around an edit box.
inline constexpr layout::Colour kEdgeGrey{0x7A, 0x7A, 0x7A};

// The edge of a text box on a window of colour `window`: the standard grey
// where it stands out 3:1, otherwise black or white, whichever stands out more.
[[nodiscard]] layout::Colour EdgeColour(layout::Colour window);

// The mark around a focused text box, which borders both the window and the
// box: the scheme's highlight where it stands out 3:1 from both, otherwise
// black, white or the edge grey, the first that does; failing all, the one
// that stands out most.
[[nodiscard]] layout::Colour FocusMarkColour(layout::Colour highlight, layout::Colour window,
                                             layout::Colour box);

// table_back: the control's back colour in the layout table.
// scheme_text: the scheme's text colour for that kind of control.
// scheme_pair: the scheme's own back and text colours for it.
[[nodiscard]] ColourPair ColoursToDrawWith(layout::Colour table_back, layout::Colour scheme_text,
                                           ColourPair scheme_pair, bool high_contrast);

// The user's colour scheme, as each window reads it from its toolkit.
struct ColourScheme {
  layout::Colour window;       // behind the controls, and the scheme's pair for labels and boxes
  layout::Colour window_text;  // on it
  layout::Colour button_text;
  layout::Colour highlight;  // a selection's
  // The edge the toolkit draws around a text box itself (Win32's frame
  // colour), or nothing where the window draws every edge.
  std::optional<layout::Colour> box_frame;
  bool high_contrast = false;
};

// What a window draws one control of the table with.
struct ControlLook {
  ColourPair colours;
  // A text box's edge for the window to draw; nothing where the toolkit's
  // own stands out, and for the labels and the button.
  std::optional<layout::Colour> edge;
  // Around a text box while it has the focus, where the window draws a mark.
  std::optional<layout::Colour> focus_mark;
  friend constexpr bool operator==(const ControlLook&, const ControlLook&) = default;
};

// The one rule every window draws by. The button's face and caption are the
// toolkit's, in the system's button colours; only its surround takes the
// table's colour, also under High Contrast.
[[nodiscard]] ControlLook LookOf(const layout::Control& control, const ColourScheme& scheme);

}  // namespace morvana
