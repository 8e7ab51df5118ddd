// The page's elements as the browser window (frm_main.cpp) reaches them, and
// the one road by which browser events come back to it. Nothing here decides
// anything: these functions only touch the DOM as they are told, and every
// event goes to morvana_route, whose answer says whether the browser's own
// handling follows. Texts cross as UTF-8; a text for C++ is held here until
// it asks for it with morvana_take_text, so C++ owns every allocation.
mergeInto(LibraryManager.library, {
  $morvana: {},

  // An element by its id; the empty id is the root element.
  $morvanaElement: function(id, size) {
    return size ? document.getElementById(UTF8ToString(id, size)) : document.documentElement;
  },

  $morvanaHold__deps: ['$morvana'],
  $morvanaHold: function(text) {
    morvana.text = text == null ? '' : String(text);
    return lengthBytesUTF8(morvana.text);
  },

  morvana_take_text__deps: ['$morvana'],
  morvana_take_text: function(out, size) {
    stringToUTF8(morvana.text, out, size);
  },

  morvana_create__deps: ['$morvanaElement'],
  morvana_create: function(tag, tagSize, id, idSize, parent, parentSize) {
    var element = document.createElement(UTF8ToString(tag, tagSize));
    element.id = UTF8ToString(id, idSize);
    (parentSize ? morvanaElement(parent, parentSize) : document.body).appendChild(element);
  },

  morvana_set_styles__deps: ['$morvanaElement'],
  morvana_set_styles: function(id, idSize, css, cssSize) {
    morvanaElement(id, idSize).style.cssText = UTF8ToString(css, cssSize);
  },

  morvana_set_attribute__deps: ['$morvanaElement'],
  morvana_set_attribute: function(id, idSize, name, nameSize, value, valueSize) {
    morvanaElement(id, idSize).setAttribute(UTF8ToString(name, nameSize), UTF8ToString(value, valueSize));
  },

  morvana_remove_attribute__deps: ['$morvanaElement'],
  morvana_remove_attribute: function(id, idSize, name, nameSize) {
    morvanaElement(id, idSize).removeAttribute(UTF8ToString(name, nameSize));
  },

  morvana_set_property__deps: ['$morvanaElement'],
  morvana_set_property: function(id, idSize, name, nameSize, value, valueSize) {
    morvanaElement(id, idSize)[UTF8ToString(name, nameSize)] = UTF8ToString(value, valueSize);
  },

  morvana_property__deps: ['$morvanaElement', '$morvanaHold'],
  morvana_property: function(id, idSize, name, nameSize) {
    return morvanaHold(morvanaElement(id, idSize)[UTF8ToString(name, nameSize)]);
  },

  morvana_number_property__deps: ['$morvanaElement'],
  morvana_number_property: function(id, idSize, name, nameSize) {
    return morvanaElement(id, idSize)[UTF8ToString(name, nameSize)];
  },

  morvana_set_property_later__deps: ['$morvana', '$morvanaElement'],
  morvana_set_property_later: function(id, idSize, name, nameSize, value, valueSize, delay) {
    var element = morvanaElement(id, idSize), key = UTF8ToString(name, nameSize);
    var text = UTF8ToString(value, valueSize);
    morvana.timers = morvana.timers || new Map();
    clearTimeout(morvana.timers.get(element));
    morvana.timers.set(element, setTimeout(function() { element[key] = text; }, delay));
  },

  morvana_has_method__deps: ['$morvanaElement'],
  morvana_has_method: function(id, idSize, method, methodSize) {
    return typeof morvanaElement(id, idSize)[UTF8ToString(method, methodSize)] == 'function' ? 1 : 0;
  },

  morvana_caret_to_end__deps: ['$morvanaElement'],
  morvana_caret_to_end: function(id, idSize) {
    var element = morvanaElement(id, idSize);
    element.setSelectionRange(element.value.length, element.value.length);
  },

  // The text's lines as the browser sets them (each spans its font's ascent
  // and descent), and the glyphs' reach about the baseline as a canvas
  // measures them in the same font. A browser without those measures gives
  // the lines whole.
  morvana_glyph_box__deps: ['$morvana', '$morvanaElement'],
  morvana_glyph_box: function(id, idSize, box) {
    var element = morvanaElement(id, idSize), style = getComputedStyle(element), range = document.createRange();
    range.selectNodeContents(element);
    morvana.canvas = morvana.canvas || document.createElement('canvas').getContext('2d');
    morvana.canvas.font = [style.fontStyle, style.fontWeight, style.fontSize, style.fontFamily].join(' ');
    var glyphs = morvana.canvas.measureText(element.textContent), known = glyphs.fontBoundingBoxDescent != null;
    var corner = element.getBoundingClientRect(), x = corner.left + element.clientLeft;
    var y = corner.top + element.clientTop, reach = [Infinity, Infinity, -Infinity, -Infinity];
    Array.prototype.forEach.call(range.getClientRects(), function(line) {
      var baseline = line.bottom - (known ? glyphs.fontBoundingBoxDescent : 0);
      reach = [Math.min(reach[0], line.left - x),
               Math.min(reach[1], (known ? baseline - glyphs.actualBoundingBoxAscent : line.top) - y),
               Math.max(reach[2], line.right - x),
               Math.max(reach[3], (known ? baseline + glyphs.actualBoundingBoxDescent : line.bottom) - y)];
    });
    // Outwards, past a hundredth of a pixel's rounding.
    [Math.floor(reach[0] + 0.01), Math.floor(reach[1] + 0.01), Math.ceil(reach[2] - 0.01),
     Math.ceil(reach[3] - 0.01)].forEach(function(edge, i) { HEAP32[(box >> 2) + i] = isFinite(edge) ? edge : 0; });
  },

  morvana_set_underlined_text__deps: ['$morvanaElement'],
  morvana_set_underlined_text: function(id, idSize, before, beforeSize, underlined, underlinedSize, after,
                                        afterSize) {
    var element = morvanaElement(id, idSize), key = document.createElement('u');
    key.textContent = UTF8ToString(underlined, underlinedSize);
    element.textContent = UTF8ToString(before, beforeSize);
    element.appendChild(key);
    element.appendChild(document.createTextNode(UTF8ToString(after, afterSize)));
  },

  morvana_bounding_side__deps: ['$morvanaElement'],
  morvana_bounding_side: function(id, idSize, side, sideSize) {
    return Math.round(morvanaElement(id, idSize).getBoundingClientRect()[UTF8ToString(side, sideSize)]);
  },

  morvana_call__deps: ['$morvanaElement'],
  morvana_call: function(id, idSize, method, methodSize) {
    morvanaElement(id, idSize)[UTF8ToString(method, methodSize)]();
  },

  morvana_set_document_title: function(title, size) {
    document.title = UTF8ToString(title, size);
  },

  morvana_alert: function(text, size) {
    alert(UTF8ToString(text, size));
  },

  morvana_screen_property: function(name, size) {
    return screen[UTF8ToString(name, size)];
  },

  morvana_active_id__deps: ['$morvanaHold'],
  morvana_active_id: function() {
    return morvanaHold(document.activeElement && document.activeElement.id);
  },

  morvana_mark: function(name, size) {
    performance.mark(UTF8ToString(name, size));
  },

  morvana_exec_command: function(command, size) {
    document.execCommand(UTF8ToString(command, size));
  },

  // Routes one event to C++, as the event being routed; null for one that
  // carries nothing. A focus() or showModal() in its handling fires further
  // events at once, which are routed inside it: the outer one is the event
  // being routed again when they return.
  $morvanaRoute__deps: ['$morvana'],
  $morvanaRoute: function(route, event) {
    var outer = morvana.event;
    morvana.event = event;
    try {
      return _morvana_route(route);
    } finally {
      morvana.event = outer;
    }
  },

  // The promise settles after the routed event is over; its refusal comes
  // back as an event of its own, which carries nothing.
  morvana_write_clipboard__deps: ['$morvanaRoute'],
  morvana_write_clipboard: function(text, size, route) {
    if (!navigator.clipboard || !navigator.clipboard.writeText) return 0;
    navigator.clipboard.writeText(UTF8ToString(text, size)).then(null, function() {
      morvanaRoute(route, null);
    });
    return 1;
  },

  morvana_listen__deps: ['$morvanaRoute', '$morvanaElement'],
  morvana_listen: function(id, idSize, type, typeSize, route) {
    morvanaElement(id, idSize).addEventListener(UTF8ToString(type, typeSize), function(event) {
      if (morvanaRoute(route, event)) event.preventDefault();
    });
  },

  morvana_observe_size__deps: ['$morvanaRoute', '$morvanaElement'],
  morvana_observe_size: function(id, idSize, route) {
    if (typeof ResizeObserver != 'function') return;
    new ResizeObserver(function() {
      morvanaRoute(route, null);
    }).observe(morvanaElement(id, idSize));
  },

  // A change of the user's colour scheme: light or dark, forced colours.
  morvana_observe_colour_scheme__deps: ['$morvanaRoute'],
  morvana_observe_colour_scheme: function(route) {
    if (typeof matchMedia != 'function') return;
    ['(prefers-color-scheme: dark)', '(forced-colors: active)'].forEach(function(query) {
      var list = matchMedia(query), changed = function() { morvanaRoute(route, null); };
      if (list.addEventListener) {
        list.addEventListener('change', changed);
      } else if (list.addListener) {  // older browsers
        list.addListener(changed);
      }
    });
  },

  // A CSS colour as the page resolves it under the user's scheme, as
  // 0xRRGGBB: a system colour such as Canvas or CanvasText, through the
  // element's text colour, which is left as it was.
  morvana_resolved_colour__deps: ['$morvanaElement'],
  morvana_resolved_colour: function(id, idSize, colour, colourSize) {
    var element = morvanaElement(id, idSize), kept = element.style.color;
    element.style.color = UTF8ToString(colour, colourSize);
    var rgb = (getComputedStyle(element).color.match(/\d+(\.\d+)?/g) || [0, 0, 0]).slice(0, 3);
    element.style.color = kept;
    return rgb.reduce(function(packed, channel) { return packed * 256 + Math.round(channel); }, 0);
  },

  // What the event being routed carries.
  morvana_event_string__deps: ['$morvana', '$morvanaHold'],
  morvana_event_string: function(name, size) {
    return morvanaHold(morvana.event[UTF8ToString(name, size)]);
  },

  morvana_event_flag__deps: ['$morvana'],
  morvana_event_flag: function(name, size) {
    return morvana.event[UTF8ToString(name, size)] ? 1 : 0;
  },

  morvana_event_number__deps: ['$morvana'],
  morvana_event_number: function(name, size) {
    return Math.round(morvana.event[UTF8ToString(name, size)]) || 0;
  },

  morvana_event_element_id__deps: ['$morvana', '$morvanaHold'],
  morvana_event_element_id: function(name, size) {
    var element = morvana.event[UTF8ToString(name, size)];
    return morvanaHold(element && element.id);
  },

  // A paste's or a drop's text, only ever as plain text.
  morvana_event_plain_text__deps: ['$morvana', '$morvanaHold'],
  morvana_event_plain_text: function() {
    var data = morvana.event.clipboardData || morvana.event.dataTransfer;
    return morvanaHold(data ? data.getData('text/plain') : '');
  },
});
