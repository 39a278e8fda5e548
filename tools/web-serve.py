#!/usr/bin/env python3
"""Serves the browser build's folder on this machine, as a static web host
would: the right types (application/wasm), gzip-compressed where the browser
takes it, and no caching, so a rebuilt program is loaded at once.

  web-serve.py FOLDER [--port N]      prints the address, serves until ended
"""
import argparse
import functools
import gzip
import http.server
import io
import os
import sys
import threading

TYPES = {".wasm": "application/wasm", ".js": "text/javascript", ".html": "text/html",
         ".txt": "text/plain; charset=utf-8", ".wav": "audio/wav", ".ttf": "font/ttf",
         ".qm": "application/octet-stream", ".cjs": "application/octet-stream",
         ".CUR": "image/x-icon"}


class Handler(http.server.SimpleHTTPRequestHandler):
    # What was sent, compressed as it went: (path, bytes) for each answer.
    sent = []
    lock = threading.Lock()

    def log_message(self, *args):
        pass

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if not os.path.isfile(path):
            self.send_error(404)
            return None
        with open(path, "rb") as f:
            body = f.read()
        if "gzip" in self.headers.get("Accept-Encoding", ""):
            body = gzip.compress(body, 9, mtime=0)
            encoding = "gzip"
        else:
            encoding = None
        self.send_response(200)
        self.send_header("Content-Type", TYPES.get(os.path.splitext(path)[1],
                                                   "application/octet-stream"))
        if encoding:
            self.send_header("Content-Encoding", encoding)
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-store")
        self.end_headers()
        with Handler.lock:
            Handler.sent.append((self.path, len(body)))
        return io.BytesIO(body)


def serve(folder, port=0):
    """A server in a thread of its own; returns it (its port: server_address[1])."""
    handler = functools.partial(Handler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--port", type=int, default=8080)
    args = parser.parse_args()
    server = serve(args.folder, args.port)
    print(f"Dotwise is served at http://127.0.0.1:{server.server_address[1]}/ "
          "(Ctrl+C ends it)", flush=True)
    try:
        threading.Event().wait()
    except KeyboardInterrupt:
        sys.exit(0)


if __name__ == "__main__":
    main()
