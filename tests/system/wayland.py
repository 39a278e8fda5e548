# The program on Wayland, driven as an assistive tool drives it (AT-SPI
# actions: no input can be injected into a headless compositor), then judged
# by what its protocol log shows.
#   wayland.py drive [activates]  a two-question test, the summary, the review
#   wayland.py check LOG          what the windows asked of the compositor
import re
import sys


def drive(activates):
    import pyatspi
    from atspi_steps import button, press, search, wait_for

    # Where the compositor activates windows, each is pressed only once it
    # is active, as a person would.
    def ready(window):
        return not activates or window.getState().contains(pyatspi.STATE_ACTIVE)

    def letter(n):
        return (n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                and re.fullmatch("[A-Z]", n.name or "") is not None)

    def answer(status):
        """Answers the question whose status line matches status."""
        question = wait_for(f"a question saying {status}", lambda n: n.getRole() ==
                            pyatspi.ROLE_DIALOG and ready(n) and search(n, lambda m: m.getRole()
                            == pyatspi.ROLE_LABEL and re.search(status, m.name or "")))
        press(search(question, letter))

    count = wait_for("the question count", lambda n: n.getRole() == pyatspi.ROLE_TEXT
                     and "EditableText" in pyatspi.listInterfaces(n))
    count.queryEditableText().setTextContents("2")
    wait_for("the main window", lambda n: n.getRole() == pyatspi.ROLE_FRAME and ready(n))
    press(wait_for("Start Test", button("Start Test")))
    answer("Waiting for answer")
    answer("Correct with|Wrong")
    press(wait_for("the summary's Close Window", button("Close Window")))
    press(wait_for("Review Braille Letters", button("Review Braille Letters")))
    for shown in "BC":
        press(wait_for("Next", button("Next")))
        wait_for(f"the letter {shown}", lambda n, s=shown: n.getRole() == pyatspi.ROLE_LABEL
                 and n.name == s)
    print("drove a two-question test, its summary and the review to C")


def check(log_path):
    toplevels = []  # in the order they were made
    live = {}  # object id -> its record, while it exists
    request = re.compile(r"-> xdg_(surface|toplevel)[@#](\d+)\.(\w+)\((.*)\)")
    # The states a compositor gives a toplevel (activated among them), of
    # which the log shows only the size.
    configure = re.compile(r"\] xdg_toplevel[@#](\d+)\.configure\(.*array\[(\d+)\]\)")
    for number, line in enumerate(open(log_path, errors="replace")):
        c = configure.search(line)
        if c and c.group(1) in live:
            live[c.group(1)].setdefault("states", []).append((number, int(c.group(2))))
        m = request.search(line)
        if not m:
            continue
        kind, oid, name, args = m.groups()
        if kind == "surface" and name == "get_toplevel":
            new = re.search(r"xdg_toplevel[@#](\d+)", args).group(1)
            live[new] = {"id": new, "index": len(toplevels), "made": number}
            toplevels.append(live[new])
        elif kind == "toplevel" and oid in live:
            record = live[oid]
            if name == "destroy":
                record["gone"] = number
                del live[oid]
            elif name == "set_parent":
                parent = re.search(r"xdg_toplevel[@#](\d+)", args)
                record["parent"] = live[parent.group(1)]["index"] if parent else None
            elif name in ("set_min_size", "set_max_size"):
                record.setdefault(name, []).append(args)
            else:
                record[name] = args

    # Known by their client size, the first one set; where Qt draws the
    # decorations itself (6.8 on Weston) the frame's size follows.
    sizes = {"536, 172": "main", "536, 420": "question", "536, 421": "summary",
             "536, 371": "review"}
    seen, failures = {}, []
    for t in toplevels:
        t["size"] = (t.get("set_min_size") or ["none"])[0]
        what = sizes.get(t["size"], f"a window of {t['size']}")
        seen[what] = t
        if not t.get("set_min_size") or t.get("set_min_size") != t.get("set_max_size"):
            failures.append(f"{what} is not fixed: {t.get('set_min_size')} to "
                            f"{t.get('set_max_size')}")
        if t.get("set_app_id") != '"org.quillmark.Dotwise"':
            failures.append(f"{what} has the app id {t.get('set_app_id')}")
        if t.get("set_title") != '"Dotwise"':
            failures.append(f"{what} is titled {t.get('set_title')}")
    for what in sizes.values():
        if what not in seen:
            failures.append(f"no toplevel for the {what} window")
    main = seen.get("main", {}).get("index")
    for what, parent in (("question", main), ("summary", main), ("review", None)):
        if what in seen and seen[what].get("parent") != parent:
            failures.append(f"the {what} window's parent is {seen[what].get('parent')}, "
                            f"not {parent}")
    # From the first question until the summary is gone the main window is
    # never activated again: its states never grow.
    questions = [t for t in toplevels if sizes.get(t["size"]) == "question"]
    if "main" in seen and questions and "summary" in seen:
        during = [size for number, size in seen["main"].get("states", [])
                  if questions[0]["made"] < number < seen["summary"].get("gone", 1 << 62)]
        if any(later > earlier for earlier, later in zip(during, during[1:])):
            failures.append(f"the main window was activated during the test: its states "
                            f"went {during}")
    for t in toplevels:
        print(f"toplevel {t['index']}: size {t['size']}, parent {t.get('parent')}, "
              f"app id {t.get('set_app_id')}")
    if failures:
        sys.exit("\n".join(failures))


if __name__ == "__main__":
    drive(sys.argv[2:] == ["activates"]) if sys.argv[1] == "drive" else check(sys.argv[2])
