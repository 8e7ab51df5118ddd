#include "ui/layout.h"

#include <algorithm>
#include <cstddef>

namespace morvana::layout {

const Control& ControlFor(ControlId id) {
  const auto found = std::find_if(kControls.begin(), kControls.end(),
                                  [id](const Control& control) { return control.id == id; });
  return *found;  // every ControlId has a row; the table test holds that
}

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

}  // namespace morvana::layout
