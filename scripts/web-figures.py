#!/usr/bin/env python3
"""Prints the WebAssembly build's figures: the size of kvfcheck.js, plain and gzipped, and
the CPU time (user + system) node takes to check a 1,000,000-line file against the Linux
build's on the same file.

    python3 scripts/web-figures.py [--runs N] [--file PATH]... build/kvfcheck build-web/kvfcheck.js

Without --file it checks the sample file repeated to 1,000,000 lines (as scripts/build-web.sh
makes its large file). The two programs run by turns, N times each, so that a busy machine
slows both alike; the figures are the medians. Every run's output and exit status must be the
same for both, or the script says so and fails.
"""

import argparse
import os
import resource
import statistics
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SAMPLE = os.path.join(ROOT, "resources", "samples", "ACME1234.kvf")


def make_large_file(path, lines):
    """The sample's first line, then the rest of it again and again up to `lines` lines."""
    with open(SAMPLE, "rb") as f:
        head, body = f.read().split(b"\n", 1)
    per_copy = body.count(b"\n")
    copies = -(-(lines - 1) // per_copy)
    with open(path, "wb") as f:
        f.write(head + b"\n" + body * copies)


def gzipped_size(path):
    """The size gzip -9 makes of the file, as scripts/build-web.sh prints it."""
    with open(path, "rb") as f:
        return len(subprocess.run(["gzip", "-9", "-c"], stdin=f, stdout=subprocess.PIPE,
                                  check=True).stdout)


def timed(command):
    """Runs command; returns (CPU seconds of the child, exit status, output)."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE, check=False)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return cpu, done.returncode, done.stdout + b"\0" + done.stderr


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("native")
    parser.add_argument("script")
    parser.add_argument("--node", default="node")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--lines", type=int, default=1000000)
    parser.add_argument("--file", action="append", default=[])
    args = parser.parse_args()

    print(f"{args.script}: {os.path.getsize(args.script):,} bytes, "
          f"{gzipped_size(args.script):,} gzipped")

    failed = False
    with tempfile.TemporaryDirectory() as folder:
        files = args.file
        if not files:
            files = [os.path.join(folder, "LARGE001.kvf")]
            make_large_file(files[0], args.lines)
        for path in files:
            native, web = [], []
            for _ in range(args.runs):
                cpu, status, out = timed([args.native, path])
                native.append(cpu)
                cpu, web_status, web_out = timed([args.node, args.script, path])
                web.append(cpu)
                if (status, out) != (web_status, web_out):
                    failed = True
            with open(path, "rb") as f:
                size = os.fstat(f.fileno()).st_size
                lines = sum(chunk.count(b"\n") for chunk in iter(lambda: f.read(1 << 20), b""))
            rows = out.split(b"\0")[0].count(b"\n")
            n, w = statistics.median(native), statistics.median(web)
            print(f"{os.path.basename(path)} ({lines:,} lines, {size:,} bytes, {rows:,} rows): "
                  f"native {n:.2f} s, node {w:.2f} s CPU (median of {args.runs}): "
                  f"{w / n:.2f}x")
            print(f"  native runs {' '.join(f'{c:.2f}' for c in native)}")
            print(f"  node runs   {' '.join(f'{c:.2f}' for c in web)}")
    if failed:
        print("the two builds' output or exit status differ", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
