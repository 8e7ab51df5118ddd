// libFuzzer entry: any bytes, as two address texts, must keep every property;
// their first eight bytes, as two addresses, must give a range's exact blocks.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "mask_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto [first, second] = morvana::fuzz::SplitInput(bytes);
  auto violation = morvana::fuzz::CheckMaskProperties(first, second);
  if (!violation && size >= 8) {
    std::uint32_t from = 0;
    std::uint32_t to = 0;
    std::memcpy(&from, data, sizeof from);
    std::memcpy(&to, data + sizeof from, sizeof to);
    violation = morvana::fuzz::CheckBlockProperties(from, to, morvana::RangeBlocks(from, to));
  }
  if (violation) {
    std::fprintf(stderr, "property violated: %s\n", violation->c_str());
    std::abort();
  }
  return 0;
}
