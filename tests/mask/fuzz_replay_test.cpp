// Replays the fuzzer's seed corpus and every input that once broke a property,
// so that a fixed fault stays fixed without running the fuzzer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "mask_properties.h"

namespace morvana::fuzz {
namespace {

std::vector<std::filesystem::path> InputsIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  return files;
}

void ExpectPropertiesHold(const std::filesystem::path& folder, std::size_t at_least) {
  const auto files = InputsIn(folder);
  EXPECT_GE(files.size(), at_least) << "inputs missing from " << folder;
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto [first, second] = SplitInput(bytes);
    const auto violation = CheckMaskProperties(first, second);
    EXPECT_FALSE(violation.has_value()) << file.filename() << ": " << violation.value_or("");
  }
}

TEST(fuzz_replay, seed_corpus_keeps_every_property) {
  ExpectPropertiesHold(std::filesystem::path(MORVANA_FUZZ_DIR) / "corpus", 10);
}

TEST(fuzz_replay, former_failures_stay_fixed) {
  ExpectPropertiesHold(std::filesystem::path(MORVANA_FUZZ_DIR) / "regressions", 1);
}

// The checker must notice faults, or a green replay means nothing.
struct BrokenCalculation {
  std::string name;
  MaskCalculation calculate;
  std::string first;
  std::string second;
  friend void PrintTo(const BrokenCalculation& c, std::ostream* os) { *os << c.name; }
};

class mask_properties : public testing::TestWithParam<BrokenCalculation> {};

TEST_P(mask_properties, catch_a_broken_calculation) {
  const BrokenCalculation& c = GetParam();
  EXPECT_TRUE(CheckMaskProperties(c.first, c.second, c.calculate).has_value())
      << c.first << " / " << c.second;
}

INSTANTIATE_TEST_SUITE_P(
    cases, mask_properties,
    testing::Values(BrokenCalculation{"order_dependent",
                                      [](std::string_view a, std::string_view) -> Outcome<DottedAddress> {
                                        return a.empty() ? MaskFailure::Range : MaskFailure::Conversion;
                                      },
                                      "", "1.2.3.4"},
                    BrokenCalculation{"not_a_mask",
                                      [](std::string_view, std::string_view) -> Outcome<DottedAddress> {
                                        return DottedAddress("255.0.255.0");
                                      },
                                      "x", "y"},
                    BrokenCalculation{"wrong_prefix",
                                      [](std::string_view, std::string_view) -> Outcome<DottedAddress> {
                                        return DottedAddress("255.255.255.0");
                                      },
                                      "10.0.0.1", "10.0.3.5"}),
    [](const testing::TestParamInfo<BrokenCalculation>& info) { return info.param.name; });

// 10.0.0.1 to 10.0.0.6 is 10.0.0.1/32, 10.0.0.2/31, 10.0.0.4/31, 10.0.0.6/32.
TEST(block_properties, catch_a_wrong_cover) {
  constexpr std::uint32_t k10 = 0x0A000000;
  struct Case {
    const char* name;
    std::vector<CidrBlock> blocks;
  };
  const Case cases[] = {
      {"none", {}},
      {"a_gap", {{k10 | 1, 32}, {k10 | 2, 31}, {k10 | 6, 32}}},
      {"an_overlap", {{k10 | 1, 32}, {k10 | 2, 31}, {k10 | 3, 32}, {k10 | 4, 31}, {k10 | 6, 32}}},
      {"unaligned", {{k10 | 1, 31}, {k10 | 3, 32}, {k10 | 4, 31}, {k10 | 6, 32}}},
      {"neighbours_that_make_one_block",
       {{k10 | 1, 32}, {k10 | 2, 32}, {k10 | 3, 32}, {k10 | 4, 31}, {k10 | 6, 32}}},
      {"ends_early", {{k10 | 1, 32}, {k10 | 2, 31}, {k10 | 4, 31}}},
  };
  EXPECT_EQ(CheckBlockProperties(k10 | 6, k10 | 1, RangeBlocks(k10 | 1, k10 | 6)), std::nullopt)
      << "the right cover";
  for (const Case& c : cases)
    EXPECT_TRUE(CheckBlockProperties(k10 | 1, k10 | 6, c.blocks).has_value()) << c.name;
}

TEST(fuzz_input, splits_at_the_first_newline) {
  using Texts = std::pair<std::string_view, std::string_view>;
  EXPECT_EQ(SplitInput("a\nb\nc"), (Texts{"a", "b\nc"})) << "later newlines belong to the second text";
  EXPECT_EQ(SplitInput("a"), (Texts{"a", ""})) << "no newline: all of it is the first text";
}

}  // namespace
}  // namespace morvana::fuzz
