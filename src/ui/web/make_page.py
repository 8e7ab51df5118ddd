#!/usr/bin/env python3
"""Puts a page together as one self-contained HTML file: Emscripten's
JavaScript, the WebAssembly module it runs and the 32-pixel image of the
program's icon, all inline, under a Content-Security-Policy that allows
exactly that script (by its hash) and nothing from anywhere else.

The module goes in as Module.wasmBinary rather than through Emscripten's
SINGLE_FILE: that one fetches its own inlined module as a data: URL, which
the policy rightly forbids, or compiles it synchronously, which older
Chromes refuse on the main thread for modules over 4 KB.

  make_page.py PROGRAM.js ICON.ico OUT.html
"""
import base64
import hashlib
import json
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', '..', '..', 'tools'))
from make_icon import png  # noqa: E402  the PNG writer the desktop icons come from


def icon_image(ico, size):
    """The deepest size x size image of an .ico with uncompressed DIB images,
    as rows of RGBA tuples, top row first."""
    count = struct.unpack_from('<H', ico, 4)[0]
    entries = [struct.unpack_from('<BBBBHHII', ico, 6 + 16 * i) for i in range(count)]
    entry = max((e for e in entries if e[0] == size % 256 and e[1] == size % 256), key=lambda e: e[5])
    offset = entry[7]
    header_size, width, height2, _, bits = struct.unpack_from('<IiiHH', ico, offset)
    assert bits == 8 and width == size and height2 == 2 * size, 'only 8-bit DIB images are read'
    colours = struct.unpack_from('<I', ico, offset + 32)[0] or 256
    palette = [ico[offset + header_size + 4 * i:offset + header_size + 4 * i + 3] for i in range(colours)]
    pixels = offset + header_size + 4 * colours
    row_bytes = (size + 3) // 4 * 4
    mask = pixels + row_bytes * size
    mask_bytes = (size // 8 + 3) // 4 * 4
    rows = []
    for y in reversed(range(size)):  # DIBs run bottom-up
        row = []
        for x in range(size):
            blue, green, red = palette[ico[pixels + y * row_bytes + x]]
            transparent = ico[mask + y * mask_bytes + x // 8] >> (7 - x % 8) & 1
            row.append((red, green, blue, 0 if transparent else 255))
        rows.append(row)
    return rows


# Where the module cannot run, the page says why in plain text rather than
# stay blank: the browser has no WebAssembly, or refuses it under the page's
# policy (one that does not know 'wasm-unsafe-eval'), or it failed to start.
# Making the smallest module there is tells a refusal: nothing else fails
# on it, and not every browser reports the policy's violation (WebKit does not).
CANNOT_RUN = 'Morvana cannot run in this browser: '
NO_WEBASSEMBLY = 'it has no WebAssembly, which Morvana needs.'
REFUSED_BY_POLICY = ("it refuses WebAssembly, which Morvana needs, under this page's security policy. "
                     "Browsers that know the policy's 'wasm-unsafe-eval' run it.")
FAILED = 'its WebAssembly did not start: '
SAY_WHY = ('function say(why){var p=document.getElementById("msgCannotRun")||'
           'document.body.appendChild(document.createElement("p"));p.id="msgCannotRun";p.textContent=%s+why}'
           'if(typeof WebAssembly=="object")try{new WebAssembly.Instance(new WebAssembly.Module('
           'new Uint8Array([0,97,115,109,1,0,0,0])))}catch(e){say(%s)}'
           'Module.onAbort=function(what){if(!document.getElementById("msgCannotRun"))'
           'say(typeof WebAssembly=="object"?%s+what:%s)};'
           % tuple(json.dumps(text) for text in (CANNOT_RUN, REFUSED_BY_POLICY, FAILED, NO_WEBASSEMBLY)))


def page(program_js, wasm, icon_png):
    script = ('var Module=(function(s){for(var b=new Uint8Array(s.length),i=0;i<s.length;i++)b[i]=s.charCodeAt(i);'
              'return{wasmBinary:b}})(atob("%s"));\n(function(){%s})();\n%s'
              % (base64.b64encode(wasm).decode('ascii'), SAY_WHY, program_js.strip()))
    lowered = script.lower()
    if '</script' in lowered or '<!--' in lowered:
        raise SystemExit('make_page.py: the script would end the <script> element early')
    script_hash = base64.b64encode(hashlib.sha256(script.encode('utf-8')).digest()).decode('ascii')
    policy = ("default-src 'none'; script-src 'sha256-%s' 'wasm-unsafe-eval'; img-src data:; "
              "base-uri 'none'; form-action 'none'" % script_hash)
    icon = 'data:image/png;base64,' + base64.b64encode(icon_png).decode('ascii')
    return ('<!DOCTYPE html>\n<html lang="en">\n<head>\n<meta charset="utf-8">\n'
            '<meta http-equiv="Content-Security-Policy" content="%s">\n'
            '<meta name="viewport" content="width=device-width, initial-scale=1">\n'
            '<link rel="icon" type="image/png" sizes="32x32" href="%s">\n'
            '</head>\n<body>\n<noscript>Morvana needs JavaScript and WebAssembly, which this browser has turned '
            'off.</noscript>\n<script>%s</script>\n</body>\n</html>\n' % (policy, icon, script))


def main(program, icon, out):
    with open(program, encoding='utf-8') as f:
        program_js = f.read()
    with open(os.path.splitext(program)[0] + '.wasm', 'rb') as f:
        wasm = f.read()
    with open(icon, 'rb') as f:
        icon_png = png(icon_image(f.read(), 32))
    with open(out, 'w', encoding='utf-8', newline='\n') as f:
        f.write(page(program_js, wasm, icon_png))


if __name__ == '__main__':
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
