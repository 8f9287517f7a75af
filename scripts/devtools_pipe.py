"""A headless Chromium driven over the DevTools protocol on its pipes, for the
scripts that photograph zelmora's pages (no network port is opened)."""
import base64
import json
import os
import shutil
import subprocess
import tempfile
import time


class Browser:
    def __init__(self, width=1400, height=900):
        exe = os.environ.get("ZELMORA_BROWSER") or shutil.which("chromium-headless-shell") \
            or shutil.which("chromium")
        if not exe:
            raise SystemExit("no headless Chromium (scripts/install-deps installs it)")
        self.profile = tempfile.mkdtemp(prefix="zelmora-pictures-")
        to_browser_r, self.to_browser = os.pipe()
        self.from_browser, from_browser_w = os.pipe()

        def pipes():
            os.dup2(to_browser_r, 3)
            os.dup2(from_browser_w, 4)

        args = [exe, "--headless", "--remote-debugging-pipe", "--no-first-run", "--disable-gpu",
                "--disable-dev-shm-usage", "--disable-extensions", "--disable-background-networking",
                "--hide-scrollbars", "--mute-audio", f"--user-data-dir={self.profile}",
                f"--window-size={width},{height}"]
        if os.geteuid() == 0:
            args.append("--no-sandbox")  # Chromium will not start its sandbox as root (containers)
        self.proc = subprocess.Popen(args, preexec_fn=pipes, pass_fds=(3, 4),
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self.buffer = b""
        self.next_id = 1
        self.events = []
        self.session = None
        self.width, self.height = width, height

    def _read_message(self, deadline):
        while b"\0" not in self.buffer:
            if time.time() > deadline:
                raise TimeoutError("the browser did not answer")
            chunk = os.read(self.from_browser, 1 << 20)
            if not chunk:
                raise RuntimeError("the browser went away")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def call(self, method, params=None, session=True, timeout=30):
        msg = {"id": self.next_id, "method": method, "params": params or {}}
        if session and self.session:
            msg["sessionId"] = self.session
        self.next_id += 1
        os.write(self.to_browser, json.dumps(msg).encode() + b"\0")
        deadline = time.time() + timeout
        while True:
            reply = self._read_message(deadline)
            if reply.get("id") == msg["id"]:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error']}")
                return reply.get("result", {})
            self.events.append(reply)

    def open_page(self):
        target = self.call("Target.createTarget", {"url": "about:blank"}, session=False)
        attached = self.call("Target.attachToTarget", {"targetId": target["targetId"], "flatten": True},
                             session=False)
        self.session = attached["sessionId"]
        for domain in ("Page.enable", "Runtime.enable", "Log.enable"):
            self.call(domain)
        self.call("Emulation.setDeviceMetricsOverride",
                  {"width": self.width, "height": self.height, "deviceScaleFactor": 1, "mobile": False})

    def navigate(self, url):
        self.call("Page.navigate", {"url": url})

    def eval(self, expression, timeout=30):
        result = self.call("Runtime.evaluate", {"expression": expression, "returnByValue": True,
                                                "awaitPromise": True}, timeout=timeout)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait_for(self, expression, timeout=30):
        deadline = time.time() + timeout
        while time.time() < deadline:
            try:
                if self.eval(f"!!({expression})"):
                    return
            except RuntimeError:
                pass
            time.sleep(0.1)
        raise TimeoutError(f"waited in vain for {expression}")

    def problems(self):
        """Console errors, exceptions and security (CSP) messages seen so far."""
        out = []
        for e in self.events:
            m = e.get("method")
            p = e.get("params", {})
            if m == "Runtime.exceptionThrown":
                out.append(p["exceptionDetails"].get("text", "exception"))
            elif m == "Runtime.consoleAPICalled" and p.get("type") == "error":
                out.append(" ".join(str(a.get("value", a.get("description", ""))) for a in p.get("args", [])))
            elif m == "Log.entryAdded" and p["entry"].get("level") == "error":
                out.append(p["entry"].get("text", ""))
        return out

    def screenshot(self, path):
        data = self.call("Page.captureScreenshot", {"format": "png"})["data"]
        with open(path, "wb") as f:
            f.write(base64.b64decode(data))

    def close(self):
        try:
            self.call("Browser.close", session=False, timeout=5)
        except Exception:
            pass
        try:
            self.proc.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
        shutil.rmtree(self.profile, ignore_errors=True)
