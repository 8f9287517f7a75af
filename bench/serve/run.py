#!/usr/bin/env python3
"""The window's benchmark, through `zelmora serve`'s own API (as its page uses it):

1. A saved crawl of a million URLs (made by SQL on the layout of a real one):
   the time to the first rows of the table, to its last rows, to the table
   sorted by status, and the memory the server adds.
2. A crawl of a generated site (bench/crawl's generator, served by nginx) from
   the window's API, once with a window open (an event stream read and the
   rows in view asked for after each snapshot, as the page does) and once
   with none: the CPU of the engine's thread (the run loop) and of the whole
   program, so the run loop's added share shows.

usage: run.py ZELMORA_BINARY [--pages 100000] [--threads 32] [--skip-crawl]
"""
import argparse
import http.client
import importlib.util
import json
import os
import re
import shutil
import sqlite3
import statistics
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
module_source = importlib.util.spec_from_file_location("crawlbench", os.path.join(HERE, "..", "crawl", "run.py"))
crawlbench = importlib.util.module_from_spec(module_source)
module_source.loader.exec_module(crawlbench)
TICK = os.sysconf("SC_CLK_TCK")


class Window:
    """`zelmora serve --no-browser` and a session with it."""

    def __init__(self, binary, work, databases=()):
        env = dict(os.environ, XDG_DATA_HOME=work)
        self.proc = subprocess.Popen([binary, "serve", "--no-browser", *databases], env=env,
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        for line in self.proc.stdout:
            m = re.search(r"http://127\.0\.0\.1:(\d+)/\?token=([0-9a-f]+)", line)
            if m:
                self.port, token = int(m.group(1)), m.group(2)
                break
        else:
            raise RuntimeError("zelmora serve printed no address")
        status, headers, _ = self.request("GET", f"/?token={token}")
        self.cookie = headers["Set-Cookie"].split(";")[0]
        self.session = json.loads(self.request("GET", "/api/session")[2])

    def request(self, method, path, body=None, timeout=600):
        c = http.client.HTTPConnection("127.0.0.1", self.port, timeout=timeout)
        headers = {"Host": f"127.0.0.1:{self.port}"}
        if getattr(self, "cookie", None):
            headers["Cookie"] = self.cookie
        if method == "POST":
            headers["Origin"] = f"http://127.0.0.1:{self.port}"
            headers[self.session["header"]] = self.session["antiForgery"]
            headers["Content-Type"] = "application/json"
        c.request(method, path, body=json.dumps(body) if body is not None else None, headers=headers)
        r = c.getresponse()
        data = r.read()
        c.close()
        return r.status, dict(r.getheaders()), data

    def get(self, path):
        return json.loads(self.request("GET", path)[2])

    def post(self, path, body):
        status, _, data = self.request("POST", path, body)
        if status != 200:
            raise RuntimeError(f"{path}: {status} {data[:300]}")

    def rss_mb(self):
        with open(f"/proc/{self.proc.pid}/status") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1]) / 1024
        return 0

    def cpu(self, thread=None):
        """CPU seconds of the program, or of one of its threads (the main one runs the engine)."""
        path = f"/proc/{self.proc.pid}/task/{thread}/stat" if thread else f"/proc/{self.proc.pid}/stat"
        with open(path) as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / TICK

    def close(self):
        self.proc.terminate()
        try:
            self.proc.wait(timeout=60)
        except subprocess.TimeoutExpired:
            self.proc.kill()


def million_url_database(binary, work):
    site = crawlbench.free_port()
    root = os.path.join(work, "small-site")
    os.makedirs(root)
    with open(os.path.join(root, "index.html"), "w") as f:
        f.write("<html><head><title>Home</title></head><body><a href=a.html>a</a></body></html>")
    nginx = crawlbench.start_nginx(root, site, work)
    small = os.path.join(work, "small.db")
    try:
        subprocess.run([binary, "crawl", f"http://127.0.0.1:{site}/", "-q", "--no-settings-file",
                        "--db", small], check=False)
    finally:
        crawlbench.stop_nginx(nginx)
    big = os.path.join(work, "million.db")
    shutil.copy(small, big)
    db = sqlite3.connect(big)
    db.executescript("""
      BEGIN; DELETE FROM links; DELETE FROM redirects; DELETE FROM warnings; DELETE FROM urls;
      WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 999999)
      INSERT INTO urls (id, url, actual_url, status, bad, internal, is_html, mime_type, distance,
                        title, page_order, size_bytes, response_time, word_count)
      SELECT i, 'https://shop.example/catalogue/item-' || i || '.html',
             'https://shop.example/catalogue/item-' || i || '.html',
             CASE WHEN i % 50 = 0 THEN '404 not found' WHEN i % 97 = 0 THEN '301 moved permanently'
                  ELSE '200 no error' END,
             i % 50 = 0, 1, 1, 'text/html', i % 7, 'Item ' || i || ' of the catalogue', i,
             1000 + i % 5000, (i % 300) * 0.001, i % 400 FROM n;
      WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 999999)
      INSERT INTO links (parent_id, target_id, link_text, line)
      SELECT (i * 7919) % 1000000, i, 'Item ' || i, 10 + i % 90 FROM n;
      UPDATE crawl SET total = 1000000, checked = 1000000, bad = 20000, pages = 1000000;
      COMMIT;""")
    db.close()
    return big


def bench_million(binary, work):
    big = million_url_database(binary, work)
    w = Window(binary, work)
    try:
        before = w.rss_mb()
        t0 = time.time()
        w.post("/api/open", {"path": big})
        rows = w.get("/api/rows?tab=internal&limit=80")
        first = time.time() - t0
        assert rows["total"] == 1000000, rows["total"]
        t0 = time.time()
        end = w.get(f"/api/rows?tab=internal&offset={1000000 - 80}&limit=80")
        last = time.time() - t0
        assert end["rows"][-1]["id"] == 999999
        t0 = time.time()
        w.get("/api/rows?tab=internal&sort=status&limit=80")
        sort = time.time() - t0
        t0 = time.time()
        w.get("/api/rows?tab=internal&sort=status&desc=1&offset=500000&limit=80")
        resort = time.time() - t0
        after = w.rss_mb()
        print(f"a million URLs: first rows {first:.2f} s (opening included), last rows {last * 1000:.0f} ms, "
              f"sorted by status {sort:.2f} s (the other way, mid-table {resort:.2f} s); "
              f"the server added {after - before:.0f} MB (RSS {before:.0f} -> {after:.0f} MB)", flush=True)
    finally:
        w.close()


def crawl_from_window(binary, work, url, threads, window_open):
    w = Window(binary, work)
    stop = threading.Event()
    seen = {"snapshots": 0, "pages": 0}

    def watch():
        # As the page does: every snapshot read, the rows in view asked for again.
        c = http.client.HTTPConnection("127.0.0.1", w.port, timeout=600)
        c.request("GET", "/api/events", headers={"Host": f"127.0.0.1:{w.port}", "Cookie": w.cookie})
        r = c.getresponse()
        while not stop.is_set():
            line = r.fp.readline()
            if not line:
                break
            if line.startswith(b"data: "):
                seen["snapshots"] += 1
                w.get("/api/rows?tab=internal&limit=80")
                seen["pages"] += 1
        c.close()

    watcher = threading.Thread(target=watch, daemon=True) if window_open else None
    try:
        if watcher:
            watcher.start()
        t0 = time.time()
        w.post("/api/crawl", {"target": url, "options": [{"name": "--threads", "values": [str(threads)]},
                                                          {"name": "--timeout", "values": ["30"]},
                                                          {"name": "--max-urls", "values": ["10000000"]}]})
        state = {}
        while True:
            time.sleep(0.5)
            state = w.get("/api/state")
            if not state["busy"] and state["state"] in ("finished", "stopped"):
                break
        wall = time.time() - t0
        engine, total = w.cpu(w.proc.pid), w.cpu()
        stop.set()
        label = "window open" if window_open else "no window  "
        handover = state["handOverSeconds"]
        print(f"{label}: {state['counts']['found']} URLs ({state['counts']['pages']} pages) in {wall:.1f} s; "
              f"CPU {total:.1f} s, of which the engine's thread (run loop) {engine:.1f} s, of which "
              f"hand-overs and snapshots {handover:.2f} s ({100 * handover / engine:.1f}%); "
              f"{seen['snapshots']} snapshots and {seen['pages']} pages of rows read", flush=True)
        return engine, total, handover
    finally:
        w.close()


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("binary")
    ap.add_argument("--pages", type=int, default=100000)
    ap.add_argument("--threads", type=int, default=32)
    ap.add_argument("--runs", type=int, default=2, help="crawls of each kind, alternating")
    ap.add_argument("--skip-crawl", action="store_true")
    args = ap.parse_args()
    if not shutil.which("nginx"):
        sys.exit("nginx is not installed (scripts/install-deps installs it)")
    binary = os.path.abspath(args.binary)
    work = tempfile.mkdtemp(prefix="zelmora-serve-bench-")
    try:
        bench_million(binary, work)
        if args.skip_crawl:
            return
        root = os.path.join(work, "site")
        os.makedirs(root)
        crawlbench.generate_site(root, args.pages)
        port = crawlbench.free_port()
        nginx = crawlbench.start_nginx(root, port, work)
        try:
            url = f"http://127.0.0.1:{port}/"
            runs = {False: [], True: []}
            for _ in range(args.runs):
                for window_open in (False, True):
                    runs[window_open].append(crawl_from_window(binary, work, url, args.threads, window_open))
            med = lambda window_open, i: statistics.median(r[i] for r in runs[window_open])
            none_engine, none_total = med(False, 0), med(False, 1)
            open_engine, open_total = med(True, 0), med(True, 1)
            print(f"medians of {args.runs}: the run loop spends {med(False, 2):.2f} s on hand-overs and "
                  f"snapshots with no window ({100 * med(False, 2) / none_engine:.1f}% of its CPU), "
                  f"{med(True, 2):.2f} s with one open ({100 * med(True, 2) / open_engine:.1f}%)", flush=True)
            print(f"medians of {args.runs}: with a window open the run loop's thread used {open_engine - none_engine:+.1f} s CPU "
                  f"({100 * (open_engine / none_engine - 1):+.1f}%), the program "
                  f"{open_total - none_total:+.1f} s ({100 * (open_total / none_total - 1):+.1f}%)", flush=True)
        finally:
            crawlbench.stop_nginx(nginx)
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
