// The faces the Wine preview draws for Verdana and MS Sans Serif, judged in
// this test's own prefix, which has no replacements: the fonts are those that
// scripts/install-deps.sh puts in (DejaVu Sans, Liberation Sans).

#include <gtest/gtest.h>

#include <string>

#include "face_fit.h"
#include "ui/layout.h"

namespace morvana {
namespace {

class face_fit : public ::testing::Test {
 protected:
  ~face_fit() override { DeleteDC(dc_); }
  HDC dc_ = CreateCompatibleDC(nullptr);
};

TEST_F(face_fit, judges_installed_faces_by_fit_and_by_how_bold_draws) {
  struct Case {
    const char* name;
    const layout::Font* font;
    const wchar_t* face;
    bool installed;
    bool captions_fit;
    bool looks_bold;
  };
  const Case cases[] = {
      {"dejavu_sans_bold_has_heavier_strokes", &layout::kLabelFont, L"DejaVu Sans", true, true, true},
      {"liberation_sans_bold_draws_like_regular", &layout::kLabelFont, L"Liberation Sans", true, true, false},
      {"liberation_sans_keeps_a_box_line_whole", &layout::kBoxFont, L"Liberation Sans", true, true, true},
      {"missing_face_is_no_candidate", &layout::kLabelFont, L"No Such Face", false, true, false},
  };
  for (const Case& c : cases) {
    const FaceVerdict verdict = JudgeFace(dc_, *c.font, c.face, USER_DEFAULT_SCREEN_DPI);
    EXPECT_EQ(verdict.installed, c.installed) << c.name << ": installed";
    if (!c.installed) continue;  // Wine measures its stand-in then
    EXPECT_EQ(verdict.captions_fit, c.captions_fit) << c.name << ": captions fit";
    EXPECT_EQ(verdict.looks_bold, c.looks_bold) << c.name << ": bold ink x" << verdict.bold_ink_ratio;
    EXPECT_EQ(verdict.Passes(), c.installed && c.captions_fit && c.looks_bold) << c.name;
  }
}

}  // namespace
}  // namespace morvana
