// Prints the layout table as JSON, for the browser tests to hold the page
// against: built with the same compiler from the same table, run under Node.

#include <cstdio>
#include <string>
#include <string_view>

#include "ui/layout.h"
#include "ui/look_alike_faces.h"

namespace {

using morvana::layout::Control;

std::string Json(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

std::string FaceList(const morvana::layout::Font& font) {
  std::string list = "[" + Json(font.face);
  for (const std::string_view face : morvana::layout::LookAlikeFaces(font)) list += ", " + Json(face);
  return list + "]";
}

std::string Row(const Control& c) {
  static constexpr const char* kKinds[] = {"label", "input", "button"};
  return "{\"name\": " + Json(c.name) + ", \"tag\": \"" + kKinds[static_cast<int>(c.kind)] +
         "\", \"caption\": " + Json(c.caption) + ", \"faces\": " + FaceList(*c.font) +
         ", \"points\": " + std::to_string(c.font->points) +
         ", \"weight\": " + std::to_string(c.font->weight) + ", \"back\": [" + std::to_string(c.back.red) +
         ", " + std::to_string(c.back.green) + ", " + std::to_string(c.back.blue) +
         "], \"centred\": " + (c.align == morvana::layout::TextAlign::Centre ? "true" : "false") +
         ", \"max_length\": " + std::to_string(c.max_length) +
         ", \"tab_index\": " + std::to_string(c.tab_index) + ", \"rect\": [" + std::to_string(c.rect.left) +
         ", " + std::to_string(c.rect.top) + ", " + std::to_string(c.rect.width) + ", " +
         std::to_string(c.rect.height) + "], \"accessible_name\": " + Json(c.accessible_name) + "}";
}

}  // namespace

int main() {
  namespace layout = morvana::layout;
  std::string rows;
  for (const Control& control : layout::kControls) rows += (rows.empty() ? "" : ",\n  ") + Row(control);
  std::string order;
  for (const layout::ControlId id : layout::kReadingOrder) {
    order += (order.empty() ? "" : ", ") + Json(layout::ControlFor(id).name);
  }
  std::printf(
      "{\"title\": %s, \"window\": %s, \"client\": [%d, %d], \"reading_order\": [%s],\n"
      " \"controls\": [\n  %s]}\n",
      Json(layout::kApplicationTitle).c_str(), Json(layout::kWindowName).c_str(), layout::kClientWidthTwips,
      layout::kClientHeightTwips, order.c_str(), rows.c_str());
  return 0;
}
