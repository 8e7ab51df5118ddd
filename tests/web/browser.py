"""The browsers the page's tests and its start-up benchmark drive, each
offline, on a fresh profile, and always shut down, whatever ends the run:
headless Chromium through chromedriver, WebKitGTK's MiniBrowser through
WebKitWebDriver, and Firefox ESR through the WebDriver BiDi it speaks itself.
WebKitGTK and Firefox run on an Xvfb of their own. MORVANA_BROWSER names the
one a test run drives. Run with Debian's Python, which sees Debian's Selenium
and python3-websocket."""
import atexit
import contextlib
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.request
import warnings

import websocket

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

import bidi

CHROMIUM, WEBKITGTK, FIREFOX = 'Chromium', 'WebKitGTK', 'Firefox'

# Nothing may reach the network: the machine may have none, and the page must
# not need one. A container's small /dev/shm would crash the renderer.
CHROMIUM_ARGS = ('--headless=new', '--no-sandbox', '--disable-background-networking', '--disable-component-update',
                 '--disable-sync', '--no-first-run', '--disable-quic', '--disable-dev-shm-usage',
                 '--window-size=800,600')
FIREFOX_PREFS = {
    'browser.shell.checkDefaultBrowser': False, 'browser.startup.homepage_override.mstone': 'ignore',
    'datareporting.policy.dataSubmissionEnabled': False, 'app.normandy.enabled': False,
    'messaging-system.rsexperimentloader.enabled': False, 'services.settings.server': 'data:,',
    'network.connectivity-service.enabled': False, 'network.captive-portal-service.enabled': False,
    'browser.safebrowsing.update.enabled': False, 'extensions.update.enabled': False,
}
MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser'
PHONE = {'width': 360, 'height': 740, 'pixelRatio': 3}


def layout_table():
    """The layout table, as the C++ code has it."""
    dump = subprocess.run([os.environ['MORVANA_NODE'], os.environ['MORVANA_LAYOUT_DUMP']], capture_output=True,
                          check=True, text=True)
    return json.loads(dump.stdout)


# What a user may set, in each browser's own terms, is one of these keyword
# arguments to its start: minimum_font_size (pixels), dark (the colour scheme),
# forced_colours (dark ones), phone (its screen).
def start_chromium(minimum_font_size=None, dark=False, forced_colours=False, phone=False):
    profile = tempfile.mkdtemp(prefix='morvana-chromium-')
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for arg in CHROMIUM_ARGS + ('--user-data-dir=' + profile,):
        options.add_argument(arg)
    if minimum_font_size:
        options.add_experimental_option('prefs', {'webkit.webprefs.minimum_font_size': minimum_font_size})
    if phone:
        options.add_experimental_option('mobileEmulation', {'deviceMetrics': dict(PHONE, touch=True)})
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL', 'performance': 'ALL'})
    try:
        driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    except BaseException:
        shutil.rmtree(profile, ignore_errors=True)
        raise
    # The schemes as emulated media, which DevTools keeps for every page.
    features = [('prefers-color-scheme', 'dark')] * dark + [('forced-colors', 'active')] * forced_colours
    driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'features': [{'name': n, 'value': v} for n, v in features]})

    def stop():
        driver.quit()  # chromedriver and every Chromium process with it
        shutil.rmtree(profile, ignore_errors=True)
    return driver, stop


def start_webkitgtk(display, minimum_font_size=None, dark=False):
    """MiniBrowser takes WebKitSettings from a key file."""
    folder = tempfile.mkdtemp(prefix='morvana-webkitgtk-')
    settings = os.path.join(folder, 'settings.ini')
    with open(settings, 'w', encoding='utf-8') as f:
        f.write('[websettings]\n' + ('minimum-font-size=%d\n' % minimum_font_size if minimum_font_size else ''))
    options = webdriver.WebKitGTKOptions()
    options.binary_location = MINIBROWSER
    for arg in ['--automation', '--config=' + settings] + ['--dark-mode'] * dark:
        options.add_argument(arg)
    with environment(DISPLAY=display, XDG_CACHE_HOME=folder, XDG_DATA_HOME=folder, XDG_CONFIG_HOME=folder,
                     MESA_SHADER_CACHE_DISABLE='true'), warnings.catch_warnings():
        warnings.simplefilter('ignore', DeprecationWarning)  # Selenium's own WebKitGTK class uses old arguments
        try:
            driver = webdriver.WebKitGTK(executable_path='/usr/bin/WebKitWebDriver', options=options)
        except BaseException:
            shutil.rmtree(folder, ignore_errors=True)
            raise

    def stop():
        driver.quit()  # the browser, then WebKitWebDriver
        shutil.rmtree(folder, ignore_errors=True)
    return driver, stop


def start_firefox(display, minimum_font_size=None, dark=False, forced_colours=False, phone=False):
    """Firefox takes its settings as preferences in the profile's user.js,
    and a phone's screen through BiDi's emulation."""
    prefs = dict(FIREFOX_PREFS)
    if minimum_font_size:
        prefs['font.minimum-size.x-western'] = minimum_font_size
    if dark:
        prefs['layout.css.prefers-color-scheme.content-override'] = 0
    if forced_colours:  # as Firefox's Colours dialog sets them: always the user's, light on black
        prefs.update({'browser.display.document_color_use': 2, 'browser.display.use_system_colors': False,
                      'browser.display.background_color': '#000000', 'browser.display.foreground_color': '#ffffff'})
    profile = tempfile.mkdtemp(prefix='morvana-firefox-')
    with open(os.path.join(profile, 'user.js'), 'w', encoding='utf-8') as f:
        f.writelines('user_pref(%s, %s);\n' % (json.dumps(k), json.dumps(v)) for k, v in prefs.items())
    # In a process group of its own, which ends whole. Its window has the
    # keyboard focus only when it starts on a page from a file.
    blank = os.path.join(profile, 'blank.html')
    with open(blank, 'w', encoding='utf-8') as f:
        f.write('<!DOCTYPE html><title>blank</title>')
    firefox = subprocess.Popen(['/usr/bin/firefox-esr', '--remote-debugging-port=0', '--profile', profile,
                                '--no-remote', '--new-instance', 'file://' + blank],
                               env=dict(os.environ, DISPLAY=display), stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, start_new_session=True)

    def end_firefox():
        with contextlib.suppress(ProcessLookupError):
            os.killpg(firefox.pid, signal.SIGTERM)
        try:
            firefox.wait(10)
        except subprocess.TimeoutExpired:
            os.killpg(firefox.pid, signal.SIGKILL)
            firefox.wait()
        shutil.rmtree(profile, ignore_errors=True)
    try:
        # Firefox writes the port it took into the profile.
        server = os.path.join(profile, 'WebDriverBiDiServer.json')
        deadline = time.monotonic() + 30
        while not os.path.exists(server) or not os.path.getsize(server):
            if time.monotonic() > deadline or firefox.poll() is not None:
                raise RuntimeError('Firefox did not start its WebDriver BiDi')
            time.sleep(0.05)
        with open(server, encoding='utf-8') as f:
            port = json.load(f)['ws_port']
        session = bidi.Session('ws://127.0.0.1:%d/session' % port)
        # Alerts stay open until a test answers them, as with the other drivers.
        session.call('session.new', capabilities={'alwaysMatch': {'unhandledPromptBehavior': {'default': 'ignore'}}})
        driver = bidi.BiDiDriver(session)
        if phone:
            driver.session.call('browsingContext.setViewport', context=driver.context,
                                viewport={'width': PHONE['width'], 'height': PHONE['height']},
                                devicePixelRatio=PHONE['pixelRatio'])
            driver.session.call('emulation.setScreenSettingsOverride', contexts=[driver.context],
                                screenArea={'width': PHONE['width'], 'height': PHONE['height']})
    except BaseException:
        end_firefox()
        raise

    def stop():
        try:
            driver.quit()
        finally:
            end_firefox()
    return driver, stop


def start_xvfb():
    """An X display of its own at 96 DPI: its name, and how to stop it."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(write), '-screen', '0', '1280x1024x24', '-dpi', '96',
                             '-nolisten', 'tcp'], pass_fds=(write,), stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as f:
        number = f.readline().strip()

    def stop():
        xvfb.terminate()
        xvfb.wait()
    if not number:
        stop()
        raise RuntimeError('Xvfb did not start')
    return ':' + number, stop


@contextlib.contextmanager
def environment(**values):
    saved = {name: os.environ.get(name) for name in values}
    os.environ.update(values)
    try:
        yield
    finally:
        for name, value in saved.items():
            if value is None:
                del os.environ[name]
            else:
                os.environ[name] = value


# CTest ends a test that runs too long with SIGTERM; exit normally then, so
# that the browser is shut down too.
signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))

ENGINE = os.environ.get('MORVANA_BROWSER', CHROMIUM)
_display = []


def display():
    """The run's own X display, started at first need."""
    if not _display:
        name, stop = start_xvfb()
        atexit.register(stop)
        _display.append(name)
    return _display[0]


def start(**settings):
    if ENGINE == CHROMIUM:
        return start_chromium(**settings)
    return {WEBKITGTK: start_webkitgtk, FIREFOX: start_firefox}[ENGINE](display(), **settings)


class PageTest(unittest.TestCase):
    """One browser for a test class; each test opens the page afresh. What
    the browsers do differently is here, behind one name for each."""
    maxDiff = None
    engine = ENGINE

    @classmethod
    def setUpClass(cls):
        cls.driver, stop = start()
        atexit.register(stop)
        cls.addClassCleanup(atexit.unregister, stop)
        cls.addClassCleanup(stop)
        cls.table = layout_table()
        cls.controls = {row['name']: row for row in cls.table['controls']}

    def skip_in(self, *engines_and_why):
        """Skips the rest of the test, or of its subTest, in these browsers."""
        *engines, why = engines_and_why
        if self.engine in engines:
            self.skipTest('%s: %s' % (self.engine, why))

    def open(self, url=None):
        self.driver.get(url or 'file://' + os.environ['MORVANA_PAGE'])
        self.wait_ready()

    def wait_ready(self):
        WebDriverWait(self.driver, 10).until(
            lambda d: d.execute_script("return performance.getEntriesByName('ready').length"),
            'the page never became ready')

    @contextlib.contextmanager
    def own_browser(self, **settings):
        """A browser with these settings for a while; with none, the class's."""
        self.driver, stop = start(**settings) if settings else (type(self).driver, lambda: None)
        try:
            yield
        finally:
            stop()
            del self.driver

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def element(self, name):
        return self.driver.find_element('id', name)

    def value(self, name):
        return self.js('return document.getElementById(arguments[0]).value', name)

    def focused(self):
        return self.js('return document.activeElement.id')

    def screenshot(self):
        """The page as PNG bytes, once what was just changed is drawn."""
        self.driver.execute_async_script('requestAnimationFrame(() => requestAnimationFrame(arguments[0]))')
        return self.driver.get_screenshot_as_png()

    def ax_nodes(self):
        """Chromium's accessibility tree as a screen reader gets it: role,
        name and description of every node that is not ignored."""
        nodes = self.driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']
        return [(n['role']['value'], n.get('name', {}).get('value', ''), n.get('description', {}).get('value', ''))
                for n in nodes if not n.get('ignored')]

    def is_accessible_as(self, name, role, accessible_name):
        """Whether the browser gives the element this role and accessible
        name: WebDriver's computed role and label, or where BiDi has none
        (Firefox), whether the pair finds the element."""
        if self.engine != FIREFOX:
            element = self.element(name)
            return (element.aria_role, element.accessible_name) == (role, accessible_name)
        found = self.driver.session.call('browsingContext.locateNodes', context=self.driver.context, locator={
            'type': 'accessibility', 'value': {'role': role, 'name': accessible_name}})['nodes']
        return name in [node['value'].get('attributes', {}).get('id') for node in found]

    def write_clipboard(self, text):
        """The system's clipboard holds the text, for a real paste."""
        if self.engine == WEBKITGTK:  # WebKit refuses a script's write: the X clipboard, as another program has it
            clip = subprocess.Popen(['xclip', '-quiet', '-selection', 'clipboard', '-i'], stdin=subprocess.PIPE,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                    env=dict(os.environ, DISPLAY=display()))
            clip.stdin.write(text.encode('utf-8'))
            clip.stdin.close()
            self.addCleanup(clip.wait)
            self.addCleanup(clip.terminate)
            WebDriverWait(self.driver, 2).until(lambda d: subprocess.run(
                ['xclip', '-o', '-selection', 'clipboard'], capture_output=True, env=dict(
                    os.environ, DISPLAY=display())).stdout == text.encode('utf-8'), 'the clipboard never held it')
            return
        if self.engine == CHROMIUM:
            self.driver.execute_cdp_cmd('Browser.grantPermissions',
                                        {'permissions': ['clipboardReadWrite', 'clipboardSanitizedWrite']})
        done = self.driver.execute_async_script(
            'navigator.clipboard.writeText(arguments[0]).then(() => arguments[1](true))', text)
        self.assertTrue(done, 'clipboard written')

    def read_clipboard(self):
        """The system's clipboard's text: as the page reads it in Chromium,
        which runs without a display, or off the browser's X display."""
        if self.engine == CHROMIUM:
            return self.driver.execute_async_script('navigator.clipboard.readText().then(arguments[0])')
        return subprocess.run(['xclip', '-o', '-selection', 'clipboard'], capture_output=True,
                              env=dict(os.environ, DISPLAY=display())).stdout.decode('utf-8')

    def type_without_keys(self, text):
        """Text input with no key event, as phones' on-screen keyboards send
        it: through DevTools, or elsewhere as the editing command inserts it
        (which in WebKit, not in Firefox, goes by beforeinput as typing does)."""
        if self.engine == CHROMIUM:
            self.driver.execute_cdp_cmd('Input.insertText', {'text': text})
        else:
            self.js("document.execCommand('insertText', false, arguments[0])", text)

    def drop_text(self, box, text):
        """A text dragged from another program and dropped onto the box."""
        x, y = self.js('var r = arguments[0].getBoundingClientRect(); return [r.x + 4, r.y + 4]', box)
        data = {'items': [{'mimeType': 'text/plain', 'data': text}], 'dragOperationsMask': 1}
        for kind in ('dragEnter', 'dragOver', 'drop'):
            self.driver.execute_cdp_cmd('Input.dispatchDragEvent', {'type': kind, 'x': x, 'y': y, 'data': data})

    def start_log(self):
        """From now on, the requests the page makes and what it says in the console."""
        if self.engine == CHROMIUM:
            self.driver.get_log('performance')
            self.driver.get_log('browser')
        elif self.engine == FIREFOX:
            self.driver.take_events()
            self.driver.requests.clear()
            self.driver.logs.clear()

    def logged(self):
        """The URLs requested and the console's entries since start_log. A
        data: URL, which Firefox lists, carries what it names: no request."""
        if self.engine == CHROMIUM:
            requests = [json.loads(entry['message'])['message'] for entry in self.driver.get_log('performance')]
            urls = [r['params']['request']['url'] for r in requests if r['method'] == 'Network.requestWillBeSent']
            console = self.driver.get_log('browser')
        else:
            self.driver.take_events()
            urls, console = self.driver.requests, self.driver.logs
        return [url for url in urls if not url.startswith('data:')], list(console)

    # Steps only Chromium's DevTools protocol can take.

    def menu_key(self):
        """The Menu key, which WebDriver's keys lack."""
        for kind in ('rawKeyDown', 'keyUp'):
            self.driver.execute_cdp_cmd('Input.dispatchKeyEvent', {'type': kind, 'key': 'ContextMenu',
                                                                   'code': 'ContextMenu', 'windowsVirtualKeyCode': 93})

    def long_press(self, x, y):
        """A finger held a second at (x, y), through Chromium's touch emulation.
        It answers a held press only once the finger lifts, so the commands go
        unanswered on a connection of their own, which undoes the emulation
        when it closes."""
        address = self.driver.capabilities['goog:chromeOptions']['debuggerAddress']
        with urllib.request.urlopen('http://%s/json' % address) as listing:
            page = next(t for t in json.load(listing) if t['type'] == 'page')
        connection = websocket.create_connection(page['webSocketDebuggerUrl'], suppress_origin=True)
        try:
            mouse = {'x': x, 'y': y, 'button': 'left', 'clickCount': 1}
            for number, (method, params, hold) in enumerate([
                    ('Emulation.setEmitTouchEventsForMouse', {'enabled': True, 'configuration': 'mobile'}, 0),
                    ('Input.dispatchMouseEvent', dict(mouse, type='mousePressed'), 1),
                    ('Input.dispatchMouseEvent', dict(mouse, type='mouseReleased'), 0.2)]):
                connection.send(json.dumps({'id': number, 'method': method, 'params': params}))
                time.sleep(hold)
        finally:
            connection.close()
