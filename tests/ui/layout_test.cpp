#include "ui/layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace morvana::layout {
namespace {

TEST(layout, every_id_has_its_own_row_named_after_it) {
  std::set<std::string_view> names;
  for (const Control& control : kControls) {
    EXPECT_EQ(&ControlFor(control.id), &control) << control.name;
    names.insert(control.name);
  }
  EXPECT_EQ(names.size(), kControls.size()) << "control names must be unique";
}

TEST(layout, tab_indices_run_from_0_to_13_with_octet_boxes_in_address_order) {
  const auto& order = TabOrder();
  for (int i = 0; i < kControlCount; ++i) EXPECT_EQ(order.at(i)->tab_index, i);
  const std::string expected[] = {"Label2",
                                  "txtFromFirstOctet",
                                  "txtFromSecondOctet",
                                  "txtFromThirdOctet",
                                  "txtFromFourthOctet",
                                  "txtToFirstOctet",
                                  "txtToSecondOctet",
                                  "txtToThirdOctet",
                                  "txtToFourthOctet",
                                  "cmdCalculateSubnet",
                                  "txtSubnet",
                                  "Label1",
                                  "Label3",
                                  "Label4"};
  for (int i = 0; i < kControlCount; ++i) EXPECT_EQ(order.at(i)->name, expected[i]) << "tab index " << i;
}

TEST(layout, octet_boxes_map_to_their_controls) {
  EXPECT_EQ(OctetBoxControl(AddressSide::From, OctetPosition::First), ControlId::txtFromFirstOctet);
  EXPECT_EQ(OctetBoxControl(AddressSide::From, OctetPosition::Fourth), ControlId::txtFromFourthOctet);
  EXPECT_EQ(OctetBoxControl(AddressSide::To, OctetPosition::First), ControlId::txtToFirstOctet);
  EXPECT_EQ(OctetBoxControl(AddressSide::To, OctetPosition::Fourth), ControlId::txtToFourthOctet);
}

TEST(layout, everything_lies_inside_the_client_area) {
  for (const Control& c : kControls) {
    EXPECT_GE(c.rect.left, 0) << c.name;
    EXPECT_GE(c.rect.top, 0) << c.name;
    EXPECT_LE(c.rect.left + c.rect.width, kClientWidthTwips) << c.name;
    EXPECT_LE(c.rect.top + c.rect.height, kClientHeightTwips) << c.name;
  }
}

TEST(layout, twips_round_to_the_nearest_pixel) {
  EXPECT_EQ(TwipsToPixels(4080, 96), 272);
  EXPECT_EQ(TwipsToPixels(2430, 96), 162);
  EXPECT_EQ(TwipsToPixels(220, 96), 15) << "14.67 rounds up";
  EXPECT_EQ(TwipsToPixels(3855, 96), 257);
  EXPECT_EQ(TwipsToPixels(1290, 96), 86);
  EXPECT_EQ(TwipsToPixels(7, 96), 0) << "7 twips is under half a pixel";
  EXPECT_EQ(TwipsToPixels(8, 96), 1) << "8 twips is over half a pixel";
  EXPECT_EQ(TwipsToPixels(4080, 144), 408) << "150% scale";
}

TEST(layout, boxes_are_grey_with_limits_and_labels_white_without) {
  for (const Control& c : kControls) {
    const bool box = c.kind == ControlKind::TextBox;
    EXPECT_EQ(c.back, box ? kLightGrey : kWhite) << c.name;
    EXPECT_EQ(c.font, box ? &kBoxFont : &kLabelFont) << c.name;
    EXPECT_EQ(c.max_length, box ? (c.id == ControlId::txtSubnet ? 20 : 4) : 0) << c.name;
    EXPECT_EQ(c.accessible_name.empty(), c.kind == ControlKind::Label) << c.name;
  }
}

}  // namespace
}  // namespace morvana::layout
