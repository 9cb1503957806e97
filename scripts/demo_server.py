#!/usr/bin/env python3
"""Serves the stand-in pages in scripts/demo/ on loopback, as the web views' proxy.

Each page reports its load event by asking for /__loaded?PATH. Run as a program
it prints "port N" once listening and "loaded PATH" at each load; the benchmark
imports make_server and keeps its own record.
"""
import http.server
import os
import sys
import urllib.parse

PAGES = {"/140100": "140100.html", "/cpv/news.htm": "news.htm"}


def make_server(root, on_load):
    """A server on a free loopback port; on_load(path) is called at each load report."""

    class Handler(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            url = urllib.parse.urlsplit(self.path)
            if url.path == "/__loaded":
                on_load(urllib.parse.unquote(url.query))
                self.send_response(204)
                self.end_headers()
                return
            name = PAGES.get(url.path)
            if name is None or not os.path.exists(os.path.join(root, name)):
                self.send_response(404)
                self.send_header("Content-Length", "0")
                self.end_headers()
                return
            with open(os.path.join(root, name), "rb") as f:
                body = f.read()
            self.send_response(200)
            self.send_header("Content-Type", "text/html; charset=utf-8")
            self.send_header("Content-Length", str(len(body)))
            self.send_header("Cache-Control", "no-store")
            self.end_headers()
            self.wfile.write(body)

        def log_message(self, *args):
            pass

    return http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)


if __name__ == "__main__":
    server = make_server(sys.argv[1], lambda path: print("loaded", path, flush=True))
    print("port", server.server_address[1], flush=True)
    server.serve_forever()
