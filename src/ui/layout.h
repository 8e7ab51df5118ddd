#pragma once

// The main window frmMain as data: every window of ours (Win32, Qt and the
// page) is built from this table and checked against it, so they cannot
// drift.
// Positions and sizes are twips from the top-left of the client area
// (1440 to the inch, 15 to the pixel at 96 DPI).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "ui/main_window_view.h"

namespace morvana::layout {

inline constexpr std::string_view kApplicationTitle = "Morvana";
inline constexpr std::string_view kWindowName = "frmMain";
inline constexpr int kClientWidthTwips = 4080;
inline constexpr int kClientHeightTwips = 2430;
inline constexpr int kTwipsPerInch = 1440;

enum class ControlKind { Label, TextBox, Button };
enum class TextAlign { Left, Centre };

struct Colour {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
  friend constexpr bool operator==(const Colour&, const Colour&) = default;
};
inline constexpr Colour kWhite{255, 255, 255};
inline constexpr Colour kLightGrey{0xE0, 0xE0, 0xE0};

struct Font {
  std::string_view face;
  double points;
  int weight;   // 400 regular, 700 bold
  int charset;  // 0 is ANSI
};
// The form's own font shows nowhere: every control carries one of the other two.
inline constexpr Font kFormFont{"Verdana", 8.25, 400, 0};
inline constexpr Font kLabelFont{"Verdana", 8.25, 700, 0};      // labels and the button
inline constexpr Font kBoxFont{"MS Sans Serif", 8.25, 400, 0};  // the nine text boxes

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

// Named as the controls are named in the windows' code, and numbered as the
// rows of kControls: a control's id is its row.
enum class ControlId {
  Label4,
  Label3,
  Label1,
  txtFromFirstOctet,
  txtFromSecondOctet,
  txtFromThirdOctet,
  txtFromFourthOctet,
  cmdCalculateSubnet,
  Label2,
  txtToFirstOctet,
  txtToSecondOctet,
  txtToThirdOctet,
  txtToFourthOctet,
  txtSubnet,  // the last
};
inline constexpr int kControlCount = static_cast<int>(ControlId::txtSubnet) + 1;

struct Control {
  ControlId id;
  std::string_view name;
  ControlKind kind;
  std::string_view caption;  // labels and the button; text boxes start empty
  const Font* font;
  Colour back;
  TextAlign align;
  int max_length;  // text boxes only; 0 elsewhere
  int tab_index;
  TwipsRect rect;
  std::string_view accessible_name;  // boxes and the button: the labels name rows, not boxes
};

inline constexpr std::string_view kAdvertisement =
    "Affordable software consulting by Kestiva, Inc. https://kestiva.example";

// In top-to-bottom reading order. Label1 reaches one pixel into
// txtFromFirstOctet; the box lies on top there.
// clang-format off
inline constexpr std::array<Control, kControlCount> kControls{{
    {ControlId::Label4, "Label4", ControlKind::Label, kAdvertisement, &kLabelFont, kWhite, TextAlign::Centre, 0, 13, {120, 120, 3855, 675}, ""},
    {ControlId::Label3, "Label3", ControlKind::Label, "Please enter desired IP range:", &kLabelFont, kWhite, TextAlign::Centre, 0, 12, {480, 960, 3135, 195}, ""},
    {ControlId::Label1, "Label1", ControlKind::Label, "From:", &kLabelFont, kWhite, TextAlign::Left, 0, 11, {120, 1320, 615, 195}, ""},
    {ControlId::txtFromFirstOctet, "txtFromFirstOctet", ControlKind::TextBox, "", &kBoxFont, kLightGrey, TextAlign::Left, 4, 1, {720, 1320, 420, 220}, "From address, first octet"},
    {ControlId::txtFromSecondOctet, "txtFromSecondOctet", ControlKind::TextBox, "", &kBoxFont, kLightGrey, TextAlign::Left, 4, 2, {1200, 1320, 420, 220}, "From address, second octet"},
    {ControlId::txtFromThirdOctet, "txtFromThirdOctet", ControlKind::TextBox, "", &kBoxFont, kLightGrey, TextAlign::Left, 4, 3, {1680, 1320, 420, 220}, "From address, third octet"},
    {ControlId::txtFromFourthOctet, "txtFromFourthOctet", ControlKind::TextBox, "", &kBoxFont, kLightGrey, TextAlign::Left, 4, 4, {2160, 1320, 420, 220}, "From address, fourth octet"},
    {ControlId::cmdCalculateSubnet, "cmdCalculateSubnet", ControlKind::Button, "Calculate Subnet", &kLabelFont, kWhite, TextAlign::Centre, 0, 9, {2640, 1320, 1290, 590}, "Calculate Subnet"},
    {ControlId::Label2, "Label2", ControlKind::Label, "To:", &kLabelFont, kWhite, TextAlign::Left, 0, 0, {120, 1680, 495, 195}, ""},
    {ControlId::txtToFirstOctet, "txtToFirstOctet", ControlKind::TextBox, "", &kBoxFont, kLightGrey, TextAlign::Left, 4, 5, {720, 1680, 420, 220}, "To address, first octet"},
    {ControlId::txtToSecondOctet, "txtToSecondOctet", ControlKind::TextBox, "", &kBoxFont, kLightGrey, TextAlign::Left, 4, 6, {1200, 1680, 420, 220}, "To address, second octet"},
    {ControlId::txtToThirdOctet, "txtToThirdOctet", ControlKind::TextBox, "", &kBoxFont, kLightGrey, TextAlign::Left, 4, 7, {1680, 1680, 420, 220}, "To address, third octet"},
    {ControlId::txtToFourthOctet, "txtToFourthOctet", ControlKind::TextBox, "", &kBoxFont, kLightGrey, TextAlign::Left, 4, 8, {2160, 1680, 420, 220}, "To address, fourth octet"},
    {ControlId::txtSubnet, "txtSubnet", ControlKind::TextBox, "", &kBoxFont, kLightGrey, TextAlign::Left, 20, 10, {720, 2040, 1860, 220}, "Subnet mask"},
}};
// clang-format on

// Each row stands where its id says, so finding a control is an index.
static_assert(
    [] {
      for (std::size_t row = 0; row < kControls.size(); ++row) {
        if (kControls[row].id != static_cast<ControlId>(row)) return false;
      }
      return true;
    }(),
    "kControls must list the controls in the order of ControlId");

[[nodiscard]] constexpr std::size_t RowOf(ControlId id) {
  return static_cast<std::size_t>(id);
}
[[nodiscard]] constexpr const Control& ControlFor(ControlId id) {
  return kControls[RowOf(id)];
}

// The controls as they read on screen: top to bottom, each row left to
// right, and the button, which spans both address rows, after them. Screen
// readers walk the window in this order. Labels take no focus, so the
// other controls keep the tab order in it.
// clang-format off
inline constexpr std::array<ControlId, kControlCount> kReadingOrder{
    ControlId::Label4, ControlId::Label3,
    ControlId::Label1,
    ControlId::txtFromFirstOctet, ControlId::txtFromSecondOctet, ControlId::txtFromThirdOctet,
    ControlId::txtFromFourthOctet,
    ControlId::Label2,
    ControlId::txtToFirstOctet, ControlId::txtToSecondOctet, ControlId::txtToThirdOctet,
    ControlId::txtToFourthOctet,
    ControlId::cmdCalculateSubnet, ControlId::txtSubnet};
// clang-format on

// The label that names the four boxes of an address: "From:" or "To:".
[[nodiscard]] constexpr ControlId AddressLabel(AddressSide side) {
  return side == AddressSide::From ? ControlId::Label1 : ControlId::Label2;
}

// The controls by ascending tab index (Label2 first, Label4 last). Windows
// that take their tab order from creation order create them in this order.
[[nodiscard]] const std::array<const Control*, kControlCount>& TabOrder();

// The octet box that holds one octet of one address.
[[nodiscard]] ControlId OctetBoxControl(AddressSide side, OctetPosition position);
[[nodiscard]] inline ControlId OctetBoxControl(OctetBoxRef box) {
  return OctetBoxControl(box.side, box.position);
}
// The octet box a control is, or nothing for the other controls.
[[nodiscard]] std::optional<OctetBoxRef> OctetBoxOf(ControlId id);

// round(twips * dpi / 1440), for the non-negative sizes of this layout.
[[nodiscard]] constexpr int TwipsToPixels(int twips, int dpi) {
  return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

}  // namespace morvana::layout
