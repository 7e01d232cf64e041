#!/usr/bin/env python3
"""kvf-lsp with a real client: Neovim (Debian's package) headless, started with the README's
snippet as a user's init.lua, opens a file, sees kvfcheck's findings, edits, sees them change,
asks for hover and a code action, applies it and sees the finding gone.
Usage: neovim_test.py KVF_LSP SOURCE_DIR. Skipped (exit 77) where nvim is not installed."""
import os
import shutil
import subprocess
import sys
import tempfile

SKIP = 77
FILE = (b"#TALVERON_DP\n"
        b"Vendor_Name = \"ACME\"\n"
        b"Freze_Mode_supp = 1\n")


def main():
    server, source = sys.argv[1], sys.argv[2]
    nvim = shutil.which("nvim")
    if not nvim:
        print("SKIP: nvim is not installed (apt-get install neovim; scripts/install-deps.sh does)")
        return SKIP
    snippet_path = os.path.join(source, "resources/editors/neovim/kvf-lsp.lua")
    with open(snippet_path) as f:
        snippet = f.read()
    with open(os.path.join(source, "README.md")) as f:
        readme = f.read()
    assert snippet in readme, "the README does not show the Neovim snippet as it is tested"
    with tempfile.TemporaryDirectory() as home:
        config = os.path.join(home, "config")
        os.makedirs(os.path.join(config, "nvim"))
        shutil.copy(snippet_path, os.path.join(config, "nvim", "init.lua"))
        work = os.path.join(home, "work")
        os.makedirs(work)
        with open(os.path.join(work, "ACME1234.kvf"), "wb") as f:
            f.write(FILE)
        result = os.path.join(home, "result")
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=config,
                   XDG_DATA_HOME=os.path.join(home, "data"),
                   XDG_STATE_HOME=os.path.join(home, "state"),
                   XDG_CACHE_HOME=os.path.join(home, "cache"),
                   PATH=os.path.dirname(os.path.abspath(server)) + os.pathsep + os.environ["PATH"],
                   KVF_TEST_RESULT=result)
        session = os.path.join(os.path.dirname(os.path.abspath(__file__)), "neovim_session.lua")
        run = subprocess.run([nvim, "--headless", "ACME1234.kvf", "-c", f"luafile {session}"],
                             cwd=work, env=env, capture_output=True, timeout=900)
        outcome = open(result).read() if os.path.exists(result) else "no result written"
        if outcome != "ok" or run.returncode != 0:
            print(outcome)
            print(run.stdout.decode(errors="replace")[-2000:], run.stderr.decode(errors="replace")[-2000:])
            return 1
    print("ok: diagnostics, an edit, hover and a quick fix through Neovim")
    return 0


if __name__ == "__main__":
    sys.exit(main())
