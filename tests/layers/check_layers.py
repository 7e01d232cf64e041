#!/usr/bin/env python3
"""Checks the include structure of the sources.

The folders of src/ form layers: a file may include headers of its own folder and of the
folders below it, never of one above it, so the graph of folders has no cycle. Inside
semantic/ the rule groups include neither the registry of groups nor the checker. The engine
(every folder but the shells) includes no Qt header, and neither the engine nor the
editor includes a header of POSIX systems only. Usage: check_layers.py SRC_DIR
"""
import os
import re
import sys

# The engine's folders from the bottom up; each may include itself and what stands before it.
ENGINE = ["core", "catalogue", "semantic", "document", "output", "editing", "variants",
          "language"]
# The shells stand on the whole engine. The editor's windows (views) sit below its
# application objects (app); kvfcheck (cli) stands beside them and includes neither.
# version/ (the programs' version and commit) includes nothing of the others.
SHELLS = {
    "version": {"version"},
    "views": set(ENGINE) | {"views"},
    "app": set(ENGINE) | {"views", "app", "version"},
    "cli": set(ENGINE) | {"cli", "version"},
    "lsp": set(ENGINE) | {"lsp", "version"},
}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^(Q[A-Za-z0-9]*|Qt[A-Za-z0-9]*/.*)$")
# Headers of POSIX systems only. The engine and the editor build for Windows as they are, so
# they include none; kvfcheck keeps its few inside a Windows alternative.
POSIX_HEADER = re.compile(
    r"^(unistd|fcntl|dirent|pthread|termios|dlfcn|pwd|grp|poll|syslog|sys/.*|arpa/.*|netinet/.*)\.h$")
PORTABLE_FOLDERS = set(ENGINE) | {"views", "app", "version"}
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc", ".def", ".inc")

# Inside semantic/, the checker stands above the registry of rule groups, which stands above
# the groups: no include runs back up. Each of these headers may be included inside
# semantic/ only by the files named here (its own parts, and the header above it); the
# layers above semantic/ include the checker freely.
SEMANTIC_UPPER_HEADERS = {
    "semantic/SemanticChecker.h": {"semantic/SemanticChecker.cpp", "semantic/ContextRules.cpp"},
    "semantic/RuleGroups.h": {"semantic/SemanticChecker.h", "semantic/RuleGroups.cpp"},
}


def allowed_folders(folder):
    if folder in ENGINE:
        return set(ENGINE[: ENGINE.index(folder) + 1])
    return SHELLS.get(folder)


def main():
    src = sys.argv[1]
    folders = sorted(d for d in os.listdir(src) if os.path.isdir(os.path.join(src, d)))
    problems = []
    for folder in folders:
        allowed = allowed_folders(folder)
        if allowed is None:
            problems.append(f"{folder}/: a folder of no layer; add it to {__file__}")
            continue
        for root, _, files in os.walk(os.path.join(src, folder)):
            for name in sorted(files):
                if not name.endswith(SOURCE_SUFFIXES):
                    continue
                path = os.path.join(root, name)
                rel = os.path.relpath(path, src)
                with open(path, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if not m:
                            continue
                        quote, header = m.groups()
                        if quote == '"' and "/" in header:
                            target = header.split("/", 1)[0]
                            if target in folders and target not in allowed:
                                problems.append(
                                    f"{rel}:{number}: {folder}/ includes {header} from a higher layer")
                        allowed_includers = SEMANTIC_UPPER_HEADERS.get(header)
                        if (folder == "semantic" and allowed_includers is not None
                                and rel.replace(os.sep, "/") not in allowed_includers):
                            problems.append(
                                f"{rel}:{number}: includes {header}, which stands above it")
                        if folder in PORTABLE_FOLDERS and POSIX_HEADER.match(header):
                            problems.append(
                                f"{rel}:{number}: {header} exists on POSIX systems only")
                        if folder in ENGINE and QT_HEADER.match(header):
                            problems.append(
                                f"{rel}:{number}: the engine includes the Qt header {header}")
    for p in problems:
        print(p)
    print(f"layers: {len(folders)} folders checked, {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
