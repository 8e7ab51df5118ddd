#pragma once

// The calculation's own reading of an address: the four fields as plain 64-bit
// numbers. SplitDottedAddress wraps them in OctetValues for its callers;
// CalculateSubnetMask uses them as they are, which keeps its every call free
// of optional and variant copies.

#include <array>
#include <cstdint>
#include <string_view>

namespace morvana {

enum class AddressForm {
  Numbers,       // four fields, each a number
  NotAnAddress,  // not exactly four fields: counts as 0.0.0.0
  NotANumber,    // four fields, one of them not a number
};

struct AddressNumbers {
  AddressForm form = AddressForm::NotAnAddress;
  std::array<std::int64_t, 4> numbers{};  // all 0 unless form is Numbers
};

// Accepts the field form SplitDottedAddress documents, with the same 64-bit
// saturation.
[[nodiscard]] AddressNumbers ReadAddressNumbers(std::string_view text);

}  // namespace morvana
