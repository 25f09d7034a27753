#!/usr/bin/python3
"""Prints what a screen reader finds in the running program's windows.

Usage: dump_tree.py [WINDOW TITLE ...]   (no title: every window)
       dump_tree.py --press WINDOW BUTTON   (presses a button, prints nothing)
       dump_tree.py --listen WINDOW BUTTON  (presses a button and prints what
                                             a screen reader is told for 2 s)
One line an object: role, "name", the value of what has one, and the
description; lists show their first rows only.
"""
import sys
import time

import pyatspi

MAX_ROWS = 8


def value_of(acc):
    try:
        return str(acc.queryValue().currentValue)
    except NotImplementedError:
        pass
    try:
        text = acc.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return None


def line(acc, depth):
    parts = ["  " * depth + acc.getRoleName(), '"%s"' % acc.name]
    value = value_of(acc)
    if value is not None and value != acc.name:
        parts.append("value=%r" % (value if len(value) <= 60 else value[:60] + "..."))
    if acc.description:
        parts.append("desc=%r" % acc.description)
    state = acc.getState()
    if not state.contains(pyatspi.STATE_SHOWING):
        parts.append("[not showing]")
    if state.contains(pyatspi.STATE_SELECTED):
        parts.append("[selected]")
    return " ".join(parts)


def dump(acc, depth=0):
    print(line(acc, depth))
    count = acc.childCount
    for i in range(min(count, MAX_ROWS) if acc.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE) else count):
        child = acc.getChildAtIndex(i)
        if child is not None:
            dump(child, depth + 1)
    if acc.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE) and count > MAX_ROWS:
        print("  " * (depth + 1) + "... %d rows in all" % count)


def find_app():
    # The program registers a moment after the bus starts.
    for _ in range(50):
        desktop = pyatspi.Registry.getDesktop(0)
        apps = [a for a in desktop if a is not None and "morvane" in (a.name or "").lower()]
        if apps:
            return apps[0]
        time.sleep(0.2)
    return None


def press(app, title, button):
    for window in app:
        if window is not None and window.name == title:
            found = pyatspi.findDescendant(
                window, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == button)
            if found is not None:
                found.queryAction().doAction(0)
                return 0
    print("no button %r in %r" % (button, title), file=sys.stderr)
    return 1


def listen(app, title, button, seconds=2.0):
    """Presses the button and prints each change of a name, a value or a
    text that the program announces meanwhile."""
    from gi.repository import GLib

    heard = []

    def on_event(event):
        try:
            what = "%s %s" % (event.source.getRoleName(), '"%s"' % event.source.name)
        except Exception:  # the object went away meanwhile
            return
        detail = event.any_data if isinstance(event.any_data, str) else ""
        heard.append("heard %s: %s%s" % (event.type, what, (" %r" % detail) if detail else ""))

    kinds = ["object:property-change:accessible-name", "object:property-change:accessible-value",
             "object:text-changed:insert"]
    pyatspi.Registry.registerEventListener(on_event, *kinds)
    GLib.timeout_add(300, lambda: press(app, title, button) and False)
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop() and False)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_event, *kinds)
    for line in heard:
        print(line)
    return 0


def main():
    app = find_app()
    if app is None:
        print("the program is not on the accessibility bus", file=sys.stderr)
        return 1
    if sys.argv[1:2] == ["--press"]:
        return press(app, sys.argv[2], sys.argv[3])
    if sys.argv[1:2] == ["--listen"]:
        return listen(app, sys.argv[2], sys.argv[3])
    titles = sys.argv[1:]
    for window in app:
        if window is None or (titles and window.name not in titles):
            continue
        dump(window)
        print()
    return 0


if __name__ == "__main__":
    sys.exit(main())
