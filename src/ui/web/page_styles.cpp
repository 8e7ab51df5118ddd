// The CSS of the page's window, made from the layout table.
#include "ui/web/page_styles.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "ui/look_alike_faces.h"

namespace morvana::web {
namespace {

// A tooltip's distance below its control: two pixels at 96 DPI.
constexpr int kTooltipGapTwips = 30;

std::string Pixels(int twips, int dpi) {
  return Px(layout::TwipsToPixels(twips, dpi));
}

// 8.25 -> "8.25pt"
std::string Points(double points) {
  const long hundredths = std::lround(points * 100);
  const long cents = hundredths % 100;
  return std::to_string(hundredths / 100) + "." + (cents < 10 ? "0" : "") + std::to_string(cents) + "pt";
}

std::string CssColour(layout::Colour colour) {
  return "rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", " +
         std::to_string(colour.blue) + ")";
}

// The table's face, then the same look-alikes as the other windows, and the
// browser's own sans-serif where none of them is installed. No web fonts:
// the page loads nothing.
std::string CssFontFamily(const layout::Font& font) {
  std::string family = "\"" + std::string(font.face) + "\"";
  for (const std::string_view face : layout::LookAlikeFaces(font)) {
    family += ", \"" + std::string(face) + "\"";
  }
  return family + ", sans-serif";
}

}  // namespace

std::string Px(int pixels) {
  return std::to_string(pixels) + "px";
}

std::string CssFont(const layout::Font& font, int dpi) {
  return "font-family: " + CssFontFamily(font) + "; font-size: " + Points(font.points * dpi / kLayoutDpi) +
         "; font-weight: " + std::to_string(font.weight);
}

std::string WindowStyles(int layout_dpi) {
  return "position: absolute; left: 0; top: 0; overflow: hidden; width: " +
         Pixels(layout::kClientWidthTwips, layout_dpi) +
         "; height: " + Pixels(layout::kClientHeightTwips, layout_dpi);
}

// Under forced colours the browser puts the system's colours on every control.
std::string ControlStyles(const layout::Control& control, Resolution resolution, const ControlLook& look) {
  const int dpi = resolution.layout_dpi;
  std::string css =
      "position: absolute; box-sizing: border-box; margin: 0; left: " + Pixels(control.rect.left, dpi) +
      "; top: " + Pixels(control.rect.top, dpi) + "; width: " + Pixels(control.rect.width, dpi) +
      "; height: " + Pixels(control.rect.height, dpi) + "; " + CssFont(*control.font, resolution.text_dpi) +
      "; text-align: " + (control.align == layout::TextAlign::Centre ? "center" : "left") +
      "; background-color: " + CssColour(look.colours.back) + "; color: " + CssColour(look.colours.text) +
      "; ";
  switch (control.kind) {
    case layout::ControlKind::Label:
      // Labels lie beneath the boxes: Label1 reaches one pixel into
      // txtFromFirstOctet, and the box is on top there.
      return css + "z-index: 0; padding: 0; overflow: hidden";
    case layout::ControlKind::Button:
      return css + "z-index: 1; padding: 0";
    case layout::ControlKind::TextBox:
      // A 15-pixel box has room for one line of its font, inside an edge as
      // Windows draws around an edit box.
      return css + "z-index: 1; padding: 0 1px; border: 1px solid " +
             CssColour(look.edge.value_or(look.colours.text));
  }
  return css;
}

std::string ShownDescriptionStyles(Resolution resolution, int page_width) {
  const int dpi = resolution.layout_dpi;
  const layout::TwipsRect& subnet = layout::ControlFor(layout::ControlId::txtSubnet).rect;
  const int left = layout::TwipsToPixels(subnet.left, dpi);
  const int gap = layout::TwipsToPixels(kTooltipGapTwips, dpi);
  const int room = std::max(page_width - left - gap, layout::TwipsToPixels(subnet.width, dpi));
  return "position: absolute; z-index: 2; box-sizing: border-box; margin: 0; left: " + Px(left) +
         "; top: " + Px(layout::TwipsToPixels(subnet.top + subnet.height, dpi) + gap) +
         "; max-width: " + Px(room) +
         "; padding: 1px 3px; border: 1px solid InfoText; background-color: InfoBackground; color: "
         "InfoText; " +
         CssFont(layout::kBoxFont, resolution.text_dpi);
}

std::string TextProbeStyles(Resolution resolution) {
  return "position: absolute; left: 0; top: 0; visibility: hidden; white-space: nowrap; " +
         CssFont(layout::kLabelFont, resolution.text_dpi);
}

}  // namespace morvana::web
