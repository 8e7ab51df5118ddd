#pragma once

// What a press found, as numbers: the From and To addresses as the boxes
// hold them, and the network of the longest prefix both share. Every text
// about it (the description, the menu items, the clipboard) is made from
// these numbers; nothing parses a text back.

#include <algorithm>
#include <cstdint>

#include "mask/cidr_block.h"

namespace morvana {

struct CoveredRange {
  std::uint32_t from = 0;
  std::uint32_t to = 0;
  CidrBlock network;  // holds both addresses and every address between them

  [[nodiscard]] constexpr std::uint32_t Low() const { return std::min(from, to); }
  [[nodiscard]] constexpr std::uint32_t High() const { return std::max(from, to); }
  [[nodiscard]] constexpr std::uint64_t Size() const { return std::uint64_t{High()} - Low() + 1; }
  friend constexpr bool operator==(const CoveredRange&, const CoveredRange&) = default;
};

}  // namespace morvana
