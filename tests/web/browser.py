"""Headless Chromium for the browser window's tests and its start-up
benchmark: offline, on a fresh profile, and always shut down, whatever ends
the run. Run with Debian's Python, which sees Debian's Selenium."""
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

import websocket

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

# Nothing may reach the network: the machine may have none, and the page must
# not need one. A container's small /dev/shm would crash the renderer.
CHROMIUM_ARGS = ('--headless=new', '--no-sandbox', '--disable-background-networking', '--disable-component-update',
                 '--disable-sync', '--no-first-run', '--disable-quic', '--disable-dev-shm-usage',
                 '--window-size=800,600')


def layout_table():
    """The layout table, as the C++ code has it."""
    dump = subprocess.run([os.environ['MORVANA_NODE'], os.environ['MORVANA_LAYOUT_DUMP']], capture_output=True,
                          check=True, text=True)
    return json.loads(dump.stdout)


def start_chromium(**experimental):
    """experimental: Chromium's options beyond the arguments: prefs, mobileEmulation."""
    profile = tempfile.mkdtemp(prefix='morvana-chromium-')
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for arg in CHROMIUM_ARGS + ('--user-data-dir=' + profile,):
        options.add_argument(arg)
    for name, value in experimental.items():
        options.add_experimental_option(name, value)
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL', 'performance': 'ALL'})
    try:
        driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    except BaseException:
        shutil.rmtree(profile, ignore_errors=True)
        raise

    def stop():
        driver.quit()  # chromedriver and every Chromium process with it
        shutil.rmtree(profile, ignore_errors=True)
    return driver, stop


# CTest ends a test that runs too long with SIGTERM; exit normally then, so
# that the browser is shut down too.
signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))


class PageTest(unittest.TestCase):
    """One browser for a test class; each test opens the page afresh."""
    maxDiff = None

    @classmethod
    def setUpClass(cls):
        cls.driver, stop = start_chromium()
        atexit.register(stop)
        cls.addClassCleanup(atexit.unregister, stop)
        cls.addClassCleanup(stop)
        cls.table = layout_table()
        cls.controls = {row['name']: row for row in cls.table['controls']}

    def open(self, url=None):
        self.driver.get(url or 'file://' + os.environ['MORVANA_PAGE'])
        self.wait_ready()

    def wait_ready(self):
        WebDriverWait(self.driver, 10).until(
            lambda d: d.execute_script("return performance.getEntriesByName('ready').length"),
            'the page never became ready')

    @contextlib.contextmanager
    def own_browser(self, **experimental):
        """A browser with these options for a while; with none, the class's."""
        self.driver, stop = start_chromium(**experimental) if experimental else (type(self).driver, lambda: None)
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

    def ax_nodes(self):
        """The accessibility tree as a screen reader gets it: role, name and
        description of every node that is not ignored."""
        nodes = self.driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']
        return [(n['role']['value'], n.get('name', {}).get('value', ''), n.get('description', {}).get('value', ''))
                for n in nodes if not n.get('ignored')]

    # Steps only Chromium's DevTools protocol can take.

    def grant_clipboard(self):
        self.driver.execute_cdp_cmd('Browser.grantPermissions',
                                    {'permissions': ['clipboardReadWrite', 'clipboardSanitizedWrite']})

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
