#!/usr/bin/env python3
"""Dotwise's browser build as a learner meets it, served on this machine.

In headless Chromium, driven through its DevTools protocol: a two-question
test taken by clicks, each verdict heard (the page's Web Audio is watched);
a four-question test taken by keys as on the French layout (the key in the
1 place types "&"; the 2 key with Shift; the keypad's 3; a letter typed); the summaries' three lines;
the question modal above the main window and Escape closing it; the review
stepped beside the main window; Tab's focus ring; what the screen-reader
layer puts into the page's accessibility tree; the question count kept
across a reload; German for a browser that prefers it. Firefox ESR,
headless through WebDriver BiDi, must draw the same main window.

  browser.py SITE OUT            the test; screenshots in OUT
  browser.py SITE OUT --bench    the figures instead: start-up, bytes, a question's change
"""
import importlib.util
import os
import statistics
import struct
import sys
import time

from PIL import Image, ImageChops

import cdp

here = os.path.dirname(os.path.abspath(__file__))
found = importlib.util.spec_from_file_location("serve", os.path.join(here, "../../tools/web-serve.py"))
serving = importlib.util.module_from_spec(found)
found.loader.exec_module(serving)

# The windows' client sizes, as their definitions give them.
MAIN, QUESTION, SUMMARY, REVIEW = (536, 172), (536, 420), (536, 421), (536, 371)

# Watches what the page paints and plays, from its first line on.
WATCH = """
window.dotwiseSeen = {paints: [], sounds: [], canvases: 0};
(function () {
    const put = CanvasRenderingContext2D.prototype.putImageData;
    CanvasRenderingContext2D.prototype.putImageData = function (...args) {
        const canvas = this.canvas;
        canvas.dotwiseId = canvas.dotwiseId || ++dotwiseSeen.canvases;
        dotwiseSeen.paints.push({t: performance.now(), w: canvas.width, id: canvas.dotwiseId});
        return put.apply(this, args);
    };
    if (window.AudioBufferSourceNode) {
        const start = AudioBufferSourceNode.prototype.start;
        AudioBufferSourceNode.prototype.start = function (...args) {
            dotwiseSeen.sounds.push(this.buffer.duration.toFixed(3));
            return start.apply(this, args);
        };
        const tone = OscillatorNode.prototype.start;
        OscillatorNode.prototype.start = function (...args) {
            dotwiseSeen.sounds.push("beep");
            return tone.apply(this, args);
        };
    }
})();
"""

# The Qt windows on the page, topmost last: their canvas's place and size,
# and whether a modal window blocks them.
WINDOWS = """
(() => {
    const host = document.querySelector('#qt-shadow-container');
    if (!host || !host.shadowRoot) return [];
    return [...host.shadowRoot.querySelectorAll('.qt-window')]
        .filter(w => w.style.display !== 'none' && w.offsetParent !== null)
        .map(w => {
            const c = w.querySelector('canvas').getBoundingClientRect();
            return {x: c.x, y: c.y, w: Math.round(c.width), h: Math.round(c.height),
                    z: Number(getComputedStyle(w).zIndex) || 0,
                    blocked: w.classList.contains('blocked'),
                    frame: w.getBoundingClientRect().toJSON()};
        }).sort((a, b) => a.z - b.z);
})()
"""


def fail(message):
    sys.exit(f"browser: {message}")


def wav_seconds(path):
    """A PCM WAV file's length, as the browser decodes it."""
    with open(path, "rb") as f:
        data = f.read()
    rate = struct.unpack_from("<I", data, 24)[0]
    block = struct.unpack_from("<H", data, 32)[0]
    at = 12
    while at < len(data):
        chunk, size = struct.unpack_from("<4sI", data, at)
        if chunk == b"data":
            return f"{size / block / rate:.3f}"
        at += 8 + size + size % 2
    fail(f"{path} has no data")


class Page:
    def __init__(self, url, extra=()):
        self.url = url
        self.browser = cdp.Chromium(extra)
        self.browser.call("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH})
        self.started = time.monotonic()
        self.browser.call("Page.navigate", {"url": url})

    def close(self):
        self.browser.close()

    def js(self, expression):
        return self.browser.evaluate(expression)

    def windows(self):
        return self.js(WINDOWS)

    def wait(self, what, test, seconds=30):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            value = test()
            if value:
                return value
            time.sleep(0.05)
        fail(f"{what}: not within {seconds} s")

    def window(self, size, seconds=30):
        """The topmost window of that client size, once it is painted."""
        def found():
            shown = [w for w in self.windows() if (w["w"], w["h"]) == size]
            return shown[-1] if shown else None
        return self.wait(f"a {size[0]}x{size[1]} window", found, seconds)

    def gone(self, size):
        self.wait(f"the {size[0]}x{size[1]} window to go",
                  lambda: not any((w["w"], w["h"]) == size for w in self.windows()))

    def click(self, window, x, y):
        at = {"x": window["x"] + x, "y": window["y"] + y, "button": "left", "clickCount": 1}
        for kind in ("mousePressed", "mouseReleased"):
            self.browser.call("Input.dispatchMouseEvent", {"type": kind, **at})
        time.sleep(0.1)

    def key(self, key, code, text="", shift=False, ctrl=False, vk=0, keypad=False):
        modifiers = (8 if shift else 0) | (2 if ctrl else 0)
        down = {"type": "keyDown", "key": key, "code": code, "modifiers": modifiers,
                "windowsVirtualKeyCode": vk, "nativeVirtualKeyCode": vk,
                "isKeypad": keypad}
        if text:
            down["text"] = text
        self.browser.call("Input.dispatchKeyEvent", down)
        self.browser.call("Input.dispatchKeyEvent", {**down, "type": "keyUp", "text": ""})
        time.sleep(0.1)

    def type_count(self, main, count):
        self.click(main, 260, 40)
        self.key("a", "KeyA", ctrl=True, vk=65)
        for digit in str(count):
            self.key(digit, f"Digit{digit}", digit, vk=48 + int(digit))

    def enable_screen_reader(self):
        self.wait("the screen-reader button", lambda: self.js("""(() => {
            const b = document.querySelector('#qt-shadow-container').shadowRoot
                .querySelector('button.hidden-visually-read-by-screen-reader');
            if (b) b.click();
            return !!b; })()"""))

    def accessible(self):
        """Every (role, text) of the page's accessibility tree: names, values
        and descriptions."""
        nodes = self.browser.call("Accessibility.getFullAXTree")["nodes"]
        found = []
        for n in nodes:
            if n.get("ignored"):
                continue
            role = n.get("role", {}).get("value", "")
            if role == "InlineTextBox":
                continue
            for key in ("name", "value", "description"):
                text = str(n.get(key, {}).get("value", ""))
                if text:
                    found.append((role, text))
        return found

    def texts(self):
        return [name for _, name in self.accessible()]

    def wait_text(self, what, test, seconds=15):
        return self.wait(what, lambda: next((t for t in self.texts() if test(t)), None), seconds)

    def seen(self):
        return self.js("window.dotwiseSeen")


def summary_counts(page):
    right = page.wait_text("the summary's right count", lambda t: t.startswith("Number of Correct:"))
    wrong = page.wait_text("the summary's wrong count", lambda t: t.startswith("Number of Wrong:"))
    percent = page.wait_text("the summary's percentage", lambda t: t.startswith("Percentage:"))
    return int(right.split(":")[1]), int(wrong.split(":")[1]), percent


# The single-letter controls the screen-reader layer made for the topmost
# window, in its order. Qt 6.8's layer keeps a page element for each
# accessible interface by its address and hands it on when the address is
# reused: now and then a new letter button gets an old text's element.
TOP_LETTERS = """
(() => {
    const windows = [...document.querySelector('#qt-shadow-container').shadowRoot
        .querySelectorAll('.qt-window')].filter(w => w.offsetParent !== null);
    windows.sort((a, b) => (Number(getComputedStyle(a).zIndex) || 0) -
                           (Number(getComputedStyle(b).zIndex) || 0));
    const top = windows[windows.length - 1];
    return top ? [...top.querySelectorAll('.qt-window-a11y-container *')]
                     .map(e => e.textContent).filter(t => /^[A-Z]$/.test(t)) : [];
})()
"""


def answer_buttons(page):
    """The topmost question's four letters, each in the page's accessibility
    tree: a button by name, or another node where the layer reused an
    element."""
    def letters():
        mine = page.js(TOP_LETTERS)
        named = {n for _, n in page.accessible()}
        return mine if len(mine) == 4 and named.issuperset(mine) else None
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        found = letters()
        if found:
            return found
        time.sleep(0.1)
    fail(f"a question's four letters: the window has {page.js(TOP_LETTERS)}, the "
         f"tree {page.accessible()}")


def test(site, out):
    server = serving.serve(site)
    url = f"http://127.0.0.1:{server.server_address[1]}/"
    sounds = {wav_seconds(os.path.join(site, "sounds", f)): f for f in ("correct.wav", "wrong.wav")}
    page = Page(url)
    try:
        main = page.window(MAIN, 60)
        page.wait("the main window painted", lambda: page.seen()["paints"])
        time.sleep(0.5)
        page.browser.screenshot(os.path.join(out, "main-window.png"), main["frame"])
        page.enable_screen_reader()
        names = page.texts()
        for wanted in ("Start Test", "Review Braille Letters"):
            if wanted not in names:
                fail(f"the accessibility tree lacks the button {wanted!r}: {names}")
        print("the main window is drawn; its buttons are in the accessibility tree")

        # Two questions by clicks, each verdict heard.
        page.type_count(main, 2)
        page.click(main, 268, 85)
        question = page.window(QUESTION)
        if not next(w for w in page.windows() if (w["w"], w["h"]) == MAIN)["blocked"]:
            fail("the main window is not blocked while a question is open")
        dots = page.wait_text("a question's dots", lambda t: "dots " in t)
        status = page.wait_text("a question's status", lambda t: "Waiting for answer" in t)
        answer_buttons(page)
        page.click(question, 136, 295)
        page.wait_text("the verdict on the next question",
                       lambda t: t.startswith("Correct with") or t.startswith("Wrong. Correct answer was"))
        question = page.window(QUESTION)
        page.browser.screenshot(os.path.join(out, "quiz-window.png"), question["frame"])
        page.click(question, 384, 329)
        page.window(SUMMARY)
        right, wrong, percent = summary_counts(page)
        if right + wrong != 2:
            fail(f"a two-question test's summary: {right} right, {wrong} wrong")
        heard = [sounds.get(s, s) for s in page.seen()["sounds"]]
        if sorted(heard) != sorted(["correct.wav"] * right + ["wrong.wav"] * wrong):
            fail(f"{right} right and {wrong} wrong, but heard {heard}")
        print(f"by clicks: {dots!r}, {status!r}; the summary {right}, {wrong}, {percent!r};"
              f" heard {heard}")
        page.key("Enter", "Enter", "\r", vk=13)
        page.gone(SUMMARY)

        # Four questions by keys, as on the French layout.
        main = page.window(MAIN)
        page.type_count(main, 4)
        page.click(main, 268, 85)
        page.window(QUESTION)
        page.key("&", "Digit1", "&", vk=49)
        page.wait_text("the first key's verdict", lambda t: t.startswith(("Correct with", "Wrong.")))
        letters = answer_buttons(page)
        page.key("2", "Digit2", "2", shift=True, vk=50)
        page.wait("the second question to go", lambda: len(page.seen()["sounds"]) == 4)
        answer_buttons(page)
        page.key("3", "Numpad3", "3", vk=99, keypad=True)
        page.wait("the third question to go", lambda: len(page.seen()["sounds"]) == 5)
        letters = answer_buttons(page)
        letter = letters[0].lower()
        page.key(letter, f"Key{letter.upper()}", letter, vk=ord(letter.upper()))
        page.window(SUMMARY)
        right, wrong, _ = summary_counts(page)
        if right + wrong != 4:
            fail(f"a four-question test taken by keys: {right} right, {wrong} wrong")
        print(f"by keys (&, Shift+2, keypad 3, {letter!r}): the summary {right}, {wrong}")
        page.key("Escape", "Escape", vk=27)
        page.gone(SUMMARY)

        # Escape closes a question: the test ends on the summary.
        main = page.window(MAIN)
        page.click(main, 268, 85)
        page.window(QUESTION)
        page.key("Escape", "Escape", vk=27)
        page.window(SUMMARY)
        page.key("Escape", "Escape", vk=27)
        page.gone(SUMMARY)
        print("Escape closes a question, and the summary follows")

        # Tab moves a visible focus ring.
        main = page.window(MAIN)
        page.click(main, 260, 40)
        before = os.path.join(out, "tab-before.png")
        after = os.path.join(out, "tab-after.png")
        page.browser.screenshot(before, main["frame"])
        page.key("Tab", "Tab", vk=9)
        time.sleep(0.3)
        page.browser.screenshot(after, main["frame"])
        if not ImageChops.difference(Image.open(before).convert("RGB"),
                                     Image.open(after).convert("RGB")).getbbox():
            fail("Tab changed nothing on the main window")
        print("Tab moves the focus ring")

        # The review, beside the main window.
        main = page.window(MAIN)
        page.click(main, 268, 139)
        review = page.window(REVIEW)
        if next(w for w in page.windows() if (w["w"], w["h"]) == MAIN)["blocked"]:
            fail("the review blocks the main window")
        # The Next button's description says the letter and its dots; where
        # the layer reused an element for it, the letter's text and the
        # cell's description must.
        steps = []
        for letter, dots, key in (("A", "dots 1", None), ("B", "dots 1 2", ("n", "KeyN", "n", 78)),
                                  ("C", "dots 1 4", ("ArrowRight", "ArrowRight", "", 39))):
            if key:
                page.key(*key[:3], vk=key[3])
            page.wait(f"the review's {letter}, {dots}", lambda: (
                f"{letter}, {dots}" in page.texts() or {letter, dots}.issubset(page.texts())))
            steps.append(f"{letter}, {dots}")
        print(f"the review: {steps}")
        page.click(review, 268, 349)

        # The count is kept in the browser across a reload.
        page.browser.call("Page.reload")
        main = page.window(MAIN, 60)
        page.click(main, 268, 85)
        asked = 0
        while not any((w["w"], w["h"]) == SUMMARY for w in page.windows()):
            page.window(QUESTION)
            asked += 1
            page.key("1", "Digit1", "1", vk=49)
            page.wait("the next window", lambda: len(page.seen()["sounds"]) >= asked)
            if asked > 10:
                fail("the test after the reload does not end")
        if asked != 4:
            fail(f"after a reload the test had {asked} questions, not the 4 last set")
        print("after a reload the count is still 4")
    finally:
        page.close()

    # German for a browser that prefers it.
    page = Page(url, ["--accept-lang=de-DE,de", "--lang=de"])
    try:
        page.window(MAIN, 60)
        page.enable_screen_reader()
        page.wait_text("the German main window", lambda t: t == "Test starten")
        print("a browser preferring German gets it")
    finally:
        page.close()

    # Firefox draws the same main window.
    firefox = cdp.Firefox()
    try:
        firefox.bidi.call("script.addPreloadScript",
                          {"functionDeclaration": "() => {" + WATCH + "}"})
        firefox.navigate(url)
        deadline = time.monotonic() + 60
        shown = []
        while time.monotonic() < deadline:
            shown = [w for w in firefox.evaluate(WINDOWS) or [] if (w["w"], w["h"]) == MAIN]
            if shown and firefox.evaluate("window.dotwiseSeen.paints.length"):
                break
            time.sleep(0.2)
        else:
            fail("Firefox shows no main window")
        time.sleep(0.5)
        shot = os.path.join(out, "firefox.png")
        firefox.screenshot(shot)
        frame = shown[-1]["frame"]
        box = tuple(round(frame[k]) for k in ("x", "y", "right", "bottom"))
        theirs = Image.open(shot).convert("RGB").crop(box)
        ours = Image.open(os.path.join(out, "main-window.png")).convert("RGB")
        if theirs.size != ours.size:
            fail(f"Firefox's main window is {theirs.size}, Chromium's {ours.size}")
        differ = sum(1 for p in ImageChops.difference(theirs, ours).getdata() if max(p) > 64)
        share = differ / (ours.size[0] * ours.size[1])
        theirs.save(os.path.join(out, "firefox-main-window.png"))
        # Text is smoothed a little differently; the window itself is the same.
        if share > 0.03:
            fail(f"Firefox's main window differs from Chromium's in {share:.1%} of its pixels")
        print(f"Firefox draws the same main window ({share:.2%} of pixels differ, in smoothing)")
    finally:
        firefox.close()
    server.shutdown()
    print("browser: passed")


def bench(site, runs=5):
    server = serving.serve(site)
    url = f"http://127.0.0.1:{server.server_address[1]}/"
    starts, changes, sent = [], [], 0
    for run in range(runs):
        serving.Handler.sent.clear()
        page = Page(url)
        try:
            main = page.window(MAIN, 60)
            first = page.wait("a painted main window", lambda: next(
                (p["t"] for p in page.seen()["paints"] if p["w"] >= MAIN[0]), None))
            starts.append(first / 1000)
            time.sleep(1)
            sent = sum(size for _, size in serving.Handler.sent)
            page.type_count(main, 5)
            page.click(main, 268, 85)
            page.window(QUESTION)
            for _ in range(4):
                # From the key's event to the first paint of a window made after it.
                page.js("""window.dotwiseKeyAt = null;
                    addEventListener('keydown', () => { dotwiseKeyAt = performance.now(); },
                                     {capture: true, once: true});""")
                known = page.seen()["canvases"]
                page.key("1", "Digit1", "1", vk=49)
                time.sleep(0.3)
                at = page.js("window.dotwiseKeyAt")
                paints = [p["t"] for p in page.seen()["paints"] if p["id"] > known]
                if at is None or not paints:
                    fail("a question did not change to the next")
                changes.append(paints[0] - at)
        finally:
            page.close()
    server.shutdown()
    print(f"navigation to the main window painted: median {statistics.median(starts):.2f} s"
          f" (of {runs}: {', '.join(f'{s:.2f}' for s in starts)})")
    print(f"everything the page loads, gzip-compressed as served: {sent / 1e6:.2f} MB")
    for name in ("dotwise.wasm", "dotwise.js"):
        print(f"  {name}: {os.path.getsize(os.path.join(site, name)) / 1e6:.2f} MB uncompressed")
    print(f"a key to the next question painted: median {statistics.median(changes):.1f} ms,"
          f" slowest {max(changes):.1f} ms (of {len(changes)}); one 60 Hz frame is 16.7 ms")


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    os.makedirs(sys.argv[2], exist_ok=True)
    if "--bench" in sys.argv:
        bench(sys.argv[1])
    else:
        test(sys.argv[1], sys.argv[2])
