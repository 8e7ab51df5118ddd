#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "mask/outcome.h"

namespace morvana {

// An IPv4 address as text: four fields joined by '.', first octet first.
// Fields travel exactly as typed, so they may hold blanks, a sign, values
// above 255 or a '.' of their own.
using DottedAddress = std::string;

// One converted address field: a whole number, or empty. Empty counts as 0.
// Numbers beyond 64 bits are held at the 64-bit limit of their sign; the only
// use of a value is a 32-bit conversion, which rejects both alike.
class OctetValue {
 public:
  constexpr OctetValue() = default;  // empty
  constexpr explicit OctetValue(std::int64_t number) : number_(number) {}

  [[nodiscard]] constexpr bool IsEmpty() const { return !number_.has_value(); }
  // The value for arithmetic: empty reads as 0.
  [[nodiscard]] constexpr std::int64_t Number() const { return number_.value_or(0); }

  friend constexpr bool operator==(const OctetValue&, const OctetValue&) = default;

 private:
  std::optional<std::int64_t> number_;
};

using OctetValues = std::array<OctetValue, 4>;

// first "." second "." third "." fourth, untouched.
[[nodiscard]] DottedAddress JoinOctetFields(std::string_view first, std::string_view second,
                                            std::string_view third, std::string_view fourth);

// Converts the four fields of an address. A text without exactly four fields
// gives four empty values (not a failure); a field that is not a number gives
// MaskFailure::Conversion.
// Accepted field form: optional spaces or tabs, an optional '+' or '-', one or
// more ASCII digits, optional spaces or tabs; nothing else (no fraction,
// exponent, hex or locale separators), independent of the process locale.
[[nodiscard]] Outcome<OctetValues> SplitDottedAddress(std::string_view text);

}  // namespace morvana
