#pragma once

// The installed faces that stand in for the layout's two faces where a system
// lacks them (Linux has neither Verdana nor MS Sans Serif), most alike first.
// Verdana is wide with a tall x-height, as DejaVu Sans is; MS Sans Serif is
// narrower, close to Liberation Sans. The narrow faces come last, for
// captions that fit in nothing else. Each window measures them in order and
// keeps the first in which every caption fits.

#include <array>
#include <span>
#include <string_view>

#include "ui/layout.h"

namespace morvana::layout {

inline constexpr std::array<std::string_view, 6> kLabelLookAlikes{
    "DejaVu Sans",           "Liberation Sans",        "Nimbus Sans",
    "DejaVu Sans Condensed", "Liberation Sans Narrow", "Nimbus Sans Narrow"};
inline constexpr std::array<std::string_view, 6> kBoxLookAlikes{
    "Liberation Sans",        "Nimbus Sans",        "DejaVu Sans",
    "Liberation Sans Narrow", "Nimbus Sans Narrow", "DejaVu Sans Condensed"};

[[nodiscard]] constexpr std::span<const std::string_view> LookAlikeFaces(const Font& font) {
  return font.face == kBoxFont.face ? std::span<const std::string_view>(kBoxLookAlikes)
                                    : std::span<const std::string_view>(kLabelLookAlikes);
}

}  // namespace morvana::layout
