"""Headless Chromium driven through its DevTools protocol, with nothing but
Python's standard library: a small WebSocket client, the browser started
on a fresh profile with its network to the outside closed, and one page
session per tab."""

import base64
import json
import os
import re
import shutil
import socket
import struct
import subprocess
import tempfile
import time

CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-extensions", "--mute-audio", "--remote-debugging-port=0",
    "--remote-allow-origins=*",
]


def find_chromium():
    for name in ("chromium", "chromium-browser", "google-chrome"):
        path = shutil.which(name)
        if path:
            return path
    return None


class WebSocket:
    """Text frames only, which is all the protocol uses."""

    def __init__(self, url):
        match = re.match(r"ws://([^:/]+):(\d+)(/.*)", url)
        host, port, path = match.group(1), int(match.group(2)), match.group(3)
        self.sock = socket.create_connection((host, port), timeout=60)
        key = base64.b64encode(os.urandom(16)).decode()
        request = (f"GET {path} HTTP/1.1\r\nHost: {host}:{port}\r\nUpgrade: websocket\r\n"
                   f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
                   "Sec-WebSocket-Version: 13\r\n\r\n")
        self.sock.sendall(request.encode())
        reply = b""
        while b"\r\n\r\n" not in reply:
            chunk = self.sock.recv(4096)
            if not chunk:
                raise ConnectionError("the browser closed the connection")
            reply += chunk
        head, self.buffer = reply.split(b"\r\n\r\n", 1)
        if b" 101 " not in head.split(b"\r\n", 1)[0]:
            raise ConnectionError("no WebSocket upgrade: " + head.decode(errors="replace"))

    def send(self, text):
        data = text.encode()
        mask = os.urandom(4)
        header = bytes([0x81])
        if len(data) < 126:
            header += bytes([0x80 | len(data)])
        elif len(data) < 65536:
            header += bytes([0x80 | 126]) + struct.pack(">H", len(data))
        else:
            header += bytes([0x80 | 127]) + struct.pack(">Q", len(data))
        masked = bytes(b ^ mask[i % 4] for i, b in enumerate(data))
        self.sock.sendall(header + mask + masked)

    def _read(self, count):
        while len(self.buffer) < count:
            chunk = self.sock.recv(1 << 16)
            if not chunk:
                raise ConnectionError("the browser closed the connection")
            self.buffer += chunk
        data, self.buffer = self.buffer[:count], self.buffer[count:]
        return data

    def receive(self):
        message = b""
        while True:
            first, second = self._read(2)
            length = second & 0x7F
            if length == 126:
                length = struct.unpack(">H", self._read(2))[0]
            elif length == 127:
                length = struct.unpack(">Q", self._read(8))[0]
            payload = self._read(length)
            opcode = first & 0x0F
            if opcode == 0x8:
                raise ConnectionError("the browser closed the connection")
            if opcode in (0x9, 0xA):
                continue  # ping / pong
            message += payload
            if first & 0x80:
                return message.decode()


class Browser:
    def __init__(self, executable, extra_flags=()):
        self.executable = executable
        self.profile = tempfile.mkdtemp(prefix="deckhollow-chromium-")
        self.process = subprocess.Popen(
            [executable, *CHROMIUM_FLAGS, *extra_flags, f"--user-data-dir={self.profile}",
             "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        url = None
        deadline = time.time() + 60
        while time.time() < deadline:
            line = self.process.stderr.readline()
            if not line:
                break
            match = re.search(r"DevTools listening on (ws://\S+)", line)
            if match:
                url = match.group(1)
                break
        if url is None:
            self.close()
            raise RuntimeError("Chromium did not start its DevTools endpoint")
        self.ws = WebSocket(url)
        self.next_id = 0
        self.events = []

    def command(self, method, session=None, **params):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        self.ws.send(json.dumps(message))
        while True:
            reply = json.loads(self.ws.receive())
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error']}")
                return reply.get("result", {})
            self.events.append(reply)

    def open_tab(self, url, width, height, scale_factor=1):
        target = self.command("Target.createTarget", url="about:blank")["targetId"]
        session = self.command("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
        tab = Tab(self, session, target)
        self.command("Emulation.setDeviceMetricsOverride", session, width=width, height=height,
                     deviceScaleFactor=scale_factor, mobile=False)
        tab.navigate(url)
        return tab

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)


class Tab:
    def __init__(self, browser, session, target):
        self.browser, self.session, self.target = browser, session, target

    def command(self, method, **params):
        return self.browser.command(method, self.session, **params)

    def navigate(self, url):
        self.command("Page.navigate", url=url)

    def reload(self):
        self.command("Page.reload", ignoreCache=False)

    def evaluate(self, expression, await_promise=False):
        result = self.command("Runtime.evaluate", expression=expression, returnByValue=True,
                              awaitPromise=await_promise)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait_for(self, expression, timeout=60, what=None):
        deadline = time.time() + timeout
        while time.time() < deadline:
            try:
                value = self.evaluate(expression)
            except RuntimeError:
                value = None
            if value:
                return value
            time.sleep(0.02)
        raise TimeoutError(f"waited {timeout} s for {what or expression}")

    def mouse(self, kind, x, y):
        self.command("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                     buttons=1 if kind != "mouseReleased" else 0, clickCount=1)

    def key(self, name, code):
        for kind in ("rawKeyDown", "keyUp"):
            self.command("Input.dispatchKeyEvent", type=kind, key=name, code=name,
                         windowsVirtualKeyCode=code, nativeVirtualKeyCode=code)

    def close(self):
        self.browser.command("Target.closeTarget", targetId=self.target)
