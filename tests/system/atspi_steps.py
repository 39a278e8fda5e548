# Finding and pressing the program's controls through AT-SPI, as an
# assistive tool does.
import sys
import time

import pyatspi


def search(node, wanted, depth=0):
    """The first node below node, itself included, that wanted accepts."""
    if node is None or depth > 12:
        return None
    try:
        if wanted(node):
            return node
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:  # a window that closed while it was read
        return None
    for child in children:
        found = search(child, wanted, depth + 1)
        if found is not None:
            return found
    return None


def wait_for(what, wanted, seconds=30):
    for _ in range(seconds * 10):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]:
            if app is not None and app.name == "Dotwise":
                found = search(app, wanted)
                if found is not None:
                    return found
        time.sleep(0.1)
    sys.exit(f"not found within {seconds} s: {what}")


def button(name):
    return lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == name


def press(node):
    node.queryAction().doAction(0)


def texts(node, depth=0):
    """Every name and description below node."""
    if node is None or depth > 12:
        return []
    try:
        found = [node.name or "", node.description or ""]
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []
    for child in children:
        found += texts(child, depth + 1)
    return [t for t in found if t]
