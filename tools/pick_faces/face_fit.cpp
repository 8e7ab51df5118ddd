#include "face_fit.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cwctype>
#include <memory>
#include <type_traits>

#include "ui/look_alike_faces.h"
#include "ui/win32/dpi_layout.h"

namespace morvana {
namespace {

using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using UniqueDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

// A GDI object selected into a DC for one scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  Selection(Selection&&) = delete;
  Selection& operator=(Selection&&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The layout's font with another face and weight: same height, same flags.
UniqueFont CreateFaceFont(const layout::Font& font, std::wstring_view face, int weight, UINT dpi) {
  LOGFONTW logfont{};
  GetObjectW(CreateLayoutFont(font, dpi).get(), sizeof logfont, &logfont);
  std::fill(std::begin(logfont.lfFaceName), std::end(logfont.lfFaceName), L'\0');
  face.substr(0, LF_FACESIZE - 1).copy(logfont.lfFaceName, LF_FACESIZE - 1);
  logfont.lfWeight = weight;
  return UniqueFont(CreateFontIndirectW(&logfont));
}

// "NimbusSans-Bold" starts with "Nimbus Sans": blanks and case do not count.
bool StartsWithLoosely(std::wstring_view text, std::wstring_view prefix) {
  const auto squeeze = [](std::wstring_view in) {
    std::wstring out;
    for (const wchar_t c : in) {
      if (c != L' ') out.push_back(static_cast<wchar_t>(std::towlower(c)));
    }
    return out;
  };
  return squeeze(text).starts_with(squeeze(prefix));
}

// GetTextFace names the family asked for even where Wine draws a replacement
// for it; the outline metrics name the face of the file actually drawn.
bool DrawsItself(HDC dc, std::wstring_view face) {
  std::array<wchar_t, LF_FACESIZE> family{};
  GetTextFaceW(dc, static_cast<int>(family.size()), family.data());
  if (CompareStringOrdinal(family.data(), -1, face.data(), static_cast<int>(face.size()), TRUE) !=
      CSTR_EQUAL) {
    return false;
  }
  const UINT size = GetOutlineTextMetricsW(dc, 0, nullptr);
  if (size == 0) return true;  // a bitmap face: its family name is all there is to go by
  std::vector<std::uint8_t> buffer(size);
  auto* metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(buffer.data());
  if (GetOutlineTextMetricsW(dc, size, metrics) == 0) return false;
  const auto offset = reinterpret_cast<std::uintptr_t>(metrics->otmpFaceName);
  return StartsWithLoosely(reinterpret_cast<const wchar_t*>(buffer.data() + offset), face);
}

bool CaptionsFit(HDC dc, const layout::Font& font, UINT dpi) {
  const int d = static_cast<int>(dpi);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  for (const layout::Control& control : layout::kControls) {
    if (control.font != &font) continue;
    const int width = layout::TwipsToPixels(control.rect.width, d);
    const int height = layout::TwipsToPixels(control.rect.height, d);
    if (control.kind == layout::ControlKind::TextBox) {  // boxes scroll sideways: one line inside the border
      if (metrics.tmHeight > height - 2 * GetSystemMetricsForDpi(SM_CYBORDER, dpi)) return false;
      continue;
    }
    // A push button keeps a few pixels of edge and focus frame round its text.
    const int margin =
        control.kind == layout::ControlKind::Button ? MulDiv(4, d, USER_DEFAULT_SCREEN_DPI) : 0;
    const std::wstring caption = WideFromUtf8(control.caption);
    RECT needed{0, 0, width - 2 * margin, 0};
    DrawTextW(dc, caption.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    if (needed.right > width - 2 * margin || needed.bottom > height - 2 * margin) return false;
  }
  return true;
}

// Ink of the font's captions drawn black on white, per pixel of their width:
// darker strokes raise it, a wider face does not.
double InkPerPixel(HDC dc, HFONT font, const layout::Font& layout_font) {
  const UniqueDc canvas(CreateCompatibleDC(dc));
  const Selection selected_font(canvas.get(), font);
  double ink = 0;
  long width_sum = 0;
  for (const layout::Control& control : layout::kControls) {
    if (control.font != &layout_font || control.caption.empty()) continue;
    const std::wstring caption = WideFromUtf8(control.caption);
    SIZE extent{};
    GetTextExtentPoint32W(canvas.get(), caption.c_str(), static_cast<int>(caption.size()), &extent);
    const int width = extent.cx + extent.cy;  // room for an overhanging last glyph
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -extent.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const UniqueBitmap bitmap(CreateDIBSection(canvas.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return 0;
    const Selection selected_bitmap(canvas.get(), bitmap.get());
    PatBlt(canvas.get(), 0, 0, width, extent.cy, WHITENESS);
    SetTextColor(canvas.get(), RGB(0, 0, 0));
    SetBkMode(canvas.get(), TRANSPARENT);
    TextOutW(canvas.get(), 0, 0, caption.c_str(), static_cast<int>(caption.size()));
    GdiFlush();
    const auto* pixel = static_cast<const std::uint8_t*>(bits);
    for (long i = 0; i < static_cast<long>(width) * extent.cy; ++i, pixel += 4) {
      ink += 3 * 255 - pixel[0] - pixel[1] - pixel[2];  // grey and coloured edges count by darkness
    }
    width_sum += extent.cx;
  }
  return width_sum > 0 ? ink / (3 * 255.0 * width_sum) : 0;
}

}  // namespace

std::vector<std::wstring> FaceCandidates(const layout::Font& font) {
  std::vector<std::wstring> candidates{WideFromUtf8(font.face)};
  for (const std::string_view face : layout::LookAlikeFaces(font)) candidates.push_back(WideFromUtf8(face));
  return candidates;
}

FaceVerdict JudgeFace(HDC dc, const layout::Font& font, std::wstring_view face, UINT dpi) {
  FaceVerdict verdict;
  const UniqueFont asked = CreateFaceFont(font, face, font.weight, dpi);
  {
    const Selection selected(dc, asked.get());
    verdict.installed = DrawsItself(dc, face);
    verdict.captions_fit = CaptionsFit(dc, font, dpi);
  }
  if (font.weight >= FW_BOLD) {
    const UniqueFont regular = CreateFaceFont(font, face, FW_NORMAL, dpi);
    const double regular_ink = InkPerPixel(dc, regular.get(), font);
    verdict.bold_ink_ratio = regular_ink > 0 ? InkPerPixel(dc, asked.get(), font) / regular_ink : 0;
    verdict.looks_bold = verdict.bold_ink_ratio >= kMinBoldInkRatio;
  }
  return verdict;
}

}  // namespace morvana
