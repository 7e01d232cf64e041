#!/usr/bin/env python3
"""The syntax definition for Kate (resources/editors/kate/kvf.xml), judged by the highlighting
library's own command-line tool: it is found for *.kv? files, loads without a complaint of the
library, and gives each part of a KVF line its format. Usage: kate_syntax_test.py SOURCE_DIR
Skipped (exit 77) where the tool is not installed (Debian: libkf5syntaxhighlighting-tools)."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

SKIP = 77
SAMPLE = (b"#TALVERON_DP\n"
          b"; a comment\n"
          b"Vendor_Name = \"ACME;Corp\" ; kvf-disable-line 136\n"
          b"Ident_Number = 0x1234\n"
          b"Module = \"In 4\" 0x13, 0x23 \\\n"
          b"  0x10\n"
          b"Ext_User_Prm_Data_Ref(0) = 3\n"
          b"endmodule\n")
# Each format and a piece of the sample it must be given to.
FORMATS = ["Header", "Comment", "Keyword", "Block", "Operator", "String", "Hex", "Number",
           "Continuation", "Suppression"]


def main():
    source = sys.argv[1]
    definition = os.path.join(source, "resources/editors/kate/kvf.xml")
    # Well-formed, and every context a rule names exists.
    root = ElementTree.parse(definition).getroot()
    contexts = {c.get("name") for c in root.iter("context")}
    for rule in root.iter():
        target = rule.get("context")
        if target and not target.startswith("#"):
            assert target in contexts, f"rule names an unknown context {target}"
    tool = shutil.which("kate-syntax-highlighter")
    if not tool:
        print("SKIP: kate-syntax-highlighter is not installed "
              "(apt-get install libkf5syntaxhighlighting-tools)")
        return SKIP
    with tempfile.TemporaryDirectory() as work:
        folder = os.path.join(work, "data/org.kde.syntax-highlighting/syntax")
        os.makedirs(folder)
        shutil.copy(definition, folder)
        sample = os.path.join(work, "dev.kvf")
        with open(sample, "wb") as f:
            f.write(SAMPLE)
        env = dict(os.environ, XDG_DATA_HOME=os.path.join(work, "data"),
                   QT_LOGGING_RULES="kf.syntaxhighlighting*=true", QT_QPA_PLATFORM="offscreen")
        listed = subprocess.run([tool, "--list"], env=env, capture_output=True, timeout=60)
        assert "KVF" in listed.stdout.decode().split(), "the definition is not listed"
        # No -s: the tool picks the definition by the file's name.
        run = subprocess.run([tool, "-f", "ansi", "--syntax-trace", "format", sample], env=env,
                             capture_output=True, timeout=60)
        assert run.returncode == 0, run.stderr.decode()
        complaints = [l for l in run.stderr.decode().splitlines() if "syntaxhighlighting" in l]
        assert not complaints, "\n".join(complaints)
        trace = re.sub(r"\x1b\[[0-9;]*[A-Za-z]", "", run.stdout.decode())
        for name in FORMATS:
            assert re.search(rf"\b{name}\b", trace), f"no text given the format {name}"
    print("ok: kvf.xml loads and highlights every part of a line")
    return 0


if __name__ == "__main__":
    sys.exit(main())
