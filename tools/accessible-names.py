#!/usr/bin/python3
# Lists what a screen reader is told of the running program's inputs: the
# role, the name and the labels an input is labelled by, read through the
# accessibility bus as assistive tools read it (Debian's python3-pyatspi).
#
# Run the program with accessibility on, inside a session bus, then this:
#   xvfb-run -a dbus-run-session -- sh -c '
#     /usr/libexec/at-spi-bus-launcher --launch-immediately &
#     QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 build/bin/titanframe-designer &
#     sleep 6; /usr/bin/python3 tools/accessible-names.py; kill $!'
import sys
import time

import pyatspi

INPUT_ROLES = {"spin button", "text", "combo box", "list", "push button", "toggle button", "check box", "slider"}


def labels(node):
    names = []
    try:
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    except Exception:
        pass
    return names


def walk(node, found, depth=0):
    try:
        role, name = node.getRoleName(), node.name
    except Exception:
        return
    if role in INPUT_ROLES:
        found.append((role, name, labels(node)))
    if depth < 40:
        for i in range(node.childCount):
            try:
                walk(node.getChildAtIndex(i), found, depth + 1)
            except Exception:
                pass


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(30):
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and "itanframe" in (app.name or ""):
                return app
        time.sleep(1)
    return None


app = program()
if app is None:
    sys.exit("The program is not on the accessibility bus.")
found = []
walk(app, found)
for role, name, by in found:
    print("%-12s %s%s" % (role, name, "  [labelled by %s]" % ", ".join(by) if by else ""))
unnamed = [role for role, name, _ in found if not name.strip()]
print("%d inputs, %d without a name" % (len(found), len(unnamed)))
