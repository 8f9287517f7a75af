#!/usr/bin/env python3
"""Crawl benchmark: generates a site of N pages (about 20 links each, plus images
and stylesheets), serves it with nginx on 127.0.0.1, crawls it with the zelmora
command at several thread counts and prints pages/s, wall and CPU time and peak RSS.

usage: run.py ZELMORA_BINARY [--pages N] [--threads 8,32]
"""
import argparse
import json
import os
import random
import resource
import shutil
import socket
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


def start_nginx(root, port, work):
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
  types {{ text/html html; text/css css; image/png png; }}
  server {{
    listen 127.0.0.1:{port} backlog=4096;
    root {root};
    index index.html;
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


def crawl(binary, url, threads, work):
    out = os.path.join(work, f"results-{threads}.json")
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.time()
    rc = subprocess.call([binary, "crawl", url, "--threads", str(threads), "--timeout", "30",
                          "--set", "linksLimit=10000000", "--json", out, "--no-progress", "-q"],
                         timeout=3600)
    wall = time.time() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    with open(out) as f:
        doc = json.load(f)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return rc, wall, cpu, after.ru_maxrss / 1024.0, doc["counts"]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("binary")
    ap.add_argument("--pages", type=int, default=10000)
    ap.add_argument("--threads", default="8,32")
    args = ap.parse_args()
    if not shutil.which("nginx"):
        sys.exit("nginx is not installed (scripts/install-deps installs it)")
    work = tempfile.mkdtemp(prefix="zelmora-crawl-bench-")
    root = os.path.join(work, "site")
    os.makedirs(root)
    try:
        t0 = time.time()
        generate_site(root, args.pages)
        print(f"generated {args.pages} pages in {time.time() - t0:.1f} s")
        port = free_port()
        nginx = start_nginx(root, port, work)
        try:
            for threads in [int(t) for t in args.threads.split(",")]:
                rc, wall, cpu, rss, counts = crawl(os.path.abspath(args.binary),
                                                   f"http://127.0.0.1:{port}/", threads, work)
                pages = counts["pages"]
                print(f"threads {threads:3d}: {counts['total']} URLs ({pages} pages, "
                      f"{counts['bad']} bad) in {wall:.2f} s wall, {cpu:.2f} s CPU, "
                      f"{pages / wall:.0f} pages/s, {counts['total'] / wall:.0f} URLs/s, "
                      f"peak RSS {rss:.0f} MB (exit {rc})")
        finally:
            nginx.terminate()
            try:
                nginx.wait(timeout=5)
            except subprocess.TimeoutExpired:
                nginx.kill()
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
