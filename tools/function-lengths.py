#!/usr/bin/env python3
"""Lists every function of src/gui longer than the limit (60 lines by default) and exits non-zero while there is one.

The code is formatted with a function's braces on lines of their own at the start of the line (.clang-format),
so a function's body is what lies between such a "{" and the next such "}". Lambdas count in the function that
holds them; functions defined inside a class body are short by the project's rule and not measured.
"""
import os
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")


def long_functions(folder, limit):
    found = []
    for directory, _, names in os.walk(folder):
        for name in sorted(names):
            if not name.endswith((".cpp", ".h")):
                continue
            path = os.path.join(directory, name)
            with open(path, encoding="utf-8") as source:
                lines = source.read().split("\n")
            start = None
            for number, line in enumerate(lines, 1):
                if line == "{" and number > 1:
                    start = number
                elif line == "}" and start is not None:
                    length = number - start - 1
                    if length > limit:
                        signature = lines[start - 2].strip()
                        found.append(f"{os.path.relpath(path, ROOT)}:{start - 1}: {length} lines: {signature}")
                    start = None
    return found


def main():
    limit = int(sys.argv[1]) if len(sys.argv) > 1 else 60
    found = long_functions(os.path.join(ROOT, "src", "gui"), limit)
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
