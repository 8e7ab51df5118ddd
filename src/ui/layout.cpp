#include "ui/layout.h"

#include <algorithm>
#include <cstddef>

namespace morvana::layout {

const std::array<const Control*, kControlCount>& TabOrder() {
  static const auto order = [] {
    std::array<const Control*, kControlCount> sorted{};
    std::transform(kControls.begin(), kControls.end(), sorted.begin(), [](const Control& c) { return &c; });
    std::sort(sorted.begin(), sorted.end(),
              [](const Control* a, const Control* b) { return a->tab_index < b->tab_index; });
    return sorted;
  }();
  return order;
}

ControlId OctetBoxControl(AddressSide side, OctetPosition position) {
  static constexpr std::array<ControlId, 4> kFrom{ControlId::txtFromFirstOctet, ControlId::txtFromSecondOctet,
                                                  ControlId::txtFromThirdOctet,
                                                  ControlId::txtFromFourthOctet};
  static constexpr std::array<ControlId, 4> kTo{ControlId::txtToFirstOctet, ControlId::txtToSecondOctet,
                                                ControlId::txtToThirdOctet, ControlId::txtToFourthOctet};
  const auto index = static_cast<std::size_t>(position) - 1;
  return side == AddressSide::From ? kFrom.at(index) : kTo.at(index);
}

std::optional<OctetBoxRef> OctetBoxOf(ControlId id) {
  for (const AddressSide side : {AddressSide::From, AddressSide::To}) {
    for (int position = 1; position <= 4; ++position) {
      const OctetBoxRef box{side, static_cast<OctetPosition>(position)};
      if (OctetBoxControl(box) == id) return box;
    }
  }
  return std::nullopt;
}

}  // namespace morvana::layout
