#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "mask/dotted_address.h"
#include "mask/outcome.h"

namespace morvana {

// Mask octet for the XOR of two address octets: 255 shifted left by the bit
// length of the difference, kept to eight bits. Negative differences (only
// from negative input) give 254; differences of 256 and more give 0.
[[nodiscard]] std::int16_t MaskOctet(std::int16_t difference);

// The dotted mask of the longest prefix, worked octet by octet, that both
// addresses share, e.g. "10.0.0.1" and "10.0.3.5" give "255.255.252.0".
// The order of the arguments does not matter. An address that does not have
// exactly four fields counts as 0.0.0.0. Fails with Conversion for a field that
// is not a number, and with Range for a value outside 32 bits or an octet XOR
// outside 16 bits.
[[nodiscard]] Outcome<DottedAddress> CalculateSubnetMask(std::string_view first, std::string_view second);

// The same mask as numbers, first octet first, each from 0 to 255, for
// callers that go on to work with it; MaskText writes it as
// CalculateSubnetMask does.
using MaskOctets = std::array<std::int16_t, 4>;
[[nodiscard]] Outcome<MaskOctets> CalculateMaskOctets(std::string_view first, std::string_view second);
[[nodiscard]] DottedAddress MaskText(const MaskOctets& mask);

}  // namespace morvana
