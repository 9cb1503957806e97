#!/usr/bin/env python3
"""Serves the stand-in pages for scripts/run on loopback, as the web views' proxy.

Prints "port N" once listening and "loaded PATH" when a page reports its load.
"""
import http.server
import os
import sys
import urllib.parse

ROOT = sys.argv[1]
PAGES = {"/140100": "140100.html", "/cpv/news.htm": "news.htm"}


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        url = urllib.parse.urlsplit(self.path)
        if url.path == "/__loaded":
            print("loaded", urllib.parse.unquote(url.query), flush=True)
            self.send_response(204)
            self.end_headers()
            return
        name = PAGES.get(url.path)
        if name is None or not os.path.exists(os.path.join(ROOT, name)):
            self.send_response(404)
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        with open(os.path.join(ROOT, name), "rb") as f:
            body = f.read()
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print("port", server.server_address[1], flush=True)
server.serve_forever()
