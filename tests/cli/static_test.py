#!/usr/bin/env python3
"""The static kvfcheck (static linking, as -DKVF_STATIC_KVFCHECK=ON makes it) needs no
program loader and prints what the usual build prints for every acceptance case.

    static_test.py KVFCHECK KVFCHECK_STATIC
"""
import os
import struct
import subprocess
import sys

PT_INTERP = 3


def program_header_types(path):
    with open(path, "rb") as f:
        elf = f.read()
    if elf[:4] != b"\x7fELF" or elf[4] != 2:
        raise SystemExit(f"{path}: not a 64-bit ELF file")
    order = "<" if elf[5] == 1 else ">"
    phoff, = struct.unpack_from(order + "Q", elf, 0x20)
    phentsize, phnum = struct.unpack_from(order + "HH", elf, 0x36)
    return [struct.unpack_from(order + "I", elf, phoff + i * phentsize)[0] for i in range(phnum)]


def main():
    kvfcheck, static = sys.argv[1], sys.argv[2]
    if PT_INTERP in program_header_types(static):
        print(f"{static} names a program loader: it is not linked statically")
        return 1
    version = subprocess.run([static, "--version"], capture_output=True, timeout=60)
    if version.returncode != 0 or not version.stdout.startswith(b"kvfcheck "):
        print(f"{static} --version failed: {version.stdout!r} {version.stderr!r}")
        return 1
    compare = os.path.join(os.path.dirname(__file__), "..", "acceptance", "compare_builds.py")
    return subprocess.run([sys.executable, compare, kvfcheck, static]).returncode


if __name__ == "__main__":
    sys.exit(main())
