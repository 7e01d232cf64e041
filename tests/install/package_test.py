#!/usr/bin/env python3
"""The Debian package `cpack -G DEB` builds: what lintian and appstreamcli say of it (where
they are installed), its notices and changelog, and the editor's AppStream description."""
import gzip
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

BUILD_DIR = os.path.abspath(sys.argv.pop(1))
SOURCE_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


def project_version():
    with open(os.path.join(SOURCE_DIR, "CMakeLists.txt")) as f:
        return re.search(r"project\(KVFEditor VERSION ([0-9.]+)", f.read()).group(1)


class Package(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.TemporaryDirectory()
        subprocess.run(["cpack", "-G", "DEB", "-B", cls.dir.name,
                        "--config", os.path.join(BUILD_DIR, "CPackConfig.cmake")],
                       check=True, capture_output=True, timeout=600)
        (cls.deb,) = glob.glob(os.path.join(cls.dir.name, "*.deb"))
        cls.root = os.path.join(cls.dir.name, "root")
        subprocess.run(["dpkg-deb", "-x", cls.deb, cls.root], check=True, timeout=120)

    @classmethod
    def tearDownClass(cls):
        cls.dir.cleanup()

    def path(self, relative):
        return os.path.join(self.root, relative)

    def editor_built(self):
        return os.path.exists(self.path("usr/bin/kvf-editor"))

    def test_lintian_finds_no_error_and_no_warning(self):
        if not shutil.which("lintian"):
            self.skipTest("lintian is not installed")
        run = subprocess.run(["lintian", self.deb], capture_output=True, timeout=600)
        self.assertEqual(run.stdout.decode(), "")
        self.assertEqual(run.returncode, 0, run.stderr.decode())

    def test_version_and_changelog_name_the_projects_version(self):
        version = project_version()
        control = subprocess.run(["dpkg-deb", "-f", self.deb, "Version"], check=True,
                                 capture_output=True).stdout.decode().strip()
        self.assertEqual(control, version)
        with gzip.open(self.path("usr/share/doc/kvf-editor/changelog.gz")) as f:
            first = f.readline().decode()
        self.assertEqual(first, f"kvf-editor ({version}) unstable; urgency=medium\n")

    def test_copyright_carries_the_licence_and_the_notices(self):
        with open(self.path("usr/share/doc/kvf-editor/copyright")) as f:
            copyright = f.read()
        self.assertTrue(copyright.startswith("Format: https://www.debian.org/doc/"))
        with open(os.path.join(SOURCE_DIR, "LICENSE")) as f:
            licence = f.read()
        # LICENSE's permission notice, word for word in the Expat paragraph.
        notice = licence[licence.index("Permission is hereby granted"):]
        self.assertIn(" ".join(notice.split()), " ".join(copyright.replace("\n .\n", "\n").split()))
        for third_party in ("CLI11", "nlohmann-json", "Qt 6", "LGPL-3"):
            self.assertIn(third_party, copyright)

    def test_man_pages_of_the_programs(self):
        programs = ("kvfcheck", "kvf-lsp") + (("kvf-editor",) if self.editor_built() else ())
        for program in programs:
            self.assertTrue(os.access(self.path(f"usr/bin/{program}"), os.X_OK), program)
            with gzip.open(self.path(f"usr/share/man/man1/{program}.1.gz")) as f:
                self.assertIn(f".SH NAME\n{program} \\-".encode(), f.read())

    def test_appstream_description(self):
        if not self.editor_built():
            self.skipTest("built without the editor")
        (metainfo,) = glob.glob(self.path("usr/share/metainfo/*.metainfo.xml"))
        if shutil.which("appstreamcli"):
            run = subprocess.run(["appstreamcli", "validate", "--no-net", metainfo],
                                 capture_output=True, timeout=120)
            self.assertEqual(run.returncode, 0, run.stdout.decode())
        component = ElementTree.parse(metainfo).getroot()
        self.assertEqual(component.find("launchable").text, "kvf-editor.desktop")
        self.assertTrue(os.path.exists(self.path("usr/share/applications/kvf-editor.desktop")))
        self.assertEqual(component.find("releases/release").get("version"), project_version())
        # The README's screenshots, each with its caption.
        with open(os.path.join(SOURCE_DIR, "README.md")) as f:
            readme = f.read()
        images = re.findall(r"!\[[^\]]*\]\(docs/screenshots/([^)]+)\)", readme)
        captions = readme_captions(readme)
        listed = [(os.path.basename(s.find("image").text), s.find("caption").text)
                  for s in component.findall("screenshots/screenshot")]
        self.assertEqual(listed, list(zip(images, captions)))


def readme_captions(readme):
    """The captions of the README's screenshot table, in order: its header row and each
    bold row name the images of the row below them."""
    tables = re.findall(r"(?:^\|.*\n)+", readme, flags=re.M)
    (table,) = [t for t in tables if "docs/screenshots/" in t]
    captions = []
    for line in table.splitlines():
        if "![" in line or set(line) <= set("|-: "):
            continue
        cells = [c.strip() for c in line.strip("|").split("|")]
        captions += [c.strip("*") for c in cells if c]
    return captions


if __name__ == "__main__":
    unittest.main(verbosity=1)
