"""Small clients for the browsers' own remote protocols: Chromium's DevTools
protocol and Firefox's WebDriver BiDi, both JSON over a WebSocket, and the
browsers started headless in a profile of their own."""
import base64
import json
import os
import shutil
import subprocess
import tempfile
import threading
import time

import websocket

# Chromium as the machine's sandbox allows: no network but this machine's,
# nothing fetched of its own.
CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--autoplay-policy=no-user-gesture-required", "--remote-allow-origins=*",
    "--window-size=1280,900", "--remote-debugging-port=0",
]


class Protocol:
    """One WebSocket; call() waits for its answer, keeping the events."""

    def __init__(self, url):
        self.ws = websocket.create_connection(url, timeout=120, suppress_origin=True)
        self.next_id = 0
        self.events = []

    def call(self, method, params=None, session=None):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        self.ws.send(json.dumps(message))
        while True:
            answer = json.loads(self.ws.recv())
            if answer.get("id") == self.next_id:
                if "error" in answer:
                    raise RuntimeError(f"{method}: {answer['error']}")
                return answer.get("result", {})
            if answer.get("type") == "error" and answer.get("id") == self.next_id:
                raise RuntimeError(f"{method}: {answer}")
            self.events.append(answer)

    def close(self):
        self.ws.close()


class Browser:
    """A headless browser in a new profile, ended with its profile on close.
    What it prints is kept, so that it never waits on a full pipe."""

    def __init__(self, command):
        self.profile = tempfile.mkdtemp(prefix="dotwise-browser-")
        self.process = subprocess.Popen(command(self.profile), stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE, text=True)
        self.log = []
        self.said = threading.Condition()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stderr:
            with self.said:
                self.log.append(line)
                self.said.notify_all()
        with self.said:
            self.log.append(None)  # ended
            self.said.notify_all()

    def wait_for_line(self, text, seconds=60):
        """The first line it printed that holds text."""
        deadline = time.monotonic() + seconds
        with self.said:
            while True:
                for line in self.log:
                    if line is None:
                        raise RuntimeError("the browser ended: " + "".join(self.log[-20:-1]))
                    if text in line:
                        return line
                left = deadline - time.monotonic()
                if left <= 0:
                    raise RuntimeError(f"the browser did not say {text!r}")
                self.said.wait(left)

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(20)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)


class Chromium(Browser):
    def __init__(self, extra=()):
        super().__init__(lambda profile: ["chromium", *CHROMIUM_FLAGS, *extra,
                                          f"--user-data-dir={profile}", "about:blank"])
        url = self.wait_for_line("DevTools listening on").split("listening on")[1].strip()
        self.cdp = Protocol(url)
        target = self.cdp.call("Target.createTarget", {"url": "about:blank"})["targetId"]
        self.session = self.cdp.call("Target.attachToTarget",
                                     {"targetId": target, "flatten": True})["sessionId"]
        for domain in ("Page", "Runtime", "Accessibility", "DOM"):
            self.call(f"{domain}.enable")

    def call(self, method, params=None):
        return self.cdp.call(method, params, self.session)

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", {"expression": expression, "returnByValue": True,
                                                "awaitPromise": True})
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def screenshot(self, path, clip=None):
        params = {"format": "png"}
        if clip:
            params["clip"] = {**clip, "scale": 1}
        data = self.call("Page.captureScreenshot", params)["data"]
        with open(path, "wb") as f:
            f.write(base64.b64decode(data))

    def close(self):
        try:
            self.cdp.call("Browser.close")
        except Exception:
            pass
        self.cdp.close()
        super().close()


class Firefox(Browser):
    def __init__(self):
        def command(profile):
            with open(os.path.join(profile, "user.js"), "w") as prefs:
                # Nothing of Firefox's own from the network.
                for pref, value in (("app.update.enabled", "false"),
                                    ("browser.shell.checkDefaultBrowser", "false"),
                                    ("datareporting.policy.dataSubmissionEnabled", "false"),
                                    ("toolkit.telemetry.enabled", "false"),
                                    ("browser.safebrowsing.malware.enabled", "false"),
                                    ("browser.safebrowsing.phishing.enabled", "false")):
                    prefs.write(f'user_pref("{pref}", {value});\n')
            return ["firefox-esr", "--headless", "--no-remote", "--profile", profile,
                    "--width", "1280", "--height", "900", "--remote-debugging-port=0"]

        super().__init__(command)
        line = self.wait_for_line("WebDriver BiDi listening on")
        url = line.split("listening on")[1].strip()
        self.bidi = Protocol(url.rstrip("/") + "/session")
        self.bidi.call("session.new", {"capabilities": {}})
        self.context = self.bidi.call("browsingContext.getTree")["contexts"][0]["context"]

    def navigate(self, url):
        self.bidi.call("browsingContext.navigate",
                       {"context": self.context, "url": url, "wait": "complete"})

    def evaluate(self, expression):
        # BiDi gives values in its own serialisation: JSON is simpler.
        result = self.bidi.call("script.evaluate", {
            "expression": f"JSON.stringify({expression})", "target": {"context": self.context},
            "awaitPromise": True})
        if result.get("type") == "exception":
            raise RuntimeError(f"{expression}: {result.get('exceptionDetails')}")
        value = result.get("result", {}).get("value")
        return json.loads(value) if isinstance(value, str) else None

    def screenshot(self, path):
        data = self.bidi.call("browsingContext.captureScreenshot",
                              {"context": self.context})["data"]
        with open(path, "wb") as f:
            f.write(base64.b64decode(data))

    def close(self):
        try:
            self.bidi.call("session.end")
        except Exception:
            pass
        self.bidi.close()
        super().close()
