#!/usr/bin/env python3
"""kvf-lsp answers every acceptance file as it did when the transcripts were recorded: the
diagnostics it publishes, the outline, the folds, the hover of every line's key and value,
the completion at every line's end and the quick fixes of every finding. Each answer is kept
as a digest of its JSON (the diagnostics' own `data` member left out: the fixes read it back,
the transcripts compare what a client shows). Usage:
transcript_test.py KVF_LSP ACCEPTANCE_DIR TRANSCRIPTS [--record]"""
import hashlib
import json
import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(__file__))
from lsp_client import Client  # noqa: E402
from parity_test import cases, client_texts  # noqa: E402


def digest(value):
    text = json.dumps(value, sort_keys=True, separators=(",", ":"), ensure_ascii=False)
    return hashlib.sha256(text.encode("utf-8")).hexdigest()[:16]


def without_data(diagnostics):
    return [{k: v for k, v in d.items() if k != "data"} for d in diagnostics]


def transcript(client, uri, text):
    """The requests of one document and a digest of each answer, in order."""
    answers = []
    client.notify("textDocument/didOpen",
                  {"textDocument": {"uri": uri, "languageId": "kvf", "version": 1, "text": text}})
    published = client.diagnostics(uri, 1)["diagnostics"]
    answers.append(["diagnostics", digest(without_data(published))])
    doc = {"uri": uri}

    def ask(name, method, params):
        rid = client.request(method, dict(params, textDocument=doc))
        answers.append([name, digest(client.response(rid).get("result"))])

    ask("symbols", "textDocument/documentSymbol", {})
    ask("folding", "textDocument/foldingRange", {})
    for n, line in enumerate(text.split("\n")):
        line = line.rstrip("\r")
        ask(f"hover {n}:0", "textDocument/hover", {"position": {"line": n, "character": 0}})
        equal = line.find("=")
        if equal >= 0:
            at = min(len(line), equal + 2)
            ask(f"hover {n}:{at}", "textDocument/hover",
                {"position": {"line": n, "character": at}})
        ask(f"completion {n}:{len(line)}", "textDocument/completion",
            {"position": {"line": n, "character": len(line)}})
    for i, d in enumerate(published):
        ask(f"codeAction {i}", "textDocument/codeAction",
            {"range": d["range"], "context": {"diagnostics": [d]}})
    client.notify("textDocument/didClose", {"textDocument": doc})
    return answers


def main():
    server, root, stored = sys.argv[1:4]
    record = "--record" in sys.argv[4:]
    recorded = {}
    if not record:
        with open(stored, encoding="utf-8") as f:
            recorded = json.load(f)
    made = {}
    failures = 0
    with tempfile.TemporaryDirectory() as work:
        empty = os.path.join(work, "empty.ini")
        open(empty, "w").close()
        clients = {}
        for case_dir, name in cases(root):
            case = os.path.relpath(case_dir, root)
            settings = os.path.join(case_dir, "settings.ini")
            if not os.path.exists(settings):
                settings = empty
            if settings not in clients:
                clients[settings] = Client(server)
                clients[settings].initialize(settings)
            with open(os.path.join(case_dir, name), "rb") as f:
                data = f.read()
            uri = f"file:///transcripts/{case}/{name}"
            made[case] = transcript(clients[settings], uri, client_texts(data)[0])
            if record:
                continue
            want = recorded.get(case)
            if want != made[case]:
                failures += 1
                differing = [g[0] for g, w in zip(made[case], want or []) if g != w]
                print(f"FAIL {case}: {differing[:10] or 'different requests'}")
        for client in clients.values():
            assert client.finish() == 0
    if record:
        with open(stored, "w", encoding="utf-8") as f:
            json.dump(made, f, indent=0, sort_keys=True)
            f.write("\n")
        print(f"{len(made)} transcripts recorded")
        return 0
    missing = set(recorded) - set(made)
    for case in sorted(missing):
        print(f"FAIL {case}: not answered")
    print(f"{len(made)} transcripts compared, {failures + len(missing)} differ")
    return 1 if failures or missing or not made else 0


if __name__ == "__main__":
    sys.exit(main())
