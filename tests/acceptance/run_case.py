#!/usr/bin/env python3
"""Runs one acceptance case of kvfcheck.

A case folder holds one input file (its name is the document title), and either
`expected` (the exact rows a check run prints) or `expected.jsonl` (the entry database
that --dump-db prints, compared as JSON objects line by line). Optional: `args` (further
arguments, split like a shell) and `settings.ini` (the settings store; an empty one
otherwise). The case runs in an empty temporary directory holding a copy of the input.
"""
import json
import os
import shlex
import shutil
import subprocess
import sys
import tempfile

CASE_FILES = {"expected", "expected.jsonl", "args", "settings.ini", "why", "exit"}


def main() -> int:
    kvfcheck, case_dir = sys.argv[1], sys.argv[2]
    inputs = [f for f in sorted(os.listdir(case_dir)) if f not in CASE_FILES]
    if len(inputs) != 1:
        print(f"case {case_dir}: expected one input file, found {inputs}")
        return 1
    name = inputs[0]
    args_path = os.path.join(case_dir, "args")
    args = shlex.split(open(args_path).read()) if os.path.exists(args_path) else []

    with tempfile.TemporaryDirectory() as work:
        shutil.copy(os.path.join(case_dir, name), os.path.join(work, name))
        settings = os.path.join(work, "settings.ini")
        case_settings = os.path.join(case_dir, "settings.ini")
        if os.path.exists(case_settings):
            shutil.copy(case_settings, settings)
        else:
            open(settings, "w").close()
        cmd = [kvfcheck, "--settings", settings, *args, name]
        run = subprocess.run(cmd, cwd=work, capture_output=True, timeout=120)

    out = run.stdout.decode("utf-8", errors="replace")
    jsonl = os.path.join(case_dir, "expected.jsonl")
    if os.path.exists(jsonl):
        want = [json.loads(l) for l in open(jsonl, encoding="utf-8") if l.strip()]
        try:
            got = [json.loads(l) for l in out.splitlines() if l.strip()]
        except json.JSONDecodeError as err:
            print(f"output is not JSON lines: {err}\n{out}")
            return 1
        if got != want:
            print(f"database differs in {case_dir}")
            for i in range(max(len(got), len(want))):
                g = got[i] if i < len(got) else None
                w = want[i] if i < len(want) else None
                if g != w:
                    print(f"entry {i}:\n  want {w}\n  got  {g}")
            return 1
        want_status = 0
    else:
        want_rows = open(os.path.join(case_dir, "expected"), encoding="utf-8").read().splitlines()
        got_rows = out.splitlines()
        if got_rows != want_rows:
            print(f"rows differ in {case_dir}")
            import difflib
            for line in difflib.unified_diff(want_rows, got_rows, "expected", "kvfcheck", lineterm=""):
                print(line)
            print(run.stderr.decode("utf-8", errors="replace"))
            return 1
        want_status = 1 if any(r.split("\t")[0] in ("Error", "Fatal Error") for r in want_rows) else 0
    exit_path = os.path.join(case_dir, "exit")
    if os.path.exists(exit_path):
        want_status = int(open(exit_path).read().strip())
    if run.returncode != want_status:
        print(f"exit status {run.returncode}, expected {want_status}")
        print(run.stderr.decode("utf-8", errors="replace"))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
