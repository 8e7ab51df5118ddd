"""A WebDriver BiDi session over a websocket, as Firefox speaks it itself,
dressed as the part of Selenium's WebDriver that the page's tests use: get,
title, find_element by id, execute_script and execute_async_script, actions
(ActionChains), an element's click, send_keys and clear, and the browser's
own alert. Run with Debian's Python, which sees python3-websocket."""
import base64
import json
import math
import queue
import threading

import websocket
from selenium.common.exceptions import JavascriptException, NoAlertPresentException, WebDriverException
from selenium.webdriver.remote.command import Command
from selenium.webdriver.remote.webelement import WebElement

ELEMENT_KEY = 'element-6066-11e4-a52e-4f735466cecf'  # how Selenium's actions name an element


class Session:
    """Commands and their answers; events kept in order of arrival."""

    def __init__(self, url, timeout=30):
        self.ws = websocket.create_connection(url, timeout=timeout, suppress_origin=True)
        self.timeout = timeout
        self.answers = {}
        self.answered = threading.Condition()
        self.events = queue.Queue()
        self.last_id = 0
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        try:
            while True:
                message = json.loads(self.ws.recv())
                if 'id' not in message:
                    self.events.put(message)
                    continue
                with self.answered:
                    self.answers[message['id']] = message
                    self.answered.notify_all()
        except (websocket.WebSocketException, OSError, ValueError):
            with self.answered:
                self.answers[None] = None  # closed: every waiting command fails
                self.answered.notify_all()

    def send(self, method, **params):
        """Sends a command without waiting for its answer; returns its id."""
        with self.answered:
            self.last_id += 1
            command = self.last_id
        self.ws.send(json.dumps({'id': command, 'method': method, 'params': params}))
        return command

    def answer(self, command, timeout=None):
        with self.answered:
            if not self.answered.wait_for(lambda: command in self.answers or None in self.answers,
                                          timeout or self.timeout):
                raise WebDriverException('no answer to BiDi command %d' % command)
            message = self.answers.pop(command, None)
        if message is None:
            raise WebDriverException('the BiDi session closed')
        if message.get('type') == 'error' or 'error' in message:
            raise WebDriverException('%s: %s' % (message.get('error'), message.get('message')))
        return message['result']

    def call(self, method, **params):
        return self.answer(self.send(method, **params))

    def close(self):
        self.ws.close()


def local_value(value):
    """A Python value as a BiDi argument."""
    if isinstance(value, WebElement):
        return {'sharedId': value.id}
    if value is None:
        return {'type': 'null'}
    if isinstance(value, bool):
        return {'type': 'boolean', 'value': value}
    if isinstance(value, (int, float)):
        return {'type': 'number', 'value': value}
    if isinstance(value, str):
        return {'type': 'string', 'value': value}
    if isinstance(value, (list, tuple)):
        return {'type': 'array', 'value': [local_value(v) for v in value]}
    if isinstance(value, dict):
        return {'type': 'object', 'value': [[k, local_value(v)] for k, v in value.items()]}
    raise TypeError('no BiDi value for %r' % (value,))


class BiDiDriver:
    """One top-level browsing context of a BiDi session."""

    def __init__(self, session):
        self.session = session
        self.context = session.call('browsingContext.getTree', maxDepth=0)['contexts'][0]['context']
        self.prompts = []  # messages of open user prompts (alert)
        self.logs = []  # log.entryAdded events
        self.requests = []  # URLs from network.beforeRequestSent
        self.pending = None  # the actions an open alert holds up
        session.call('session.subscribe', events=['browsingContext.userPromptOpened',
                                                  'browsingContext.userPromptClosed', 'log.entryAdded',
                                                  'network.beforeRequestSent'])
        self.switch_to = SwitchTo(self)

    def take_events(self):
        while True:
            try:
                event = self.session.events.get_nowait()
            except queue.Empty:
                return
            method, params = event['method'], event['params']
            if method == 'browsingContext.userPromptOpened':
                self.prompts.append(params['message'])
            elif method == 'browsingContext.userPromptClosed':
                self.prompts.clear()
            elif method == 'log.entryAdded':
                self.logs.append(params)
            elif method == 'network.beforeRequestSent':
                self.requests.append(params['request']['url'])

    def remote_value(self, value):
        """A BiDi result as a Python value; nodes become elements."""
        kind, inner = value['type'], value.get('value')
        if kind in ('undefined', 'null'):
            return None
        if kind == 'number':
            return {'NaN': math.nan, '-0': 0, 'Infinity': math.inf, '-Infinity': -math.inf}.get(inner, inner)
        if kind in ('array', 'set', 'nodelist', 'htmlcollection'):
            return [self.remote_value(v) for v in inner]
        if kind in ('object', 'map'):
            return {k if isinstance(k, str) else self.remote_value(k): self.remote_value(v) for k, v in inner}
        if kind == 'node':
            return BiDiElement(self, value['sharedId'])
        return inner

    def call_function(self, declaration, args, await_promise=False):
        """Runs in the page as a user's click would, so that, as in the other
        drivers, a script may write the clipboard."""
        self.take_events()
        result = self.session.call('script.callFunction', functionDeclaration=declaration,
                                   arguments=[local_value(a) for a in args], awaitPromise=await_promise,
                                   target={'context': self.context}, userActivation=True,
                                   serializationOptions={'maxObjectDepth': 20})
        if result['type'] == 'exception':
            raise JavascriptException(result['exceptionDetails']['text'])
        return self.remote_value(result['result'])

    def execute_script(self, script, *args):
        return self.call_function('function() {\n%s\n}' % script, args)

    def execute_async_script(self, script, *args):
        return self.call_function('function(...args) { return new Promise(done => (function() {\n%s\n})'
                                  '.apply(this, args.concat([done]))); }' % script, args, await_promise=True)

    def get(self, url):
        self.session.call('browsingContext.navigate', context=self.context, url=url, wait='complete')

    @property
    def title(self):
        return self.execute_script('return document.title')

    def find_element(self, by, value):
        assert by == 'id', 'only by id'
        element = self.execute_script('return document.getElementById(arguments[0])', value)
        if element is None:
            raise WebDriverException('no element %s' % value)
        return element

    def perform_actions(self, actions):
        for device in actions:
            for action in device['actions']:
                origin = action.get('origin')
                if isinstance(origin, dict) and ELEMENT_KEY in origin:
                    action['origin'] = {'type': 'element', 'element': {'sharedId': origin[ELEMENT_KEY]}}
        # A key that opens an alert answers only once the alert is closed:
        # wait for the one or the other.
        command = self.session.send('input.performActions', context=self.context, actions=actions)
        while True:
            try:
                self.session.answer(command, timeout=0.05)
                break
            except WebDriverException as e:
                if 'no answer' not in str(e):
                    raise
            self.take_events()
            if self.prompts:
                self.pending = command
                return
        self.take_events()

    def execute(self, command, params=None):
        """Selenium's actions come this way."""
        if command == Command.W3C_ACTIONS:
            self.perform_actions(params['actions'])
        elif command == Command.W3C_CLEAR_ACTIONS:
            self.session.call('input.releaseActions', context=self.context)
        else:
            raise WebDriverException('%s is not carried over BiDi here' % command)
        return {'value': None}

    def get_screenshot_as_png(self):
        return base64.b64decode(self.session.call('browsingContext.captureScreenshot', context=self.context)['data'])

    def quit(self):
        try:
            self.session.call('session.end')
        finally:
            self.session.close()


class BiDiElement(WebElement):
    def click(self):
        self._parent.perform_actions([{'type': 'pointer', 'id': 'mouse', 'parameters': {'pointerType': 'mouse'},
                                       'actions': [{'type': 'pointerMove', 'x': 0, 'y': 0, 'origin': {
                                           'type': 'element', 'element': {'sharedId': self.id}}},
                                                   {'type': 'pointerDown', 'button': 0},
                                                   {'type': 'pointerUp', 'button': 0}]}])

    def send_keys(self, *typed):
        # As WebDriver's Element Send Keys: focused, with the caret at the end, unless it has the focus already.
        self._parent.execute_script("""var e = arguments[0];
            if (document.activeElement != e) { e.focus(); e.setSelectionRange(e.value.length, e.value.length); }""",
                                    self)
        keys = [{'type': kind, 'value': key} for key in ''.join(typed) for kind in ('keyDown', 'keyUp')]
        self._parent.perform_actions([{'type': 'key', 'id': 'keyboard', 'actions': keys}])

    def clear(self):
        self._parent.execute_script("""var e = arguments[0]; e.focus(); e.value = '';
            e.dispatchEvent(new Event('input', {bubbles: true})); e.dispatchEvent(new Event('change', {bubbles: true}));
            e.blur();""", self)


class Alert:
    def __init__(self, driver, text):
        self.driver, self.text = driver, text

    def accept(self):
        self.driver.session.call('browsingContext.handleUserPrompt', context=self.driver.context, accept=True)
        if self.driver.pending:
            self.driver.session.answer(self.driver.pending)
            self.driver.pending = None
        self.driver.take_events()


class SwitchTo:
    def __init__(self, driver):
        self.driver = driver

    @property
    def alert(self):
        self.driver.take_events()
        if not self.driver.prompts:
            raise NoAlertPresentException()
        return Alert(self.driver, self.driver.prompts[-1])
