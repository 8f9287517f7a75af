#!/usr/bin/env python3
"""Side-by-side crawl benchmark: serves a corpus with nginx on 127.0.0.1 and crawls it
with zelmora and with wget2 (Debian's package, a peer to measure against), alternately,
RUNS times each, printing wall time, CPU time and peak RSS with medians and ratios.

Both check internal links only: zelmora with --internal-only, wget2 with its recursive
spider, which stays on the start host. Nothing but 127.0.0.1 is ever asked.

zelmora asks for every address with "Connection: close", so each request opens and closes a
TCP connection; wget2 keeps its connections open by default. A third runner, "wget2-close",
is wget2 doing the same work as zelmora: one GET a page (its spider asks for an HTML page
twice, HEAD then GET, so it runs with --delete-after instead, into a folder of the work
directory) and the same "Connection: close" header, so one connection a page. Its ratio is
printed beside the plain one.

Each run also prints the kernel's share of the crawler's CPU (connections are set up and
torn down there, on loopback the server's side of the handshake included) and the CPU nginx
spent meanwhile. The crawler and the server share the machine's cores, so their CPU
together over the cores is a floor for the wall time that no threading reaches below.

Corpora: "python-docs" (the Python 3.11 documentation of Debian's python3.11-doc) and
"generated:N" (the generated site of bench/crawl/run.py with N pages). When two or more
generated sites are crawled, the last lines compare each tool's wall time per page on the
smallest and the largest (flat cost: a ratio near 1); wget2's ratio shows how much of the
growth is the machine's (the server and the kernel on a site of many files) rather than ours.

--busy N keeps N other processes spinning on the processor for the whole run, as a
machine busy with other work (a build, a browser) is: a crawler whose threads pass each
page from one to the next waits longer there for each hand-over than on an idle machine.

usage: run.py ZELMORA_BINARY [--corpus python-docs,generated:2000,generated:20000,generated:100000] [--runs 3] [--threads 8] [--busy 0]
"""
import argparse
import importlib.util
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
_loader = importlib.util.spec_from_file_location("crawlbench", os.path.join(HERE, "..", "crawl", "run.py"))
crawlbench = importlib.util.module_from_spec(_loader)
_loader.loader.exec_module(crawlbench)

PYTHON_DOCS = "/usr/share/doc/python3.11/html"


# The system's MIME types, so the docs' scripts and images are typed. Generated
# pages share size and time, so their ETags would be equal, and wget2 skips pages
# whose ETag it has seen.
NGINX_TYPES = "include /etc/nginx/mime.types;\n  etag off;"


def process_cpu(pid):
    """User plus system time a running process has used so far, in seconds."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def run_once(args, work, server_pid):
    """Wall time, CPU time, peak RSS, exit code, the kernel's share of the CPU time,
    and the CPU the server spent meanwhile (wait4 on that child, /proc for nginx)."""
    server_before = process_cpu(server_pid)
    start = time.time()
    with open(os.path.join(work, "out.txt"), "w") as out:
        proc = subprocess.Popen(args, stdout=out, stderr=subprocess.STDOUT, cwd=work)
        _, status, usage = os.wait4(proc.pid, 0)
    wall = time.time() - start
    return (wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024.0,
            os.waitstatus_to_exitcode(status), usage.ru_stime, process_cpu(server_pid) - server_before)


def corpus_root(name, work):
    if name == "python-docs":
        if not os.path.isdir(PYTHON_DOCS):
            sys.exit(f"{PYTHON_DOCS} is missing (scripts/install-deps installs python3.11-doc)")
        return PYTHON_DOCS
    if name.startswith("generated:"):
        pages = int(name.split(":", 1)[1])
        root = os.path.join(work, f"site-{pages}")
        os.makedirs(root)
        crawlbench.generate_site(root, pages)
        return root
    sys.exit(f"unknown corpus {name}")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("binary")
    ap.add_argument("--corpus", default="python-docs,generated:2000,generated:20000,generated:100000")
    ap.add_argument("--runs", type=int, default=3)
    ap.add_argument("--threads", type=int, default=8)
    ap.add_argument("--busy", type=int, default=0)
    args = ap.parse_args()
    for tool in ("nginx", "wget2"):
        if not shutil.which(tool):
            sys.exit(f"{tool} is not installed (scripts/install-deps installs it)")
    binary = os.path.abspath(args.binary)
    work = tempfile.mkdtemp(prefix="zelmora-compare-")
    spinners = [subprocess.Popen([sys.executable, "-c", "while True: pass"]) for _ in range(args.busy)]
    per_page = {}  # generated site size -> {tool: median wall time per page}
    try:
        for name in args.corpus.split(","):
            root = corpus_root(name, work)
            port = crawlbench.free_port()
            nginx = crawlbench.start_nginx(root, port, work, NGINX_TYPES)
            url = f"http://127.0.0.1:{port}/index.html"
            zel = [binary, "crawl", url, "--threads", str(args.threads), "--internal-only",
                   "--max-urls", "10000000", "--no-progress", "-q", "--no-settings-file"]
            wget = ["wget2", "--spider", "-r", "-l", "0", f"--max-threads={args.threads}",
                    "-q", "-o", "/dev/null", url]
            wget_close = ["wget2", "-r", "-l", "0", f"--max-threads={args.threads}", "--delete-after",
                          "--header=Connection: close", "-P", os.path.join(work, "wget2-files"),
                          "-q", "-o", "/dev/null", url]
            runners = (("zelmora", zel), ("wget2", wget), ("wget2-close", wget_close))
            results = {label: [] for label, _ in runners}
            try:
                for i in range(args.runs):
                    for label, cmd in runners:
                        r = run_once(cmd, work, nginx.pid)
                        results[label].append(r)
                        print(f"{name} run {i + 1} {label:11s}: wall {r[0]:.2f} s, CPU {r[1]:.2f} s "
                              f"(kernel {r[4]:.2f} s), peak RSS {r[2]:.0f} MB (exit {r[3]}), "
                              f"nginx CPU {r[5]:.2f} s", flush=True)
            finally:
                crawlbench.stop_nginx(nginx)
            med = {k: [statistics.median(r[i] for r in v) for i in (0, 1, 2, 4, 5)]
                   for k, v in results.items()}
            z, w, c = med["zelmora"], med["wget2"], med["wget2-close"]
            print(f"{name} median: zelmora wall {z[0]:.2f} s, CPU {z[1]:.2f} s, RSS {z[2]:.0f} MB | "
                  f"wget2 wall {w[0]:.2f} s, CPU {w[1]:.2f} s, RSS {w[2]:.0f} MB | "
                  f"ratios wall {z[0] / w[0]:.2f}, CPU {z[1] / w[1]:.2f}, RSS {z[2] / w[2]:.2f}",
                  flush=True)
            print(f"{name} median: wget2-close wall {c[0]:.2f} s, CPU {c[1]:.2f} s | "
                  f"zelmora against it: wall {z[0] / c[0]:.2f}, CPU {z[1] / c[1]:.2f}", flush=True)
            # Crawler and server share the machine's cores: their CPU together over the
            # cores is the least wall time the run could take, whatever the crawler's threads do.
            cores = os.cpu_count() or 1
            print(f"{name} median: " + ", ".join(
                f"{k} kernel {v[3]:.2f} s + nginx {v[4]:.2f} s, floor {(v[1] + v[4]) / cores:.2f} s"
                for k, v in med.items()) + f" (CPU of crawler and server over {cores} cores)", flush=True)
            if name.startswith("generated:"):
                pages = int(name.split(":", 1)[1])
                per_page[pages] = {"zelmora": z[0] / pages, "wget2": w[0] / pages}
        if len(per_page) >= 2:
            small, large = min(per_page), max(per_page)
            for tool in ("zelmora", "wget2"):
                a, b = per_page[small][tool], per_page[large][tool]
                print(f"{tool} wall per page: {1000 * a:.3f} ms at {small} pages, "
                      f"{1000 * b:.3f} ms at {large} pages, ratio {b / a:.2f}", flush=True)
    finally:
        for p in spinners:
            p.kill()
            p.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
