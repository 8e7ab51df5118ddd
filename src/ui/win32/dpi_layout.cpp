#include "ui/win32/dpi_layout.h"

#include <cmath>
#include <string>
#include <utility>

#include "ui/win32/wide_text.h"

namespace morvana {
namespace {

using layout::ControlKind;

RECT PixelRect(const layout::TwipsRect& twips, UINT dpi) {
  const int d = static_cast<int>(dpi);
  const int left = layout::TwipsToPixels(twips.left, d);
  const int top = layout::TwipsToPixels(twips.top, d);
  return {left, top, left + layout::TwipsToPixels(twips.width, d),
          top + layout::TwipsToPixels(twips.height, d)};
}

// A label lies above the boxes, which come after it in reading order, but
// where a box reaches into it (txtFromFirstOctet into Label1) the box must
// show: the label's window leaves that part out.
void ClipLabels(const ControlTable& table, const ControlWindows& controls, UINT dpi) {
  for (const layout::Control& label : table) {
    if (label.kind != ControlKind::Label) continue;
    const RECT own = PixelRect(label.rect, dpi);
    HRGN region = nullptr;
    for (const layout::Control& other : table) {
      RECT overlap{};
      const RECT rect = PixelRect(other.rect, dpi);
      if (other.kind == ControlKind::Label || !IntersectRect(&overlap, &own, &rect)) continue;
      if (region == nullptr) region = CreateRectRgn(0, 0, own.right - own.left, own.bottom - own.top);
      HRGN cut = CreateRectRgn(rect.left - own.left, rect.top - own.top, rect.right - own.left,
                               rect.bottom - own.top);
      CombineRgn(region, region, cut, RGN_DIFF);
      DeleteObject(cut);
    }
    // The window owns the region from here; none gives the label its whole rectangle back.
    SetWindowRgn(controls.at(layout::RowOf(label.id)), region, TRUE);
  }
}

}  // namespace

UniqueFont CreateLayoutFont(const layout::Font& font, UINT dpi) {
  const int height =
      -MulDiv(static_cast<int>(std::lround(font.points * 100)), static_cast<int>(dpi), 72 * 100);
  const std::wstring face = WideFromUtf8(font.face);
  return UniqueFont(CreateFontW(height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                                static_cast<BYTE>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

SIZE FrameSize(DWORD style, UINT dpi) {
  const int d = static_cast<int>(dpi);
  RECT rect{0, 0, layout::TwipsToPixels(layout::kClientWidthTwips, d),
            layout::TwipsToPixels(layout::kClientHeightTwips, d)};
  AdjustWindowRectExForDpi(&rect, style, FALSE, 0, dpi);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

void DpiLayout::ScaleTo(const ControlTable& table, const ControlWindows& controls, UINT dpi) {
  dpi_ = dpi;
  UniqueFont label_font = CreateLayoutFont(layout::kLabelFont, dpi);
  UniqueFont box_font = CreateLayoutFont(layout::kBoxFont, dpi);
  for (const layout::Control& control : table) {
    HWND child = controls.at(layout::RowOf(control.id));
    const RECT rect = PixelRect(control.rect, dpi);
    SetWindowPos(child, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    HFONT font = control.font == &layout::kBoxFont ? box_font.get() : label_font.get();
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  // The controls hold the new fonts now; the old ones can go.
  label_font_ = std::move(label_font);
  box_font_ = std::move(box_font);
  ClipLabels(table, controls, dpi);
}

void DpiLayout::Release() {
  label_font_.reset();
  box_font_.reset();
}

}  // namespace morvana
