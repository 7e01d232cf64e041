#!/usr/bin/env python3
"""Runs two builds of kvfcheck over every acceptance case and compares what they print.

    compare_builds.py [--large FILE] [--env NAME=VALUE ...] REFERENCE CANDIDATE [WRAPPER...]

REFERENCE is a kvfcheck to trust (the Linux build of the tests); CANDIDATE another build
of the same sources (the static one, or kvfcheck.exe with WRAPPER `wine`). Each case runs
as run_case.py runs it (a copy of the input and its settings file in an empty folder, the
case's arguments), and standard output and the exit status must be the same, byte for
byte. Then both check the whole tree of cases as one directory argument (the directory
walk and its order) on two workers, and --large FILE (a file big enough for the large
blocks). --env sets a variable for the candidate only.
"""
import argparse
import os
import shlex
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
CASE_FILES = {"expected", "expected.jsonl", "args", "settings.ini", "why", "exit"}


def cases():
    for group in sorted(os.listdir(HERE)):
        group_dir = os.path.join(HERE, group)
        if os.path.isdir(group_dir) and not group.startswith("__"):
            for case in sorted(os.listdir(group_dir)):
                if os.path.isdir(os.path.join(group_dir, case)):
                    yield os.path.join(group_dir, case)


def run(command, cwd, env):
    done = subprocess.run(command, cwd=cwd, env=env, capture_output=True, timeout=300)
    return done.stdout, done.returncode, done.stderr


def compare(label, reference, candidate):
    if reference[:2] == candidate[:2]:
        return True
    print(f"DIFFERS: {label}")
    if reference[1] != candidate[1]:
        print(f"  exit status {reference[1]} against {candidate[1]}")
    want, got = reference[0].splitlines(True), candidate[0].splitlines(True)
    for i in range(max(len(want), len(got))):
        w = want[i] if i < len(want) else None
        g = got[i] if i < len(got) else None
        if w != g:
            print(f"  first difference in line {i + 1}:\n    {w!r}\n    {g!r}")
            break
    print("  " + candidate[2].decode("utf-8", "replace"))
    return False


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--large")
    parser.add_argument("--env", action="append", default=[])
    parser.add_argument("reference")
    parser.add_argument("candidate", nargs="+")
    options = parser.parse_args()
    reference = [os.path.abspath(options.reference)]
    candidate = options.candidate[1:] + [os.path.abspath(options.candidate[0])]
    candidate_env = dict(os.environ)
    candidate_env.update(v.split("=", 1) for v in options.env)

    started = time.monotonic()
    compared = differing = 0
    with tempfile.TemporaryDirectory() as work:
        for case_dir in cases():
            inputs = [f for f in sorted(os.listdir(case_dir)) if f not in CASE_FILES]
            args_path = os.path.join(case_dir, "args")
            args = shlex.split(open(args_path).read()) if os.path.exists(args_path) else []
            folder = os.path.join(work, "case")
            shutil.rmtree(folder, ignore_errors=True)
            os.makedirs(folder)
            for name in inputs:
                shutil.copy(os.path.join(case_dir, name), folder)
            settings = os.path.join(case_dir, "settings.ini")
            if os.path.exists(settings):
                shutil.copy(settings, os.path.join(folder, "settings.ini"))
            else:
                open(os.path.join(folder, "settings.ini"), "w").close()
            tail = ["--settings", "settings.ini", *args, *inputs]
            compared += 1
            label = os.path.relpath(case_dir, HERE)
            if not compare(label, run(reference + tail, folder, None),
                           run(candidate + tail, folder, candidate_env)):
                differing += 1

        # The whole tree as one directory argument: the walk, its order, two workers.
        tree = os.path.join(work, "tree")
        shutil.copytree(HERE, tree, ignore=shutil.ignore_patterns("*.py", "__pycache__"))
        open(os.path.join(work, "empty.ini"), "w").close()
        tail = ["--settings", os.path.join("..", "empty.ini"), "-j", "2", "."]
        compared += 1
        if not compare("the tree of cases as one directory", run(reference + tail, tree, None),
                       run(candidate + tail, tree, candidate_env)):
            differing += 1
        if options.large:
            shutil.copy(options.large, os.path.join(work, "LARGE001.kvf"))
            tail = ["--settings", "empty.ini", "LARGE001.kvf"]
            compared += 1
            if not compare(f"a large file ({os.path.getsize(options.large)} bytes)",
                           run(reference + tail, work, None),
                           run(candidate + tail, work, candidate_env)):
                differing += 1

    print(f"compared {compared} runs: {differing} differ ({time.monotonic() - started:.1f} s)")
    return 1 if differing or compared < 2 else 0


if __name__ == "__main__":
    sys.exit(main())
