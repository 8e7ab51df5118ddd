#include "ui/control_colours.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace morvana {
namespace {

double Linear(std::uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(layout::Colour colour) {
  return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) + 0.0722 * Linear(colour.blue);
}

}  // namespace

double ContrastRatio(layout::Colour a, layout::Colour b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

layout::Colour EdgeColour(layout::Colour window) {
  if (ContrastRatio(kEdgeGrey, window) >= kMinimumEdgeContrast) return kEdgeGrey;
  constexpr layout::Colour kBlack{0, 0, 0};
  return ContrastRatio(kBlack, window) >= ContrastRatio(layout::kWhite, window) ? kBlack : layout::kWhite;
}

layout::Colour FocusMarkColour(layout::Colour highlight, layout::Colour window, layout::Colour box) {
  const auto weaker = [&](layout::Colour mark) {
    return std::min(ContrastRatio(mark, window), ContrastRatio(mark, box));
  };
  layout::Colour best = highlight;
  for (const layout::Colour mark : {highlight, layout::Colour{0, 0, 0}, layout::kWhite, kEdgeGrey}) {
    if (weaker(mark) >= kMinimumEdgeContrast) return mark;
    if (weaker(mark) > weaker(best)) best = mark;
  }
  return best;
}

ColourPair ColoursToDrawWith(layout::Colour table_back, layout::Colour scheme_text, ColourPair scheme_pair,
                             bool high_contrast) {
  if (high_contrast) return scheme_pair;
  constexpr layout::Colour kBlack{0, 0, 0};
  const bool readable = ContrastRatio(scheme_text, table_back) >= kMinimumTextContrast;
  return {table_back, readable ? scheme_text : kBlack};
}

ControlLook LookOf(const layout::Control& control, const ColourScheme& scheme) {
  ControlLook look;
  if (control.kind == layout::ControlKind::Button) {
    look.colours = ColoursToDrawWith(control.back, scheme.button_text, {}, false);
    return look;
  }
  look.colours = ColoursToDrawWith(control.back, scheme.window_text, {scheme.window, scheme.window_text},
                                   scheme.high_contrast);
  if (control.kind != layout::ControlKind::TextBox) return look;
  const bool frame_stands_out =
      scheme.box_frame && ContrastRatio(*scheme.box_frame, scheme.window) >= kMinimumEdgeContrast;
  if (!frame_stands_out) look.edge = EdgeColour(scheme.window);
  look.focus_mark = FocusMarkColour(scheme.highlight, scheme.window, look.colours.back);
  return look;
}

}  // namespace morvana
