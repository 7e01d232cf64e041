#!/usr/bin/env python3
"""The README's first command, scripts/run-sample.sh: it prints kvfcheck's rows of the sample
and, with a display, opens the sample in the editor and returns while the editor goes on;
--no-editor, or no display, prints the rows only. The script takes its programs from
KVF_SAMPLE_BINARIES here: the real kvfcheck and a stand-in editor that notes how it was
started and stays, as the editor does. Usage: run_sample_test.py KVFCHECK SOURCE_DIR"""
import os
import signal
import subprocess
import sys
import tempfile
import time

SAMPLE = "resources/samples/ACME1234.kvf"

# The stand-in editor: its arguments into a file, then it stays a while.
EDITOR = """#!/bin/sh
echo "$$ $*" > "{log}.part" && mv "{log}.part" "{log}"
exec sleep 120
"""


def run_script(source, binaries, arguments, display, wayland):
    environment = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    environment["KVF_SAMPLE_BINARIES"] = binaries
    if display:
        environment["DISPLAY"] = display
    if wayland:
        environment["WAYLAND_DISPLAY"] = wayland
    started = time.monotonic()
    run = subprocess.run(["bash", os.path.join(source, "scripts", "run-sample.sh")] + arguments,
                         capture_output=True, env=environment, timeout=120)
    return run, time.monotonic() - started


def editor_started(log, wait):
    """The stand-in's pid and arguments once it wrote them (waiting up to `wait` seconds)."""
    deadline = time.monotonic() + wait
    while time.monotonic() < deadline:
        if os.path.exists(log):
            with open(log) as handle:
                pid, _, arguments = handle.read().strip().partition(" ")
            return int(pid), arguments
        time.sleep(0.1)
    return None


def main():
    kvfcheck, source = sys.argv[1], sys.argv[2]
    rows = subprocess.run([kvfcheck, "--settings", os.devnull, os.path.join(source, SAMPLE)],
                          capture_output=True, timeout=60).stdout.decode("utf-8")
    problems = []
    cases = [
        # name, arguments, DISPLAY, WAYLAND_DISPLAY, editor expected
        ("X display", [], ":93", None, True),
        ("Wayland display", [], None, "wayland-9", True),
        ("--no-editor", ["--no-editor"], ":93", None, False),
        ("no display", [], None, None, False),
    ]
    for name, arguments, display, wayland, expected in cases:
        with tempfile.TemporaryDirectory() as binaries:
            os.symlink(os.path.abspath(kvfcheck), os.path.join(binaries, "kvfcheck"))
            log = os.path.join(binaries, "editor.log")
            editor = os.path.join(binaries, "kvf-editor")
            with open(editor, "w") as handle:
                handle.write(EDITOR.format(log=log))
            os.chmod(editor, 0o755)
            run, _ = run_script(source, binaries, arguments, display, wayland)
            output = run.stdout.decode("utf-8")
            if run.returncode != 0:
                problems.append(f"{name}: exit status {run.returncode}: {run.stderr!r}")
            if not output.startswith(rows):
                problems.append(f"{name}: the rows are not kvfcheck's:\n{output}")
            started = editor_started(log, 60 if expected else 2)
            if expected and started is None:
                problems.append(f"{name}: the editor was not started")
            if not expected and started is not None:
                problems.append(f"{name}: the editor was started")
            if started is not None:
                pid, editor_arguments = started
                if editor_arguments != SAMPLE:
                    problems.append(f"{name}: the editor was started with {editor_arguments!r}")
                # The script returned while the editor goes on.
                try:
                    os.kill(pid, 0)
                    os.kill(pid, signal.SIGTERM)
                except ProcessLookupError:
                    problems.append(f"{name}: the editor ended with the script")
    run, _ = run_script(source, "/nonexistent", ["--no-such-option"], None, None)
    if run.returncode != 2:
        problems.append(f"a wrong argument: exit status {run.returncode}, not 2")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
