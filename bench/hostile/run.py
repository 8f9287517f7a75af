#!/usr/bin/env python3
"""Hostile bodies benchmark: a local server on 127.0.0.1 answers eight links at
once with bodies meant to exhaust memory (four gzip bombs that inflate to 1 GB
each, four 200 MB pages), and zelmora crawls them with eight threads. Prints the
crawl's peak RSS and wall time for each body limit given.

usage: run.py ZELMORA_BINARY [--limits 50MB,10MB]
"""
import argparse
import os
import socket
import subprocess
import tempfile
import threading
import time
import zlib
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

BOMB_SIZE = 1 << 30
PAGE_SIZE = 200 << 20
CHUNK = 1 << 20


def gzip_bomb():
    """1 GB of spaces, gzip-compressed (about 1 MB), made without holding the GB."""
    c = zlib.compressobj(9, zlib.DEFLATED, 31)
    block = b" " * CHUNK
    out = [c.compress(block) for _ in range(BOMB_SIZE // CHUNK)]
    out.append(c.flush())
    return b"".join(out)


class Handler(BaseHTTPRequestHandler):
    bomb = b""
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def do_HEAD(self):
        self.do_GET()

    def do_GET(self):
        try:
            if self.path == "/":
                links = "".join(f'<a href="/bomb{i}">b</a><a href="/big{i}">p</a>' for i in range(4))
                body = f"<html><body>{links}</body></html>".encode()
                self.send(body, "text/html")
            elif self.path.startswith("/bomb"):
                self.send_response(200)
                self.send_header("Content-Type", "text/html")
                self.send_header("Content-Encoding", "gzip")
                self.send_header("Content-Length", str(len(self.bomb)))
                self.end_headers()
                if self.command == "GET":
                    self.wfile.write(self.bomb)
            elif self.path.startswith("/big"):
                self.send_response(200)
                self.send_header("Content-Type", "text/html")
                self.send_header("Content-Length", str(PAGE_SIZE))
                self.end_headers()
                if self.command == "GET":
                    block = b"x" * CHUNK
                    for _ in range(PAGE_SIZE // CHUNK):
                        self.wfile.write(block)
            else:
                self.send(b"not found", "text/plain", 404)
        except (BrokenPipeError, ConnectionResetError):
            pass  # the crawler stopped reading at its limit

    def send(self, body, ctype, status=200):
        self.send_response(status)
        self.send_header("Content-Type", ctype)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if self.command == "GET":
            self.wfile.write(body)


def crawl(binary, url, limit, work):
    out = os.path.join(work, "stdout.txt")
    args = [binary, "crawl", url, "--threads", "8", "--timeout", "120", "--max-body", limit,
            "--no-robots", "--no-progress", "--json", os.path.join(work, "r.json")]
    start = time.time()
    with open(out, "w") as f:
        proc = subprocess.Popen(args, stdout=f, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(proc.pid, 0)
    wall = time.time() - start
    with open(os.path.join(work, "r.json")) as f:
        cut = f.read().count("page cut at")
    return os.waitstatus_to_exitcode(status), wall, usage.ru_maxrss / 1024.0, cut


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("binary")
    ap.add_argument("--limits", default="50MB,10MB")
    args = ap.parse_args()
    t0 = time.time()
    Handler.bomb = gzip_bomb()
    print(f"gzip bomb: {len(Handler.bomb) / 1e6:.1f} MB inflating to {BOMB_SIZE >> 20} MB "
          f"(made in {time.time() - t0:.1f} s)")
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_address[1]}/"
    with tempfile.TemporaryDirectory(prefix="zelmora-hostile-") as work:
        for limit in args.limits.split(","):
            rc, wall, rss, cut = crawl(os.path.abspath(args.binary), url, limit, work)
            print(f"max body {limit:>6}: 8 hostile bodies at once in {wall:.1f} s, "
                  f"peak RSS {rss:.0f} MB, {cut} cut (exit {rc})", flush=True)
    server.shutdown()


if __name__ == "__main__":
    main()
