"""Judges what the UI Automation client recorded (uia.sh) as a Windows
screen reader would take it: a focus event on the element that already has
the focus says nothing new (NVDA drops it), so it is left out.

    uia_check.py RECORD MARKS
"""
import re
import sys

WINDOW = "50032"
MAIN_CONTROLS = {
    "How many questions would you like to ask before ending?",
    "Start Test",
    "Review Braille Letters",
    "Study First Before Taking Test",
}
DOTS = re.compile(r"dots [1-6](?: [1-6])*")
SUMMARY = re.compile(
    r"Number of Correct: (\d+)\D+Number of Wrong: (\d+)\D+Percentage: \d+%")


class Event:
    def __init__(self, fields):
        fields += [""] * (8 - len(fields))
        (self.kind, self.type, self.name, self.help, self.description,
         self.window, self.window_description, self.handle) = fields[:8]

    def key(self):
        return (self.kind, self.type, self.name, self.window)

    def said(self):
        """Everything a screen reader can say of the event."""
        return " | ".join(t for t in (self.name, self.help, self.description,
                                      self.window, self.window_description) if t)

    def of_main_window(self):
        return self.name in MAIN_CONTROLS or (self.window == "Dotwise" and self.type != WINDOW
                                               and not self.window_description)

    def __str__(self):
        return f"{self.kind} [{self.type}] {self.said()}"


def read(record, marks):
    events = [Event(line.rstrip("\n").split("\t")) for line in open(record, encoding="utf-8")]
    cuts = [(name, int(count)) for name, count in
            (line.split() for line in open(marks, encoding="utf-8"))]
    parts = {}
    focus = None
    for (name, start), (_, end) in zip(cuts, cuts[1:]):
        heard = []
        for event in events[start:end]:
            if event.kind == "listening":
                continue
            if event.kind == "focus":
                if event.key() == focus:
                    continue  # the focus it already has
                focus = event.key()
            heard.append(event)
        parts[name] = heard
    return parts


def main():
    parts = read(sys.argv[1], sys.argv[2])
    failures = []

    def expect(ok, what, part):
        if not ok:
            failures.append(f"{what}; after '{part}' the client got:\n" +
                            "\n".join(f"    {e}" for e in parts.get(part, [])))

    for part, status in (("start", r"Waiting for answer"),
                         ("answer1", r"Correct with [A-Z]|Wrong\. Correct answer was [A-Z]")):
        heard = parts.get(part, [])
        focused = [e for e in heard if e.kind == "focus" and e.type != WINDOW]
        expect(any(DOTS.search(e.said()) and re.search(status, e.said()) for e in focused),
               f"the question's focused button and window do not give its dots and '{status}'",
               part)
        # The button's focus brings its window; the window's own events
        # may say it once more, not twice.
        announced = [e for e in heard if e.type == WINDOW and DOTS.search(e.name)
                     and re.search(status, e.name)]
        expect(len([e for e in announced if e.kind == "focus"]) <= 1
               and len([e for e in announced if e.kind == "window-opened"]) <= 1,
               "the question's window is announced more than once", part)
    for part in ("answer1", "answer2"):
        expect(not any(e.of_main_window() for e in parts.get(part, [])),
               "the main window had the focus between an answer and the next window", part)

    summary = [SUMMARY.search(e.said()) for e in parts.get("answer2", [])]
    summary = [m for m in summary if m]
    expect(summary and int(summary[0][1]) + int(summary[0][2]) == 2,
           "the summary does not give 'Number of Correct', 'Number of Wrong' and "
           "'Percentage' in that order, for two questions", "answer2")

    for part, letter in (("review", "A, dots 1"), ("next", "B, dots 1 2")):
        expect(any(e.kind == "focus" and re.search(rf"\b{letter}\b", e.said())
                   for e in parts.get(part, [])),
               f"the review window does not give '{letter}'", part)
        letters = [e for e in parts.get(part, []) if re.search(r"\b[A-Z], dots", e.said())]
        expect(letters and letter in letters[-1].said(),
               f"the review window ends on another letter than '{letter}'", part)

    print("what the UI Automation client got, less focus on the element already focused:")
    for name, heard in parts.items():
        print(f"  after '{name}':")
        for event in heard:
            print(f"    {event}")
    if failures:
        print("\n".join(failures))
        sys.exit(1)
    print("each question, the summary and the review reached the client once, with their dots")


if __name__ == "__main__":
    main()
