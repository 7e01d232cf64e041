"""A small client of kvf-lsp for the tests: frames messages, reads the server's messages with
a time limit, and waits for the ones a test expects."""
import json
import os
import select
import subprocess
import time

# A wait for a message fails only when the message never comes: long enough for a machine busy
# with other work (and for the sanitizers), never a measure of speed.
HANGS = 120.0


def frame(message) -> bytes:
    body = message if isinstance(message, bytes) else json.dumps(message).encode("utf-8")
    return b"Content-Length: %d\r\n\r\n" % len(body) + body


class Client:
    def __init__(self, server, args=(), cwd=None, env=None):
        self.proc = subprocess.Popen([server, *args], stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, stderr=subprocess.PIPE, cwd=cwd,
                                     env=env)
        self.buffer = b""
        self.next_id = 1
        self.received = []

    def send_bytes(self, data: bytes):
        self.proc.stdin.write(data)
        self.proc.stdin.flush()

    def send(self, message):
        self.send_bytes(frame(message))

    def request(self, method, params=None):
        rid = self.next_id
        self.next_id += 1
        self.send({"jsonrpc": "2.0", "id": rid, "method": method, "params": params or {}})
        return rid

    def notify(self, method, params=None):
        self.send({"jsonrpc": "2.0", "method": method, "params": params or {}})

    def _read_one(self, deadline):
        while True:
            head_end = self.buffer.find(b"\r\n\r\n")
            if head_end >= 0:
                header = self.buffer[:head_end].decode("ascii")
                length = None
                for line in header.split("\r\n"):
                    name, _, value = line.partition(":")
                    if name.strip().lower() == "content-length":
                        length = int(value)
                assert length is not None, f"server header without length: {header!r}"
                if len(self.buffer) >= head_end + 4 + length:
                    body = self.buffer[head_end + 4:head_end + 4 + length]
                    self.buffer = self.buffer[head_end + 4 + length:]
                    return json.loads(body)
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                return None
            ready, _, _ = select.select([self.proc.stdout], [], [], remaining)
            if not ready:
                return None
            chunk = os.read(self.proc.stdout.fileno(), 65536)
            if not chunk:
                return None
            self.buffer += chunk

    def wait_for(self, predicate, timeout=HANGS):
        """The first message (received before or now) for which predicate holds."""
        for i, message in enumerate(self.received):
            if predicate(message):
                return self.received.pop(i)
        deadline = time.monotonic() + timeout
        while True:
            message = self._read_one(deadline)
            if message is None:
                raise AssertionError(f"no expected message within {timeout} s; got {self.received}")
            if predicate(message):
                return message
            self.received.append(message)

    def response(self, rid, timeout=HANGS):
        return self.wait_for(lambda m: m.get("id") == rid and "method" not in m, timeout)

    def diagnostics(self, uri, version=None, timeout=HANGS):
        def matches(m):
            if m.get("method") != "textDocument/publishDiagnostics":
                return False
            p = m["params"]
            return p["uri"] == uri and (version is None or p.get("version") == version)
        return self.wait_for(matches, timeout)["params"]

    def initialize(self, settings_file):
        rid = self.request("initialize", {"processId": None, "rootUri": None, "capabilities": {},
                                          "initializationOptions": {"settingsFile": settings_file}})
        result = self.response(rid)["result"]
        self.notify("initialized", {})
        return result

    def finish(self, timeout=HANGS):
        rid = self.request("shutdown")
        self.response(rid)
        self.notify("exit")
        self.proc.stdin.close()
        return self.proc.wait(timeout)
