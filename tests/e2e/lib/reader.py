# What a screen reader finds in the running program, over AT-SPI, one item per line:
# "focus: NAME", "question: TEXT", "answer: NAME", "button: NAME", "label: NAME".
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


for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == "Lorvane":
        walk(app)
