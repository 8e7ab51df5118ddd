"""Morvana.html driven as a user drives it, one check per route, in the
browser MORVANA_BROWSER names (browser.py): CTest runs the same checks in
Chromium, WebKitGTK and Firefox. The rules behind the keys, the pastes and
the press have their own tables in tests/ui; here they are only reached.

A check runs in every browser. Where one browser or its driver differs in a
step the page has no say in, that step is a subTest of its own that begins
  self.skip_in(WEBKITGTK, 'what differs there')
and only that step is skipped, only in that browser; the reason is in the log."""
import base64
import functools
import hashlib
import http.server
import ipaddress
import os
import re
import shutil
import struct
import tempfile
import threading

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.mouse_button import MouseButton
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support import expected_conditions
from selenium.webdriver.support.ui import WebDriverWait

from browser import FIREFOX, WEBKITGTK, PageTest

TWIPS_PER_PIXEL = 15
EN_DASH = '\u2013'
OCTET_BOXES = ['txt%s%sOctet' % (side, nth) for side in ('From', 'To') for nth in ('First', 'Second', 'Third', 'Fourth')]
# The text spacing users may set (WCAG 1.4.12), as a user style would.
TEXT_SPACING = ('* { line-height: 1.5 !important; letter-spacing: 0.12em !important; '
                'word-spacing: 0.16em !important; } p { margin-bottom: 2em !important; }')
ROLES = {'input': 'textbox', 'button': 'button'}
# What only Chromium's DevTools reach, and what the other drivers cannot do.
NO_AX_TREE = 'only Chromium\'s DevTools give the accessibility tree with descriptions'
NO_DRAG_IN = 'its driver cannot drag a text in from another program'
# What Copy Range as Blocks puts on the clipboard, as Python's ipaddress has it.
BLOCKS_10_0_0_1_TO_10_0_3_5 = '\n'.join(
    str(block) for block in ipaddress.summarize_address_range(ipaddress.IPv4Address('10.0.0.1'),
                                                              ipaddress.IPv4Address('10.0.3.5')))
CLIPBOARD_BUSY = 'The network could not be copied: another program is holding the clipboard. Please try again.'


def pixels(twips, dpi=96):
    return (twips * dpi + 720) // 1440


def contrast(a, b):
    """The contrast ratio of two CSS rgb() colours."""
    def luminance(css):
        c = [int(v) / 255 for v in re.findall(r'\d+', css)[:3]]
        c = [v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4 for v in c]
        return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2]
    light, dark = sorted((luminance(a), luminance(b)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


class FrmMainTest(PageTest):
    def setUp(self):
        self.open()

    def boxes(self):
        """The eight octet boxes as "From|To": "10.0.0.1|10.0.3.5"."""
        texts = [self.value(name) for name in OCTET_BOXES]
        return '.'.join(texts[:4]) + '|' + '.'.join(texts[4:])

    def set_boxes(self, from_and_to):
        texts = from_and_to.replace('|', '.').split('.')
        self.js('arguments[0].forEach((n, i) => document.getElementById(n).value = arguments[1][i])', OCTET_BOXES,
                texts)

    def focus_and_caret(self):
        """The focused element, with its selection or caret: "txtToFourthOctet end"."""
        return self.js("""var e = document.activeElement;
            if (e.selectionStart == null) return e.id;
            if (e.selectionStart != e.selectionEnd) return e.id + ' selected ' +
                e.value.slice(e.selectionStart, e.selectionEnd);
            return e.id + (e.selectionStart == e.value.length ? ' end' : ' caret inside');""")

    def click_at(self, name):
        """A click where the element is on the screen, whatever lies over it."""
        x, y = self.js('var r = document.getElementById(arguments[0]).getBoundingClientRect();'
                       'return [Math.round(r.x + r.width / 2), Math.round(r.y + r.height / 2)]', name)
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(x, y).click()
        actions.perform()

    def press(self):
        self.element('cmdCalculateSubnet').click()

    def cut_captions(self):
        """The controls whose captions lose glyphs at their edges: those that
        look different once nothing clips them. No caret blinks meanwhile."""
        def look(overflow, only=None):
            self.js("""document.querySelectorAll('#frmMain label, #frmMain button').forEach(e => {
                if (!arguments[1] || e.id == arguments[1]) e.style.overflow = arguments[0]; })""", overflow, only)
            return self.screenshot()
        focus = self.js('var e = document.activeElement; e.blur(); return e')
        try:
            clipped = look('hidden')
            if look('visible') == clipped:
                return []
            look('hidden')
            cut = []
            for name in self.js("return Array.from(document.querySelectorAll('#frmMain label, #frmMain button'), "
                                "e => e.id)"):
                if look('visible', name) != clipped:
                    cut.append(name)
                look('hidden', name)
            return cut
        finally:
            self.js('arguments[0].focus()', focus)

    def test_every_control_stands_at_its_rectangle_of_the_table(self):
        table = self.table
        self.assertEqual(self.driver.title, table['title'], 'page title')
        self.assertEqual(self.focused(), 'txtFromFirstOctet', 'focus at start')
        client = self.js('var r = document.getElementById(arguments[0]).getBoundingClientRect();'
                         'return [r.x, r.y, r.width, r.height]', table['window'])
        self.assertEqual(client[2:], [pixels(t) for t in table['client']], 'client area of the table\'s size')
        icon = self.js("return document.querySelector('link[rel=icon]').href")
        self.assertTrue(icon.startswith('data:image/png;base64,'), 'the icon is inline')
        self.assertEqual(struct.unpack('>II', base64.b64decode(icon.split(',')[1])[16:24]), (32, 32), 'icon size')
        for row in table['controls']:
            with self.subTest(row['name']):
                got = self.js("""var e = document.getElementById(arguments[0]), r = e.getBoundingClientRect(),
                    s = getComputedStyle(e), box = e.tagName == 'INPUT';
                    return {tag: e.tagName.toLowerCase(), rect: [r.x - arguments[1], r.y - arguments[2], r.width,
                      r.height], caption: box ? e.value : e.textContent, faces: s.fontFamily.split(', '),
                      size: s.fontSize, weight: s.fontWeight, back: s.backgroundColor, colour: s.color,
                      align: s.textAlign, input: box ? [e.maxLength, e.spellcheck, e.getAttribute('autocomplete'),
                        e.inputMode, e.getAttribute('enterkeyhint')] : null}""",
                              row['name'], *client[:2])
                got['faces'] = [face.strip('"') for face in got['faces']]
                # Black text on the fixed back colours, in the faces actually used.
                self.assertEqual(got, {
                    'tag': row['tag'], 'rect': [pixels(t) for t in row['rect']], 'caption': row['caption'],
                    'faces': row['faces'] + ['sans-serif'], 'size': '%gpx' % (row['points'] * 96 / 72),
                    'weight': str(row['weight']), 'back': 'rgb(%d, %d, %d)' % tuple(row['back']),
                    'colour': 'rgb(0, 0, 0)', 'align': 'center' if row['centred'] else 'left',
                    'input': [row['max_length'], False, 'off', 'decimal', 'go'] if row['tag'] == 'input' else None},
                    'the element realises its row of the table')
                if row['accessible_name']:
                    self.assertTrue(self.is_accessible_as(row['name'], ROLES[row['tag']], row['accessible_name']),
                                    'role and accessible name')
        self.assertEqual(self.cut_captions(), [], 'every caption whole')

    def test_colours_follow_the_scheme_and_forced_colours_take_over(self):
        def colours():
            return self.js("""var page = getComputedStyle(document.documentElement).backgroundColor;
                return Array.from(document.querySelectorAll('#frmMain label, #frmMain input, #frmMain button'), e => {
                  var s = getComputedStyle(e);
                  return [e.id, page, s.backgroundColor, s.color, s.borderTopColor]; });""")
        schemes = [
            ('light', {}, lambda page, back, text, row: page == 'rgb(255, 255, 255)'),  # as every other test runs
            ('dark', {'dark': True},
             lambda page, back, text, row: page != 'rgb(255, 255, 255)' and
             (back, text) == ('rgb(%d, %d, %d)' % tuple(row['back']), 'rgb(0, 0, 0)')),
            # The browser's colours instead of the fixed ones, text standing out on them.
            ('forced_dark', {'dark': True, 'forced_colours': True},
             lambda page, back, text, row: (back, text) != ('rgb(%d, %d, %d)' % tuple(row['back']), 'rgb(0, 0, 0)')
             and contrast(text, back) >= 4.5),
        ]
        for name, settings, holds in schemes:
            with self.subTest(name):
                if settings.get('forced_colours'):
                    self.skip_in(WEBKITGTK, 'WebKit has no forced colours')
                with self.own_browser(**settings):
                    self.open()
                    found = colours()
                    menu, text, page = self.js("var s = getComputedStyle(document.getElementById('mnuSubnet'));"
                                               "return [s.backgroundColor, s.color, getComputedStyle(document."
                                               "documentElement).backgroundColor]")
                self.assertTrue(menu == page and contrast(menu, text) >= 4.5, 'txtSubnet\'s menu: %s on %s, page %s'
                                % (text, menu, page))
                for control, page, back, text, edge in found:
                    self.assertTrue(holds(page, back, text, self.controls[control]),
                                    '%s: %s on %s, page %s' % (control, text, back, page))
                    if name != 'forced_dark' and self.controls[control]['tag'] == 'input':
                        self.assertGreaterEqual(contrast(edge, page), 3, '%s: edge %s, page %s' % (control, edge, page))

    def test_dots_tab_and_enter_give_the_mask_and_the_status_region_says_it(self):
        self.assertEqual(self.js("""var e = document.getElementById('lblStatus'), r = e.getBoundingClientRect();
            return [e.getAttribute('role'), e.getAttribute('aria-live'), e.getAttribute('aria-atomic'), e.textContent,
              r.width * r.height <= 1, getComputedStyle(e).display]"""),
            ['status', 'polite', 'true', '', True, 'block'], 'a polite, atomic status region from the start, unseen')
        said = ('Subnet mask 255.255.252.0. 10.0.0.0/22: 10.0.0.0 to 10.0.3.255, 1,024 addresses, 251 of them '
                'outside the range (12 blocks cover it exactly)')
        ActionChains(self.driver).send_keys('10.0.0.1', Keys.TAB, '10.0.3.5').perform()
        self.assertEqual(self.boxes(), '10.0.0.1|10.0.3.5', 'typed with dots')
        for press, expected in [('first', said), ('same_again', said + '\u00a0')]:
            with self.subTest(press):
                ActionChains(self.driver).send_keys(Keys.ENTER).perform()
                self.assertEqual(self.value('txtSubnet'), '255.255.252.0', 'the press writes the mask')
                text = WebDriverWait(self.driver, 2).until(
                    lambda d: d.execute_script("return document.getElementById('lblStatus').textContent"),
                    'nothing said')
                self.assertEqual(text, expected, 'what the region says')
                self.assertEqual(self.focus_and_caret(), 'txtToFourthOctet end', 'focus unmoved, nothing selected')

    def test_a_blank_box_shows_its_message_modally_and_gives_the_focus_back(self):
        def click_button():
            self.press()
            return 'cmdCalculateSubnet'

        def enter_in_a_box():
            self.element('txtToFourthOctet').send_keys(Keys.ENTER)
            return 'txtToFourthOctet'
        closes = [
            ('click_then_enter', click_button, lambda: ActionChains(self.driver).send_keys(Keys.ENTER).perform()),
            ('enter_in_a_box_then_escape', enter_in_a_box,
             lambda: ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()),
            ('click_then_ok', click_button, lambda: self.element('cmdMessageOK').click()),
        ]
        for name, press, close in closes:
            with self.subTest(name):
                self.set_boxes('10.0.0.1|10..3.5')
                self.js("document.getElementById('txtSubnet').value = 'typed by hand'")
                had_focus = press()
                dialog = self.js("""var d = document.getElementById('dlgMessage');
                    return [d.open && d.matches(':modal'), d.getAttribute('role'),
                      Array.from(d.querySelectorAll('button'), b => b.textContent)]""")
                self.assertEqual(dialog, [True, 'alertdialog', ['OK']], 'a modal alert dialog with one OK')
                self.assertTrue(self.is_accessible_as('dlgMessage', 'alertdialog', 'Morvana'), 'named by its title')
                with self.subTest('message_read_as_its_description'):
                    self.skip_in(WEBKITGTK, FIREFOX, NO_AX_TREE)
                    self.assertIn(('alertdialog', 'Morvana', "Please enter 'To' second octet."), self.ax_nodes(),
                                  'title and message as a screen reader reads them')
                self.assertEqual(self.focused(), 'cmdMessageOK', 'OK has the focus')
                self.click_at('txtFromFirstOctet')
                ActionChains(self.driver).send_keys('9').perform()
                self.assertEqual((self.focused(), self.value('txtFromFirstOctet')), ('cmdMessageOK', '10'),
                                 'the page takes no input under the message')
                close()
                self.assertFalse(self.js("return document.getElementById('dlgMessage').open"), 'closed')
                self.assertEqual(self.focused(), had_focus, 'the focus is back where it was')
                self.assertEqual(self.value('txtSubnet'), 'typed by hand', 'a message leaves txtSubnet alone')

    def test_tab_order_and_limits(self):
        order = [row['name'] for row in sorted(self.table['controls'], key=lambda r: r['tab_index'])
                 if row['tag'] != 'label']
        walked = [self.focused()]
        for _ in order[1:]:
            ActionChains(self.driver).send_keys(Keys.TAB).perform()
            walked.append(self.focused())
        self.assertEqual(walked, order, 'Tab walks the table\'s tab order')
        back = [self.focused()]
        for _ in order[1:]:
            ActionChains(self.driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
            back.append(self.focused())
        self.assertEqual(back, order[::-1], 'Shift+Tab walks it backwards')

        limits = [
            ('octet_box_takes_four', 'txtToFirstOctet', lambda e: e.send_keys('02555'), '0255'),
            ('subnet_takes_twenty', 'txtSubnet', lambda e: e.send_keys('1234567890' * 3), '1234567890' * 2),
            # as the other windows count: in UTF-16 code units
            ('astral_characters_count_twice', 'txtFromThirdOctet', lambda e: self.type_without_keys('\U0001D7D9' * 3),
             '\U0001D7D9' * 2),
        ]
        for name, box, type_into, expected in limits:
            with self.subTest(name):
                self.element(box).click()
                type_into(self.element(box))
                self.assertEqual(self.value(box), expected, 'what the box keeps')

    def test_keys_pastes_and_drops_reach_the_entry_rules(self):
        def keys(*typed):
            return lambda box: ActionChains(self.driver).send_keys(*typed).perform()

        def with_clipboard(text, *typed):
            def route(box):
                if typed[1] == Keys.INSERT:
                    self.skip_in(WEBKITGTK, 'Shift+Insert through WebKitWebDriver pastes nothing')
                self.write_clipboard(text)
                ActionChains(self.driver).key_down(typed[0]).send_keys(typed[1]).key_up(typed[0]).perform()
            return route

        def drop(text):
            def route(box):
                self.skip_in(WEBKITGTK, FIREFOX, NO_DRAG_IN)
                self.drop_text(box, text)
            return route

        def on_screen_keyboard(text):  # text input with no key event, as phones send it
            def route(box):
                self.skip_in(FIREFOX, 'BiDi types only keys, and Firefox\'s editing commands send no beforeinput')
                self.type_without_keys(text)
            return route
        routes = [
            ('dot_moves_on_and_selects', '1.7.3.4|...', 'txtFromFirstOctet', keys('10.'), '110.7.3.4|...',
             'txtFromSecondOctet selected 7'),
            ('comma_as_a_dot', '.7..|...', 'txtFromFirstOctet', keys('10,'), '10.7..|...',
             'txtFromSecondOctet selected 7'),
            ('dot_from_an_on_screen_keyboard', '..5.|...', 'txtFromThirdOctet', on_screen_keyboard('.'),
             '..5.|...', 'txtFromFourthOctet end'),
            ('dot_in_a_fourth_box_is_dropped', '...|...', 'txtToFourthOctet', keys('5.'), '...|...5',
             'txtToFourthOctet end'),
            ('dot_after_selecting_back_to_the_start_is_dropped', '10...|...', 'txtFromFirstOctet',
             lambda box: ActionChains(self.driver).key_down(Keys.SHIFT).send_keys(Keys.HOME).key_up(Keys.SHIFT)
             .send_keys('.').perform(), '10...|...', 'txtFromFirstOctet selected 10'),
            ('backspace_in_an_empty_box_goes_back', '...|192...', 'txtToSecondOctet', keys(Keys.BACKSPACE),
             '...|192...', 'txtToFirstOctet end'),
            ('ctrl_v_range_with_en_dash', '...|...', 'txtFromFirstOctet',
             with_clipboard('192.168.10.7 %s 192.168.11.200' % EN_DASH, Keys.CONTROL, 'v'),
             '192.168.10.7|192.168.11.200', 'txtToFourthOctet end'),
            ('shift_insert_other_text_pastes_plainly', '...|...', 'txtFromFirstOctet',
             with_clipboard('1.2.3.4/33', Keys.SHIFT, Keys.INSERT), '1.2....|...', 'txtFromFirstOctet end'),
            ('dropped_cidr_block', '...|...', 'txtToThirdOctet', drop('10.1.2.3/22'), '10.1.0.0|10.1.3.255',
             'txtToFourthOctet end'),
            ('dropped_other_text_is_cut_at_four', '...|...', 'txtToFirstOctet', drop('123456'), '...|1234...',
             'txtToFirstOctet selected 1234'),
        ]
        for name, before, start, route, expected_boxes, expected_focus in routes:
            with self.subTest(name):
                self.set_boxes(before)
                self.element(start).click()
                self.js('arguments[0].setSelectionRange(99, 99)', self.element(start))
                route(self.element(start))
                self.assertEqual(self.boxes(), expected_boxes, 'boxes after the route')
                self.assertEqual(self.focus_and_caret(), expected_focus, 'focus and caret after the route')

    def test_txt_subnet_describes_its_network_until_edited_or_a_message(self):
        def description():
            tip, aria, shown, below = self.js("""var e = document.getElementById('txtSubnet'),
                d = document.getElementById('lblSubnetDescription');
                return [e.title, e.getAttribute('aria-description') || '', d.hidden ? '' : d.textContent,
                  d.getBoundingClientRect().top > e.getBoundingClientRect().bottom]""")
            self.assertEqual(aria, tip, 'accessible description and tooltip differ')
            with self.subTest('read_by_a_screen_reader'):
                self.skip_in(WEBKITGTK, FIREFOX, NO_AX_TREE)
                read = [d for role, name, d in self.ax_nodes() if name == 'Subnet mask']
                self.assertEqual(read, [tip], 'what a screen reader reads')
            self.assertEqual(shown, tip if self.focused() == 'txtSubnet' else '', 'shown while txtSubnet has the focus')
            self.assertTrue(below or not shown, 'shown below txtSubnet, as its tooltip')
            return tip
        network = ('192.168.10.0/23: 192.168.10.0 to 192.168.11.255, 512 addresses, 62 of them outside the range '
                   '(10 blocks cover it exactly)')
        self.set_boxes('192.168.10.7|192.168.11.200')
        self.press()
        self.assertEqual(description(), network, 'after a press')
        self.element('txtSubnet').click()  # as a tap does
        self.assertEqual(description(), network, 'focused')
        self.press()
        self.assertEqual(description(), network, 'the focus gone to the button')
        self.element('txtSubnet').send_keys('x')
        self.assertEqual(description(), '', 'after a hand edit of txtSubnet')
        self.press()
        self.set_boxes('192.168.10.7|192.168..200')
        self.press()
        ActionChains(self.driver).send_keys(Keys.ENTER).perform()
        self.assertEqual(description(), '', 'after a message')
        self.assertEqual(self.value('txtSubnet'), '255.255.254.0', 'a message leaves txtSubnet as it was')

    def menu(self):
        """txtSubnet's menu: whether it shows, its corner, and the focused element."""
        return self.js("""var m = document.getElementById('mnuSubnet'), r = m.getBoundingClientRect();
            return [!m.hidden, Math.round(r.left), Math.round(r.top), document.activeElement.id]""")

    def pressing(self, *keys):
        return lambda: ActionChains(self.driver).send_keys(*keys).perform()

    def click_at_point(self, x, y):
        def click():
            actions = ActionBuilder(self.driver)
            actions.pointer_action.move_to_location(x, y).click()
            actions.perform()
        return click

    def shift_f10(self):
        ActionChains(self.driver).key_down(Keys.SHIFT).send_keys(Keys.F10).key_up(Keys.SHIFT).perform()

    def test_txt_subnet_menu_opens_every_way_and_copies_or_says_it_could_not(self):
        left, top, bottom = self.js("var r = document.getElementById('txtSubnet').getBoundingClientRect();"
                                    "return [r.left, r.top, r.bottom]")
        at = [int(left) + 20, int(top) + 5]  # where the pointer opens it

        def right_click():
            actions = ActionBuilder(self.driver)
            actions.pointer_action.move_to_location(*at).click(button=MouseButton.RIGHT)
            actions.perform()

        def from_keyboard(press):
            def route():
                self.element('txtSubnet').click()
                press()
            return route

        def only_chromium(route, what):
            def chromium_route():
                self.skip_in(WEBKITGTK, FIREFOX, 'only Chromium\'s DevTools ' + what)
                route()
            return chromium_route
        blocks = BLOCKS_10_0_0_1_TO_10_0_3_5
        refuse = 'navigator.clipboard.writeText = () => Promise.reject(new DOMException("refused"))'
        busy = 'message ' + CLIPBOARD_BUSY
        rows = [  # name, before, how it opens, where, focus then, how an item is chosen, the clipboard or a message
            ('right_click_then_a_click', '', right_click, at, 'mnuSubnet',
             lambda: self.element('mnuCopyBlocks').click(), blocks),
            ('shift_f10_then_its_access_key', '', from_keyboard(self.shift_f10), [left, bottom], 'mnuCopy',
             self.pressing('n'), '10.0.0.0/22'),
            ('select_all_then_copy', '', from_keyboard(self.shift_f10), [left, bottom], 'mnuCopy',
             lambda: (self.pressing('a')(), self.shift_f10(), self.pressing(Keys.ENTER)()), '255.255.252.0'),
            ('refused', refuse, from_keyboard(self.shift_f10), [left, bottom], 'mnuCopy',
             self.pressing(Keys.END, ' '), busy),
            ('no_clipboard', 'delete Navigator.prototype.clipboard', right_click, at, 'mnuSubnet',
             self.pressing(Keys.ARROW_UP, Keys.ARROW_UP, Keys.ENTER), busy),
            ('menu_key', '', only_chromium(from_keyboard(self.menu_key), 'press the Menu key'), [left, bottom],
             'mnuCopy', self.pressing('b'), blocks),
            ('long_press_then_a_tap', '', only_chromium(lambda: self.long_press(*at), 'hold a finger down'), at,
             'mnuSubnet', lambda: self.element('mnuCopyNetwork').click(), '10.0.0.0/22'),
        ]
        for name, before, open_menu, where, focus, choose, expected in rows:
            with self.subTest(name):
                self.open()
                self.set_boxes('10.0.0.1|10.0.3.5')
                self.press()
                self.write_clipboard('something else')
                self.js(before)
                open_menu()
                WebDriverWait(self.driver, 2).until(lambda d: self.menu()[0], 'the menu never opened')
                self.assertEqual(self.menu(), [True, *map(round, where), focus], 'open, placed and focused')
                choose()
                self.assertEqual(self.menu()[::3], [False, 'cmdMessageOK' if expected == busy else 'txtSubnet'],
                                 'closed, the focus back')
                if expected == busy:
                    self.assertEqual('message ' + self.js("return document.getElementById('lblMessageText')"
                                                          ".textContent"), busy, 'the message')
                    self.pressing(Keys.ENTER)()
                    self.assertEqual(self.focused(), 'txtSubnet', 'the focus back after the message')
                else:
                    WebDriverWait(self.driver, 2).until(lambda d: self.read_clipboard() != 'something else',
                                                        'nothing copied')
                    self.assertEqual(self.read_clipboard(), expected, 'the clipboard')

    def test_txt_subnet_menu_is_a_menu_to_keys_and_screen_readers(self):
        def items():
            """(role, name, greyed) of the menu and its items: the roles and
            greyed states the page gives them, and names the browser computes."""
            found = self.js("""return Array.from(document.querySelectorAll('#mnuSubnet, #mnuSubnet [role]'), e =>
                [e.id, e.getAttribute('role'), e.getAttribute('aria-disabled') == 'true'])""")
            names = {'mnuSubnet': 'Subnet mask', 'mnuCopy': 'Copy', 'mnuSelectAll': 'Select All',
                     'mnuCopyNetwork': self.js("return document.getElementById('mnuCopyNetwork').textContent"),
                     'mnuCopyBlocks': self.js("return document.getElementById('mnuCopyBlocks').textContent")}
            for element, role, _ in found:
                if role != 'separator':
                    self.assertTrue(self.is_accessible_as(element, role, names[element]),
                                    '%s is a %s named %r' % (element, role, names[element]))
            return [(role, names.get(element, ''), greyed) for element, role, greyed in found]

        greyed = [('menu', 'Subnet mask', False), ('menuitem', 'Copy', True), ('menuitem', 'Select All', True),
                  ('separator', '', False), ('menuitem', 'Copy Network', True),
                  ('menuitem', 'Copy Range as Blocks', True)]
        self.element('txtSubnet').click()
        self.shift_f10()
        self.assertEqual(items(), greyed, 'before a press: every item greyed')
        self.assertEqual(self.js("return Array.from(document.querySelectorAll('#mnuSubnet u'), u => u.textContent)"),
                         ['C', 'A', 'N', 'B'], 'the access keys underlined')
        self.pressing(Keys.ESCAPE)()
        self.set_boxes('10.0.0.1|10.0.3.5')
        self.press()
        self.element('txtSubnet').click()
        self.js("document.getElementById('txtSubnet').setSelectionRange(0, 3)")
        self.shift_f10()
        enabled = [('menu', 'Subnet mask', False), ('menuitem', 'Copy', False), ('menuitem', 'Select All', False),
                   ('separator', '', False), ('menuitem', 'Copy Network 10.0.0.0/22', False),
                   ('menuitem', 'Copy Range as 12 Blocks', False)]
        self.assertEqual(items(), enabled, 'after a press, with a selection')
        walk = [(Keys.ARROW_DOWN, 'mnuSelectAll'), (Keys.ARROW_DOWN, 'mnuCopyNetwork'),
                (Keys.ARROW_DOWN, 'mnuCopyBlocks'), (Keys.ARROW_DOWN, 'mnuCopy'), (Keys.ARROW_UP, 'mnuCopyBlocks'),
                (Keys.HOME, 'mnuCopy'), (Keys.END, 'mnuCopyBlocks')]
        self.assertEqual([(key, self.pressing(key)() or self.focused()) for key, _ in walk], walk,
                         'the arrows go round')
        closes = [('escape', self.pressing(Keys.ESCAPE), 'txtSubnet'), ('tab', self.pressing(Keys.TAB), 'txtSubnet'),
                  ('click_on_the_page', self.click_at_point(700, 400), 'txtSubnet'),
                  ('click_in_a_box', lambda: self.element('txtToFirstOctet').click(), 'txtToFirstOctet')]
        for name, close, focus in closes:
            with self.subTest(name):
                self.element('txtSubnet').click()
                self.shift_f10()
                close()
                self.assertEqual(self.menu()[::3], [False, focus], 'closed, the focus back')

    def test_reading_order_and_address_groups_as_a_screen_reader_walks_them(self):
        expected = []  # element, role, name
        for name in self.table['reading_order']:
            row = self.controls[name]
            if name.endswith('FirstOctet'):  # the group of an address's boxes, named by its label
                group = self.js('return document.getElementById(arguments[0]).parentElement.id', name)
                expected.append((group, 'group', self.controls['Label1' if 'From' in name else 'Label2']['caption']))
            expected.append((name, 'StaticText', row['caption']) if row['tag'] == 'label' else
                            (name, ROLES[row['tag']], row['accessible_name']))
        in_page = self.js("return Array.from(document.querySelectorAll('#frmMain [id]'), e => [e.id, e.textContent])")
        self.assertEqual([name for name, _ in in_page], [name for name, _, _ in expected], 'the page in reading order')
        for name, role, accessible_name in expected:
            with self.subTest(name):
                if role == 'StaticText':  # a label's text, read as it stands
                    self.assertEqual(dict(in_page)[name], accessible_name, 'caption')
                else:
                    self.assertTrue(self.is_accessible_as(name, role, accessible_name), 'role and accessible name')
        with self.subTest('accessibility_tree'):
            self.skip_in(WEBKITGTK, FIREFOX, NO_AX_TREE)
            nodes = {n['nodeId']: n for n in self.driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']}

            def walk(node, parent_role=''):
                role, name = node['role']['value'], node.get('name', {}).get('value', '')
                read = [(role, name)] if role in ('group', 'textbox', 'button') or \
                    (role == 'StaticText' and parent_role == 'LabelText') else []
                return read + [r for child in node.get('childIds', []) if child in nodes
                               for r in walk(nodes[child], role)]
            main = next(n for n in nodes.values() if n['role']['value'] == 'main')
            self.assertEqual(walk(main), [(role, name) for _, role, name in expected],
                             'the page read in the table\'s reading order')

    def test_the_window_grows_as_a_whole_until_every_caption_fits(self):
        def state():
            return self.js("""var w = document.getElementById('frmMain').getBoundingClientRect();
                var all = Array.from(document.querySelectorAll('#frmMain label, #frmMain input, #frmMain button'));
                return {window: w.width, page: document.documentElement.clientWidth,
                  sideways: document.documentElement.scrollWidth > document.documentElement.clientWidth,
                  smallest: Math.min(...all.map(e => parseFloat(getComputedStyle(e).fontSize))),
                  rects: Object.fromEntries(all.map(e => { var r = e.getBoundingClientRect();
                    return [e.id, [r.x - w.x, r.y - w.y, r.width, r.height]]; }))}""")

        def dpi(rects):  # the one DPI every rectangle is drawn at, or None
            return next((d for d in range(96, 385) if all(rects[name] == [pixels(t, d) for t in row['rect']]
                                                          for name, row in self.controls.items())), None)
        rows = [  # name, the browser's settings, a style sheet the user adds, what must hold
            ('minimum_font_16px', {'minimum_font_size': 16}, None, lambda s, d: d > 96),
            ('text_spacing_after_load', {}, TEXT_SPACING, lambda s, d: d > 96),
            ('phone', {'phone': True}, None,
             lambda s, d: s['page'] - 3 <= s['window'] <= s['page'] and s['smallest'] >= 12),
        ]
        for name, settings, style, holds in rows:
            with self.subTest(name):
                if settings.get('phone'):
                    self.skip_in(WEBKITGTK, 'WebKitWebDriver emulates no phone\'s screen')
                with self.own_browser(**settings):
                    self.open()
                    if style:  # as a user's style sheet or extension adds it, which the page's policy lets by
                        self.js('var sheet = new CSSStyleSheet(); sheet.replaceSync(arguments[0]);'
                                'document.adoptedStyleSheets = [sheet]', style)
                        WebDriverWait(self.driver, 2).until(lambda d: state()['window'] > pixels(
                            self.table['client'][0]), 'laid out anew')
                    got = state()
                    self.assertEqual((self.cut_captions(), got['sideways']), ([], False),
                                     'every caption whole, no sideways scroll')
                self.assertTrue(holds(got, dpi(got['rects'])), 'size and text: %s' % got)
                if 'minimum_font_size' in settings:
                    with self.subTest('text_at_the_minimum'):
                        self.skip_in(FIREFOX, 'Firefox\'s computed font size leaves its minimum out')
                        self.assertEqual(got['smallest'], settings['minimum_font_size'], 'the smallest text')

    def test_older_browsers_still_show_messages_or_say_why_the_page_cannot_run(self):
        def page(before='', policy=lambda p: p):
            """A copy of the page, with a script of its own run first, allowed by its hash."""
            with open(os.environ['MORVANA_PAGE'], encoding='utf-8') as f:
                text = f.read()
            if before:
                allowed = "'sha256-%s'" % base64.b64encode(hashlib.sha256(before.encode('utf-8')).digest()).decode()
                text = text.replace("script-src ", "script-src %s " % allowed, 1).replace(
                    '<script>', '<script>%s</script>\n<script>' % before, 1)
            copy = os.path.join(folder, '%d.html' % len(os.listdir(folder)))
            with open(copy, 'w', encoding='utf-8') as f:
                f.write(policy(text))
            return 'file://' + copy
        folder = tempfile.mkdtemp(prefix='morvana-pages-')
        self.addCleanup(shutil.rmtree, folder)
        rows = [  # name, the page, why it cannot run (None: it runs)
            ('no_show_modal', page('delete HTMLDialogElement.prototype.showModal'), None),
            ('no_webassembly', page('delete window.WebAssembly'), 'it has no WebAssembly'),
            ('policy_without_wasm_unsafe_eval', page(policy=lambda p: p.replace(" 'wasm-unsafe-eval'", '', 1)),
             'security policy'),
        ]
        for name, url, why in rows:
            with self.subTest(name):
                self.driver.get(url)
                if why:
                    said = WebDriverWait(self.driver, 5).until(lambda d: d.execute_script(
                        "var p = document.getElementById('msgCannotRun'); return p && p.textContent"), 'blank')
                    self.assertTrue(said.startswith('Morvana cannot run in this browser: ') and why in said, said)
                    continue
                self.wait_ready()
                self.element('txtFromFirstOctet').send_keys(Keys.ENTER)
                alert = WebDriverWait(self.driver, 2).until(expected_conditions.alert_is_present(), 'no message')
                self.assertEqual(alert.text, "Please enter 'From' first octet.", 'the browser\'s own message box')
                alert.accept()
                self.assertEqual(self.focused(), 'txtFromFirstOctet', 'the focus where it was')


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    requested = []

    def log_message(self, *args):
        QuietHandler.requested.append(self.path)


class OfflineTest(PageTest):
    def test_loads_with_no_request_but_itself_from_disk_or_a_server(self):
        folder, name = os.path.split(os.environ['MORVANA_PAGE'])
        server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(QuietHandler, directory=folder))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        self.addCleanup(server.server_close)
        self.addCleanup(server.shutdown)
        with open(os.environ['MORVANA_PAGE'], encoding='utf-8') as f:
            self.assertIn('content="default-src \'none\'; ', f.read(), 'the policy starts from nothing')
        for how, url in [('file', 'file://' + os.environ['MORVANA_PAGE']),
                         ('http', 'http://127.0.0.1:%d/%s' % (server.server_port, name))]:
            with self.subTest(how):
                QuietHandler.requested.clear()
                self.driver.get('about:blank')
                self.start_log()
                self.open(url)
                # A normal session: a press with a mask and one with a message.
                ActionChains(self.driver).send_keys('10.0.0.1', Keys.TAB, '10.0.3.5', Keys.ENTER).perform()
                self.assertEqual(self.value('txtSubnet'), '255.255.252.0', 'the page works')
                self.element('txtFromFirstOctet').clear()
                ActionChains(self.driver).send_keys(Keys.ENTER, Keys.ENTER).perform()
                self.assertEqual(self.js("return performance.getEntriesByType('resource').length"), 0, 'resources')
                if how == 'http':
                    self.assertEqual(QuietHandler.requested, ['/' + name], 'what the server was asked for')
                with self.subTest('as_the_browser_logs_it'):
                    self.skip_in(WEBKITGTK, 'WebKitWebDriver keeps no log of requests or of the console')
                    urls, console = self.logged()
                    self.assertEqual([other for other in urls if other != url], [], 'no request but the page itself')
                    if how == 'http':
                        self.assertIn(url, urls, 'the page\'s own request in the log')
                    self.assertEqual(console, [], 'nothing in the console')
