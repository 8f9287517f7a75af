#!/usr/bin/env python3
"""Side-by-side crawl benchmark: serves a corpus with nginx on 127.0.0.1 and crawls it
with zelmora and with wget2 (Debian's package, a peer to measure against), alternately,
RUNS times each, printing wall time, CPU time and peak RSS with medians and ratios.

Both check internal links only: zelmora with --internal-only, wget2 with its recursive
spider, which stays on the start host. Nothing but 127.0.0.1 is ever asked.

Four runners:
  zelmora       the default: over HTTP/1.1 every request says "Connection: close", so each
                opens and closes a TCP connection (and over TLS does a handshake)
  zelmora-keep  with --keep-alive: connections are kept and reused
  wget2         its spider, which keeps its connections open
  wget2-close   wget2 doing zelmora's default work: one GET a page (its spider asks for an
                HTML page twice, HEAD then GET, so it runs with --delete-after instead, into
                a folder of the work directory) with "Connection: close", one connection a page
When the zelmora binary has --no-audit and --no-content-analysis, its runners use them (the
work the peers do too), and a fifth runner, zelmora-full, has its defaults. --curl adds
zelmora-curl, the default with ZELMORA_NO_PLAIN_HTTP=1 (every request through libcurl).

Transports:
  (plain)       http, HTTP/1.1
  --tls         https from nginx offering HTTP/2 and HTTP/1.1 by ALPN, with a certificate
                made for the run; wget2 with --no-check-certificate and
                --http2-request-window=1 (so that, like zelmora, it has one request in
                flight a thread), wget2-close also with --no-http2
  --tls-h1      the same with HTTP/2 off in nginx
  --latency MS  a delaying proxy of ours (delay_proxy.py) between the crawlers and nginx:
                MS milliseconds each way, and one round trip more before a new
                connection's first bytes (the TCP handshake); TLS 1.3 only

Each run prints wall, CPU (and the kernel's share), peak RSS, the CPU nginx spent meanwhile,
the HTTP versions of its requests, the TCP connections nginx accepted (stub_status's
"accepts" over the run) and those that carried requests (a connection whose TLS handshake
failed carries none), the requests, the most requests in flight (from nginx's log: a
request is in flight from MS before nginx read it until MS after it answered) and two
floors: the CPU floor, (crawler CPU + nginx CPU) / cores, which no threading gets below, and
the latency floor, requests x round trips x 2 MS / requests in flight, with one round trip
a request on a kept or shared connection, two on a new plain one and three on a new TLS
one. The floor is the larger. Medians come after each corpus, with ratios.

Corpora: "python-docs" (the Python 3.11 documentation of Debian's python3.11-doc) and
"generated:N" (the generated site of bench/crawl/run.py with N pages). When two or more
generated sites are crawled, the last lines compare each tool's wall time per page on the
smallest and the largest.

--busy N keeps N other processes spinning on the processor for the whole run, as a
machine busy with other work is.

usage: run.py ZELMORA_BINARY [--corpus python-docs,generated:2000,generated:20000,generated:100000]
              [--runs 3] [--threads 8] [--busy 0] [--tls | --tls-h1] [--latency MS] [--curl]
"""
import argparse
import collections
import importlib.util
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
import urllib.request

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


def corpus_root(name, work):
    if name == "python-docs":
        if not os.path.isdir(PYTHON_DOCS):
            sys.exit(f"{PYTHON_DOCS} is missing (scripts/install-deps installs python3.11-doc)")
        return PYTHON_DOCS
    if name.startswith("generated:"):
        pages = int(name.split(":", 1)[1])
        root = os.path.join(work, f"site-{pages}")
        if not os.path.isdir(root):
            os.makedirs(root)
            crawlbench.generate_site(root, pages)
        return root
    sys.exit(f"unknown corpus {name}")


def make_certificate(work):
    """A self-signed certificate for 127.0.0.1, made for this run."""
    cert, key = os.path.join(work, "cert.pem"), os.path.join(work, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                    "-nodes", "-keyout", key, "-out", cert, "-days", "2", "-subj", "/CN=127.0.0.1",
                    "-addext", "subjectAltName=IP:127.0.0.1"],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return cert, key


class Server:
    """nginx serving a corpus, its status page and its log; and the delaying proxy."""

    def __init__(self, root, work, transport, latency_ms):
        self.work, self.transport, self.latency = work, transport, latency_ms
        self.port, self.status_port = crawlbench.free_port(), crawlbench.free_port()
        self.log = os.path.join(work, "access.log")
        if os.path.exists(self.log):
            os.remove(self.log)
        listen, server = "", ""
        if transport != "http":
            cert, key = make_certificate(work)
            listen = "ssl http2" if transport == "tls" else "ssl"
            server = f"ssl_certificate {cert};\n    ssl_certificate_key {key};\n    ssl_protocols TLSv1.3;"
        # Each request: when it was answered, how long nginx had it, its connection, its protocol.
        http = (f"log_format bench '$msec $request_time $connection $server_protocol';\n"
                f"  server {{ listen 127.0.0.1:{self.status_port}; access_log off;"
                f" location / {{ stub_status; }} }}")
        # access_log is off for the http block; the corpus's server logs.
        server += f"\n    access_log {self.log} bench buffer=256k flush=100ms;"
        self.nginx = crawlbench.start_nginx(root, self.port, work, NGINX_TYPES + "\n  " + http,
                                            listen_extra=listen, server_extra=server)
        self.proxy = None
        self.url_port = self.port
        if latency_ms:
            self.proxy = subprocess.Popen([sys.executable, os.path.join(HERE, "delay_proxy.py"),
                                           str(self.port), str(latency_ms)],
                                          stdout=subprocess.PIPE, text=True)
            self.url_port = int(self.proxy.stdout.readline())
        scheme = "http" if transport == "http" else "https"
        self.url = f"{scheme}://127.0.0.1:{self.url_port}/index.html"

    def accepts(self):
        """Connections nginx has accepted so far, this status request's own included."""
        with urllib.request.urlopen(f"http://127.0.0.1:{self.status_port}/", timeout=10) as r:
            lines = r.read().decode().splitlines()
        return int(lines[2].split()[0])

    def log_size(self):
        return os.path.getsize(self.log) if os.path.exists(self.log) else 0

    def requests_since(self, offset):
        """(answered at, seconds nginx had it, connection, protocol) of each request
        logged past `offset`, once nginx has written its buffer."""
        time.sleep(0.3)
        rows = []
        with open(self.log) as f:
            f.seek(offset)
            for line in f:
                p = line.split()
                if len(p) == 4:
                    rows.append((float(p[0]), float(p[1]), p[2], p[3]))
        return rows

    def stop(self):
        if self.proxy:
            self.proxy.kill()
            self.proxy.wait()
        crawlbench.stop_nginx(self.nginx)


def most_in_flight(rows, latency_s):
    """The most requests in flight at once, each from `latency_s` before nginx read it
    until `latency_s` after it answered."""
    events = []
    tick = 0.001  # nginx logs in milliseconds: the ends may be off by that much
    for answered, took, _, _ in rows:
        events.append((answered - took - latency_s + tick, 1))
        events.append((answered + latency_s - tick, -1))
    events.sort(key=lambda e: (e[0], -e[1]))  # one that starts as another ends overlaps it
    most = now = 0
    for _, step in events:
        now += step
        most = max(most, now)
    return most


def run_once(args, work, server, env):
    """One crawl and what it cost: a dict of the figures of one line."""
    server_before = process_cpu(server.nginx.pid)
    accepts_before = server.accepts()
    offset = server.log_size()
    start = time.time()
    with open(os.path.join(work, "out.txt"), "w") as out:
        proc = subprocess.Popen(args, stdout=out, stderr=subprocess.STDOUT, cwd=work, env=env)
        _, status, usage = os.wait4(proc.pid, 0)
    wall = time.time() - start
    nginx_cpu = process_cpu(server.nginx.pid) - server_before
    accepted = server.accepts() - accepts_before - 1  # not the status request that asked
    rows = server.requests_since(offset)
    versions = collections.Counter(r[3] for r in rows)
    latency_s = server.latency / 1000.0
    # Without a delay, nginx's log (in milliseconds) cannot tell what overlaps.
    in_flight = most_in_flight(rows, latency_s) if latency_s else 0
    cpu = usage.ru_utime + usage.ru_stime
    cores = os.cpu_count() or 1
    cpu_floor = (cpu + nginx_cpu) / cores
    latency_floor = 0.0
    if latency_s and in_flight:
        new_trips = 2 if server.transport == "http" else 3
        kept = max(0, len(rows) - accepted)
        latency_floor = (kept + accepted * new_trips) * 2 * latency_s / in_flight
    return {"wall": wall, "cpu": cpu, "kernel": usage.ru_stime, "rss": usage.ru_maxrss / 1024.0,
            "exit": os.waitstatus_to_exitcode(status), "nginx": nginx_cpu, "accepts": accepted,
            "requests": len(rows), "carrying": len({r[2] for r in rows}), "in_flight": in_flight, "cpu_floor": cpu_floor,
            "latency_floor": latency_floor, "floor": max(cpu_floor, latency_floor),
            "versions": versions}


def describe(r):
    versions = ", ".join(f"{v} {n}" for v, n in sorted(r["versions"].items())) or "-"
    in_flight = f"{r['in_flight']:.0f}" if r["in_flight"] else "-"
    return (f"wall {r['wall']:.2f} s, CPU {r['cpu']:.2f} s (kernel {r['kernel']:.2f} s), "
            f"peak RSS {r['rss']:.0f} MB, nginx CPU {r['nginx']:.2f} s, {versions}, "
            f"{r['accepts']:.0f} connections accepted, {r['carrying']:.0f} carrying {r['requests']:.0f} requests, "
            f"{in_flight} in flight, "
            f"floor {r['floor']:.2f} s (CPU {r['cpu_floor']:.2f}, latency {r['latency_floor']:.2f})")


def median_of(runs):
    med = {k: statistics.median(r[k] for r in runs) for k in runs[0] if k != "versions"}
    med["versions"] = runs[len(runs) // 2]["versions"]
    return med


def runners(binary, url, threads, work, transport, curl_too):
    """(label, command, environment) of each runner."""
    help_text = subprocess.run([binary, "--help"], capture_output=True, text=True).stdout
    bare = [o for o in ("--no-audit", "--no-content-analysis") if o in help_text]
    zel = [binary, "crawl", url, "--threads", str(threads), "--internal-only",
           "--max-urls", "10000000", "--no-progress", "-q", "--no-settings-file"]
    tls = [] if transport == "http" else ["--no-check-certificate"]
    wget = ["wget2", "--spider", "-r", "-l", "0", f"--max-threads={threads}", "-q", "-o", "/dev/null"] + tls
    if transport == "tls":
        wget.append("--http2-request-window=1")
    wget_close = ["wget2", "-r", "-l", "0", f"--max-threads={threads}", "--delete-after",
                  "--header=Connection: close", "-P", os.path.join(work, "wget2-files"),
                  "-q", "-o", "/dev/null"] + tls + (["--no-http2"] if tls else [])
    env = dict(os.environ)
    out = [("zelmora", zel + bare, env), ("zelmora-keep", zel + bare + ["--keep-alive"], env)]
    if bare:
        out.append(("zelmora-full", zel, env))
    if curl_too:
        out.append(("zelmora-curl", zel + bare, dict(env, ZELMORA_NO_PLAIN_HTTP="1")))
    out += [("wget2", wget + [url], env), ("wget2-close", wget_close + [url], env)]
    return out


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("binary")
    ap.add_argument("--corpus", default="python-docs,generated:2000,generated:20000,generated:100000")
    ap.add_argument("--runs", type=int, default=3)
    ap.add_argument("--threads", type=int, default=8)
    ap.add_argument("--busy", type=int, default=0)
    ap.add_argument("--tls", action="store_true", help="https, HTTP/2 and HTTP/1.1 by ALPN")
    ap.add_argument("--tls-h1", action="store_true", help="https, HTTP/1.1 only")
    ap.add_argument("--latency", type=float, default=0, metavar="MS",
                    help="milliseconds added each way by a delaying proxy")
    ap.add_argument("--curl", action="store_true",
                    help="also zelmora with ZELMORA_NO_PLAIN_HTTP=1 (zelmora-curl)")
    args = ap.parse_args()
    if args.tls and args.tls_h1:
        sys.exit("--tls and --tls-h1 exclude each other")
    transport = "tls" if args.tls else "tls-h1" if args.tls_h1 else "http"
    for tool in ("nginx", "wget2") + (("openssl",) if transport != "http" else ()):
        if not shutil.which(tool):
            sys.exit(f"{tool} is not installed (scripts/install-deps installs it)")
    binary = os.path.abspath(args.binary)
    work = tempfile.mkdtemp(prefix="zelmora-compare-")
    spinners = [subprocess.Popen([sys.executable, "-c", "while True: pass"]) for _ in range(args.busy)]
    per_page = {}  # generated site size -> {tool: median wall time per page}
    mode = transport + (f", {args.latency:g} ms each way" if args.latency else "")
    print(f"transport {mode}; {os.cpu_count()} cores; load average {os.getloadavg()[0]:.1f} at the start",
          flush=True)
    try:
        for name in args.corpus.split(","):
            root = corpus_root(name, work)
            server = Server(root, work, transport, args.latency)
            tools = runners(binary, server.url, args.threads, work, transport, args.curl)
            results = {label: [] for label, _, _ in tools}
            try:
                for i in range(args.runs):
                    for label, cmd, env in tools:
                        r = run_once(cmd, work, server, env)
                        results[label].append(r)
                        print(f"{name} run {i + 1} {label:12s}: {describe(r)} (exit {r['exit']})", flush=True)
            finally:
                server.stop()
            med = {k: median_of(v) for k, v in results.items()}
            for label, m in med.items():
                print(f"{name} median {label:12s}: {describe(m)}; wall / floor {m['wall'] / m['floor']:.2f}",
                      flush=True)
            z, k, w, c = med["zelmora"], med["zelmora-keep"], med["wget2"], med["wget2-close"]
            if "zelmora-curl" in med:
                u = med["zelmora-curl"]
                print(f"{name} own client: zelmora-curl / zelmora wall {u['wall'] / z['wall']:.2f}, "
                      f"CPU {u['cpu'] / z['cpu']:.2f}", flush=True)
            print(f"{name} ratios: zelmora / wget2-close wall {z['wall'] / c['wall']:.2f}, CPU {z['cpu'] / c['cpu']:.2f}"
                  f" | zelmora / wget2 wall {z['wall'] / w['wall']:.2f}, CPU {z['cpu'] / w['cpu']:.2f}"
                  f" | zelmora-keep / wget2 wall {k['wall'] / w['wall']:.2f}, CPU {k['cpu'] / w['cpu']:.2f}"
                  f" | load average {os.getloadavg()[0]:.1f}", flush=True)
            if name.startswith("generated:"):
                pages = int(name.split(":", 1)[1])
                per_page[pages] = {"zelmora": z["wall"] / pages, "wget2": w["wall"] / pages}
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
