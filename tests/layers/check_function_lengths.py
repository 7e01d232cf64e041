#!/usr/bin/env python3
"""Checks that no function of the editor's windows is longer than a screen.

The window code (src/app, src/views) collects values and shows results; a function there
that grows past LIMIT lines is doing the engine's work or several jobs at once. Lambdas
count towards the function that holds them. Usage: check_function_lengths.py SRC_DIR
"""
import os
import re
import sys

LIMIT = 80
FOLDERS = ["app", "views"]


def blank_out(text):
    """The text with comments and string and character literals blanked, lines kept."""
    out = []
    i, n = 0, len(text)
    while i < n:
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
        elif text[i] in "\"'":
            j = i + 1
            while j < n and text[j] != text[i] and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            j += 1
        else:
            out.append(text[i])
            i += 1
            continue
        out.append(re.sub(r"[^\n]", " ", text[i:j]))
        i = j
    return "".join(out)


# What stands before a brace that opens a scope rather than a function body.
SCOPE = re.compile(r"\b(namespace|class|struct|enum|union)\b[^;(){}]*$|=\s*$")
# A function head: a parameter list, then qualifiers or a member initialiser list.
FUNCTION = re.compile(r"\)\s*(const|override|noexcept|final|->\s*[\w:<>&*]+|\s)*$|\)\s*:\s*\w")


def long_functions(path):
    text = blank_out(open(path, encoding="utf-8", errors="replace").read())
    stack = []  # (is a function, first line, name)
    head_start = 0
    for match in re.finditer(r"[{};]", text):
        char, pos = match.group(), match.start()
        inside = any(entry[0] for entry in stack)
        if char == "{":
            head = text[head_start:pos]
            is_function = not inside and not SCOPE.search(head.strip()) and FUNCTION.search(head)
            if is_function:
                first = text.count("\n", 0, head_start + len(head) - len(head.lstrip())) + 1
                name = re.search(r"([\w:~]+)\s*\(", head)
                stack.append((True, first, name.group(1) if name else "?"))
            else:
                stack.append((False, 0, ""))
            head_start = pos + 1
        elif char == "}":
            if stack:
                is_function, first, name = stack.pop()
                if is_function:
                    lines = text.count("\n", 0, pos) + 2 - first
                    if lines > LIMIT:
                        yield name, first, lines
            head_start = pos + 1
        elif not inside:
            head_start = pos + 1


def main():
    src = sys.argv[1]
    problems = []
    for folder in FOLDERS:
        for root, _, files in os.walk(os.path.join(src, folder)):
            for name in sorted(files):
                if name.endswith((".cpp", ".h")):
                    path = os.path.join(root, name)
                    for function, first, lines in long_functions(path):
                        problems.append(f"{os.path.relpath(path, src)}:{first}: {function} "
                                        f"has {lines} lines (at most {LIMIT})")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
