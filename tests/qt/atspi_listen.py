"""Reads a window as a screen reader does, over AT-SPI, for the window tests.

    atspi_listen.py PID

Finds the application of process PID, prints each child of its window as
"child ROLE|NAME|LABEL-FOR NAMES", then "ready", then each object that
becomes showing as "showing ROLE|NAME", until its input closes. Run it with
Debian's /usr/bin/python3, which has pyatspi.
"""

import sys
import time

import pyatspi
from gi.repository import GLib


def say(line):
    print(line, flush=True)


def application(pid):
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid and app.childCount:
                return app
        time.sleep(0.1)
    sys.exit("no application of process %d on the AT-SPI bus" % pid)


def labelled(child):
    names = []
    for relation in child.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return ",".join(names)


def showing(event):
    if event.detail1:
        # Qt sends a name change without the name, which leaves the cached one stale.
        event.source.clear_cache()
        say("showing %s|%s" % (event.source.getRoleName(), event.source.name))


def main():
    pid = int(sys.argv[1])
    # Listening first: the application learns of the listener before it
    # answers the questions below, and so before the test goes on.
    pyatspi.Registry.registerEventListener(showing, "object:state-changed:showing")
    window = application(pid)[0]
    for child in window:
        say("child %s|%s|%s" % (child.getRoleName(), child.name, labelled(child)))
    say("ready")
    GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, lambda *_: pyatspi.Registry.stop())
    pyatspi.Registry.start()


main()
