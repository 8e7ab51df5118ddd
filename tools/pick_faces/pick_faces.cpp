// pick_faces.exe [-v]: for each face of the layout table, one line
// "<table face>=<face to draw>", naming the first candidate that passes (the
// table's face itself where it is installed), or nothing after '=' when none
// does; the exit code is then 1. With -v, every candidate's verdict goes to
// stderr. Not part of Morvana.exe: scripts/run-windows.sh runs it in the Wine
// prefix of the preview.

#include <cstdio>
#include <string>
#include <string_view>

#include "face_fit.h"
#include "ui/layout.h"

int main(int argc, char* argv[]) {
  using namespace morvana;
  // Measure at the DPI Morvana.exe draws at, not a virtualised 96.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  const UINT dpi = GetDpiForSystem();
  const bool verbose = argc > 1 && std::string_view(argv[1]) == "-v";

  HDC dc = CreateCompatibleDC(nullptr);
  int unmatched = 0;
  for (const layout::Font* font : {&layout::kLabelFont, &layout::kBoxFont}) {
    std::wstring picked;
    for (const std::wstring& face : FaceCandidates(*font)) {
      const FaceVerdict verdict = JudgeFace(dc, *font, face, dpi);
      if (verbose) {
        std::fprintf(stderr, "%.*s %d at %u dpi, %s: %s, %s", static_cast<int>(font->face.size()),
                     font->face.data(), font->weight, dpi, Utf8FromWide(face).c_str(),
                     verdict.installed ? "installed" : "not installed",
                     verdict.captions_fit ? "captions fit" : "captions do not fit");
        if (font->weight >= FW_BOLD) std::fprintf(stderr, ", bold inks x%.2f", verdict.bold_ink_ratio);
        std::fprintf(stderr, "\n");
      }
      if (picked.empty() && verdict.Passes()) {
        picked = face;
        if (!verbose) break;
      }
    }
    std::printf("%.*s=%s\n", static_cast<int>(font->face.size()), font->face.data(),
                Utf8FromWide(picked).c_str());
    if (picked.empty()) ++unmatched;
  }
  DeleteDC(dc);
  return unmatched == 0 ? 0 : 1;
}
