#!/usr/bin/env python3
"""Mutation check for files of src/core: changes one operator or constant at a time, rebuilds the
core test binary and runs it. A mutant the tests still pass is a survivor.

The mutants of a file are chosen by a random generator seeded with the file's path, so the same
source file gets the same mutants on every run and in every checkout: run it before and after a
change to the tests and compare the counts.

Usage: tools/mutants.py [--build-dir DIR] [--per-file N] [--json OUT] FILE...
"""

import argparse
import json
import os
import random
import re
import resource
import subprocess
import sys
import time
import zlib

# Binary operators are written with a space on each side in this code base, which tells them from
# template brackets, pointers and unary signs.
OPERATORS = [
    (re.compile(r"(?<= )==(?= )"), "!="),
    (re.compile(r"(?<= )!=(?= )"), "=="),
    (re.compile(r"(?<= )<=(?= )"), "<"),
    (re.compile(r"(?<= )>=(?= )"), ">"),
    (re.compile(r"(?<= )<(?= )"), "<="),
    (re.compile(r"(?<= )>(?= )"), ">="),
    (re.compile(r"(?<= )&&(?= )"), "||"),
    (re.compile(r"(?<= )\|\|(?= )"), "&&"),
    (re.compile(r"(?<= )\+(?= )"), "-"),
    (re.compile(r"(?<= )-(?= )"), "+"),
    (re.compile(r"(?<= )\+=(?= )"), "-="),
    (re.compile(r"(?<= )-=(?= )"), "+="),
    (re.compile(r"\+\+"), "--"),
    (re.compile(r"(?<![\w)\]])--"), "++"),
    (re.compile(r"!(?=[\w(])"), ""),  # drops a negation
    (re.compile(r"\btrue\b"), "false"),
    (re.compile(r"\bfalse\b"), "true"),
]
INTEGER = re.compile(r"(?<![\w.'])(0[xX][0-9a-fA-F]+|\d+)(?=[uUlL]*(?![\w.']))")


def code_mask(lines):
    """For every line, the line with comments, string and character literals blanked out."""
    masked = []
    in_block = False
    for line in lines:
        out = []
        i = 0
        while i < len(line):
            if in_block:
                end = line.find("*/", i)
                if end < 0:
                    out.append(" " * (len(line) - i))
                    i = len(line)
                else:
                    out.append(" " * (end + 2 - i))
                    i = end + 2
                    in_block = False
                continue
            c = line[i]
            if line.startswith("//", i):
                out.append(" " * (len(line) - i))
                break
            if line.startswith("/*", i):
                in_block = True
                continue
            raw = re.match(r'(?:u8|u|U|L)?R"([^(]*)\(', line[i:])
            if raw:
                end = line.find(")" + raw.group(1) + '"', i)
                stop = len(line) if end < 0 else end + len(raw.group(1)) + 2
                out.append(" " * (stop - i))
                i = stop
                continue
            if c in "\"'":
                j = i + 1
                while j < len(line) and line[j] != c:
                    j += 2 if line[j] == "\\" else 1
                out.append(" " * (min(j + 1, len(line)) - i))
                i = j + 1
                continue
            out.append(c)
            i += 1
        masked.append("".join(out))
    return masked


def mutation_sites(text):
    lines = text.split("\n")
    sites = []
    for number, (line, code) in enumerate(zip(lines, code_mask(lines))):
        stripped = code.strip()
        if not stripped or stripped.startswith("#") or "static_assert" in code:
            continue
        for pattern, replacement in OPERATORS:
            for m in pattern.finditer(code):
                sites.append((number, m.start(), m.end(), replacement))
        for m in INTEGER.finditer(code):
            value = int(m.group(1), 0)
            new = hex(value + 1) if m.group(1).lower().startswith("0x") else str(value + 1)
            sites.append((number, m.start(), m.end(), new))
    return lines, sorted(set(sites))


def apply(lines, site):
    number, start, end, replacement = site
    changed = list(lines)
    changed[number] = lines[number][:start] + replacement + lines[number][end:]
    return changed


def limit_memory():
    # A mutant that loops allocating must not take the machine's memory with it.
    resource.setrlimit(resource.RLIMIT_AS, (4 << 30, 4 << 30))


def run(command, timeout=None, env=None, limited=False):
    started = time.monotonic()
    try:
        done = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=timeout, env=env,
                              preexec_fn=limit_memory if limited else None)
        return done.returncode, time.monotonic() - started
    except subprocess.TimeoutExpired:
        return "timeout", time.monotonic() - started


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("files", nargs="+")
    parser.add_argument("--build-dir", default="build-mutants")
    parser.add_argument("--per-file", type=int, default=8, help="mutants per file (0: all)")
    parser.add_argument("--gtest-filter", default="", help="tests to leave out or keep")
    parser.add_argument("--json", help="write the results here")
    parser.add_argument("--list", action="store_true", help="only list the chosen mutants")
    args = parser.parse_args()

    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    os.chdir(root)
    binary = os.path.join(args.build_dir, "bin", "glyphora_core_tests")
    build = ["cmake", "--build", args.build_dir, "--target", "glyphora_core_tests"]
    test = [binary, "--gtest_brief=1"]
    if args.gtest_filter:
        test.append("--gtest_filter=" + args.gtest_filter)
    env = dict(os.environ, LSAN_OPTIONS="detect_leaks=0")

    if not args.list:
        if run(build)[0] != 0:
            sys.exit("mutants: the unchanged tree does not build")
        status, seconds = run(test, env=env, limited=True)
        if status != 0:
            sys.exit("mutants: the tests fail on the unchanged tree")
        timeout = max(30.0, 5 * seconds)

    results = {}
    for path in args.files:
        relative = os.path.relpath(path, root)
        original = open(path, encoding="utf-8").read()
        lines, sites = mutation_sites(original)
        random.Random(zlib.crc32(relative.encode())).shuffle(sites)
        wanted = args.per_file or len(sites)
        killed, survived, tried = 0, [], 0
        for site in sites:
            if killed + len(survived) >= wanted:
                break
            mutant = apply(lines, site)
            where = f"{relative}:{site[0] + 1}: {mutant[site[0]].strip()}"
            if args.list:
                print(where)
                killed += 1
                continue
            tried += 1
            try:
                with open(path, "w", encoding="utf-8") as f:
                    f.write("\n".join(mutant))
                if run(build)[0] != 0:
                    print(f"  does not compile  {where}", flush=True)
                    continue
                status, _ = run(test, timeout=timeout, env=env, limited=True)
            finally:
                with open(path, "w", encoding="utf-8") as f:
                    f.write(original)
            if status == 0:
                survived.append(where)
                print(f"  SURVIVED          {where}", flush=True)
            else:
                killed += 1
                print(f"  killed ({status})".ljust(20) + where, flush=True)
        if not args.list:
            print(f"{relative}: {killed} of {killed + len(survived)} killed", flush=True)
            results[relative] = {"killed": killed, "survived": survived}
    if not args.list:
        run(build)  # leave the binary built from the unchanged sources
    if args.json:
        with open(args.json, "w", encoding="utf-8") as f:
            json.dump(results, f, indent=1)
    if results:
        print("\nfile".ljust(48) + "killed / mutants")
        for relative, r in results.items():
            print(relative.ljust(47) + f"{r['killed']} / {r['killed'] + len(r['survived'])}")


if __name__ == "__main__":
    main()
