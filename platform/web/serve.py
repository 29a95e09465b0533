#!/usr/bin/env python3
"""Serves the browser build's site on 127.0.0.1 and prints its address.

    serve.py SITE_DIR PROGRAM [PORT]

PORT 0 (the default when DECKHOLLOW_WEB_PORT is unset: 8080, else any free
one) takes whatever port is free. Nothing is cached, so a rebuilt program
is what the next reload gets."""

import functools
import http.server
import os
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript"}

    def end_headers(self):
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, *_):
        pass


def main():
    if len(sys.argv) not in (3, 4):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    site, program = sys.argv[1], sys.argv[2]
    wanted = int(sys.argv[3]) if len(sys.argv) == 4 else int(os.environ.get("DECKHOLLOW_WEB_PORT", "8080"))
    handler = functools.partial(Handler, directory=site)
    try:
        server = http.server.ThreadingHTTPServer(("127.0.0.1", wanted), handler)
    except OSError:
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    base = f"http://127.0.0.1:{server.server_port}"
    print(f"{base}/program.html?p={program}", flush=True)
    print(f"(every program: {base}/ ; Ctrl+C ends the server)", file=sys.stderr, flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
