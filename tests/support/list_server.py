#!/usr/bin/env python3
"""A local HTTP server on 127.0.0.1 that serves the reference list, or one of the faults a real
server may show, for the download tests. It prints its port on the first line of its output, logs
the User-Agent and Cache-Control of every request to --requests, and stops by itself after
--lifetime seconds.

Modes: ok (the file given, in pieces), status:N (an error page with status N), html (a web page
with status 200), cut (half of the announced bytes, then the connection closes), hang (never
answers), huge (20 MB announced), huge-unannounced (20 MB without a length)."""

import argparse
import http.server
import os
import sys
import threading
import time

HUGE_BYTES = 20 * 1024 * 1024
PAGE = b"<!DOCTYPE html>\r\n<html><body><p>Site en maintenance&nbsp;; revenez plus tard.</p></body></html>\r\n"


def parse_arguments():
    parser = argparse.ArgumentParser()
    parser.add_argument("--mode", default="ok")
    parser.add_argument("--file", help="the list served in mode ok")
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
        self.log_request_headers()
        mode = self.options.mode
        if mode == "hang":
            time.sleep(self.options.lifetime)
        elif mode.startswith("status:"):
            self.answer(int(mode.split(":")[1]), PAGE)
        elif mode == "html":
            self.answer(200, PAGE)
        elif mode == "cut":
            body = self.list_bytes()
            self.answer(200, body[: len(body) // 2], announced=len(body))
        elif mode == "huge":
            self.answer_huge(announce=True)
        elif mode == "huge-unannounced":
            self.answer_huge(announce=False)
        else:
            self.answer(200, self.list_bytes())

    def list_bytes(self):
        with open(self.options.file, "rb") as served:
            return served.read()

    def log_request_headers(self):
        if self.options.requests:
            with open(self.options.requests, "a", encoding="utf-8") as log:
                log.write("%s %s | %s | %s\n" % (self.command, self.path,
                                                self.headers.get("User-Agent", ""),
                                                self.headers.get("Cache-Control", "")))

    def start(self, status, announced):
        self.send_response(status)
        self.send_header("Content-Type", "text/plain; charset=windows-1252")
        if announced is not None:
            self.send_header("Content-Length", str(announced))
        self.send_header("Connection", "close")
        self.end_headers()

    def answer(self, status, body, announced=None):
        self.start(status, len(body) if announced is None else announced)
        for start in range(0, len(body), self.options.piece):
            self.wfile.write(body[start:start + self.options.piece])
            self.wfile.flush()
            time.sleep(self.options.pause)
        self.close_connection = True

    def answer_huge(self, announce):
        self.start(200, HUGE_BYTES if announce else None)
        line = b"PC-89001;Nom;x;1;x;a;b;\r\n" * 2000
        sent = 0
        try:
            self.wfile.write(b"Rev 999 01/01/30;;;\r\n")
            while sent < HUGE_BYTES:
                self.wfile.write(line)
                sent += len(line)
        except (BrokenPipeError, ConnectionResetError):
            pass
        self.close_connection = True


def main():
    options = parse_arguments()
    Handler.options = options
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    threading.Timer(options.lifetime, lambda: os._exit(0)).start()
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
