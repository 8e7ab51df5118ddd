#pragma once

// The network a press found, as numbers: the From address's network of the
// longest prefix both addresses share. Its texts ("10.0.0.0/22", the
// description) are made from these numbers where they are shown.

#include <cstdint>

namespace morvana {

// The n leading one bits of a mask; 0 gives no bits, 32 all of them.
[[nodiscard]] constexpr std::uint32_t PrefixMask(int prefix_length) {
  return prefix_length <= 0 ? 0 : ~std::uint32_t{0} << (32 - prefix_length);
}

struct CoveringNetwork {
  std::uint32_t first = 0;  // the network's first address
  int prefix_length = 0;    // 0 to 32

  [[nodiscard]] constexpr std::uint32_t Last() const { return first | ~PrefixMask(prefix_length); }
  friend constexpr bool operator==(const CoveringNetwork&, const CoveringNetwork&) = default;
};

// The network of `prefix_length` bits that holds `address`.
[[nodiscard]] constexpr CoveringNetwork NetworkOf(std::uint32_t address, int prefix_length) {
  return {address & PrefixMask(prefix_length), prefix_length};
}

}  // namespace morvana
