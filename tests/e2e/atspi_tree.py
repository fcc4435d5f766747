#!/usr/bin/python3
"""Reads the live accessibility tree of a running lesko over AT-SPI, the way a
screen reader does, and checks the names of the controls a student relies on:
the plan and the content box of the lesson, then, after choosing "Задачи/Речник"
through the menu's own accessible action, the answer box and the clock of the
workbench.

Usage: atspi_tree.py [--dump]
Exits 0 when every name is found, 1 when one is missing, 77 when the program
never appears on the accessibility bus (AT-SPI does not work here).
"""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

SKIP = 77
APP_NAME = "lesko"
MAIN = "Програмиран урок"
BENCH = "Комбиниран урок"
TASKS_MENU = "Задачи/Речник"

# (window title, role, accessible name) a screen reader must find.
LESSON = [
    (MAIN, Atspi.Role.LIST, "План на урока - точка/подточка"),
    (MAIN, Atspi.Role.TEXT, "Имате ограничено време да запишете темата и плана на урока! Използвайте бутон \"Фокус\""),
]
WORKBENCH = [
    (BENCH, Atspi.Role.TEXT, "В това поле се въвежда от обучавания отговора на поставения въпрос/задача"),
    (BENCH, Atspi.Role.LABEL, "Оставащо време в секунди: "),
]


def children(node):
    try:
        return [node.get_child_at_index(i) for i in range(node.get_child_count())]
    except Exception:  # a child that went away while being read
        return []


def walk(node, depth=0):
    """Every accessible below node, with its depth."""
    if node is None:
        return
    yield node, depth
    for child in children(node):
        yield from walk(child, depth + 1)


def find_application():
    desktop = Atspi.get_desktop(0)
    for app in children(desktop):
        if app is not None and app.get_name() == APP_NAME:
            return app
    return None


def wait_for(what, seconds=15):
    """Polls what() until it gives something, or None after seconds."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = what()
        if found:
            return found
        time.sleep(0.3)
    return None


def window(app, title):
    for w in children(app):
        if w is not None and title in (w.get_name() or ""):
            return w
    return None


def matches(node, role, name):
    # The clock's name carries the seconds after the fixed part.
    actual = node.get_name() or ""
    return node.get_role() == role and (actual == name or (name.endswith(": ") and actual.startswith(name)))


def missing_names(app, expected):
    missing = []
    for title, role, name in expected:
        w = wait_for(lambda: window(app, title))
        if w is None:
            missing.append(f'no window "{title}"')
            continue
        if not wait_for(lambda: any(matches(n, role, name) for n, _ in walk(w)), seconds=5):
            missing.append(f'{title}: no {role.value_nick} "{name}"')
    return missing


def open_workbench(app):
    """Chooses the menu item by its accessible action, as a screen reader user would."""
    main = wait_for(lambda: window(app, MAIN))
    for node, _ in walk(main):
        if node.get_role() in (Atspi.Role.MENU_ITEM, Atspi.Role.MENU) and node.get_name() == TASKS_MENU:
            # An accessible implements the Action interface when it has actions.
            if node.get_n_actions() > 0:
                node.do_action(0)
                return True
    return False


def dump(app):
    for node, depth in walk(app):
        print("  " * depth + f"{node.get_role_name()}: {node.get_name()!r}")


def main():
    app = wait_for(find_application, seconds=20)
    if app is None:
        print(f"SKIP: {APP_NAME} never appeared on the accessibility bus")
        return SKIP
    if "--dump" in sys.argv:
        dump(app)
    missing = missing_names(app, LESSON)
    if not open_workbench(app):
        missing.append(f'no menu item "{TASKS_MENU}" with an action')
    else:
        missing += missing_names(app, WORKBENCH)
        if "--dump" in sys.argv:
            dump(app)
    for m in missing:
        print("FAIL:", m)
    if missing:
        return 1
    print("PASS: the plan, the content box, the answer box and the clock are named over AT-SPI")
    return 0


if __name__ == "__main__":
    sys.exit(main())
