// libFuzzer entry: any bytes, as two address texts, must keep every property.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "mask_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto [first, second] = morvana::fuzz::SplitInput(bytes);
  if (const auto violation = morvana::fuzz::CheckMaskProperties(first, second)) {
    std::fprintf(stderr, "property violated: %s\n", violation->c_str());
    std::abort();
  }
  return 0;
}
