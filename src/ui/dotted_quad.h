#pragma once

// IPv4 addresses written the way people write them: "10.0.3.255", four
// fields of one to three ASCII digits, each from 0 to 255.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvana {

// Reads one address from the front of `text` and moves `text` past it.
// Leaves `text` as it was when none is there.
[[nodiscard]] std::optional<std::uint32_t> ReadDottedQuad(std::string_view& text);

// The whole text is one address and nothing else.
[[nodiscard]] std::optional<std::uint32_t> ParseDottedQuad(std::string_view text);

[[nodiscard]] std::string DottedQuadText(std::uint32_t address);

}  // namespace morvana
