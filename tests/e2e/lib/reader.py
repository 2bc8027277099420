# What a screen reader finds in the running program, over AT-SPI, one item per line:
# "focus: NAME", "question: TEXT", "answer: NAME", "button: NAME", "label: NAME".
# With the argument "all": every item shown, whatever its language, as "ROLE: NAME", and a
# description, when there is one, on lines of its own as "  DESCRIPTION".
import sys

import pyatspi

KINDS = {pyatspi.ROLE_RADIO_BUTTON: "answer", pyatspi.ROLE_PUSH_BUTTON: "button", pyatspi.ROLE_LABEL: "label"}


def walk(item):
    state = item.getState()
    if not state.contains(pyatspi.STATE_SHOWING):
        return
    if state.contains(pyatspi.STATE_FOCUSED):
        print("focus:", item.name)
    if item.name == "Question":
        text = item.queryText()
        print("question:", text.getText(0, text.characterCount))
    elif item.getRole() in KINDS:
        print(KINDS[item.getRole()] + ":", item.name)
    for child in item:
        walk(child)


def walk_all(item):
    if not item.getState().contains(pyatspi.STATE_SHOWING):
        return
    print(item.getRoleName() + ":", item.name)
    for line in item.description.splitlines():
        print("  " + line)
    for child in item:
        walk_all(child)


for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == "Lorvane":
        if sys.argv[1:] == ["all"]:
            for window in app:
                walk_all(window)
        else:
            walk(app)
