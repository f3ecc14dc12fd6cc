#!/usr/bin/env python3
"""A local HTTP server on 127.0.0.1 that serves the reference list to the real program in the
end-to-end tests, a few bytes at a time so that its progress dialog can be seen. It prints its port
on the first line of its output, logs the User-Agent and Cache-Control of every request to
--requests, and stops by itself after --lifetime seconds."""

import argparse
import http.server
import os
import threading
import time


def parse_arguments():
    parser = argparse.ArgumentParser()
    parser.add_argument("--file", required=True, help="the list served at every address")
    parser.add_argument("--requests", help="file where each request's headers are logged")
    parser.add_argument("--piece", type=int, default=1000, help="bytes sent at a time")
    parser.add_argument("--pause", type=float, default=0.0, help="seconds between two pieces")
    parser.add_argument("--lifetime", type=float, default=120.0)
    return parser.parse_args()


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    options = None

    def log_message(self, *args):
        pass

    def do_GET(self):
        if self.options.requests:
            with open(self.options.requests, "a", encoding="utf-8") as log:
                log.write("%s %s | %s | %s\n" % (self.command, self.path,
                                                self.headers.get("User-Agent", ""),
                                                self.headers.get("Cache-Control", "")))
        with open(self.options.file, "rb") as served:
            body = served.read()
        self.send_response(200)
        self.send_header("Content-Type", "text/plain; charset=windows-1252")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Connection", "close")
        self.end_headers()
        for start in range(0, len(body), self.options.piece):
            self.wfile.write(body[start:start + self.options.piece])
            self.wfile.flush()
            time.sleep(self.options.pause)
        self.close_connection = True


def serve(handler, lifetime):
    """Serves on a free port of 127.0.0.1, printed first, until lifetime seconds have passed."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    threading.Timer(lifetime, lambda: os._exit(0)).start()
    server.serve_forever()


def main():
    options = parse_arguments()
    Handler.options = options
    serve(Handler, options.lifetime)


if __name__ == "__main__":
    main()
