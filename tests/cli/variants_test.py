#!/usr/bin/env python3
"""kvfcheck --variants: the language variants of a device compared, in every format."""
import json
import os
import unittest

from clean_device import CLEAN
from kvf_workspace import Workspace

# The clean device in German: only its texts differ.
GERMAN = (CLEAN.replace(b'"ACME"', b'"ACME GmbH"').replace(b'"Box"', b'"Kasten"')
          .replace(b'"Mod1"', b'"Modul 1"'))
assert GERMAN != CLEAN

START = "Info\t---\tStart comparison of file {} with its language variant {} ..."
AGREE = "Info\t---\t... the language variants agree."
STOP = "Info\t---\t...stop comparison"
INTERVAL = ("Error\tLine 13\tValue of key \"Min_Slave_Intervall\" is '2' here but '6' in the "
            "language variant DEV.KVD (Line 13).")


def changed(text, old, new):
    assert old in text
    return text.replace(old, new)


class VariantsTest(Workspace):
    def rows(self, run):
        return run.stdout.decode("utf-8").splitlines()

    def family(self, folder="", german=GERMAN, english=CLEAN):
        self.write(os.path.join(folder, "DEV.KVD"), english)
        self.write(os.path.join(folder, "dev.kvg"), german)

    def test_agreeing_family_exits_zero(self):
        self.family(german=GERMAN.replace(b"\n", b"\r\n").replace(
            b"Slave_Family = 3", b"; Geraetefamilie\nSlave_Family=3 ; Kommentar"))
        run = self.run_kvfcheck("--variants", "DEV.KVD")
        self.assertEqual(run.returncode, 0, run.stdout)
        self.assertEqual(self.rows(run), [START.format("dev.kvg", "DEV.KVD"), AGREE, STOP])

    def test_difference_exits_one_with_both_lines(self):
        self.family(german=changed(GERMAN, b"Min_Slave_Intervall = 6", b"Min_Slave_Intervall = 2"))
        run = self.run_kvfcheck("--variants", "dev.kvg")
        self.assertEqual(run.returncode, 1, run.stdout)
        self.assertEqual(self.rows(run), [START.format("dev.kvg", "DEV.KVD"), INTERVAL, STOP])
        self.assertEqual(run.stderr, b"")

    def test_missing_module_is_one_block(self):
        self.family(german=changed(GERMAN, b'Module = "Modul 1" 0x13\nEndModule\n', b""))
        rows = self.rows(self.run_kvfcheck("--variants", "dev.kvg"))
        self.assertEqual(rows[1:-1], [
            "Error\tLine 15\tBlock 'Module = \"...\" 0x13' of the language variant DEV.KVD "
            "(Lines 16-17) is missing here."])

    def test_three_variants_one_differs(self):
        self.family()
        self.write("dev.kvf", changed(GERMAN, b"Max_Diag_Data_Len = 6\n", b""))
        run = self.run_kvfcheck("--variants", "dev.kvg")
        self.assertEqual(run.returncode, 1)
        self.assertEqual(self.rows(run), [
            START.format("dev.kvf", "DEV.KVD"),
            "Error\tLine 14\tKey \"Max_Diag_Data_Len\" of the language variant DEV.KVD "
            "(Line 14) is missing here.",
            STOP,
            START.format("dev.kvg", "DEV.KVD"), AGREE, STOP])

    def test_reference_is_first_by_name_without_kvd(self):
        self.write("DEV.KVE", CLEAN)
        self.write("dev.kvs", changed(GERMAN, b"Slave_Family = 3", b"Slave_Family = 4"))
        rows = self.rows(self.run_kvfcheck("--variants", "dev.kvs"))
        self.assertEqual(rows[0], START.format("dev.kvs", "DEV.KVE"))
        self.assertIn("in the language variant DEV.KVE (Line 15).", rows[1])

    def test_directories_bring_every_family_once(self):
        self.family("a")
        self.family("b/c", german=changed(GERMAN, b"Slave_Family = 3", b"Slave_Family = 4"))
        self.write("b/ALONE.KVD", CLEAN)  # a family of one file, found by the search: no rows
        run = self.run_kvfcheck("--variants", "-j", "2", ".", "a/dev.kvg", "b")
        self.assertEqual(run.returncode, 1)
        self.assertEqual(run.stdout, self.run_kvfcheck("--variants", ".").stdout)
        starts = [r for r in self.rows(run) if r.startswith("Info\t---\tStart")]
        self.assertEqual(starts, [START.format("dev.kvg", "DEV.KVD")] * 2)
        self.assertNotIn("ALONE", run.stdout.decode())

    def test_named_file_without_variant_says_so(self):
        self.write("ALONE.KVD", CLEAN)
        run = self.run_kvfcheck("--variants", "ALONE.KVD")
        self.assertEqual(run.returncode, 0)
        self.assertEqual(self.rows(run), ["Info\t---\tNo language variant of file ALONE.KVD beside it."])

    def test_selection_and_suppression(self):
        diff = changed(GERMAN, b"Min_Slave_Intervall = 6", b"Min_Slave_Intervall = 2")
        self.family(german=diff)
        for args, settings, failing in [
                (["--disable", "65410"], b"", False),
                (["--enable-only", "65411"], b"", False),
                ([], b"[Checks]\nDisable=65410\n", False),
                (["--enable-only", "65410"], b"", True)]:
            with self.subTest(args=args, settings=settings):
                self.write("settings.ini", settings)
                run = self.run_kvfcheck("--variants", "dev.kvg", *args)
                self.assertEqual(run.returncode, 1 if failing else 0, run.stdout)
                self.assertEqual(INTERVAL in self.rows(run), failing)
        self.write("settings.ini", b"")
        self.family(german=changed(diff, b"Min_Slave_Intervall = 2",
                                   b"Min_Slave_Intervall = 2 ; kvf-disable-line 65410"))
        self.assertEqual(self.run_kvfcheck("--variants", "dev.kvg").returncode, 0)
        self.assertEqual(self.run_kvfcheck("--variants", "--no-inline-disable", "dev.kvg").returncode, 1)

    def test_gcc_json_and_sarif_name_both_files(self):
        # A comment more at the top: the finding lies on line 14 here and names line 13.
        self.family(german=b"; Deutsch\n" + changed(GERMAN, b"Min_Slave_Intervall = 6",
                                                      b"Min_Slave_Intervall = 2"))
        gcc = self.rows(self.run_kvfcheck("--variants", "--format", "gcc", "dev.kvg"))
        self.assertEqual(gcc[1], "dev.kvg:14: error: " + INTERVAL.split("\t")[2] + " [65410]")

        document = json.loads(self.run_kvfcheck("--variants", "--format", "json", "dev.kvg").stdout)
        self.assertEqual(document["file"], "dev.kvg")
        self.assertEqual(document["errors"], 1)
        finding = document["rows"][1]
        self.assertEqual((finding["line"], finding["id"]), (14, 65410))
        self.assertEqual(finding["related"], {"file": "DEV.KVD", "line": 13})
        self.assertNotIn("related", document["rows"][0])

        run = self.run_kvfcheck("--variants", "--format", "sarif", "dev.kvg")
        self.assertEqual(run.returncode, 1)
        log = json.loads(run.stdout)["runs"][0]
        self.assertEqual([r["id"] for r in log["tool"]["driver"]["rules"]],
                         ["65410", "65411", "65412", "65413", "65414"])
        [result] = log["results"]
        self.assertEqual(result["ruleId"], "65410")
        self.assertEqual(result["locations"][0]["physicalLocation"]["region"]["startLine"], 14)
        related = result["relatedLocations"][0]["physicalLocation"]
        self.assertEqual(related["artifactLocation"]["uri"], "DEV.KVD")
        self.assertEqual(related["region"]["startLine"], 13)

    def test_check_run_sarif_lists_no_variant_rules(self):
        self.write("DEV.KVD", CLEAN)
        log = json.loads(self.run_kvfcheck("--format", "sarif", "DEV.KVD").stdout)["runs"][0]
        ids = {int(r["id"]) for r in log["tool"]["driver"]["rules"]}
        self.assertFalse(ids & set(range(65400, 65420)))
        self.assertIn(135, ids)

    def test_unreadable_files_exit_two(self):
        self.family()
        os.mkdir(os.path.join(self.dir.name, "DEV.KVE"))  # a folder: not a sibling
        self.write("dev.kvs", "#TALVERON_DP\n".encode("utf-16"))
        run = self.run_kvfcheck("--variants", "dev.kvg")
        self.assertEqual(run.returncode, 2)
        self.assertIn(b"kvfcheck: cannot read 'dev.kvs': the file is UTF-16 text", run.stderr)
        self.assertEqual(self.rows(run), [START.format("dev.kvg", "DEV.KVD"), AGREE, STOP])
        run = self.run_kvfcheck("--variants", "missing.kvd")
        self.assertEqual(run.returncode, 2)
        self.assertIn(b"cannot read 'missing.kvd'", run.stderr)
        self.assertEqual(run.stdout, b"")

    def test_hostile_files_end_in_rows(self):
        long_value = b",".join(b"0x%02X" % (i % 256) for i in range(200000))
        cases = {
            "garbage": (b"#TALVERON_DP\n" + bytes(range(256)) * 50, CLEAN),
            "unclosed quotes and a continuation at the end": (
                CLEAN + b'Info_Text = "open\nX = 1 \\', CLEAN + b'Info_Text = "zu\nX = 2 \\'),
            "one long value": (b"#TALVERON_DP\nUser_Prm_Data = " + long_value + b"\n",
                               b"#TALVERON_DP\nUser_Prm_Data = " + long_value + b",0x01\n"),
            "many equal lines": (b"#TALVERON_DP\n" + b"EndModule\n" * 100000,
                                 b"#TALVERON_DP\n" + b"EndModule\n" * 99000),
            "a control character": (CLEAN.replace(b"Slave_Family = 3", b"Slave_Family = 3\x1b[2J"),
                                    CLEAN),
        }
        for name, (variant, reference) in cases.items():
            with self.subTest(name):
                self.write("DEV.KVD", reference)
                self.write("dev.kvg", variant)
                run = self.run_kvfcheck("--variants", "dev.kvg")
                self.assertIn(run.returncode, (0, 1), run.stderr)
                rows = self.rows(run)
                self.assertEqual(rows[0], START.format("dev.kvg", "DEV.KVD"))
                self.assertEqual(rows[-1], STOP)
                self.assertTrue(all(len(r) < 400 for r in rows), max(rows, key=len)[:400])
                self.assertNotIn("\x1b", run.stdout.decode("utf-8"))
        self.assertEqual(rows[1], "Error\tLine 15\tValue of key \"Slave_Family\" is "
                         "'3\\x1B[2J' here but '3' in the language variant DEV.KVD (Line 15).")

    def test_variants_excludes_other_modes(self):
        self.family()
        for other in ["--dump-db", "--explain-module"]:
            with self.subTest(other):
                run = self.run_kvfcheck("--variants", other, "dev.kvg")
                self.assertEqual(run.returncode, 2)
                self.assertIn(b"--variants cannot be combined with", run.stderr)


if __name__ == "__main__":
    unittest.main()
