#!/usr/bin/python3
"""The program's accessible objects as a screen reader gets them over AT-SPI.

Usage: accessible_tree.py tree            prints the shown objects, indented
       accessible_tree.py check           names every shown object a screen reader cannot
                                          use (focusable without a name or a proper role, a
                                          window without a name or a window's role); exit
                                          code 1 if any
       accessible_tree.py press NAME      does the first action of the shown object NAME
       accessible_tree.py texts           prints the names of the shown texts, one a line
"""
import sys

import pyatspi

PRODUCT = "Lumetra Wall Time Display"
# Roles that tell a screen reader nothing of what an object is for.
VAGUE = {pyatspi.ROLE_FILLER, pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_PANEL, pyatspi.ROLE_INVALID}
WINDOWS = {pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW, pyatspi.ROLE_ALERT}


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == PRODUCT:
            return app
    sys.exit(f"no application named {PRODUCT!r} on the accessibility bus")


def shown(node, depth=0):
    """The shown objects below node with their depth; a combo box's closed list is left out."""
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        yield child, depth
        if child.getRole() != pyatspi.ROLE_COMBO_BOX:
            yield from shown(child, depth + 1)


def faults(node, depth):
    states = node.getState()
    role = node.getRole()
    if depth == 0 and role not in WINDOWS:
        yield "a window with the role " + node.getRoleName()
    if role in WINDOWS and not node.name:
        yield "a window without a name"
    if states.contains(pyatspi.STATE_FOCUSABLE):
        if not node.name:
            yield "focusable without a name"
        if role in VAGUE:
            yield "focusable with the vague role " + node.getRoleName()


def main(command, *arguments):
    app = application()
    if command == "tree":
        print(f"[{app.getRoleName()}] {app.name!r}")
        for node, depth in shown(app, 1):
            print("  " * depth + f"[{node.getRoleName()}] {node.name!r}")
    elif command == "check":
        found = [f"[{n.getRoleName()}] {n.name!r}: {fault}" for n, depth in shown(app) for fault in faults(n, depth)]
        print("\n".join(found))
        sys.exit(1 if found else 0)
    elif command == "press":
        for node, _ in shown(app):
            if node.name == arguments[0]:
                node.queryAction().doAction(0)
                return
        sys.exit(f"nothing shown is named {arguments[0]!r}")
    elif command == "texts":
        for node, _ in shown(app):
            if node.getRole() in (pyatspi.ROLE_STATIC, pyatspi.ROLE_LABEL) and node.name:
                print(node.name.replace("\n", " / "))


if __name__ == "__main__":
    main(*sys.argv[1:])
