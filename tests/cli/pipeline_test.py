#!/usr/bin/env python3
"""kvfcheck in pipelines: rule selection, --fail-on, directories, -j, SARIF, user settings."""
import json
import os
import shutil
import subprocess
import unittest

from kvf_workspace import KVFCHECK, Workspace as BaseWorkspace

# Line 2: Error 134; line 3: Warning 147 (with --no-semantic).
BROKEN = b"#TALVERON_DP\r\nFMS_supp = 10\r\nVendor_Name = \"M\xfcller\"\r\n"
WARNING_ONLY = b"#TALVERON_DP\nVendor_Name = \"M\xfcller\"\n"
FINDING_LEVELS = ("Error", "Fatal Error", "Warning")


class Workspace(BaseWorkspace):
    def finding_ids(self, run):
        ids = []
        for line in run.stdout.decode("utf-8").splitlines():
            path, rest = line.split(":", 1)
            if " error: " in rest or " warning: " in rest:
                ids.append(int(rest.rsplit("[", 1)[1].rstrip("]")))
        return ids


class Selection(Workspace):
    def test_selected_rows_and_exit_status(self):
        # (settings [Checks] lines, arguments, ids shown, exit status)
        cases = [
            ("", [], [134, 147], 1),
            ("", ["--disable", "134"], [147], 0),
            ("", ["--disable", "134,147"], [], 0),
            ("", ["--disable", "134", "--disable", "147"], [], 0),
            ("", ["--enable-only", "147"], [147], 0),
            ("", ["--enable-only", "134, 147"], [134, 147], 1),
            ("Disable=147", [], [134], 1),
            ("Disable=\"134, 147\"", [], [], 0),
            ("Disable=134", ["--disable", "147"], [], 0),
            ("EnableOnly=134", [], [134], 1),
            ("EnableOnly=134", ["--enable-only", "147"], [147], 0),
            ("", ["--fail-on", "warning"], [134, 147], 1),
            ("", ["--fail-on", "warning", "--disable", "134"], [147], 1),
            ("", ["--fail-on", "warning", "--disable", "134", "--suppress-warnings"], [], 0),
            ("", ["--fail-on", "error", "--disable", "134"], [147], 0),
        ]
        self.write("ACME1234.kvf", BROKEN)
        for checks, args, ids, status in cases:
            with self.subTest(checks=checks, args=args):
                self.write("settings.ini", ("[Checks]\n" + checks + "\n").encode())
                run = self.run_kvfcheck("--no-semantic", "--format", "gcc", *args, "ACME1234.kvf")
                self.assertEqual(run.returncode, status, run.stderr)
                self.assertEqual(self.finding_ids(run), ids)

    def test_unselected_findings_are_not_counted(self):
        self.write("ACME1234.kvf", BROKEN)
        run = self.run_kvfcheck("--no-semantic", "--disable", "134,147", "ACME1234.kvf")
        self.assertIn(b"Info\t---\t... check finished without errors.", run.stdout)
        run = self.run_kvfcheck("--no-semantic", "--suppress-warnings", "--disable", "134",
                                "ACME1234.kvf")
        self.assertNotIn(b"check finished without errors", run.stdout)  # hidden, yet counted

    def test_unknown_ids(self):
        self.write("ACME1234.kvf", BROKEN)
        for args in (["--disable", "99999"], ["--enable-only", "134,x"], ["--disable", ""]):
            run = self.run_kvfcheck(*args, "ACME1234.kvf")
            if args[1] == "":
                continue  # an empty list selects nothing away
            self.assertEqual(run.returncode, 2, args)
            self.assertIn(b"unknown message id", run.stderr)
        self.write("settings.ini", b"[Checks]\nDisable=134,4711\n")
        run = self.run_kvfcheck("--no-semantic", "ACME1234.kvf")
        self.assertEqual(run.returncode, 0)
        self.assertIn(b"'4711' ignored", run.stderr)

    def test_list_messages(self):
        run = subprocess.run([KVFCHECK, "--list-messages"], capture_output=True, timeout=60)
        self.assertEqual(run.returncode, 0)
        rows = [line.split("\t") for line in run.stdout.decode("utf-8").splitlines()]
        ids = [int(r[0]) for r in rows]
        self.assertEqual(ids, sorted(set(ids)))
        self.assertTrue(all(len(r) == 3 and r[1] in FINDING_LEVELS and r[2] for r in rows))
        listed = {int(r[0]): r for r in rows}
        self.assertEqual(listed[134][1:], ["Error", 'Key "%s": %s expected or unexpected format!'])
        self.assertEqual(listed[147][1], "Warning")


class Inputs(Workspace):
    def test_directories_in_name_order_and_arguments_in_their_order(self):
        # Created out of name order. Names compare byte by byte (capitals first) and path
        # element by element: a folder's files come before a longer name that begins with
        # the folder's name.
        self.write("tree/B.KVF", BROKEN)
        self.write("tree/a.kvf", BROKEN)
        self.write("tree/sub/d.kv1", BROKEN)
        self.write("tree/sub.kvf", BROKEN)
        self.write("tree/c.kvs", BROKEN)
        self.write("tree/e.txt", BROKEN)
        self.write("tree/f.kvfx", BROKEN)
        self.write("tree/.kv", BROKEN)
        self.write("A.kvf", BROKEN)
        run = self.run_kvfcheck("--no-semantic", "--format", "gcc", "tree", "A.kvf")
        files = []
        for line in run.stdout.decode("utf-8").splitlines():
            name = line.split(":", 1)[0]
            if not files or files[-1] != name:
                files.append(name)
        self.assertEqual(files, ["tree/B.KVF", "tree/a.kvf", "tree/c.kvs", "tree/sub/d.kv1",
                                 "tree/sub.kvf", "A.kvf"])
        self.assertEqual(run.returncode, 1)

    def test_directory_without_kvf_files_is_trouble(self):
        self.write("empty/readme.txt", b"")
        self.write("A.kvf", WARNING_ONLY)
        run = self.run_kvfcheck("--no-semantic", "empty", "A.kvf")
        self.assertEqual(run.returncode, 2)
        self.assertIn(b"empty", run.stderr)
        self.assertIn(b"Start Syntax-Check of file A.kvf", run.stdout)

    def test_parallel_output_is_the_serial_output(self):
        for i in range(12):
            self.write("many/F%02d.kvf" % i, BROKEN if i % 3 else WARNING_ONLY)
        self.write("settings.ini", b"")
        for fmt in ("text", "gcc", "json", "sarif"):
            serial = self.run_kvfcheck("--format", fmt, "many", "-j", "1")
            for jobs in ("4", "0"):
                parallel = self.run_kvfcheck("--format", fmt, "-j", jobs, "many")
                self.assertEqual(parallel.stdout, serial.stdout, (fmt, jobs))
                self.assertEqual(parallel.returncode, serial.returncode)
            self.assertEqual(serial.returncode, 1)


class Sarif(Workspace):
    def sarif(self, *paths):
        run = self.run_kvfcheck("--no-semantic", "--format", "sarif", *paths)
        return run, json.loads(run.stdout)

    def test_required_properties(self):
        # The properties the SARIF 2.1.0 schema requires, and the ones CI tools read.
        self.write("ACME1234.kvf", BROKEN)
        self.write("dir/B.kvf", WARNING_ONLY)
        run, log = self.sarif("ACME1234.kvf", "dir")
        self.assertEqual(run.returncode, 1)
        self.assertEqual(log["version"], "2.1.0")
        self.assertIn("sarif", log["$schema"])
        self.assertEqual(len(log["runs"]), 1)
        driver = log["runs"][0]["tool"]["driver"]
        self.assertEqual(driver["name"], "kvfcheck")
        # The version --version shows; the commit, where there is one, as build metadata.
        shown = subprocess.run([KVFCHECK, "--version"], capture_output=True, timeout=60)
        release, _, commit = shown.stdout.decode().split(maxsplit=1)[1].strip().partition(" ")
        self.assertEqual(driver["version"], release)
        self.assertEqual(driver["semanticVersion"],
                         release + ("+" + commit[len("(commit "):-1] if commit else ""))
        rules = driver["rules"]
        self.assertTrue(rules)
        for rule in rules:
            self.assertIsInstance(rule["id"], str)
            self.assertTrue(rule["shortDescription"]["text"])
            self.assertIn(rule["defaultConfiguration"]["level"], ("error", "warning", "note"))
        self.assertEqual(len({r["id"] for r in rules}), len(rules))
        for invocation in log["runs"][0]["invocations"]:
            self.assertIs(invocation["executionSuccessful"], True)
        results = log["runs"][0]["results"]
        found = []
        for result in results:
            self.assertTrue(result["message"]["text"])
            self.assertIn(result["level"], ("error", "warning", "note"))
            self.assertEqual(rules[result["ruleIndex"]]["id"], result["ruleId"])
            location = result["locations"][0]["physicalLocation"]
            found.append((location["artifactLocation"]["uri"], location["region"]["startLine"],
                          result["ruleId"], result["level"]))
        self.assertEqual(found, [("ACME1234.kvf", 2, "134", "error"),
                                 ("ACME1234.kvf", 3, "147", "warning"),
                                 ("dir/B.kvf", 2, "147", "warning")])
        base = log["runs"][0]["originalUriBaseIds"]["SRCROOT"]["uri"]
        self.assertTrue(base.startswith("file:///") and base.endswith("/"))

    def test_only_relative_paths_are_based_on_the_source_root(self):
        self.write("ACME1234.kvf", WARNING_ONLY)
        absolute = self.write("dir/B.kvf", WARNING_ONLY)
        run, log = self.sarif("ACME1234.kvf", absolute)
        artifacts = [result["locations"][0]["physicalLocation"]["artifactLocation"]
                     for result in log["runs"][0]["results"]]
        self.assertEqual(artifacts[0], {"uri": "ACME1234.kvf", "uriBaseId": "SRCROOT"})
        self.assertEqual(list(artifacts[1]), ["uri"])
        self.assertTrue(artifacts[1]["uri"].startswith("file:///"), artifacts[1])
        self.assertTrue(artifacts[1]["uri"].endswith("/dir/B.kvf"), artifacts[1])

    def test_unreadable_file_is_a_failed_invocation(self):
        self.write("ACME1234.kvf", BROKEN)
        run, log = self.sarif("missing file.kvf", "ACME1234.kvf")
        self.assertEqual(run.returncode, 2)
        invocation = log["runs"][0]["invocations"][0]
        self.assertIs(invocation["executionSuccessful"], False)
        note = invocation["toolExecutionNotifications"][0]
        self.assertEqual(note["level"], "error")
        self.assertIn("missing file.kvf", note["message"]["text"])
        uri = note["locations"][0]["physicalLocation"]["artifactLocation"]["uri"]
        self.assertEqual(uri, "missing%20file.kvf")
        self.assertEqual(len(log["runs"][0]["results"]), 2)


class UserSettings(Workspace):
    def test_reads_the_editors_settings_file(self):
        self.write("ACME1234.kvf", WARNING_ONLY + b"MY_KEY = 300\n")
        config = os.path.join(self.dir.name, "config")
        env = dict(os.environ, XDG_CONFIG_HOME=config, XDG_CONFIG_DIRS=os.path.join(config, "none"))
        run = self.run_kvfcheck("--no-semantic", "ACME1234.kvf", settings=False, env=env)
        self.assertIn(b'Key "MY_KEY": Unknown key!', run.stdout)
        self.write("config/DORRIM/KVF_Ed.conf",
                   b'[Settings]\nWarnings=1\n\n[UserKeys]\nMY_KEY="1;0;UCHAR"\n'
                   b'Summary="MY_KEY,"\n')
        run = self.run_kvfcheck("--no-semantic", "ACME1234.kvf", settings=False, env=env)
        self.assertNotIn(b"Warning", run.stdout)
        self.assertIn(b'Error\tLine 3\tKey "MY_KEY": Value exceeds limit (UCHAR: 0..255', run.stdout)
        home = dict(os.environ, HOME=config + "/home", XDG_CONFIG_DIRS=os.path.join(config, "none"))
        home.pop("XDG_CONFIG_HOME", None)
        shutil.copytree(os.path.join(config, "DORRIM"), os.path.join(config, "home/.config/DORRIM"))
        run = self.run_kvfcheck("--no-semantic", "ACME1234.kvf", settings=False, env=home)
        self.assertNotIn(b"Warning", run.stdout)

    def test_links_nothing_but_the_runtime(self):
        if shutil.which("ldd") is None:
            self.skipTest("ldd is not installed")
        libraries = subprocess.run(["ldd", KVFCHECK], capture_output=True).stdout.decode()
        self.assertNotIn("Qt", libraries)
        self.assertNotIn("icu", libraries)


if __name__ == "__main__":
    unittest.main(verbosity=1)
