#pragma once

// Properties of the covering-mask calculation, and of the blocks that hold
// exactly a range, that must hold for any input.
// The fuzzer checks them on every input it makes; the ordinary test suite
// replays the seed corpus and every input that once broke one of them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "mask/covering_mask.h"
#include "mask/range_blocks.h"

namespace morvana::fuzz {

// The fuzzer's bytes as two address texts: before and after the first '\n'
// (all of it is the first text when there is none).
[[nodiscard]] std::pair<std::string_view, std::string_view> SplitInput(std::string_view bytes);

using MaskCalculation = Outcome<DottedAddress> (*)(std::string_view, std::string_view);

// nullopt when every property holds, otherwise what was violated. The
// calculation can be swapped so that tests can show the checks bite. Two
// valid addresses have their range's blocks checked too.
[[nodiscard]] std::optional<std::string> CheckMaskProperties(std::string_view first, std::string_view second,
                                                             MaskCalculation calculate = CalculateSubnetMask);

// nullopt when `blocks` hold exactly the addresses from the lower of the two
// to the higher, ascending, aligned and contiguous, and no two neighbours
// make one aligned block (so no shorter list does it).
[[nodiscard]] std::optional<std::string> CheckBlockProperties(std::uint32_t from, std::uint32_t to,
                                                              const std::vector<CidrBlock>& blocks);

}  // namespace morvana::fuzz
