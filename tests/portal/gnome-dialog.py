#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Answers GNOME's "Add Keyboard Shortcuts" dialog as a user would, over the
# accessibility bus: prints the texts the dialog shows, then presses its
# button BUTTON ("Add" by default) and waits until the dialog is gone. Exit 1
# when no such dialog came within 30 seconds, or it stayed.
#   gnome-dialog.py [BUTTON]
import sys
import time

import pyatspi

BUTTON = sys.argv[1] if len(sys.argv) > 1 else "Add"


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for index in range(node.childCount):
        try:
            child = node.getChildAtIndex(index)
        except Exception:  # a node gone while read
            continue
        yield from walk(child, depth + 1)


def texts(window):
    seen = []
    for node in walk(window):
        if node.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC) and node.name:
            seen.append(node.name)
        elif node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name:
            seen.append(f"[{node.name}]")
    return seen


def showing(window):
    try:
        return window.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:  # gone from the bus with its window
        return False


def main():
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is None:
                continue
            for window in app:
                buttons = [node for node in walk(window)
                           if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == BUTTON]
                if not buttons:
                    continue
                print("dialog:", " | ".join(texts(window)), flush=True)
                action = buttons[0].queryAction()
                names = [action.getName(i) for i in range(action.nActions)]
                index = next((i for i, name in enumerate(names) if name in ("click", "activate", "press")), 0)
                action.doAction(index)
                print("pressed", BUTTON, flush=True)
                # Done when the dialog is gone, as a user sees it go.
                gone_by = time.monotonic() + 10
                while time.monotonic() < gone_by and showing(window):
                    time.sleep(0.05)
                if showing(window):
                    print("the dialog stayed", flush=True)
                    return 1
                return 0
        time.sleep(0.2)
    print("no dialog with a button", BUTTON, flush=True)
    return 1


if __name__ == "__main__":
    sys.exit(main())
