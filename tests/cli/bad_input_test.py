#!/usr/bin/env python3
"""Hostile and broken inputs: each row generates a file and states what kvfcheck must
answer (exit status and rows, or the reason on standard error). Every run has a generous
time limit from the harness; an input whose cost grows faster than its size fails by
running into it."""
import os
import random
import shutil
import subprocess
import sys
import tempfile
import unittest

from clean_device import CLEAN

KVFCHECK = os.path.abspath(sys.argv.pop(1))
TIME_LIMIT = 120  # seconds per run, far above what a linear check needs
NOBODY = 65534  # the unprivileged user root runs kvfcheck as

HEADER = b"#TALVERON_DP\n"


def empty_database_rows(name):
    return [
        f"Info\t---\tStart Syntax-Check of file {name} ...",
        "Fatal Error\t---\tDatabase is empty! Please check if the #TALVERON_DP entry exists.",
        "Info\t---\t...stop syntax check",
        f"Info\t---\tStart Semantic-Check of file {name} ...",
        "Info\t---\t... check finished without errors.",
        "Info\t---\t... stop semantic check",
    ]


def random_bytes():
    rng = random.Random(13)
    return bytes(rng.randrange(256) for _ in range(1 << 20))


def chain(lines):
    return HEADER + b"User_Prm_Data = 0x00,\\\n" + b"0x01,\\\n" * lines + b"0x02\n"


INSIDE_MODULE = 'Keyword "Module" is specfied inside a "Module".'
INSIDE_EXT = 'Keyword "ExtUserPrmData" is specfied inside a "ExtUserPrmData".'
KEY_CHARACTERS = 'Keyword contains unallowed character(s)!'
LINE_TOO_LONG = "Warning\tLine 2\tLine length exceeds the limit of 80 characters."

# name, file bytes, exit status, rows that must be there exactly (all rows when `exact`),
# and texts counted over all rows.
CASES = [
    ("RANDOM.kvf", random_bytes(), 1, empty_database_rows("RANDOM.kvf"), True, {}),
    ("EMPTY.kvf", b"", 1, empty_database_rows("EMPTY.kvf"), True, {}),
    ("HEADER.kvf", HEADER, 1, empty_database_rows("HEADER.kvf"), True, {}),
    # A key of NUL bytes: the key-character rule stops repeating the key after 16 rows.
    ("NULS.kvf", HEADER + b"\0" * 100_000 + b"\n", 1, [LINE_TOO_LONG], False,
     {KEY_CHARACTERS: 16}),
    ("GARBAGE.kvf", HEADER + b"a/" * 1_000_000 + b"\n", 1, [LINE_TOO_LONG], False,
     {KEY_CHARACTERS: 16}),
    ("LONGLINE.kvf", HEADER + b'Vendor_Name = "' + b"A" * (2 << 20) + b'"\n', 1,
     [LINE_TOO_LONG,
      'Error\tLine 2\tKeyword "Vendor_Name": Unexpected character(s) found, missing '
      'quotation marks or string length "32" exeeded!'], False, {}),
    # Each `=` of the value is a place where the equal-sign rule looks for the quote and the
    # comment that follow it: found once, not again from every `=`.
    ("EQUALS.kvf", HEADER + b'Vendor_Name = "' + b"=" * (8 << 20) + b'";\n', 1,
     [LINE_TOO_LONG,
      'Error\tLine 2\tKeyword "Vendor_Name": Unexpected character(s) found, missing '
      'quotation marks or string length "32" exeeded!'], False, {}),
    # A quoted string continued over 200,000 lines: only each appended line is searched
    # for the closing quote.
    ("STRING_CHAIN.kvf",
     HEADER + b'Vendor_Name = "a\\\n' + b"aaaaaaaaaa\\\n" * 200_000 + b'a"\n', 1,
     ['Error\tLine 2\tKeyword "Vendor_Name": Unexpected character(s) found, missing '
      'quotation marks or string length "32" exeeded!'], False, {}),
    ("BLOCKS.kvf", HEADER + b'Module = "M" 0x13\n' * 100_000, 1, [], False,
     {INSIDE_MODULE: 99_999}),
    ("NESTED.kvf", HEADER + b"".join(b'ExtUserPrmData = %d "P"\n' % i for i in range(50_000)),
     1, [], False, {INSIDE_EXT: 49_999}),
    # At the one entry's line: the missing parameter length of User_Prm_Data and the ten
    # final rows.
    ("CHAIN.kvf", chain(200_000), 1,
     ["Info\t---\t... check finished without errors.",
      'Error\tLine 2\tUndefined Keyword"Vendor_Name"."Vendor_Name" is mandatory for all KVF '
      "files."], False, {"Line 2": 11}),
]


class BadInputTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        os.chmod(self.dir.name, 0o755)
        self.settings = self.write("settings.ini", b"")

    def tearDown(self):
        self.dir.cleanup()

    def write(self, name, data):
        path = os.path.join(self.dir.name, name)
        with open(path, "wb") as f:
            f.write(data)
        return path

    def run_kvfcheck(self, *args, program=KVFCHECK, **kwargs):
        return subprocess.run([program, "--settings", self.settings, *args], cwd=self.dir.name,
                              capture_output=True, timeout=TIME_LIMIT, **kwargs)

    def test_generated_files(self):
        for name, data, status, rows, exact, counts in CASES:
            with self.subTest(name):
                self.write(name, data)
                run = self.run_kvfcheck(name)
                got = run.stdout.decode("utf-8").splitlines()
                self.assertEqual(run.returncode, status, run.stderr)
                if exact:
                    self.assertEqual(got, rows)
                for row in rows:
                    self.assertIn(row, got)
                for text, count in counts.items():
                    self.assertEqual(sum(text in row for row in got), count, text)
                os.remove(os.path.join(self.dir.name, name))

    def test_byte_order_mark_is_no_part_of_the_header(self):
        self.write("ACME1234.kvf", CLEAN)
        plain = self.run_kvfcheck("ACME1234.kvf")
        self.write("ACME1234.kvf", b"\xef\xbb\xbf" + CLEAN)
        marked = self.run_kvfcheck("ACME1234.kvf")
        self.assertEqual(marked.returncode, 0, marked.stdout)
        self.assertEqual(marked.stdout, plain.stdout)

    def test_files_that_cannot_be_read(self):
        self.write("UTF16.kvf", CLEAN.decode().encode("utf-16"))
        self.write("UTF16BE.kvf", CLEAN.decode().encode("utf-16-be"))
        os.symlink(os.path.join(self.dir.name, "gone.kvf"), os.path.join(self.dir.name, "LINK.kvf"))
        os.mkdir(os.path.join(self.dir.name, "DIR.kvf"))
        for name, reason in [("UTF16.kvf", b"UTF-16"), ("UTF16BE.kvf", b"UTF-16"),
                             ("LINK.kvf", b"No such file"), ("MISSING.kvf", b"No such file"),
                             ("DIR.kvf", b"directory")]:
            with self.subTest(name):
                run = self.run_kvfcheck(name)
                self.assertEqual(run.returncode, 2)
                self.assertEqual(run.stdout, b"")
                self.assertIn(name.encode(), run.stderr)
                self.assertIn(reason, run.stderr)

    def test_file_without_read_permission(self):
        path = self.write("SECRET.kvf", CLEAN)
        os.chmod(path, 0)
        if os.geteuid() != 0:
            if os.access(path, os.R_OK):
                self.skipTest("this user reads a file of mode 0000 (it holds a capability)")
            run = self.run_kvfcheck("SECRET.kvf")
        else:
            # Root reads any file: kvfcheck runs as an unprivileged user instead. That user
            # may not enter the build folder (a clone in a private folder), so it runs a copy
            # from this folder of mode 0755.
            program = shutil.copy(KVFCHECK, self.dir.name)
            os.chmod(program, 0o755)
            os.chmod(self.settings, 0o644)
            nobody = dict(user=NOBODY, group=NOBODY, extra_groups=[])
            try:
                subprocess.run([program, "--help"], capture_output=True, timeout=TIME_LIMIT,
                               check=True, **nobody)
            except (OSError, subprocess.CalledProcessError) as error:
                self.skipTest(f"user {NOBODY} cannot run kvfcheck from {self.dir.name}: {error}")
            run = self.run_kvfcheck("SECRET.kvf", program=program, **nobody)
        self.assertEqual(run.returncode, 2, run.stdout)
        self.assertIn(b"SECRET.kvf", run.stderr)
        self.assertIn(b"Permission denied", run.stderr)

if __name__ == "__main__":
    unittest.main(verbosity=2)
