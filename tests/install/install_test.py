#!/usr/bin/env python3
"""`cmake --install` puts kvfcheck and its desktop files in place, and they work there."""
import gzip
import re
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

BUILD_DIR = sys.argv.pop(1)


class Install(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.TemporaryDirectory()
        cls.prefix = os.path.join(cls.dir.name, "usr")
        subprocess.run(["cmake", "--install", BUILD_DIR, "--prefix", cls.prefix],
                       check=True, capture_output=True, timeout=300)

    @classmethod
    def tearDownClass(cls):
        cls.dir.cleanup()

    def path(self, relative):
        return os.path.join(self.prefix, relative)

    def require_editor(self):
        # The editor's files come with the editor only (-DKVF_BUILD_EDITOR=OFF builds none).
        if not os.path.exists(self.path("bin/kvf-editor")):
            self.skipTest("built without the editor")

    def test_kvfcheck_runs_where_installed(self):
        kvfcheck = self.path("bin/kvfcheck")
        run = subprocess.run([kvfcheck, "--help"], capture_output=True, timeout=60)
        self.assertEqual(run.returncode, 0)
        self.assertIn(b"--format", run.stdout)

    def test_language_server_runs_where_installed(self):
        server = self.path("bin/kvf-lsp")
        run = subprocess.run([server, "--version"], capture_output=True, timeout=60)
        self.assertEqual(run.returncode, 0)
        self.assertTrue(run.stdout.startswith(b"kvf-lsp "))
        with gzip.open(self.path("share/man/man1/kvf-lsp.1.gz")) as f:
            self.assertIn(b".SH NAME\nkvf-lsp \\-", f.read())

    def test_man_page_documents_every_option(self):
        page = self.path("share/man/man1/kvfcheck.1.gz")
        if os.path.exists(page):
            with gzip.open(page) as f:
                text = f.read().decode()
        else:
            with open(self.path("share/man/man1/kvfcheck.1")) as f:
                text = f.read()
        help_text = subprocess.run([self.path("bin/kvfcheck"), "--help"],
                                   capture_output=True).stdout.decode()
        options = set(re.findall(r"--[a-z][a-z-]*", help_text))
        self.assertIn("--format", options)
        for option in options:
            self.assertIn(option.replace("-", "\\-"), text, option)

    def test_desktop_entry_icon_and_mime_type(self):
        self.require_editor()
        desktop = self.path("share/applications/kvf-editor.desktop")
        with open(desktop) as f:
            entry = dict(line.split("=", 1) for line in f.read().splitlines() if "=" in line)
        self.assertEqual(entry["Icon"], "kvf-editor")
        self.assertEqual(entry["TryExec"], "kvf-editor")
        self.assertIn("text/x-kvf", entry["MimeType"])
        self.assertTrue(os.path.exists(self.path("share/icons/hicolor/scalable/apps/kvf-editor.svg")))
        if shutil.which("desktop-file-validate"):
            subprocess.run(["desktop-file-validate", desktop], check=True)

    def test_mime_type_recognises_kvf_files(self):
        self.require_editor()
        if not shutil.which("update-mime-database"):
            self.skipTest("update-mime-database is not installed")
        mime = self.path("share/mime")
        subprocess.run(["update-mime-database", mime], check=True, capture_output=True)
        with open(os.path.join(mime, "globs2")) as f:
            self.assertIn("text/x-kvf:*.kv?", f.read())
        with open(os.path.join(mime, "magic"), "rb") as f:
            magic = f.read()
        self.assertIn(b"text/x-kvf", magic)
        self.assertIn(b"#TALVERON_DP", magic)

    def test_templates_where_the_editor_looks_for_them(self):
        self.require_editor()
        # The editor looks beside its program in ../share/kvf-editor/templates.
        source = os.path.join(os.path.dirname(__file__), "..", "..", "resources", "templates")
        shipped = sorted(n for n in os.listdir(source) if n.endswith(".tpl"))
        installed = self.path("share/kvf-editor/templates")
        self.assertTrue(shipped)
        self.assertEqual(sorted(os.listdir(installed)), shipped)


if __name__ == "__main__":
    unittest.main(verbosity=1)
