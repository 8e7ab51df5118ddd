// frmMain as realised on screen, checked against the layout table and against
// the pixel figures of the design (at 96 DPI).

#include <oleacc.h>

#include <array>
#include <iostream>
#include <optional>
#include <string>
#include <utility>

#include "ui/control_colours.h"
#include "ui/win32/wide_text.h"
#include "window_driver.h"

namespace morvana::testing_win32 {
namespace {

using layout::ControlId;
using layout::ControlKind;

std::wstring ClassOf(HWND hwnd) {
  std::array<wchar_t, 64> name{};
  GetClassNameW(hwnd, name.data(), static_cast<int>(name.size()));
  return name.data();
}

RECT ClientRectOf(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

LOGFONTW FontOf(HWND hwnd) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

DWORD StyleOf(HWND hwnd) {
  return static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
}

// What the window paints a control's background with: the brush it returns
// and the text background it sets.
struct Paint {
  COLORREF brush;
  COLORREF text_background;
  COLORREF text;
};
Paint PaintOf(HWND window, HWND child, UINT message) {
  HDC dc = CreateCompatibleDC(nullptr);
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(window, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child)));
  LOGBRUSH logbrush{};
  GetObjectW(brush, sizeof logbrush, &logbrush);
  const Paint paint{logbrush.lbColor, GetBkColor(dc), GetTextColor(dc)};
  DeleteDC(dc);
  return paint;
}

// The design's pixel rectangles at 96 DPI: left, top, width, height.
struct Placement {
  ControlId id;
  RECT expected;  // left, top, right, bottom
};
constexpr RECT Px(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}
constexpr std::array<Placement, layout::kControlCount> kPlacements{{
    {ControlId::Label4, Px(8, 8, 257, 45)},
    {ControlId::Label3, Px(32, 64, 209, 13)},
    {ControlId::Label1, Px(8, 88, 41, 13)},
    {ControlId::txtFromFirstOctet, Px(48, 88, 28, 15)},
    {ControlId::txtFromSecondOctet, Px(80, 88, 28, 15)},
    {ControlId::txtFromThirdOctet, Px(112, 88, 28, 15)},
    {ControlId::txtFromFourthOctet, Px(144, 88, 28, 15)},
    {ControlId::cmdCalculateSubnet, Px(176, 88, 86, 39)},
    {ControlId::Label2, Px(8, 112, 33, 13)},
    {ControlId::txtToFirstOctet, Px(48, 112, 28, 15)},
    {ControlId::txtToSecondOctet, Px(80, 112, 28, 15)},
    {ControlId::txtToThirdOctet, Px(112, 112, 28, 15)},
    {ControlId::txtToFourthOctet, Px(144, 112, 28, 15)},
    {ControlId::txtSubnet, Px(48, 136, 124, 15)},
}};

using frm_main = WindowTest;

TEST_F(frm_main, window_is_a_fixed_272_by_162_frame_titled_Morvana) {
  ASSERT_EQ(GetDpiForWindow(Window()), 96u) << "the pixel figures below hold at 96 DPI";
  RECT client{};
  GetClientRect(Window(), &client);
  EXPECT_EQ(client.right, 272) << "4080 twips";
  EXPECT_EQ(client.bottom, 162) << "2430 twips";
  EXPECT_EQ(WindowText(Window()), L"Morvana") << "caption";

  const DWORD style = StyleOf(Window());
  EXPECT_EQ(style & WS_THICKFRAME, 0u) << "the frame is fixed";
  EXPECT_EQ(style & WS_MAXIMIZEBOX, 0u) << "no maximise button";
  EXPECT_NE(style & WS_MINIMIZEBOX, 0u) << "a minimise button";
  EXPECT_EQ(GetMenu(Window()), nullptr) << "no menu";
  EXPECT_EQ(GetClassLongPtrW(Window(), GCLP_HBRBACKGROUND), COLOR_WINDOW + 1)
      << "background follows the colour scheme's window colour";
  EXPECT_NE(GetClassLongPtrW(Window(), GCLP_HICON), 0) << "icon for the taskbar";
  EXPECT_NE(GetClassLongPtrW(Window(), GCLP_HICONSM), 0) << "icon for the title bar";
}

TEST_F(frm_main, every_control_stands_where_the_design_puts_it) {
  for (const Placement& placement : kPlacements) {
    const layout::Control& control = layout::ControlFor(placement.id);
    HWND child = Control(placement.id);
    ASSERT_NE(child, nullptr) << control.name;
    const RECT actual = ClientRectOf(child);
    EXPECT_EQ(actual.left, placement.expected.left) << control.name;
    EXPECT_EQ(actual.top, placement.expected.top) << control.name;
    EXPECT_EQ(actual.right, placement.expected.right) << control.name;
    EXPECT_EQ(actual.bottom, placement.expected.bottom) << control.name;
  }
}

TEST_F(frm_main, every_control_is_realised_from_its_table_row) {
  const wchar_t* const kClasses[] = {L"Static", L"Edit", L"Button"};
  for (const layout::Control& control : layout::kControls) {
    SCOPED_TRACE(control.name);
    HWND child = Control(control.id);
    EXPECT_EQ(ClassOf(child), kClasses[static_cast<int>(control.kind)]) << "window class";
    EXPECT_EQ(Text(control.id), WideFromUtf8(control.caption)) << "caption, or empty box";
    EXPECT_TRUE(IsWindowVisible(child) && IsWindowEnabled(child)) << "visible and enabled";

    const LOGFONTW font = FontOf(child);
    EXPECT_EQ(font.lfFaceName, WideFromUtf8(control.font->face)) << "font face";
    EXPECT_EQ(font.lfHeight, -11) << "8.25 pt at 96 DPI";
    EXPECT_EQ(font.lfWeight, control.font->weight) << "font weight";
    EXPECT_EQ(font.lfCharSet, 0) << "ANSI character set";
    EXPECT_FALSE(font.lfItalic || font.lfUnderline || font.lfStrikeOut) << "plain font";

    const DWORD style = StyleOf(child);
    const bool centred = control.align == layout::TextAlign::Centre;
    switch (control.kind) {
      case ControlKind::Label:
        EXPECT_EQ(style & SS_TYPEMASK, static_cast<DWORD>(centred ? SS_CENTER : SS_LEFT))
            << "wrapping alignment";
        EXPECT_NE(style & SS_NOPREFIX, 0u) << "no access key";
        EXPECT_EQ(style & WS_TABSTOP, 0u) << "labels take no focus";
        break;
      case ControlKind::TextBox:
        EXPECT_EQ(SendMessageW(child, EM_GETLIMITTEXT, 0, 0), control.max_length) << "limit";
        EXPECT_NE(style & ES_AUTOHSCROLL, 0u) << "scrolls sideways";
        EXPECT_EQ(style & (ES_MULTILINE | ES_READONLY | ES_PASSWORD | WS_HSCROLL | WS_VSCROLL), 0u)
            << "single line, editable, plain, no scroll bars";
        break;
      case ControlKind::Button:
        EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON)) << "the default button";
        EXPECT_NE(style & BS_MULTILINE, 0u) << "caption wraps";
        break;
    }
  }
}

TEST_F(frm_main, labels_paint_white_and_boxes_light_grey) {
  const COLORREF white = RGB(255, 255, 255);
  const COLORREF grey = RGB(0xE0, 0xE0, 0xE0);
  struct Case {
    const char* name;
    ControlId id;
    UINT message;
    COLORREF expected;
  };
  const Case cases[] = {
      {"Label4", ControlId::Label4, WM_CTLCOLORSTATIC, white},
      {"Label1", ControlId::Label1, WM_CTLCOLORSTATIC, white},
      {"txtFromFirstOctet", ControlId::txtFromFirstOctet, WM_CTLCOLOREDIT, grey},
      {"txtToFourthOctet", ControlId::txtToFourthOctet, WM_CTLCOLOREDIT, grey},
      {"txtSubnet", ControlId::txtSubnet, WM_CTLCOLOREDIT, grey},
      {"cmdCalculateSubnet", ControlId::cmdCalculateSubnet, WM_CTLCOLORBTN, white},
  };
  for (const Case& c : cases) {
    const Paint paint = PaintOf(Window(), Control(c.id), c.message);
    EXPECT_EQ(paint.brush, c.expected) << c.name << ": background brush";
    EXPECT_EQ(paint.text_background, c.expected) << c.name << ": behind the text";
  }
}

// Another window may carry the child id of one of frmMain's controls: it is
// neither painted nor focused as that control.
TEST_F(frm_main, a_window_with_a_controls_child_id_is_not_taken_for_that_control) {
  const int id = frmMain::ChildId(ControlId::txtSubnet);
  HWND other = CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 0, 0, 40, 20, nullptr, nullptr,
                               nullptr, nullptr);
  struct Case {
    const char* name;
    HWND parent;
  };
  const Case cases[] = {{"a box of another window", other},
                        {"a box of frmMain that it did not make", Window()}};
  for (const Case& c : cases) {
    HWND stranger = CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE, 0, 0, 20, 10, c.parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    ASSERT_EQ(GetDlgCtrlID(stranger), id) << c.name;
    SetFocus(stranger);
    ASSERT_EQ(GetFocus(), stranger) << c.name;
    EXPECT_EQ(frm_->FocusedControl(), std::nullopt) << c.name;
    EXPECT_EQ(PaintOf(Window(), stranger, WM_CTLCOLOREDIT).brush, GetSysColor(COLOR_WINDOW))
        << c.name << ": the standard paint, not txtSubnet's grey";
    DestroyWindow(stranger);
  }
  DestroyWindow(other);
}

TEST_F(frm_main, a_scheme_change_while_open_keeps_labels_and_boxes_readable) {
  const auto saved = ColourScheme();
  constexpr COLORREF white = RGB(255, 255, 255), grey = RGB(0xE0, 0xE0, 0xE0), navy = RGB(0, 0, 128),
                     black = 0;
  struct Case {
    const char* name;
    COLORREF back, text;  // the scheme's
    bool high_contrast;
    std::array<COLORREF, 4> painted;  // label back and text, box back and text
  };
  const Case cases[] = {
      {"navy on light yellow", RGB(255, 255, 224), navy, false, {white, navy, grey, navy}},
      {"white on black", black, white, false, {white, black, grey, black}},
      {"white on black, High Contrast", black, white, true, {black, white, black, white}},
      {"standard", white, black, false, {white, black, grey, black}},
  };
  for (const Case& c : cases) {
    SetColourScheme({c.back, c.text});
    if (std::exchange(high_contrast_on, c.high_contrast) != c.high_contrast) {
      SendMessageW(Window(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    }
    const Paint label = PaintOf(Window(), Control(ControlId::Label4), WM_CTLCOLORSTATIC);
    const Paint box = PaintOf(Window(), Control(ControlId::txtSubnet), WM_CTLCOLOREDIT);
    EXPECT_EQ((std::array{label.brush, label.text, box.brush, box.text}), c.painted) << c.name;
  }
  SetColourScheme(saved);
}

TEST_F(frm_main, starts_empty_with_the_caret_in_txtFromFirstOctet) {
  EXPECT_EQ(GetFocus(), Control(ControlId::txtFromFirstOctet)) << "first control with a tab stop";
  for (const layout::Control& control : layout::kControls) {
    if (control.kind == ControlKind::TextBox) {
      EXPECT_EQ(Text(control.id), L"") << control.name;
    }
  }
}

TEST_F(frm_main, tab_and_shift_tab_cycle_through_boxes_button_and_result) {
  const std::array<ControlId, 10> cycle{ControlId::txtFromFirstOctet,  ControlId::txtFromSecondOctet,
                                        ControlId::txtFromThirdOctet,  ControlId::txtFromFourthOctet,
                                        ControlId::txtToFirstOctet,    ControlId::txtToSecondOctet,
                                        ControlId::txtToThirdOctet,    ControlId::txtToFourthOctet,
                                        ControlId::cmdCalculateSubnet, ControlId::txtSubnet};
  ASSERT_EQ(GetFocus(), Control(cycle[0]));
  for (std::size_t step = 1; step <= cycle.size(); ++step) {
    PressKey(Window(), VK_TAB);
    const ControlId expected = cycle[step % cycle.size()];
    EXPECT_EQ(GetFocus(), Control(expected))
        << "Tab step " << step << " to " << layout::ControlFor(expected).name;
  }
  for (std::size_t step = 1; step <= cycle.size(); ++step) {
    PressKey(Window(), VK_TAB, /*shift=*/true);
    const ControlId expected = cycle[(cycle.size() - step) % cycle.size()];
    EXPECT_EQ(GetFocus(), Control(expected))
        << "Shift+Tab step " << step << " to " << layout::ControlFor(expected).name;
  }
  for (const layout::Control& control : layout::kControls) {
    if (control.kind == ControlKind::TextBox) {
      EXPECT_EQ(Text(control.id), L"") << control.name << " took a tab";
    }
  }
  EXPECT_EQ(StyleOf(Control(ControlId::cmdCalculateSubnet)) & BS_TYPEMASK,
            static_cast<DWORD>(BS_DEFPUSHBUTTON))
      << "still the default button after the focus passed over it";
}

void Type(HWND window, HWND box, const std::wstring& keys) {
  SetFocus(box);
  for (const wchar_t key : keys) PostMessageW(box, WM_CHAR, key, 1);
  PumpMessages(window);
}

void Paste(HWND window, HWND box, const std::wstring& text) {
  SetClipboardText(window, text);
  const auto end = static_cast<WPARAM>(GetWindowTextLengthW(box));
  SendMessageW(box, EM_SETSEL, end, static_cast<LPARAM>(end));  // caret at the end, nothing selected
  SendMessageW(box, WM_PASTE, 0, 0);
  PumpMessages(window);
}

TEST_F(frm_main, limits_hold_for_typing_and_for_paste) {
  struct Case {
    const char* name;
    ControlId box;
    std::wstring held;
    bool paste;
    std::wstring input;
    std::wstring expected;
  };
  const Case cases[] = {
      {"four_typed_digits_fit", ControlId::txtFromFirstOctet, L"", false, L"0255", L"0255"},
      {"fifth_typed_character_refused", ControlId::txtToFourthOctet, L"", false, L"02551", L"0255"},
      {"typing_into_a_full_box_changes_nothing", ControlId::txtFromThirdOctet, L"1234", false, L"5", L"1234"},
      {"twenty_first_character_of_txtSubnet_refused", ControlId::txtSubnet, L"", false,
       L"255.255.255.255.1234", L"255.255.255.255.1234"},
      {"txtSubnet_refuses_beyond_twenty", ControlId::txtSubnet, L"", false, L"255.255.255.255.12345",
       L"255.255.255.255.1234"},
      {"paste_inserts_what_fits", ControlId::txtFromSecondOctet, L"", true, L"123456", L"1234"},
      {"paste_keeps_what_the_box_held", ControlId::txtToFirstOctet, L"12", true, L"345", L"1234"},
      {"paste_into_txtSubnet_stops_at_twenty", ControlId::txtSubnet, L"255.255.", true,
       L"255.255.255.255.255", L"255.255.255.255.255."},
  };
  for (const Case& c : cases) {
    HWND box = Control(c.box);
    SetWindowTextW(box, c.held.c_str());
    if (c.paste) {
      Paste(Window(), box, c.input);
    } else {
      Type(Window(), box, c.input);
    }
    EXPECT_EQ(Text(c.box), c.expected) << c.name;
  }
}

// Read from the screen: each box's edge shows over Label1, and stands out
// from the window and from the box's inside. A scheme whose frame colour
// stands out keeps it (Windows' own); a faint one (Wine's) is drawn over.
TEST_F(frm_main, box_edges_stand_out_and_lie_on_top_where_Label1_reaches_into_the_box) {
  const COLORREF saved = GetSysColor(COLOR_WINDOWFRAME);
  const auto colour = [](COLORREF c) { return layout::Colour{GetRValue(c), GetGValue(c), GetBValue(c)}; };
  struct Case {
    const char* name;
    COLORREF frame;
    COLORREF drawn;
  };
  const Case cases[] = {
      {"Windows' grey frame", RGB(100, 100, 100), RGB(100, 100, 100)},
      {"Wine's faint frame", RGB(158, 158, 158), RGB(kEdgeGrey.red, kEdgeGrey.green, kEdgeGrey.blue)}};
  const int element = COLOR_WINDOWFRAME;
  for (const Case& c : cases) {
    SetSysColors(1, &element, &c.frame);
    RedrawWindow(Window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    POINT overlap{48, 92};  // Label1's last pixel column, the left edge of txtFromFirstOctet
    ClientToScreen(Window(), &overlap);
    HDC screen = GetDC(nullptr);
    const COLORREF edge = GetPixel(screen, overlap.x, overlap.y);
    const COLORREF inside = GetPixel(screen, overlap.x + 4, overlap.y);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(edge, c.drawn) << c.name << ": the box's edge, not Label1's white";
    EXPECT_GE(ContrastRatio(colour(edge), colour(GetSysColor(COLOR_WINDOW))), kMinimumEdgeContrast) << c.name;
    EXPECT_GE(ContrastRatio(colour(edge), colour(inside)), kMinimumEdgeContrast)
        << c.name << ": the box's grey";
  }
  SetSysColors(1, &element, &saved);
}

TEST_F(frm_main, every_caption_shows_whole_with_the_fonts_in_use) {
  HDC dc = GetDC(Window());
  for (const layout::Control& control : layout::kControls) {
    HWND child = Control(control.id);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)));
    std::array<wchar_t, LF_FACESIZE> face{};
    GetTextFaceW(dc, static_cast<int>(face.size()), face.data());
    TEXTMETRICW used{};
    GetTextMetricsW(dc, &used);
    std::cout << "[ font     ] " << control.name << " asks for " << control.font->face << " "
              << control.font->weight << ", gets " << Utf8FromWide(face.data()) << " " << used.tmWeight
              << "\n";
    RECT client{};
    GetClientRect(child, &client);
    if (control.kind == ControlKind::TextBox) {  // boxes scroll sideways: one line must fit in height
      TEXTMETRICW metrics{};
      GetTextMetricsW(dc, &metrics);
      EXPECT_LE(metrics.tmHeight, client.bottom) << control.name << ": a line is taller than the box";
      SelectObject(dc, old);
      continue;
    }
    // A push button keeps a few pixels of edge and focus frame round its text.
    const int margin = control.kind == ControlKind::Button ? 4 : 0;
    RECT needed{0, 0, client.right - 2 * margin, 0};
    const std::wstring caption = WindowText(child);
    DrawTextW(dc, caption.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    EXPECT_LE(needed.right, client.right - 2 * margin)
        << control.name << ": a word is wider than the control";
    EXPECT_LE(needed.bottom, client.bottom - 2 * margin) << control.name << ": the lines need more height";
    SelectObject(dc, old);
  }
  ReleaseDC(Window(), dc);
}

TEST_F(frm_main, a_dpi_change_scales_layout_and_fonts_from_twips) {
  RECT window{};
  GetWindowRect(Window(), &window);
  RECT suggested{window.left, window.top, window.left + 420, window.top + 280};
  SendMessageW(Window(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));

  EXPECT_EQ(frm_->Dpi(), 144u);
  struct Case {
    ControlId id;
    RECT expected;
  };
  const Case cases[] = {
      {ControlId::Label4, Px(12, 12, 386, 68)},  // 3855 twips is 385.5 pixels at 150 %
      {ControlId::txtSubnet, Px(72, 204, 186, 22)},
      {ControlId::cmdCalculateSubnet, Px(264, 132, 129, 59)},
  };
  for (const Case& c : cases) {
    const RECT actual = ClientRectOf(Control(c.id));
    EXPECT_EQ(actual.left, c.expected.left) << layout::ControlFor(c.id).name;
    EXPECT_EQ(actual.top, c.expected.top) << layout::ControlFor(c.id).name;
    EXPECT_EQ(actual.right, c.expected.right) << layout::ControlFor(c.id).name;
    EXPECT_EQ(actual.bottom, c.expected.bottom) << layout::ControlFor(c.id).name;
  }
  EXPECT_EQ(FontOf(Control(ControlId::Label3)).lfHeight, -17) << "8.25 pt is 16.5 pixels at 144 DPI";
  EXPECT_EQ(FontOf(Control(ControlId::txtSubnet)).lfHeight, -17) << "box font too";
  RECT moved{};
  GetWindowRect(Window(), &moved);
  EXPECT_EQ(moved.right - moved.left, 420) << "the suggested rectangle is taken";

  SendMessageW(Window(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&window));
  EXPECT_EQ(FontOf(Control(ControlId::Label3)).lfHeight, -11) << "back at 96 DPI";
  EXPECT_EQ(ClientRectOf(Control(ControlId::txtSubnet)).right, 172) << "back at 96 DPI";
}

TEST_F(frm_main, at_another_dpi_windows_is_asked_for_the_exact_client_area) {
  SIZE size{};
  ASSERT_TRUE(SendMessageW(Window(), WM_GETDPISCALEDSIZE, 144, reinterpret_cast<LPARAM>(&size)));
  RECT client{0, 0, 408, 243};  // 4080 x 2430 twips at 144 DPI, 150 %
  AdjustWindowRectExForDpi(&client, frmMain::kStyle, FALSE, 0, 144);
  EXPECT_EQ(size.cx, client.right - client.left) << "frame width";
  EXPECT_EQ(size.cy, client.bottom - client.top) << "frame height";
}

TEST_F(frm_main, fonts_and_brushes_are_freed_with_the_window) {
  HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ label_font =
      reinterpret_cast<HGDIOBJ>(SendMessageW(Control(ControlId::Label3), WM_GETFONT, 0, 0));
  const HGDIOBJ box_font =
      reinterpret_cast<HGDIOBJ>(SendMessageW(Control(ControlId::txtSubnet), WM_GETFONT, 0, 0));
  const auto white =
      reinterpret_cast<HGDIOBJ>(SendMessageW(Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                             reinterpret_cast<LPARAM>(Control(ControlId::Label3))));
  const auto grey =
      reinterpret_cast<HGDIOBJ>(SendMessageW(Window(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                             reinterpret_cast<LPARAM>(Control(ControlId::txtSubnet))));
  DeleteDC(dc);
  ASSERT_EQ(GetObjectType(label_font), static_cast<DWORD>(OBJ_FONT));
  ASSERT_EQ(GetObjectType(grey), static_cast<DWORD>(OBJ_BRUSH));

  DestroyWindow(Window());
  EXPECT_EQ(GetObjectType(label_font), 0u) << "label font";
  EXPECT_EQ(GetObjectType(box_font), 0u) << "box font";
  EXPECT_EQ(GetObjectType(white), 0u) << "white brush";
  EXPECT_EQ(GetObjectType(grey), 0u) << "light grey brush";
}

// Reads a control's accessible name as a screen reader would.
std::wstring AccessibleName(HWND hwnd) {
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&accessible)))) {
    return L"(no accessible object)";
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::wstring result;
  if (accessible->get_accName(self, &name) == S_OK && name != nullptr) result = name;
  SysFreeString(name);
  accessible->Release();
  return result;
}

// Through the annotation service where it works, through the window's own
// answer where it does not (Wine).
TEST_F(frm_main, boxes_and_button_carry_accessible_names) {
  for (const layout::Control& control : layout::kControls) {
    if (control.accessible_name.empty()) continue;
    EXPECT_EQ(AccessibleName(Control(control.id)), WideFromUtf8(control.accessible_name)) << control.name;
  }
}

}  // namespace
}  // namespace morvana::testing_win32
