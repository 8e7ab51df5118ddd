#include "ui/dotted_quad.h"

#include <cstddef>

namespace morvana {

std::optional<std::uint32_t> ReadDottedQuad(std::string_view& text) {
  std::string_view rest = text;
  std::uint32_t address = 0;
  for (int field = 0; field < 4; ++field) {
    if (field > 0) {
      if (rest.empty() || rest.front() != '.') return std::nullopt;
      rest.remove_prefix(1);
    }
    std::size_t digits = 0;
    unsigned octet = 0;
    // A fourth digit is read only to be refused: "1.2.3.4567" is no address.
    while (digits < rest.size() && digits < 4 && rest[digits] >= '0' && rest[digits] <= '9') {
      octet = octet * 10 + static_cast<unsigned>(rest[digits] - '0');
      ++digits;
    }
    if (digits == 0 || digits > 3 || octet > 255) return std::nullopt;
    rest.remove_prefix(digits);
    address = address << 8 | octet;
  }
  text = rest;
  return address;
}

std::optional<std::uint32_t> ParseDottedQuad(std::string_view text) {
  const auto address = ReadDottedQuad(text);
  if (!text.empty()) return std::nullopt;
  return address;
}

std::string DottedQuadText(std::uint32_t address) {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    if (!text.empty()) text += '.';
    text += std::to_string(address >> shift & 0xFF);
  }
  return text;
}

}  // namespace morvana
