#!/usr/bin/env python3
"""On every file of the acceptance cases, the diagnostics kvf-lsp publishes are kvfcheck's
findings: same order, level, line, message id and text. Usage:
parity_test.py KVF_LSP KVFCHECK ACCEPTANCE_DIR"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(__file__))
from lsp_client import HANGS, Client  # noqa: E402

CASE_FILES = {"expected", "expected.jsonl", "args", "settings.ini", "why", "exit"}
SEVERITY = {"Error": 1, "Fatal Error": 1, "Warning": 2}


def cases(root):
    for dirpath, dirnames, filenames in os.walk(root):
        dirnames.sort()
        inputs = [f for f in sorted(filenames) if f not in CASE_FILES and not f.endswith(".py")]
        if "expected" in filenames or "expected.jsonl" in filenames:
            if len(inputs) == 1:
                yield dirpath, inputs[0]


# The five bytes the code page leaves undefined are the C1 controls of the same value, as the
# engine reads them.
UNDEFINED = {0x81, 0x8D, 0x8F, 0x90, 0x9D}


def windows1252(data):
    return "".join(chr(b) if b in UNDEFINED else bytes([b]).decode("cp1252") for b in data)


UTF8_MARK = b"\xef\xbb\xbf"


def client_texts(data):
    """The texts a client sends for a file: a file with the UTF-8 byte order mark is UTF-8,
    decoded with the mark hidden (as most clients do) and with it kept as U+FEFF; any other
    file is Windows-1252."""
    if data.startswith(UTF8_MARK):
        text = data[len(UTF8_MARK):].decode("utf-8")
        return [text, "\ufeff" + text]
    return [windows1252(data)]


def kvfcheck_findings(kvfcheck, path, settings):
    run = subprocess.run([kvfcheck, "--settings", settings, "--format", "json", path],
                         capture_output=True, timeout=HANGS)
    if run.returncode == 2:
        return None
    document = json.loads(run.stdout)
    return [(SEVERITY[r["exception"]], r["line"], r["id"], r["text"])
            for r in document["rows"] if r["exception"] in SEVERITY]


def server_findings(diagnostics):
    found = []
    for d in diagnostics:
        start, end = d["range"]["start"], d["range"]["end"]
        line = None if (start == end == {"line": 0, "character": 0}) else start["line"] + 1
        assert d["source"] == "kvfcheck"
        found.append((d["severity"], line, d["code"], d["message"]))
    return found


def main():
    server, kvfcheck, root = sys.argv[1:4]
    failures = 0
    compared = 0
    with tempfile.TemporaryDirectory() as work:
        clients = {}
        for case_dir, name in cases(root):
            settings = os.path.join(case_dir, "settings.ini")
            if not os.path.exists(settings):
                settings = os.path.join(work, "empty.ini")
                open(settings, "a").close()
            folder = os.path.join(work, str(compared))
            os.makedirs(folder)
            path = os.path.join(folder, name)
            shutil.copy(os.path.join(case_dir, name), path)
            if settings not in clients:
                clients[settings] = Client(server)
                clients[settings].initialize(settings)
            client = clients[settings]
            with open(path, "rb") as f:
                texts = client_texts(f.read())
            want = kvfcheck_findings(kvfcheck, path, settings)
            if want is None:
                continue  # a file kvfcheck cannot read (UTF-16): no document of an editor
            uri = "file://" + path
            for form, text in enumerate(texts):
                client.notify("textDocument/didOpen",
                              {"textDocument": {"uri": uri, "languageId": "kvf", "version": 1 + form,
                                                "text": text}})
                got = server_findings(
                    client.diagnostics(uri, 1 + form, timeout=HANGS)["diagnostics"])
                client.notify("textDocument/didClose", {"textDocument": {"uri": uri}})
                compared += 1
                if got != want:
                    failures += 1
                    kept = " (the mark kept)" if form == 1 else ""
                    print(f"FAIL {os.path.relpath(case_dir, root)}{kept}")
                    for i in range(max(len(got), len(want))):
                        g = got[i] if i < len(got) else None
                        w = want[i] if i < len(want) else None
                        if g != w:
                            print(f"  kvfcheck {w}\n  server   {g}")
        for client in clients.values():
            assert client.finish() == 0
    print(f"{compared} texts compared, {failures} differ")
    return 1 if failures or compared == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
