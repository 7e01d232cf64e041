#!/usr/bin/env python3
"""kvf-lsp through its transport: recorded scripts of raw bytes in, the messages that must
come out. Usage: transport_test.py KVF_LSP"""
import json
import os
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from lsp_client import HANGS, Client, frame  # noqa: E402

SERVER = sys.argv[1]
SETTINGS = tempfile.NamedTemporaryFile(suffix=".ini", delete=False).name

INIT = {"jsonrpc": "2.0", "id": 1, "method": "initialize",
        "params": {"capabilities": {}, "initializationOptions": {"settingsFile": SETTINGS}}}
INITIALIZED = {"jsonrpc": "2.0", "method": "initialized", "params": {}}
SHUTDOWN = {"jsonrpc": "2.0", "id": 99, "method": "shutdown"}
EXIT = {"jsonrpc": "2.0", "method": "exit"}


def req(rid, method, params=None):
    return {"jsonrpc": "2.0", "id": rid, "method": method, "params": params or {}}


def has_id(rid, error=None):
    def check(m):
        if m.get("id") != rid or "method" in m:
            return False
        return (error is None and "result" in m) or (error is not None and m.get("error", {}).get("code") == error)
    check.__name__ = f"response {rid}" + (f" error {error}" if error else "")
    return check


def parse_error(m):
    return m.get("id") is None and m.get("error", {}).get("code") == -32700


SYMBOLS = req(2, "textDocument/documentSymbol", {"textDocument": {"uri": "file:///none.kvf"}})

OPEN = {"jsonrpc": "2.0", "method": "textDocument/didOpen",
        "params": {"textDocument": {"uri": "file:///tmp/ACME1234.kvf", "languageId": "kvf", "version": 1,
                                    "text": "#TALVERON_DP\nBogus = 1\n"}}}
# A code action for a finding that carries 100,000 nested arrays besides: answered, and what
# the answer repeats of the finding is the finding alone.
DEEP = b'{"jsonrpc": "2.0", "id": 7, "method": "textDocument/codeAction", "params": {' \
       b'"textDocument": {"uri": "file:///tmp/ACME1234.kvf"}, "range": {"start": {"line": 1, "character": 0}, ' \
       b'"end": {"line": 1, "character": 0}}, "context": {"diagnostics": [{"range": {"start": {"line": 1, ' \
       b'"character": 0}, "end": {"line": 1, "character": 5}}, "code": 133, "source": "kvfcheck", ' \
       b'"message": "x", "data": ' + b"[" * 100000 + b"]" * 100000 + b"}]}}}"

# Each script: the pieces written one after the other (a short pause between them, so the
# server reads them apart), what must be answered, and the exit status.
SCRIPTS = [
    ("lifecycle", [frame(INIT), frame(INITIALIZED), frame(SHUTDOWN), frame(EXIT)],
     [has_id(1), has_id(99)], 0),
    ("exit without shutdown", [frame(INIT), frame(EXIT)], [has_id(1)], 1),
    ("input ends without exit", [frame(INIT)], [has_id(1)], 1),
    ("header split over two reads",
     [frame(INIT), frame(SYMBOLS)[:9], frame(SYMBOLS)[9:20], frame(SYMBOLS)[20:], frame(SHUTDOWN), frame(EXIT)],
     [has_id(1), has_id(2), has_id(99)], 0),
    ("two messages in one read", [frame(INIT) + frame(SYMBOLS), frame(SHUTDOWN) + frame(EXIT)],
     [has_id(1), has_id(2), has_id(99)], 0),
    ("request before initialize", [frame(SYMBOLS), frame(INIT), frame(SHUTDOWN), frame(EXIT)],
     [has_id(2, -32002), has_id(1)], 0),
    ("request after shutdown", [frame(INIT), frame(SHUTDOWN), frame(req(5, "textDocument/documentSymbol")), frame(EXIT)],
     [has_id(1), has_id(99), has_id(5, -32600)], 0),
    ("unknown method", [frame(INIT), frame(req(3, "textDocument/noSuchThing")), frame(SHUTDOWN), frame(EXIT)],
     [has_id(3, -32601)], 0),
    ("malformed JSON", [frame(INIT), frame(b'{"jsonrpc": "2.0", "id": 4, "method"'), frame(SHUTDOWN), frame(EXIT)],
     [has_id(1), parse_error, has_id(99)], 0),
    ("params of the wrong shape",
     [frame(INIT), frame(req(6, "textDocument/documentSymbol", {"textDocument": {"uri": 5}})), frame(SHUTDOWN), frame(EXIT)],
     [has_id(6), has_id(99)], 0),
    ("length shorter than the body",
     [frame(INIT), b"Content-Length: 10\r\n\r\n" + json.dumps(SYMBOLS).encode(), frame(SHUTDOWN), frame(EXIT)],
     [has_id(1), parse_error, has_id(99)], 0),
    ("header without a length", [frame(INIT), b"Content-Type: x\r\n\r\n", frame(SHUTDOWN), frame(EXIT)],
     [has_id(1), parse_error, has_id(99)], 0),
    ("body over 64 MiB refused unread",
     [frame(INIT), b"Content-Length: 67108865\r\n\r\n" + b" " * 67108865, frame(SHUTDOWN), frame(EXIT)],
     [has_id(1), parse_error, has_id(99)], 0),
    ("deeply nested member of a finding", [frame(INIT), frame(OPEN), frame(DEEP), frame(SHUTDOWN), frame(EXIT)],
     [has_id(1), has_id(7), has_id(99)], 0),
    ("input ends after shutdown without exit", [frame(INIT), frame(SHUTDOWN)], [has_id(1), has_id(99)], 1),
    ("body of exactly 64 MiB read",
     [frame(INIT), frame(json.dumps(SYMBOLS).encode().ljust(64 * 1024 * 1024)), frame(SHUTDOWN), frame(EXIT)],
     [has_id(1), has_id(2), has_id(99)], 0),
    ("a cancel reaches the request it names and no other",
     [frame(INIT), frame(SYMBOLS) + frame(dict(SYMBOLS, id=3))
      + frame({"jsonrpc": "2.0", "method": "$/cancelRequest", "params": {"id": 3}}),
      frame(SHUTDOWN), frame(EXIT)],
     [has_id(1), has_id(2), has_id(3, -32800), has_id(99)], 0),
    ("cancelled in the same read",
     [frame(INIT), frame(SYMBOLS) + frame({"jsonrpc": "2.0", "method": "$/cancelRequest", "params": {"id": 2}}),
      frame(SHUTDOWN), frame(EXIT)],
     [has_id(1), has_id(2, -32800), has_id(99)], 0),
]


def run(name, pieces, expected, status):
    client = Client(SERVER)
    try:
        for piece in pieces:
            client.send_bytes(piece)
            time.sleep(0.05)
        for predicate in expected:
            client.wait_for(predicate, timeout=HANGS)
        client.proc.stdin.close()
        got = client.proc.wait(HANGS)
        assert got == status, f"exit status {got}, expected {status}"
        # Logs go to standard error only: standard output holds nothing but messages.
        rest = client.proc.stdout.read()
        assert rest == b"" or rest.startswith(b"Content-Length: "), rest[:80]
    except Exception as failure:
        client.proc.kill()
        print(f"FAIL {name}: {failure}")
        return False
    print(f"ok   {name}")
    return True


def main():
    results = [run(*script) for script in SCRIPTS]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
