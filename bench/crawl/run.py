#!/usr/bin/env python3
"""Crawl benchmark: generates a site of N pages (about 20 links each, plus images
and stylesheets), serves it with nginx on 127.0.0.1, crawls it with the zelmora
command at several thread counts and prints pages/s, wall and CPU time and peak RSS.
With --exports RUNS it alternates crawls without and with every export and
compares their median wall time and peak memory; with --audit RUNS it does the
same for crawls with --no-audit and with the site audit, and counts its issues.

With --content RUNS it compares --no-content-analysis with the default analyses.
With --db RUNS it compares crawls without and with --db (the database written as the
crawl runs).

With --generator no files are written and no nginx runs: bench/page_server (built next
to the zelmora binary, or --server PATH) computes each page from its address, so the
site can have ten million pages. --extra "ARGS" adds ARGS to every crawl (for example
"--db /tmp/big.db"); a crawl given --db reports its database's size.

usage: run.py ZELMORA_BINARY [--pages N] [--threads 8,32] [--exports RUNS] [--audit RUNS]
              [--content RUNS] [--db RUNS] [--generator [--server PATH]] [--extra "ARGS"]
"""
import argparse
import os
import random
import re
import shlex
import shutil
import socket
import statistics
import subprocess
import sys
import tempfile
import time


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def generate_site(root, pages, seed=7):
    rng = random.Random(seed)
    os.makedirs(os.path.join(root, "img"))
    os.makedirs(os.path.join(root, "css"))
    for i in range(100):
        with open(os.path.join(root, "img", f"i{i}.png"), "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + bytes(rng.getrandbits(8) for _ in range(200)))
    for i in range(10):
        with open(os.path.join(root, "css", f"s{i}.css"), "w") as f:
            f.write("body{margin:0} .c%d{color:#%06x}\n" % (i, rng.getrandbits(24)))
    filler = ("Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod "
              "tempor incididunt ut labore et dolore magna aliqua. ") * 6
    for p in range(pages):
        sec = p % 50
        os.makedirs(os.path.join(root, f"s{sec}"), exist_ok=True)
        links = []
        for _ in range(20):
            t = rng.randrange(pages)
            links.append(f'<li><a href="/s{t % 50}/p{t}.html">Page {t}</a></li>')
        if rng.random() < 0.05:
            links.append(f'<li><a href="/s{sec}/gone{p}.html">gone</a></li>')
        imgs = "".join(f'<img src="/img/i{rng.randrange(100)}.png" alt="img">' for _ in range(2))
        html = (f'<!DOCTYPE html><html><head><meta charset="utf-8"><title>Page {p}</title>'
                f'<meta name="description" content="Page {p} of the benchmark site">'
                f'<link rel="stylesheet" href="/css/s{p % 10}.css"></head><body>'
                f'<h1>Page {p}</h1><p>{filler}</p>{imgs}<ul>{"".join(links)}</ul>'
                f'<script>var x = "<a href=/not/a/link>";</script></body></html>')
        with open(os.path.join(root, f"s{sec}", f"p{p}.html"), "w") as f:
            f.write(html)
    # The home page links into every section.
    home = "".join(f'<a href="/s{s}/p{s}.html">section {s}</a>' for s in range(50))
    with open(os.path.join(root, "index.html"), "w") as f:
        f.write(f"<html><head><title>Home</title></head><body>{home}</body></html>")


def start_nginx(root, port, work, types="types { text/html html; text/css css; image/png png; }",
                listen_extra="", server_extra="", http_extra=""):
    """nginx on 127.0.0.1:port serving root; `types` is the conf's MIME block. The
    extras go after the listen address ("ssl http2"), into the server block and
    into the http block."""
    conf = os.path.join(work, "nginx.conf")
    with open(conf, "w") as f:
        f.write(f"""daemon off;
master_process off;
worker_processes 1;
pid {work}/nginx.pid;
error_log {work}/error.log warn;
events {{ worker_connections 4096; }}
http {{
  access_log off;
  keepalive_requests 100000;
  {types}
  {http_extra}
  server {{
    listen 127.0.0.1:{port} backlog=4096 {listen_extra};
    root {root};
    index index.html;
    {server_extra}
  }}
}}
""")
    proc = subprocess.Popen(["nginx", "-c", conf, "-p", work], stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE)
    deadline = time.time() + 10
    while time.time() < deadline:
        try:
            with socket.create_connection(("127.0.0.1", port), timeout=0.2):
                return proc
        except OSError:
            if proc.poll() is not None:
                raise RuntimeError("nginx did not start: " + proc.stderr.read().decode())
            time.sleep(0.05)
    proc.kill()
    raise RuntimeError("nginx did not start listening")


def start_page_server(server, pages, work):
    """bench/page_server on a free port of 127.0.0.1, computing a site of `pages` pages; it
    prints the port it listens on, and ends with this script if this script dies."""
    err = open(os.path.join(work, "page_server.err"), "w")
    proc = subprocess.Popen([server, "--pages", str(pages), "--exit-with-parent"],
                            stdout=subprocess.PIPE, stderr=err, text=True)
    line = proc.stdout.readline()
    m = re.match(r"listening on 127\.0\.0\.1:(\d+)", line)
    if not m:
        proc.kill()
        proc.wait()
        with open(os.path.join(work, "page_server.err")) as f:
            raise RuntimeError("the page server did not start: " + f.read())
    return proc, int(m.group(1))


def stop_page_server(proc, work):
    """Ends the server by its PID and prints what it served and its CPU time."""
    proc.terminate()
    try:
        proc.wait(timeout=10)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
    with open(os.path.join(work, "page_server.err")) as f:
        for line in f:
            print(line.rstrip())


def stop_nginx(proc):
    proc.terminate()
    try:
        proc.wait(timeout=5)
    except subprocess.TimeoutExpired:
        proc.kill()


EXPORTS = [("--json", "results.json"), ("--csv", "urls.csv"), ("--links-csv", "links.csv"),
           ("--seo", "seo.txt"), ("--seo-csv", "seo.csv"), ("--sitemap", "sitemap.xml"),
           ("--junit", "junit.xml"), ("--db", "crawl.db")]
SUMMARY = re.compile(r"links checked: (\d+)\s+bad links: (\d+)\s+total: (\d+)\s+pages: (\d+)")
CRAWL_TIME = re.compile(r"^Crawled .* in ([\d.]+) s$", re.M)


MAX_URLS = 10000000
EXTRA = []  # --extra: options for every crawl


def crawl(binary, url, threads, work, exports, extra=()):
    """One crawl; its own wall time, CPU time and peak RSS (wait4 on that child)."""
    args = [binary, "crawl", url, "--threads", str(threads), "--timeout", "30",
            "--max-urls", str(MAX_URLS), "--no-progress", *extra, *EXTRA]
    if exports:
        for option, name in EXPORTS:
            args += [option, os.path.join(work, name)]
    out_path = os.path.join(work, "stdout.txt")
    start = time.time()
    with open(out_path, "w") as out:
        proc = subprocess.Popen(args, stdout=out, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(proc.pid, 0)
    wall = time.time() - start
    rc = os.waitstatus_to_exitcode(status)
    with open(out_path) as f:
        text = f.read()
    m = SUMMARY.search(text)
    counts = dict(zip(["checked", "bad", "total", "pages"], map(int, m.groups()))) if m else {}
    t = CRAWL_TIME.search(text)
    # What the run spent after its crawl: writing exports (and exiting).
    counts["after"] = wall - float(t.group(1)) if t else 0.0
    counts["crawl"] = float(t.group(1)) if t else wall
    size = sum(os.path.getsize(os.path.join(work, n)) for _, n in EXPORTS
               if exports and os.path.exists(os.path.join(work, n)))
    dbs = [args[i + 1] for i in range(len(args) - 1) if args[i] == "--db"]
    if dbs and not exports:
        counts["db"] = sum(os.path.getsize(f) for f in (dbs[-1], dbs[-1] + "-wal")
                           if os.path.exists(f))
    return rc, wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024.0, counts, size


def report(threads, label, result):
    rc, wall, cpu, rss, counts, size = result
    pages, total = counts.get("pages", 0), counts.get("total", 0)
    extra = f", exports {size / 1e6:.0f} MB" if size else ""
    if "db" in counts:
        extra += f", database {counts['db'] / 1e6:.0f} MB"
    print(f"threads {threads:3d} {label:10s}: {total} URLs ({pages} pages, {counts.get('bad', 0)} bad)"
          f" in {wall:.2f} s wall, {cpu:.2f} s CPU, {pages / wall:.0f} pages/s, "
          f"peak RSS {rss:.0f} MB{extra} (exit {rc})", flush=True)


def compare_audit(binary, url, threads, work, runs):
    """Crawls with --no-audit and with the audit, alternately, in the same run."""
    summary = os.path.join(work, "issues-summary.csv")
    off, on = [], []
    for _ in range(runs):
        off.append(crawl(binary, url, threads, work, False, ["--no-audit"]))
        report(threads, "no audit", off[-1])
        on.append(crawl(binary, url, threads, work, False, ["--issues-summary", summary]))
        report(threads, "audit", on[-1])
    with open(summary) as f:
        rows = [line.rstrip("\r\n").split(",") for line in f][1:]
    issues = sum(int(r[3]) for r in rows if len(r) > 3)
    med = lambda results, i: statistics.median(r[i] for r in results)
    print(f"threads {threads:3d} median: wall {med(off, 1):.2f} s -> {med(on, 1):.2f} s "
          f"({100 * (med(on, 1) / med(off, 1) - 1):+.1f}%); peak RSS {med(off, 3):.0f} MB -> "
          f"{med(on, 3):.0f} MB ({100 * (med(on, 3) / med(off, 3) - 1):+.1f}%); "
          f"{issues} issues of {len(rows)} types", flush=True)
    for r in rows[:8]:
        print(f"    {r[0]:32s} {r[1]:6s} {r[3]}")


def compare_content(binary, url, threads, work, runs):
    """Crawls with --no-content-analysis and with the default analyses, alternately."""
    off, on = [], []
    for _ in range(runs):
        off.append(crawl(binary, url, threads, work, False, ["--no-content-analysis"]))
        report(threads, "no content", off[-1])
        on.append(crawl(binary, url, threads, work, False))
        report(threads, "content", on[-1])
    med = lambda results, i: statistics.median(r[i] for r in results)
    print(f"threads {threads:3d} median of {runs}: wall {med(off, 1):.2f} s -> {med(on, 1):.2f} s "
          f"({100 * (med(on, 1) / med(off, 1) - 1):+.1f}%); peak RSS {med(off, 3):.0f} MB -> "
          f"{med(on, 3):.0f} MB ({100 * (med(on, 3) / med(off, 3) - 1):+.1f}%)", flush=True)


def compare_db(binary, url, threads, work, runs):
    """Crawls without and with --db (written as the crawl runs), alternately."""
    db = os.path.join(work, "crawl.db")
    off, on = [], []
    for _ in range(runs):
        off.append(crawl(binary, url, threads, work, False))
        report(threads, "no db", off[-1])
        on.append(crawl(binary, url, threads, work, False, ["--db", db]))
        report(threads, "db", on[-1])
    med = lambda results, i: statistics.median(r[i] for r in results)
    print(f"threads {threads:3d} median of {runs}: wall {med(off, 1):.2f} s -> {med(on, 1):.2f} s "
          f"({100 * (med(on, 1) / med(off, 1) - 1):+.1f}%); CPU {med(off, 2):.2f} s -> "
          f"{med(on, 2):.2f} s; peak RSS {med(off, 3):.0f} MB -> {med(on, 3):.0f} MB", flush=True)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("binary")
    ap.add_argument("--pages", type=int, default=10000)
    ap.add_argument("--threads", default="8,32")
    ap.add_argument("--exports", type=int, default=0, metavar="RUNS",
                    help="alternate RUNS crawls without and with every export, and compare medians")
    ap.add_argument("--audit", type=int, default=0, metavar="RUNS",
                    help="alternate RUNS crawls with --no-audit and with the audit, and compare medians")
    ap.add_argument("--content", type=int, default=0, metavar="RUNS",
                    help="alternate RUNS crawls with --no-content-analysis and with the analyses")
    ap.add_argument("--db", type=int, default=0, metavar="RUNS",
                    help="alternate RUNS crawls without and with --db, and compare medians")
    ap.add_argument("--generator", action="store_true",
                    help="serve the site from bench/page_server, computed page by page, not files")
    ap.add_argument("--server", metavar="PATH",
                    help="the page server (default: bench/page_server in the binary's build dir)")
    ap.add_argument("--extra", default="", metavar="ARGS",
                    help='options added to every crawl, e.g. "--db /tmp/big.db"')
    args = ap.parse_args()
    binary = os.path.abspath(args.binary)
    server = args.server or os.path.join(os.path.dirname(binary), "bench", "page_server")
    if args.generator and not os.access(server, os.X_OK):
        sys.exit(f"no page server at {server} (build the page_server target, or give --server)")
    if not args.generator and not shutil.which("nginx"):
        sys.exit("nginx is not installed (scripts/install-deps installs it)")
    global MAX_URLS, EXTRA
    # Room for every page, the missing pages' links, the images and the stylesheets.
    MAX_URLS = max(10000000, 2 * args.pages)
    EXTRA = shlex.split(args.extra)
    work = tempfile.mkdtemp(prefix="zelmora-crawl-bench-")
    try:
        if args.generator:
            proc, port = start_page_server(server, args.pages, work)
            stop = lambda: stop_page_server(proc, work)
            print(f"page server computing {args.pages} pages on 127.0.0.1:{port}")
        else:
            root = os.path.join(work, "site")
            os.makedirs(root)
            t0 = time.time()
            generate_site(root, args.pages)
            print(f"generated {args.pages} pages in {time.time() - t0:.1f} s")
            port = free_port()
            nginx = start_nginx(root, port, work)
            stop = lambda: stop_nginx(nginx)
        try:
            url = f"http://127.0.0.1:{port}/"
            for threads in [int(t) for t in args.threads.split(",")]:
                if args.audit:
                    compare_audit(binary, url, threads, work, args.audit)
                    continue
                if args.content:
                    compare_content(binary, url, threads, work, args.content)
                    continue
                if args.db:
                    compare_db(binary, url, threads, work, args.db)
                    continue
                if not args.exports:
                    report(threads, "", crawl(binary, url, threads, work, False))
                    continue
                plain, full = [], []
                for _ in range(args.exports):
                    plain.append(crawl(binary, url, threads, work, False))
                    report(threads, "no exports", plain[-1])
                    full.append(crawl(binary, url, threads, work, True))
                    report(threads, "exports", full[-1])
                med = lambda runs, i: statistics.median(r[i] for r in runs)
                # The machine is shared: besides the wall times of separate runs, compare
                # what each run spent after its own crawl with the crawl it followed.
                added = statistics.median(
                    (f[4]["after"] - p[4]["after"]) / f[4]["crawl"] for p, f in zip(plain, full))
                print(f"threads {threads:3d} median: wall {med(plain, 1):.2f} s -> {med(full, 1):.2f} s "
                      f"({100 * (med(full, 1) / med(plain, 1) - 1):+.0f}%); exports take "
                      f"{100 * added:.0f}% of the crawl's own time; peak RSS "
                      f"{med(plain, 3):.0f} MB -> {med(full, 3):.0f} MB "
                      f"({100 * (med(full, 3) / med(plain, 3) - 1):+.0f}%)", flush=True)
        finally:
            stop()
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
