#include "ui/web/dom.h"

#include <cstddef>

// dom_library.js. Each text goes as a pointer and a byte count; a text coming
// back is announced by its byte count and then copied with morvana_take_text.
extern "C" {
void morvana_take_text(char* out, int size);
void morvana_create(const char* tag, int tag_size, const char* id, int id_size, const char* parent,
                    int parent_size);
void morvana_set_styles(const char* id, int id_size, const char* css, int css_size);
void morvana_set_attribute(const char* id, int id_size, const char* name, int name_size, const char* value,
                           int value_size);
void morvana_remove_attribute(const char* id, int id_size, const char* name, int name_size);
void morvana_set_property(const char* id, int id_size, const char* name, int name_size, const char* value,
                          int value_size);
int morvana_property(const char* id, int id_size, const char* name, int name_size);
int morvana_number_property(const char* id, int id_size, const char* name, int name_size);
void morvana_set_property_later(const char* id, int id_size, const char* name, int name_size,
                                const char* value, int value_size, int delay_ms);
int morvana_has_method(const char* id, int id_size, const char* method, int method_size);
void morvana_caret_to_end(const char* id, int id_size);
void morvana_glyph_box(const char* id, int id_size, int* box);
void morvana_set_underlined_text(const char* id, int id_size, const char* before, int before_size,
                                 const char* underlined, int underlined_size, const char* after,
                                 int after_size);
int morvana_bounding_side(const char* id, int id_size, const char* side, int side_size);
void morvana_call(const char* id, int id_size, const char* method, int method_size);
void morvana_set_document_title(const char* title, int size);
void morvana_alert(const char* text, int size);
int morvana_screen_property(const char* name, int size);
int morvana_active_id();
void morvana_mark(const char* name, int size);
void morvana_exec_command(const char* command, int size);
int morvana_write_clipboard(const char* text, int size, int route);
void morvana_listen(const char* id, int id_size, const char* type, int type_size, int route);
void morvana_observe_size(const char* id, int id_size, int route);
void morvana_observe_colour_scheme(int route);
int morvana_resolved_colour(const char* id, int id_size, const char* colour, int colour_size);
int morvana_event_string(const char* name, int size);
int morvana_event_flag(const char* name, int size);
int morvana_event_number(const char* name, int size);
int morvana_event_element_id(const char* name, int size);
int morvana_event_plain_text();
}

namespace morvana::dom {
namespace {

int Size(std::string_view text) {
  return static_cast<int>(text.size());
}

// The text dom_library.js holds, `size` bytes of UTF-8.
std::string TakeText(int size) {
  std::string text(static_cast<std::size_t>(size), '\0');
  morvana_take_text(text.data(), size + 1);  // and the terminating NUL, which std::string has room for
  return text;
}

}  // namespace

const Element& Root() {
  static const Element root;
  return root;
}

Element Create(std::string_view tag, std::string_view id, const Element& parent) {
  morvana_create(tag.data(), Size(tag), id.data(), Size(id), parent.id.data(), Size(parent.id));
  return Element(id);
}

void SetStyles(const Element& element, std::string_view declarations) {
  morvana_set_styles(element.id.data(), Size(element.id), declarations.data(), Size(declarations));
}

void SetAttribute(const Element& element, std::string_view name, std::string_view value) {
  morvana_set_attribute(element.id.data(), Size(element.id), name.data(), Size(name), value.data(),
                        Size(value));
}

void RemoveAttribute(const Element& element, std::string_view name) {
  morvana_remove_attribute(element.id.data(), Size(element.id), name.data(), Size(name));
}

void SetProperty(const Element& element, std::string_view name, std::string_view value) {
  morvana_set_property(element.id.data(), Size(element.id), name.data(), Size(name), value.data(),
                       Size(value));
}

std::string Property(const Element& element, std::string_view name) {
  return TakeText(morvana_property(element.id.data(), Size(element.id), name.data(), Size(name)));
}

int NumberProperty(const Element& element, std::string_view name) {
  return morvana_number_property(element.id.data(), Size(element.id), name.data(), Size(name));
}

void SetPropertyLater(const Element& element, std::string_view name, std::string_view value, int delay_ms) {
  morvana_set_property_later(element.id.data(), Size(element.id), name.data(), Size(name), value.data(),
                             Size(value), delay_ms);
}

bool HasMethod(const Element& element, std::string_view method) {
  return morvana_has_method(element.id.data(), Size(element.id), method.data(), Size(method)) != 0;
}

void Call(const Element& element, std::string_view method) {
  morvana_call(element.id.data(), Size(element.id), method.data(), Size(method));
}

void PutCaretAtEnd(const Element& element) {
  morvana_caret_to_end(element.id.data(), Size(element.id));
}

TextBox GlyphBox(const Element& element) {
  int box[4] = {};
  morvana_glyph_box(element.id.data(), Size(element.id), box);
  return {box[0], box[1], box[2], box[3]};
}

void SetUnderlinedText(const Element& element, std::string_view before, std::string_view underlined,
                       std::string_view after) {
  morvana_set_underlined_text(element.id.data(), Size(element.id), before.data(), Size(before),
                              underlined.data(), Size(underlined), after.data(), Size(after));
}

int BoundingSide(const Element& element, std::string_view side) {
  return morvana_bounding_side(element.id.data(), Size(element.id), side.data(), Size(side));
}

void SetDocumentTitle(std::string_view title) {
  morvana_set_document_title(title.data(), Size(title));
}

void Alert(std::string_view text) {
  morvana_alert(text.data(), Size(text));
}

int ScreenProperty(std::string_view name) {
  return morvana_screen_property(name.data(), Size(name));
}

std::string ActiveElementId() {
  return TakeText(morvana_active_id());
}

void Mark(std::string_view name) {
  morvana_mark(name.data(), Size(name));
}

void ExecCommand(std::string_view command) {
  morvana_exec_command(command.data(), Size(command));
}

bool WriteClipboard(std::string_view text, int route) {
  return morvana_write_clipboard(text.data(), Size(text), route) != 0;
}

void Listen(const Element& element, std::string_view type, int route) {
  morvana_listen(element.id.data(), Size(element.id), type.data(), Size(type), route);
}

void ObserveSize(const Element& element, int route) {
  morvana_observe_size(element.id.data(), Size(element.id), route);
}

void ObserveColourScheme(int route) {
  morvana_observe_colour_scheme(route);
}

int ResolvedColour(const Element& element, std::string_view colour) {
  return morvana_resolved_colour(element.id.data(), Size(element.id), colour.data(), Size(colour));
}

std::string EventString(std::string_view name) {
  return TakeText(morvana_event_string(name.data(), Size(name)));
}

bool EventFlag(std::string_view name) {
  return morvana_event_flag(name.data(), Size(name)) != 0;
}

int EventNumber(std::string_view name) {
  return morvana_event_number(name.data(), Size(name));
}

std::string EventElementId(std::string_view name) {
  return TakeText(morvana_event_element_id(name.data(), Size(name)));
}

std::string EventPlainText() {
  return TakeText(morvana_event_plain_text());
}

}  // namespace morvana::dom
