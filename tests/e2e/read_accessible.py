# SPDX-License-Identifier: MIT
"""Reads Orvane as a screen reader does, through AT-SPI, for the end-to-end tests. Runs under
Debian's /usr/bin/python3, where python3-pyatspi lives; the tests themselves may run under
another Python.

usage: read_accessible.py tree          every object of the program, as one JSON list
       read_accessible.py act NAME ACTION
                                        runs the action of the object of that name
       read_accessible.py focus         prints "listening", then one JSON line for each object
                                        that takes the focus, until it is ended
"""

import json
import sys

import pyatspi
from gi.repository import GLib

PROGRAM = "orvane"


def program():
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == PROGRAM:
            return application
    return None


def describe(node, path):
    entry = {"path": path, "role": node.getRoleName(), "name": node.name,
             "description": node.description,
             "states": sorted(pyatspi.stateToString(state)
                              for state in node.getState().getStates())}
    try:
        text = node.queryText()
        entry["text"] = text.getText(0, -1)
    except NotImplementedError:
        pass
    try:
        action = node.queryAction()
        entry["actions"] = [action.getName(index) for index in range(action.nActions)]
    except NotImplementedError:
        entry["actions"] = []
    return entry


def walk(node, path, found):
    found.append(describe(node, path))
    for index, child in enumerate(node):
        if child is not None:
            walk(child, f"{path}/{index}", found)


def tree():
    application = program()
    found = []
    if application is not None:
        walk(application, PROGRAM, found)
    print(json.dumps(found))


def act(name, action_name):
    application = program()
    if application is None:
        sys.exit(f"{PROGRAM} is not on the accessibility bus")
    node = pyatspi.findDescendant(application, lambda candidate: candidate.name == name)
    if node is None:
        sys.exit(f"nothing is named {name!r}")
    action = node.queryAction()
    for index in range(action.nActions):
        if action.getName(index) == action_name:
            action.doAction(index)
            return
    sys.exit(f"{name!r} offers no action {action_name!r}")


def focus():
    def report(event):
        if event.detail1:
            print(json.dumps({"role": event.source.getRoleName(), "name": event.source.name}),
                  flush=True)

    def say_listening():
        print("listening", flush=True)
        return False

    pyatspi.Registry.registerEventListener(report, "object:state-changed:focused")
    # Said from the event loop, once the registry has taken the listener in.
    GLib.idle_add(say_listening)
    pyatspi.Registry.start()


def main():
    command = sys.argv[1:]
    if command == ["tree"]:
        tree()
    elif len(command) == 3 and command[0] == "act":
        act(command[1], command[2])
    elif command == ["focus"]:
        focus()
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
