#!/usr/bin/env python3
"""A local HTTP server on 127.0.0.1 standing in for the cluster and award web sites in the
end-to-end tests: every path is answered with a small HTML page titled after it. It prints its
port on the first line of its output, logs the path of every request to --requests, and stops by
itself after --lifetime seconds."""

import argparse
import html
import http.server

from list_server import serve

SPOTS = [("14025.0", "F5XYZ", "PC 89001"), ("14260.0", "F4ABC/P", "PC 2A001"),
         ("7018.5", "F6AAA", "PC 75999")]


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    requests = None

    def log_message(self, *args):
        pass

    def do_GET(self):
        if self.requests:
            with open(self.requests, "a", encoding="utf-8") as log:
                log.write(self.path + "\n")
        title = html.escape("Page " + self.path)
        rows = "".join("<tr><td>%s</td><td>%s</td><td>%s</td></tr>" % spot for spot in SPOTS)
        body = ("<html><head><title>%s</title></head><body><h2>%s</h2><table border=1>%s"
                "</table></body></html>" % (title, title, rows)).encode("utf-8")
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--requests", help="file where the path of each request is logged")
    parser.add_argument("--lifetime", type=float, default=120.0)
    options = parser.parse_args()
    Handler.requests = options.requests
    serve(Handler, options.lifetime)


if __name__ == "__main__":
    main()
