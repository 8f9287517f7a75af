#!/usr/bin/env python3
"""What a crawl found, without its timings, so that two builds (or two thread counts)
can be compared: a speed change must not change a single record or link.

  findings.py save ZELMORA_BINARY OUT_DIR [--threads 1] [--option OPT ...] [--env NAME=VALUE ...] [--tls]
      crawls the example site (as a folder) and the generated 20,000-page site (served by
      nginx on 127.0.0.1) and writes demo.json and generated.json, timing fields removed.
      --option adds an option to both crawls (--option=--keep-alive), --env sets a variable
      for them (ZELMORA_NO_PLAIN_HTTP=1), --tls serves the site over https with HTTP/2
      (its addresses are written as http ones, so that the findings compare).
  findings.py compare A_DIR B_DIR [--as-sets]
      exits 0 when both directories hold the same findings: in the same order, or with
      --as-sets as the same set of records and instances (for crawls with many threads,
      whose order depends on which response comes first).
"""
import argparse
import importlib.util
import json
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.abspath(os.path.join(HERE, "..", ".."))
_loader = importlib.util.spec_from_file_location("crawlbench", os.path.join(HERE, "..", "crawl", "run.py"))
crawlbench = importlib.util.module_from_spec(_loader)
_loader.loader.exec_module(crawlbench)
_loader = importlib.util.spec_from_file_location("comparebench", os.path.join(HERE, "run.py"))
comparebench = importlib.util.module_from_spec(_loader)
_loader.loader.exec_module(comparebench)

# Fields that hold times, or that depend on when or how fast an answer came.
TIMING = {"timestamp", "responsetime", "loadtime", "downloadtime", "fetchedAt", "responseMs", "loadMs"}
# Fields whose order follows the order of the answers.
ORDER_DEPENDENT = {"foundOn", "inbound", "warnings"}


def strip(doc):
    for r in doc.get("records", []):
        for k in TIMING:
            r.pop(k, None)
    return doc


def crawl(binary, target, threads, out, options=(), env=None):
    args = [binary, "crawl", target, "--threads", str(threads), "--timeout", "30",
            "--max-urls", "10000000", "--no-progress", "--json", out] + list(options)
    subprocess.run(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=1800, env=env)
    with open(out) as f:
        return strip(json.load(f))


def save(binary, out_dir, threads, pages, options, env_pairs, tls):
    os.makedirs(out_dir, exist_ok=True)
    env = dict(os.environ)
    env.update(pair.split("=", 1) for pair in env_pairs)
    with tempfile.TemporaryDirectory() as work:
        demo = crawl(binary, os.path.join(REPO, "examples", "site"), threads,
                     os.path.join(work, "demo.json"), options, env)
        root = os.path.join(work, "site")
        os.makedirs(root)
        crawlbench.generate_site(root, pages)
        port = crawlbench.free_port()
        listen, server = "", ""
        if tls:
            cert, key = comparebench.make_certificate(work)
            listen, server = "ssl http2", f"ssl_certificate {cert}; ssl_certificate_key {key};"
        nginx = crawlbench.start_nginx(root, port, work, listen_extra=listen, server_extra=server)
        scheme = "https" if tls else "http"
        try:
            gen = crawl(binary, f"{scheme}://127.0.0.1:{port}/", threads, os.path.join(work, "gen.json"),
                        options, env)
        finally:
            crawlbench.stop_nginx(nginx)
    # The port differs between runs; the findings do not.
    text = json.dumps(gen, indent=1, sort_keys=True).replace(f"{scheme}://127.0.0.1:{port}",
                                                             "http://127.0.0.1:PORT")
    with open(os.path.join(out_dir, "generated.json"), "w") as f:
        f.write(text)
    with open(os.path.join(out_dir, "demo.json"), "w") as f:
        json.dump(demo, f, indent=1, sort_keys=True)
    print(f"{out_dir}: demo {len(demo['records'])} records, generated {len(gen['records'])} records")


def as_set(doc):
    rows = set()
    for r in doc.get("records", []):
        r = dict(r)
        for k in ORDER_DEPENDENT:
            if isinstance(r.get(k), list):
                r[k] = sorted(json.dumps(x, sort_keys=True) for x in r[k])
        rows.add(json.dumps(r, sort_keys=True))
    return rows


def compare(a_dir, b_dir, as_sets):
    same = True
    for name in ("demo.json", "generated.json"):
        with open(os.path.join(a_dir, name)) as f:
            a = json.load(f)
        with open(os.path.join(b_dir, name)) as f:
            b = json.load(f)
        if as_sets:
            sa, sb = as_set(a), as_set(b)
            ok = sa == sb and a.get("counts") == b.get("counts")
            detail = f"{len(sa - sb)} records only in A, {len(sb - sa)} only in B"
        else:
            ok = a == b
            diff = [i for i, (x, y) in enumerate(zip(a["records"], b["records"])) if x != y]
            detail = (f"{len(a['records'])} vs {len(b['records'])} records, "
                      f"first difference at {diff[0] if diff else '-'}")
        print(f"{name}: {'same' if ok else 'DIFFERENT'} ({detail})")
        same = same and ok
    return 0 if same else 1


def main():
    ap = argparse.ArgumentParser()
    sub = ap.add_subparsers(dest="cmd", required=True)
    s = sub.add_parser("save")
    s.add_argument("binary")
    s.add_argument("out_dir")
    s.add_argument("--threads", type=int, default=1)
    s.add_argument("--pages", type=int, default=20000)
    s.add_argument("--option", action="append", default=[])
    s.add_argument("--env", action="append", default=[])
    s.add_argument("--tls", action="store_true")
    c = sub.add_parser("compare")
    c.add_argument("a_dir")
    c.add_argument("b_dir")
    c.add_argument("--as-sets", action="store_true")
    args = ap.parse_args()
    if args.cmd == "save":
        save(os.path.abspath(args.binary), args.out_dir, args.threads, args.pages, args.option,
             args.env, args.tls)
        return 0
    return compare(args.a_dir, args.b_dir, args.as_sets)


if __name__ == "__main__":
    sys.exit(main())
