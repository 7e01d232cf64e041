#!/usr/bin/env python3
"""The templates the editor ships: each has the header the template dialog lists, and each
checks without an Error, under its own name and under a name the file-name rules accept."""
import os
import shutil
import subprocess
import sys
import tempfile

MARKER = b"KVF_Ed:"
# The kinds of device a user starts from; each needs a template of its own.
REQUIRED_LINES = {
    "compact.tpl": [b"Station_Type = 0", b"Modular_Station = 0"],
    "modular.tpl": [b"Modular_Station = 1", b"SlotDefinition", b"Slot(1)"],
    "master.tpl": [b"Station_Type = 1"],
    "dpv1.tpl": [b"DPV1_Slave = 1", b"ExtUserPrmData", b"Unit_Diag_Bit("],
}


def check_rows(kvfcheck, path):
    run = subprocess.run([kvfcheck, "--settings", os.devnull, path], capture_output=True,
                         timeout=60)
    rows = run.stdout.decode("utf-8").splitlines()
    errors = [row for row in rows if row.split("\t", 1)[0] in ("Error", "Fatal Error")]
    problems = [f"{path}: exit status {run.returncode}"] if run.returncode != 0 else []
    return problems + [f"{path}: {row}" for row in errors]


def main():
    kvfcheck, folder = sys.argv[1], sys.argv[2]
    names = sorted(n for n in os.listdir(folder) if n.lower().endswith(".tpl"))
    problems = [f"missing template {n}" for n in REQUIRED_LINES if n not in names]
    with tempfile.TemporaryDirectory() as work:
        for name in names:
            path = os.path.join(folder, name)
            with open(path, "rb") as handle:
                text = handle.read()
            header = text.split(b"\n", 1)[0].rstrip(b"\r")
            # The dialog shows the text from the eleventh character on as the description.
            if not header.startswith(b"; " + MARKER + b" ") or not header[10:].strip():
                problems.append(f"{name}: header {header!r} gives no description")
            for line in REQUIRED_LINES.get(name, []):
                if line not in text:
                    problems.append(f"{name}: lacks {line.decode()}")
            problems += check_rows(kvfcheck, path)
            # As a user saves it: a KVF name ending in the template's ident number.
            saved = os.path.join(work, "TPL_FFFF.kvf")
            shutil.copyfile(path, saved)
            problems += check_rows(kvfcheck, saved)
    print(f"{len(names)} templates checked")
    for problem in problems:
        print(problem)
    return 1 if problems or not names else 0


if __name__ == "__main__":
    sys.exit(main())
