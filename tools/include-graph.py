#!/usr/bin/env python3
"""Prints the include graph of src/core and src/gui by folder, and fails on a cycle between files.

A file and its header count as one unit (Foo.h with Foo.cpp), so that a cycle is one between classes. Every
include names its layer (core/…, gui/…); the core includes only the core. The GUI's floors are checked too: a
folder may include only its own floor and those below it.
"""
import os
import re
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
LIBRARIES = {"core": os.path.join(ROOT, "src", "core"), "gui": os.path.join(ROOT, "src", "gui")}
# The GUI's floors, bottom first; a folder not named here is not checked.
FLOORS = [["kit", "document"], ["entry", "patterns", "predict", "oracle", "wheel"], ["shell"]]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
# What Qt's tools make beside a file; they name no layer.
GENERATED = re.compile(r"^(ui_.*\.h|.*\.moc|moc_.*\.cpp)$")


def units():
    """Every source file of the libraries, as (library, unit) → its files."""
    found = {}
    for library, base in LIBRARIES.items():
        for folder, _, names in os.walk(base):
            for name in names:
                if name.endswith((".h", ".cpp")):
                    path = os.path.join(folder, name)
                    unit = os.path.splitext(os.path.relpath(path, base))[0]
                    found.setdefault((library, unit), []).append(path)
    return found


def edges(found, problems):
    graph = {key: set() for key in found}
    for (library, unit), paths in found.items():
        for path in paths:
            with open(path, encoding="utf-8") as source:
                for line in source:
                    match = INCLUDE.match(line)
                    if not match or GENERATED.match(match.group(1)):
                        continue
                    layer, _, rest = match.group(1).partition("/")
                    if layer not in LIBRARIES or not rest:
                        problems.append(f"unnamed layer: {library}/{unit} includes {match.group(1)}")
                        continue
                    if library == "core" and layer != "core":
                        problems.append(f"core into {layer}: core/{unit} includes {match.group(1)}")
                        continue
                    target = (layer, os.path.splitext(rest)[0])
                    if target in found and target != (library, unit):
                        graph[(library, unit)].add(target)
    return graph


def cycles(graph):
    """The strongly connected components of more than one unit (Tarjan)."""
    index, low, stack, on_stack, result = {}, {}, [], set(), []
    counter = [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for target in sorted(graph[node]):
            if target not in index:
                visit(target)
                low[node] = min(low[node], low[target])
            elif target in on_stack:
                low[node] = min(low[node], index[target])
        if low[node] == index[node]:
            component = []
            while True:
                top = stack.pop()
                on_stack.discard(top)
                component.append(top)
                if top == node:
                    break
            if len(component) > 1:
                result.append(sorted(component))

    sys.setrecursionlimit(10000)
    for node in sorted(graph):
        if node not in index:
            visit(node)
    return result


def folder(key):
    library, unit = key
    return library + "/" + (unit.split("/")[0] if "/" in unit else ".")


def floor_of(key):
    library, unit = key
    if library != "gui" or "/" not in unit:
        return None
    name = unit.split("/")[0]
    for level, names in enumerate(FLOORS):
        if name in names:
            return level
    return None


def main():
    problems = []
    graph = edges(units(), problems)
    by_folder = {}
    for source, targets in graph.items():
        for target in targets:
            if folder(source) != folder(target):
                by_folder.setdefault(folder(source), set()).add(folder(target))
    for source in sorted(by_folder):
        print(f"{source} -> {', '.join(sorted(by_folder[source]))}")
    for component in cycles(graph):
        problems.append("cycle: " + " -> ".join(f"{lib}/{unit}" for lib, unit in component))
    for source, targets in sorted(graph.items()):
        for target in sorted(targets):
            below, above = floor_of(source), floor_of(target)
            if below is not None and above is not None and above > below:
                problems.append(f"upwards: gui/{source[1]} includes gui/{target[1]}")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
