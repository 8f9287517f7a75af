#!/usr/bin/env python3
"""Rendering benchmark: a generated site of N pages whose links are written by
scripts, served by nginx on 127.0.0.1, crawled with `zelmora crawl --render` at
several thread counts, with the default and with the legacy web view, and (with
--audits) with --accessibility --page-speed --script-changes as well. Prints
pages/s and the peak memory of the browser (every process under zelmora's,
summed, sampled ten times a second) and of zelmora itself.

usage: run.py ZELMORA_BINARY [--pages 200] [--threads 1,4,8] [--legacy both|off|on]
              [--audits both|off|on]
"""
import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "crawl"))
from run import free_port, start_nginx, stop_nginx  # noqa: E402

SUMMARY = re.compile(r"links checked: (\d+)\s+bad links: (\d+)\s+total: (\d+)\s+pages: (\d+)")


def generate_site(root, pages, seed=11):
    rng = random.Random(seed)
    for p in range(pages):
        targets = [rng.randrange(pages) for _ in range(8)] + [(p + 1) % pages]
        links = "".join(f'<a href="/p{t}.html">Page {t}</a> ' for t in targets)
        html = (f'<!DOCTYPE html><html><head><meta charset="utf-8"><title>Page {p}</title></head>'
                f'<body><h1>Page {p}</h1><div id="nav"></div><script>'
                f'document.getElementById("nav").innerHTML = {links!r};</script></body></html>')
        with open(os.path.join(root, f"p{p}.html"), "w") as f:
            f.write(html)
    with open(os.path.join(root, "index.html"), "w") as f:
        f.write('<html><body><script>document.write(\'<a href="/p0.html">start</a>\')'
                '</script></body></html>')


def descendants(pid):
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as f:
                parent = int(f.read().rsplit(")", 1)[1].split()[1])
            children.setdefault(parent, []).append(int(entry))
        except (OSError, IndexError, ValueError):
            pass
    out, todo = [], [pid]
    while todo:
        for c in children.get(todo.pop(), []):
            out.append(c)
            todo.append(c)
    return out


def rss_mb(pid):
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1]) / 1024.0
    except OSError:
        pass
    return 0.0


def crawl(binary, url, threads, legacy, work, audits=False):
    args = [binary, "crawl", url, "--render", "--threads", str(threads), "--timeout", "30",
            "--no-progress", "--internal-only"]
    if legacy:
        args += ["--set", "legacyWebView=true"]
    if audits:
        args += ["--accessibility", "--page-speed", "--script-changes"]
    peak = {"browser": 0.0}
    start = time.time()
    with open(os.path.join(work, "out.txt"), "w") as out:
        proc = subprocess.Popen(args, stdout=out, stderr=subprocess.DEVNULL)
        done = threading.Event()

        def sample():
            while not done.is_set():
                total = sum(rss_mb(p) for p in descendants(proc.pid))
                peak["browser"] = max(peak["browser"], total)
                time.sleep(0.1)

        sampler = threading.Thread(target=sample)
        sampler.start()
        _, status, usage = os.wait4(proc.pid, 0)
        done.set()
        sampler.join()
    wall = time.time() - start
    with open(os.path.join(work, "out.txt")) as f:
        m = SUMMARY.search(f.read())
    pages = int(m.group(4)) if m else 0
    print(f"threads {threads} legacyWebView {'on ' if legacy else 'off'}"
          f"{' audits on ' if audits else ''}: {pages} pages in "
          f"{wall:.1f} s, {pages / wall:.1f} pages/s, browser peak {peak['browser']:.0f} MB, "
          f"zelmora peak {usage.ru_maxrss / 1024.0:.0f} MB (exit "
          f"{os.waitstatus_to_exitcode(status)})", flush=True)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("binary")
    ap.add_argument("--pages", type=int, default=200)
    ap.add_argument("--threads", default="1,4,8")
    ap.add_argument("--legacy", default="both", choices=["both", "off", "on"])
    ap.add_argument("--audits", default="off", choices=["both", "off", "on"])
    args = ap.parse_args()
    if not shutil.which("nginx"):
        sys.exit("nginx is not installed (scripts/install-deps installs it)")
    work = tempfile.mkdtemp(prefix="zelmora-render-bench-")
    root = os.path.join(work, "site")
    os.makedirs(root)
    try:
        generate_site(root, args.pages)
        port = free_port()
        nginx = start_nginx(root, port, work)
        try:
            url = f"http://127.0.0.1:{port}/"
            choice = {"both": [False, True], "off": [False], "on": [True]}
            for legacy in choice[args.legacy]:
                # The audits run only in the default web view.
                for audits in choice[args.audits] if not legacy else [False]:
                    for threads in [int(t) for t in args.threads.split(",")]:
                        crawl(os.path.abspath(args.binary), url, threads, legacy, work, audits)
        finally:
            stop_nginx(nginx)
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
