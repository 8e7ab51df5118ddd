#pragma once

// Properties of the covering-mask calculation that must hold for any input.
// The fuzzer checks them on every input it makes; the ordinary test suite
// replays the seed corpus and every input that once broke one of them.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "mask/covering_mask.h"

namespace morvana::fuzz {

// The fuzzer's bytes as two address texts: before and after the first '\n'
// (all of it is the first text when there is none).
[[nodiscard]] std::pair<std::string_view, std::string_view> SplitInput(std::string_view bytes);

using MaskCalculation = Outcome<DottedAddress> (*)(std::string_view, std::string_view);

// nullopt when every property holds, otherwise what was violated. The
// calculation can be swapped so that tests can show the checks bite.
[[nodiscard]] std::optional<std::string> CheckMaskProperties(std::string_view first, std::string_view second,
                                                             MaskCalculation calculate = CalculateSubnetMask);

}  // namespace morvana::fuzz
