// The floor for Morvana.html's start-up: a page of the same client area with
// one text box, made by the same compiler, flags and page maker, whose
// minimal module builds the two elements, focuses the box and marks "ready"
// as Morvana.html does.
#include <string_view>

#include "ui/layout.h"

extern "C" {
void morvana_create(const char* tag, int tag_size, const char* id, int id_size, const char* parent,
                    int parent_size);
void morvana_set_styles(const char* id, int id_size, const char* css, int css_size);
void morvana_call(const char* id, int id_size, const char* method, int method_size);
void morvana_mark(const char* name, int size);
}

namespace {

int Size(std::string_view text) {
  return static_cast<int>(text.size());
}

void Create(std::string_view tag, std::string_view id, std::string_view parent) {
  morvana_create(tag.data(), Size(tag), id.data(), Size(id), parent.data(), Size(parent));
}

void Styles(std::string_view id, std::string_view css) {
  morvana_set_styles(id.data(), Size(id), css.data(), Size(css));
}

// The layout table's client area at 96 DPI.
constexpr std::string_view kClientArea = "position: absolute; width: 272px; height: 162px";
static_assert(morvana::layout::TwipsToPixels(morvana::layout::kClientWidthTwips, 96) == 272 &&
                  morvana::layout::TwipsToPixels(morvana::layout::kClientHeightTwips, 96) == 162,
              "the floor's client area is frmMain's");

}  // namespace

int main() {
  Create("main", "frmMain", "");
  Styles("frmMain", kClientArea);
  Create("input", "txtBox", "frmMain");
  morvana_call("txtBox", 6, "focus", 5);
  morvana_mark("ready", 5);
  return 0;
}
