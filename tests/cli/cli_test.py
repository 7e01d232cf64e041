#!/usr/bin/env python3
"""kvfcheck as scripts use it: exit status, standard error, several files, the formats."""
import json
import os
import re
import subprocess
import unittest

from clean_device import CLEAN
from kvf_workspace import KVFCHECK, Workspace

BROKEN = b"#TALVERON_DP\r\nFMS_supp = 10\r\nVendor_Name = \"M\xfcller\"\r\n"
# No header line: the database stays empty, a Fatal Error.
HEADERLESS = b"Vendor_Name = \"M\xfcller\"\r\n"
EMPTY_DATABASE = "Fatal Error\t---\tDatabase is empty! Please check if the #TALVERON_DP entry exists."


class KvfcheckTest(Workspace):
    def test_clean_file_exits_zero(self):
        self.write("ACME1234.kvf", CLEAN)
        run = self.run_kvfcheck("ACME1234.kvf")
        self.assertEqual(run.returncode, 0, run.stdout)
        self.assertIn(b"... check finished without errors.", run.stdout)

    def test_findings_exit_one_and_text_is_utf8(self):
        self.write("ACME1234.kvf", BROKEN)
        run = self.run_kvfcheck("--no-semantic", "ACME1234.kvf")
        self.assertEqual(run.returncode, 1)
        rows = run.stdout.decode("utf-8").splitlines()
        self.assertIn('Error\tLine 2\tKey "FMS_supp": Boolean expected or unexpected format!', rows)
        self.assertIn('Warning\tLine 3\tKeyword "Vendor_Name": 1 unspecified character(s) found in Visible String.', rows)

    def test_suppressed_warnings_add_no_rows(self):
        # Only warnings go: an Error and a Fatal Error stay, and so does the exit status.
        self.write("ACME1234.kvf", BROKEN)
        self.write("NOHEADER.kvf", HEADERLESS)
        error = 'Error\tLine 2\tKey "FMS_supp": Boolean expected or unexpected format!'
        for name, kept in [("ACME1234.kvf", error), ("NOHEADER.kvf", EMPTY_DATABASE)]:
            with self.subTest(name):
                run = self.run_kvfcheck("--no-semantic", "--suppress-warnings", name)
                self.assertNotIn(b"Warning", run.stdout)
                self.assertIn(kept, run.stdout.decode("utf-8").splitlines())
                self.assertEqual(run.returncode, 1)

    def test_unreadable_files_exit_two_and_others_still_run(self):
        self.write("ACME1234.kvf", CLEAN)
        os.mkdir(os.path.join(self.dir.name, "folder.kvf"))
        run = self.run_kvfcheck("missing.kvf", "folder.kvf", "ACME1234.kvf")
        self.assertEqual(run.returncode, 2)
        self.assertIn(b"missing.kvf", run.stderr)
        self.assertIn(b"folder.kvf", run.stderr)
        self.assertIn(b"Start Syntax-Check of file ACME1234.kvf ...", run.stdout)

    def test_unreadable_file_outweighs_findings_in_either_order(self):
        self.write("ACME1234.kvf", BROKEN)
        for args in (["ACME1234.kvf", "missing.kvf"], ["missing.kvf", "ACME1234.kvf"]):
            with self.subTest(args):
                run = self.run_kvfcheck("--no-semantic", *args)
                self.assertEqual(run.returncode, 2)
                self.assertIn(b"FMS_supp", run.stdout)

    def test_bad_usage_exits_two(self):
        for args in ([], ["--format"], ["--format", "xml", "a.kvf"], ["--bogus", "a.kvf"]):
            run = self.run_kvfcheck(*args)
            self.assertEqual(run.returncode, 2, args)
            self.assertTrue(run.stderr, args)
        run = subprocess.run([KVFCHECK, "--settings", "/nonexistent/s.ini", "a.kvf"],
                             capture_output=True, timeout=60)
        self.assertEqual(run.returncode, 2)

    def test_help(self):
        run = subprocess.run([KVFCHECK, "--help"], capture_output=True, timeout=60)
        self.assertEqual(run.returncode, 0)
        for option in (b"--no-semantic", b"--suppress-warnings", b"--settings", b"--format", b"--dump-db"):
            self.assertIn(option, run.stdout)
        # The choices as the words to type, not as the table that maps them.
        self.assertIn(b"--format text|gcc|json|sarif", run.stdout)
        self.assertIn(b"--fail-on error|warning", run.stdout)
        self.assertNotIn(b"->", run.stdout)
        bad = self.run_kvfcheck("--fail-on", "never", "a.kvf")
        self.assertIn(b"{error,warning}", bad.stderr)

    def test_version_is_the_projects_with_the_commit(self):
        cmake_lists = os.path.join(os.path.dirname(__file__), "..", "..", "CMakeLists.txt")
        with open(cmake_lists) as f:
            version = re.search(r"project\(KVFEditor VERSION ([0-9.]+)", f.read()).group(1)
        run = subprocess.run([KVFCHECK, "--version"], capture_output=True, timeout=60)
        self.assertEqual(run.returncode, 0)
        self.assertRegex(run.stdout.decode(),
                         r"^kvfcheck " + re.escape(version) + r"( \(commit [0-9a-f]{12}(-dirty)?\))?\n$")

    def test_several_files_each_get_their_rows(self):
        self.write("ACME1234.kvf", CLEAN)
        self.write("BAD01234.kvf", BROKEN)
        run = self.run_kvfcheck("--no-semantic", "ACME1234.kvf", "BAD01234.kvf")
        self.assertEqual(run.returncode, 1)
        out = run.stdout.decode("utf-8")
        self.assertEqual(out.count("Start Syntax-Check"), 2)
        self.assertLess(out.index("ACME1234.kvf"), out.index("BAD01234.kvf"))

    def test_gcc_format(self):
        self.write("ACME1234.kvf", BROKEN)
        run = self.run_kvfcheck("--no-semantic", "--format", "gcc", "ACME1234.kvf")
        lines = run.stdout.decode("utf-8").splitlines()
        self.assertIn('ACME1234.kvf:2: error: Key "FMS_supp": Boolean expected or unexpected format! [134]', lines)
        self.assertIn("ACME1234.kvf: note: ...stop syntax check [65183]", lines)

    def test_json_format(self):
        self.write("ACME1234.kvf", BROKEN)
        run = self.run_kvfcheck("--no-semantic", "--format", "json", "ACME1234.kvf")
        doc = json.loads(run.stdout)
        self.assertEqual(doc["file"], "ACME1234.kvf")
        self.assertEqual(doc["errors"], 1)
        self.assertEqual(doc["warnings"], 1)
        self.assertEqual(doc["rows"][1], {"exception": "Error", "line": 2, "id": 134,
                                          "text": 'Key "FMS_supp": Boolean expected or unexpected format!'})
        self.assertIsNone(doc["rows"][0]["line"])
        # A Fatal Error counts as an error.
        self.write("NOHEADER.kvf", HEADERLESS)
        run = self.run_kvfcheck("--no-semantic", "--format", "json", "NOHEADER.kvf")
        doc = json.loads(run.stdout)
        self.assertEqual([row["exception"] for row in doc["rows"]].count("Fatal Error"), 1)
        self.assertEqual((doc["errors"], doc["warnings"]), (1, 0))

    def test_dump_db_decodes_windows_1252(self):
        self.write("ACME1234.kvf", BROKEN)
        run = self.run_kvfcheck("--dump-db", "ACME1234.kvf")
        self.assertEqual(run.returncode, 0)
        entries = [json.loads(line) for line in run.stdout.splitlines()]
        self.assertEqual(entries[1]["Value"], "M\u00fcller")
        self.assertEqual(entries[1]["Line"], 2)

    def test_binary_input_does_not_crash(self):
        self.write("ACME1234.kvf", bytes(range(256)) * 64 + b"\n#TALVERON_DP\n" + bytes(range(256)))
        run = self.run_kvfcheck("ACME1234.kvf")
        self.assertIn(run.returncode, (0, 1))


if __name__ == "__main__":
    unittest.main(verbosity=1)
