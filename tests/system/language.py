# The program in German, as an assistive tool finds it: the main window and
# a question speak German, with nothing of the English texts left, and the
# summary follows.
import re
import sys

import pyatspi
from atspi_steps import button, press, texts, wait_for

ENGLISH = ["Start Test", "Review Braille Letters", "Study First Before Taking Test",
           "How many questions would you like to ask before ending?", "Braille cell",
           "Choose the valid letter", "Last Question Status", "Waiting for answer", "dots"]


def named(name):
    return lambda n: n.name == name


def no_english(where, node):
    left = [t for t in texts(node) for e in ENGLISH if e in t]
    if left:
        sys.exit(f"{where} still speaks English: {left}")


count = wait_for("the count box, named by its frame",
                 lambda n: n.getRole() == pyatspi.ROLE_TEXT
                 and n.name == "Wie viele Fragen soll der Test haben?")
count.queryEditableText().setTextContents("1")
main = wait_for("the main window", lambda n: n.getRole() == pyatspi.ROLE_FRAME)
wait_for("Braillebuchstaben ansehen", button("Braillebuchstaben ansehen"))
no_english("the main window", main)
press(wait_for("Test starten", button("Test starten")))

dots = wait_for("the question's cell", named("Braillezelle")).description
if not re.fullmatch(r"Punkte? [1-6]( [1-6])*", dots):
    sys.exit(f"the cell is described as {dots!r}")
question = wait_for("the question, with its dots and status",
                    lambda n: n.name == f"Dotwise, {dots}. Warten auf Antwort")
wait_for("the answer frame", named("Wählen Sie den richtigen Buchstaben"))
no_english("the question", question)
press(wait_for("a letter button", lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON
               and re.fullmatch("[A-Z]", n.name or "") is not None))
wait_for("the summary", lambda n: (n.name or "").startswith("Dotwise, Richtige Antworten: "))
press(wait_for("Fenster schließen", button("Fenster schließen")))
print(f"German throughout: the main window, the question ({dots}) and the summary")
