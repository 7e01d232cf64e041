#!/usr/bin/env python3
"""Every finding of the acceptance cases is a message --list-messages lists, reported with the
level listed for it or, for the few messages a rule reports at two levels, a lower one."""
import json
import os
import subprocess
import sys
import tempfile

SEVERITY = {"Warning": 0, "Error": 1, "Fatal": 2, "Fatal Error": 2}
CASE_FILES = {"expected", "expected.jsonl", "args", "settings.ini", "why", "exit"}


def main():
    kvfcheck, root = sys.argv[1], sys.argv[2]
    listed = {}
    for line in subprocess.run([kvfcheck, "--list-messages"], capture_output=True,
                               check=True).stdout.decode("utf-8").splitlines():
        number, level, _ = line.split("\t", 2)
        listed[int(number)] = level
    inputs = []
    for folder, _, files in sorted(os.walk(root)):
        inputs += [os.path.join(folder, f) for f in sorted(files)
                   if f not in CASE_FILES and not f.endswith(".py")]
    with tempfile.NamedTemporaryFile(suffix=".ini") as settings:
        run = subprocess.run([kvfcheck, "--settings", settings.name, "--format", "json",
                              "-j", "0", *inputs], capture_output=True, timeout=600)
    problems = []
    rows = 0
    for document in run.stdout.decode("utf-8").splitlines():
        report = json.loads(document)
        for row in report["rows"]:
            if row["exception"] == "Info":
                continue
            rows += 1
            if row["id"] not in listed:
                problems.append(f"{report['file']}: {row['id']} is not listed")
            elif SEVERITY[row["exception"]] > SEVERITY[listed[row["id"]]]:
                problems.append(f"{report['file']}: {row['id']} reported as {row['exception']}, "
                                f"listed as {listed[row['id']]}")
    print(f"{len(inputs)} files, {rows} findings of listed messages checked")
    for problem in problems:
        print(problem)
    return 1 if problems or rows == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
