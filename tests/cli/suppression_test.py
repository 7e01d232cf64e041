#!/usr/bin/env python3
"""Suppression comments in kvfcheck: what they silence in every format, --no-inline-disable,
and the note for a comment that silences nothing. Usage: suppression_test.py KVFCHECK"""
import json
import os
import subprocess
import sys
import tempfile
import unittest

KVFCHECK = sys.argv.pop(1)

# Vendor_Name = 5 breaks the string rule (145); a line over 80 characters gives 136.
LONG = "Model_Name = \"" + "x" * 20 + "\"" + " " * 70
FILE = ("#TALVERON_DP\n"
        "Vendor_Name = 5 ; kvf-disable-line 145\n"
        "; kvf-disable-next-line 136\n"
        + LONG + "\n"
        "Revision = \"V1\" ; kvf-disable-line 136\n").encode("cp1252")


class SuppressionTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.settings = os.path.join(self.dir.name, "settings.ini")
        with open(self.settings, "w") as f:
            f.write("[FailSafe]\nNoSemanticCheck=1\n")
        with open(os.path.join(self.dir.name, "dev.kvf"), "wb") as f:
            f.write(FILE)

    def tearDown(self):
        self.dir.cleanup()

    def run_kvfcheck(self, *args):
        return subprocess.run([KVFCHECK, "--settings", self.settings, *args, "dev.kvf"],
                              cwd=self.dir.name, capture_output=True, timeout=60, text=True)

    def test_formats(self):
        # (arguments, text that must be in the output, text that must not)
        cases = [
            ([], "... check finished without errors.", "Line 2"),
            (["--no-inline-disable"], "Error\tLine 2\t", "check finished without errors"),
            (["--format", "gcc"], 'dev.kvf:5: note: Suppression comment "kvf-disable-line 136" silences nothing. [65990]', "[145]"),
            (["--format", "gcc", "--no-inline-disable"], "dev.kvf:2: error:", "note: Suppression"),
            (["--format", "text"], "", "Suppression"),
        ]
        for args, present, absent in cases:
            with self.subTest(args=args):
                out = self.run_kvfcheck(*args).stdout
                self.assertIn(present, out)
                self.assertNotIn(absent, out)

    def test_json_and_sarif_notes(self):
        document = json.loads(self.run_kvfcheck("--format", "json").stdout)
        self.assertEqual(document["notes"], [{
            "line": 5, "id": 65990,
            "text": 'Suppression comment "kvf-disable-line 136" silences nothing.'}])
        self.assertEqual(document["errors"], 0)
        log = json.loads(self.run_kvfcheck("--format", "sarif").stdout)
        notes = [r for r in log["runs"][0]["results"] if r["level"] == "note"]
        self.assertEqual(len(notes), 1)
        self.assertEqual(notes[0]["ruleId"], "65990")
        self.assertEqual(notes[0]["locations"][0]["physicalLocation"]["region"]["startLine"], 5)

    def test_note_of_a_next_line_comment_points_at_the_comment(self):
        # The comment on line 2 names the next line, which has no finding 147.
        with open(os.path.join(self.dir.name, "dev.kvf"), "wb") as f:
            f.write(b"#TALVERON_DP\n; kvf-disable-next-line 147\nVendor_Name = \"ACME\"\n")
        log = json.loads(self.run_kvfcheck("--format", "sarif").stdout)
        notes = [r for r in log["runs"][0]["results"] if r["level"] == "note"]
        self.assertEqual([n["locations"][0]["physicalLocation"]["region"]["startLine"] for n in notes], [2])
        self.assertIn("dev.kvf:2: note:", self.run_kvfcheck("--format", "gcc").stdout)
        self.assertEqual(json.loads(self.run_kvfcheck("--format", "json").stdout)["notes"][0]["line"], 2)

    def test_a_comment_for_a_disabled_id_silences_nothing(self):
        for args, checks in ((["--disable", "145"], ""), (["--enable-only", "136"], ""),
                             ([], "[Checks]\nDisable=145\n")):
            with self.subTest(args=args, checks=checks):
                with open(self.settings, "w") as f:
                    f.write("[FailSafe]\nNoSemanticCheck=1\n" + checks)
                out = self.run_kvfcheck("--format", "gcc", *args).stdout
                self.assertIn('dev.kvf:2: note: Suppression comment "kvf-disable-line 145" silences nothing.', out)

    def test_exit_status_follows_what_is_left(self):
        self.assertEqual(self.run_kvfcheck().returncode, 0)
        self.assertEqual(self.run_kvfcheck("--no-inline-disable").returncode, 1)


if __name__ == "__main__":
    unittest.main()
