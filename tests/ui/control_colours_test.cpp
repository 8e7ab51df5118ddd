#include "ui/control_colours.h"

#include <gtest/gtest.h>

namespace morvana {
namespace {

using layout::Colour;
using layout::kLightGrey;
using layout::kWhite;

TEST(control_colours, text_stays_readable_on_the_white_labels_and_light_grey_boxes) {
  constexpr Colour kBlack{0, 0, 0};
  constexpr Colour kNavy{0, 0, 128};
  constexpr Colour kMidGrey{0x70, 0x70, 0x70};  // 4.9:1 on white, 3.8:1 on light grey
  struct Case {
    const char* name;
    ColourPair scheme;  // the scheme's window colour and its text
    bool high_contrast;
    ColourPair label;  // what a white label draws with
    ColourPair box;    // what a light grey box draws with
  };
  const Case cases[] = {
      {"standard", {kWhite, kBlack}, false, {kWhite, kBlack}, {kLightGrey, kBlack}},
      {"white on black", {kBlack, kWhite}, false, {kWhite, kBlack}, {kLightGrey, kBlack}},
      {"white on black, High Contrast", {kBlack, kWhite}, true, {kBlack, kWhite}, {kBlack, kWhite}},
      {"navy on light yellow", {{255, 255, 224}, kNavy}, false, {kWhite, kNavy}, {kLightGrey, kNavy}},
      {"mid grey reads on white only", {kWhite, kMidGrey}, false, {kWhite, kMidGrey}, {kLightGrey, kBlack}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColoursToDrawWith(kWhite, c.scheme.text, c.scheme, c.high_contrast), c.label)
        << c.name << ": label";
    EXPECT_EQ(ColoursToDrawWith(kLightGrey, c.scheme.text, c.scheme, c.high_contrast), c.box)
        << c.name << ": box";
  }
}

TEST(control_colours, box_edges_stand_out_from_any_window) {
  struct Case {
    const char* name;
    Colour window;
    Colour edge;
  };
  const Case cases[] = {
      {"white", kWhite, kEdgeGrey},
      {"black", {0, 0, 0}, kEdgeGrey},
      {"dark page", {0x12, 0x12, 0x12}, kEdgeGrey},
      {"mid grey", {0x80, 0x80, 0x80}, {0, 0, 0}},
      {"dark slate", {0x40, 0x48, 0x50}, kWhite},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EdgeColour(c.window), c.edge) << c.name;
    EXPECT_GE(ContrastRatio(EdgeColour(c.window), c.window), kMinimumEdgeContrast) << c.name;
  }
}

TEST(control_colours, focus_marks_stand_out_from_window_and_box) {
  constexpr Colour kBlack{0, 0, 0};
  constexpr Colour kBlue{0x30, 0x8C, 0xC6};  // 3.6:1 on white, 2.7:1 on light grey
  struct Case {
    const char* name;
    Colour highlight;
    Colour window;
    Colour mark;
  };
  const Case cases[] = {
      {"navy highlight kept", {0, 0, 128}, kWhite, {0, 0, 128}},
      {"light blue too faint on the box", kBlue, kWhite, kBlack},
      {"dark window: the grey stands out from both", kBlue, {0x20, 0x30, 0x40}, kEdgeGrey},
      {"nothing reaches 3:1: the strongest", {0xA0, 0xA0, 0xA0}, {0x40, 0x40, 0x40}, kEdgeGrey},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FocusMarkColour(c.highlight, c.window, kLightGrey), c.mark) << c.name;
  }
}

// Each window reads its scheme and draws by one rule: Morvana.exe keeps the
// frame its edit boxes draw where it stands out, the Linux window and the
// page draw every edge.
TEST(control_colours, every_window_draws_each_control_by_one_rule) {
  constexpr Colour kBlack{0, 0, 0};
  constexpr Colour kNavy{0, 0, 128};
  constexpr Colour kWineFrame{0xC0, 0xC0, 0xC0};  // 1.8:1 on white
  const ColourScheme standard{kWhite, kBlack, kBlack, kNavy, kBlack, false};
  const ColourScheme wine{kWhite, kBlack, kBlack, kNavy, kWineFrame, false};
  const ColourScheme drawn_by_the_window{kWhite, kBlack, kBlack, kNavy, std::nullopt, false};
  const ColourScheme dark{{0x12, 0x12, 0x12}, kWhite, kWhite, kNavy, std::nullopt, false};
  const ColourScheme high_contrast{kBlack, kWhite, kWhite, kNavy, kWhite, true};
  struct Case {
    const char* name;
    const ColourScheme& scheme;
    layout::ControlId control;
    ControlLook look;
  };
  using layout::ControlId;
  const Case cases[] = {
      {"frame stands out: the toolkit's edge",
       standard,
       ControlId::txtSubnet,
       {{kLightGrey, kBlack}, {}, kNavy}},
      {"faint frame: an edge drawn over",
       wine,
       ControlId::txtFromFirstOctet,
       {{kLightGrey, kBlack}, kEdgeGrey, kNavy}},
      {"no frame of its own",
       drawn_by_the_window,
       ControlId::txtToFirstOctet,
       {{kLightGrey, kBlack}, kEdgeGrey, kNavy}},
      {"dark: black text on the box",
       dark,
       ControlId::txtSubnet,
       {{kLightGrey, kBlack}, kEdgeGrey, kEdgeGrey}},
      {"dark: black text on the label", dark, ControlId::Label3, {{kWhite, kBlack}, {}, {}}},
      {"dark: the button's surround stays white",
       dark,
       ControlId::cmdCalculateSubnet,
       {{kWhite, kBlack}, {}, {}}},
      {"High Contrast: the scheme's pair",
       high_contrast,
       ControlId::txtSubnet,
       {{kBlack, kWhite}, {}, kWhite}},
      {"High Contrast: the button's surround stays white",
       high_contrast,
       ControlId::cmdCalculateSubnet,
       {{kWhite, kBlack}, {}, {}}},
  };
  for (const Case& c : cases) EXPECT_EQ(LookOf(layout::ControlFor(c.control), c.scheme), c.look) << c.name;
}

}  // namespace
}  // namespace morvana
