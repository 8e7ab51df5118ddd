#pragma once

// The page's elements as C++ sees them: found by id, changed one property or
// attribute at a time, styled all at once. The JavaScript under these (dom_library.js)
// only carries them out. Texts are UTF-8.

#include <string>
#include <string_view>

namespace morvana::dom {

// An element of the page, by its id, which it keeps: an id made at run
// time is as good as one of the table's. The empty id is the root (Root).
struct Element {
  Element() = default;
  explicit Element(std::string_view element_id) : id(element_id) {}
  std::string id;
};
// The root element, which holds the page.
[[nodiscard]] const Element& Root();

// A new element appended to `parent`; the root as parent means the body.
Element Create(std::string_view tag, std::string_view id, const Element& parent);

// Replaces the element's inline style with CSS declarations ("left: 8px; ...").
void SetStyles(const Element& element, std::string_view declarations);
void SetAttribute(const Element& element, std::string_view name, std::string_view value);
void RemoveAttribute(const Element& element, std::string_view name);
// A property of the element object itself: value, textContent.
void SetProperty(const Element& element, std::string_view name, std::string_view value);
[[nodiscard]] std::string Property(const Element& element, std::string_view name);
[[nodiscard]] int NumberProperty(const Element& element, std::string_view name);
// Sets a property after `delay_ms`; a later call for the same element
// replaces one still waiting.
void SetPropertyLater(const Element& element, std::string_view name, std::string_view value, int delay_ms);
// Whether the element has the method: older browsers lack some (showModal).
[[nodiscard]] bool HasMethod(const Element& element, std::string_view method);
// Calls a method without arguments: focus, select, showModal, close.
void Call(const Element& element, std::string_view method);
void PutCaretAtEnd(const Element& element);
// Replaces the element's text by three runs, the middle one underlined: a
// menu item's caption with its access key.
void SetUnderlinedText(const Element& element, std::string_view before, std::string_view underlined,
                       std::string_view after);
// A side of the element's box in the viewport, in whole CSS pixels: left,
// top, right, bottom.
[[nodiscard]] int BoundingSide(const Element& element, std::string_view side);

// Where the glyphs of the element's text reach, in CSS pixels from the top
// left corner of its padding box, rounded outwards: across each line's
// advance, and from the tallest glyph's top to the deepest glyph's bottom
// about each line's baseline. A line box may reach further than its glyphs.
struct TextBox {
  int left;
  int top;
  int right;
  int bottom;
};
[[nodiscard]] TextBox GlyphBox(const Element& element);

void SetDocumentTitle(std::string_view title);
// The browser's own modal message box.
void Alert(std::string_view text);
// A property of the screen the page shows on, in CSS pixels: width, height.
[[nodiscard]] int ScreenProperty(std::string_view name);
// The id of the element with the keyboard focus; empty when none has it.
[[nodiscard]] std::string ActiveElementId();
// A performance mark, for tools that time the page.
void Mark(std::string_view name);
// The browser's own editing command on the focused box: copy.
void ExecCommand(std::string_view command);
// Hands the text to the browser's clipboard, which writes it later; false
// where the page has none (an older browser, an insecure origin). A refusal
// is routed to morvana_route(route).
[[nodiscard]] bool WriteClipboard(std::string_view text, int route);

// Every `type` event on the element is routed to morvana_route(route).
void Listen(const Element& element, std::string_view type, int route);
// Every change of the element's size is routed to morvana_route(route), and
// its first layout too. Does nothing where the browser cannot observe sizes.
void ObserveSize(const Element& element, int route);
// Every change of the user's colour scheme, light or dark or forced colours,
// is routed to morvana_route(route).
void ObserveColourScheme(int route);
// A CSS colour (Canvas, CanvasText, Highlight) as the page resolves it for
// the element under the user's scheme now, as 0xRRGGBB.
[[nodiscard]] int ResolvedColour(const Element& element, std::string_view colour);

// What the event being routed carries: a string, a flag or a number
// property (key, inputType, data; ctrlKey, isComposing; clientX, button),
// the id of an element it names (relatedTarget), and the plain text of a
// paste or a drop. A handler that moves the focus must read them first:
// the focus's own events are routed meanwhile.
[[nodiscard]] std::string EventString(std::string_view name);
[[nodiscard]] bool EventFlag(std::string_view name);
[[nodiscard]] int EventNumber(std::string_view name);
[[nodiscard]] std::string EventElementId(std::string_view name);
[[nodiscard]] std::string EventPlainText();

}  // namespace morvana::dom

// Defined by the window: handles one routed event, and returns nonzero when
// the browser's own handling of it must not follow.
extern "C" int morvana_route(int route);
