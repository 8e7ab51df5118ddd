#pragma once

// frmMain at one DPI, from the table's twips: the frame's size, each
// control's rectangle and font, and the labels' clipping where a box reaches
// into one. The fonts are made for the DPI and kept while the controls use them.

#include "ui/layout.h"
#include "ui/win32/base_window.h"
#include "ui/win32/child_controls.h"
#include "ui/win32/gdi_objects.h"

namespace morvana {

// 8.25 pt is 11 pixels at 96 DPI.
[[nodiscard]] UniqueFont CreateLayoutFont(const layout::Font& font, UINT dpi);

// The size of a window of `style` whose client area is the table's at `dpi`.
[[nodiscard]] SIZE FrameSize(DWORD style, UINT dpi);

class DpiLayout {
 public:
  // Places every control of `table`, gives it its font and clips the
  // labels, at `dpi`.
  void ScaleTo(const ControlTable& table, const ControlWindows& controls, UINT dpi);
  [[nodiscard]] UINT Dpi() const { return dpi_; }
  // The controls are gone: nothing uses the fonts any more.
  void Release();

 private:
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  UniqueFont label_font_;
  UniqueFont box_font_;
};

}  // namespace morvana
