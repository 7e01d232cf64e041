"""The folder a kvfcheck test works in: a temporary directory with an empty settings file,
and kvfcheck run there with it."""
import os
import subprocess
import sys
import tempfile
import unittest

# The program under test: the first argument of the test's command line, taken off it so
# that unittest does not read it.
KVFCHECK = sys.argv.pop(1)


class Workspace(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.settings = self.write("settings.ini", b"")

    def tearDown(self):
        self.dir.cleanup()

    def write(self, name, data):
        path = os.path.join(self.dir.name, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        return path

    def run_kvfcheck(self, *args, settings=True, env=None):
        cmd = [KVFCHECK] + (["--settings", self.settings] if settings else []) + list(args)
        return subprocess.run(cmd, cwd=self.dir.name, capture_output=True, timeout=120, env=env)
