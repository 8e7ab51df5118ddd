#pragma once

// Which installed face Wine should draw for a face of the layout table that
// it lacks, picked by measuring as the Linux window does: the table's face,
// then its look-alikes, and the first in which every caption shows whole and,
// for the bold font, bold draws heavier than regular. pick_faces.exe prints
// the picks and scripts/run-windows.sh writes them into its Wine prefix as
// font replacements. Morvana.exe itself still asks for the table's faces.

#include <string>
#include <string_view>
#include <vector>

#include "ui/layout.h"
#include "ui/win32/wide_text.h"

namespace morvana {

// Bold strokes must ink at least this much more per pixel of text width than
// regular ones; a bold that is only wider does not look bold.
inline constexpr double kMinBoldInkRatio = 1.2;

struct FaceVerdict {
  bool installed = false;     // GDI draws this very face, not a stand-in
  bool captions_fit = false;  // every label and button caption, or one box line, fits its control
  double bold_ink_ratio = 0;  // bold ink over regular ink per pixel of width; bold fonts only
  bool looks_bold = true;     // always for a regular font

  [[nodiscard]] bool Passes() const { return installed && captions_fit && looks_bold; }
};

// The table's face first, then its look-alikes.
[[nodiscard]] std::vector<std::wstring> FaceCandidates(const layout::Font& font);

// `font` as drawn in `face` at `dpi`, measured on `dc`.
[[nodiscard]] FaceVerdict JudgeFace(HDC dc, const layout::Font& font, std::wstring_view face, UINT dpi);

}  // namespace morvana
