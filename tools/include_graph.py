#!/usr/bin/env python3
"""Which folders of src/core include which, the cycles among them, and the floors they stand on.

Prints one line per folder with the folders it includes from, then every cycle (a folder that
reaches itself through its includes) with one include that closes it, then every include that
reaches up a floor: the domain (Unicode data, fonts, encodings, settings, help) knows nothing of
the window's panels and model. Exit status 1 when there is either, so a test can hold the line.
usage: tools/include_graph.py [SRC_CORE]   (default src/core)
"""
import re
import sys
from pathlib import Path

# Floor of each folder: 0 the ground every part uses, 1 the domain, 2 the window without widgets.
FLOORS = {
    "base": 0,
    "unicode": 1, "fonts": 1, "copy": 1, "search": 1, "app": 1, "about": 1, "controls": 1,
    "panels": 2, "table": 2, "platform": 2,
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def folder_edges(root: Path):
    """(from folder, to folder) -> the first include line that makes the edge."""
    folders = {p.name for p in root.iterdir() if p.is_dir()}
    edges = {}
    for source in sorted(root.rglob("*")):
        if source.suffix not in (".h", ".cpp") or not source.is_file():
            continue
        here = source.relative_to(root).parts[0]
        for target in INCLUDE.findall(source.read_text(errors="replace")):
            there = target.split("/")[0]
            if "/" in target and there in folders and there != here:
                edges.setdefault((here, there), f"{source.relative_to(root)}: {target}")
    return folders, edges


def cycles(folders, edges):
    """Strongly connected groups of more than one folder (Tarjan)."""
    graph = {f: sorted(t for (s, t) in edges if s == f) for f in folders}
    index, low, stack, on, groups = {}, {}, [], set(), []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on.add(v)
        for w in graph[v]:
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for f in sorted(folders):
        if f not in index:
            visit(f)
    return groups


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else "src/core")
    folders, edges = folder_edges(root)
    for f in sorted(folders):
        used = sorted(t for (s, t) in edges if s == f)
        print(f"{f:10} -> {', '.join(used) if used else '(nothing)'}")
    groups = cycles(folders, edges)
    for group in groups:
        print("CYCLE among " + ", ".join(group) + ":")
        for (s, t), why in sorted(edges.items()):
            if s in group and t in group:
                print(f"  {s} -> {t}   ({why})")
    if not groups:
        print("no cycles")
    upward = [(s, t, why) for (s, t), why in sorted(edges.items())
              if FLOORS.get(t, 0) > FLOORS.get(s, 0)]
    unplaced = sorted(f for f in folders if f not in FLOORS)
    for s, t, why in upward:
        print(f"UP A FLOOR: {s} -> {t}   ({why})")
    for f in unplaced:
        print(f"NO FLOOR: {f} (add it to FLOORS)")
    return 1 if groups or upward or unplaced else 0


if __name__ == "__main__":
    sys.exit(main())
