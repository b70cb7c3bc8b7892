#!/usr/bin/env python3
"""Counts how many planted faults the unit suite catches.

  tools/mutants.py sample [--count N] [--seed S] > tools/mutants.txt
      picks N mutants (operators flipped, constants off by one, calls removed) spread evenly over
      src/model, src/engine, src/widgets and src/cli;
  tools/mutants.py run tools/mutants.txt [--source TREE] [--build DIR]
      plants each in turn in TREE's sources, builds qx_tests into DIR and runs it (without the
      end-to-end scripts), and prints which mutants the suite killed and which survived.

Running the same sample against two checkouts compares their suites. Slow (a build per mutant),
so it is not part of the test command.
"""
import argparse
import os
import random
import re
import subprocess
import sys
import time
from pathlib import Path

FOLDERS = ["src/model", "src/engine", "src/widgets", "src/cli"]

OPERATORS = {
    " < ": " <= ", " <= ": " < ", " > ": " >= ", " >= ": " > ",
    " == ": " != ", " != ": " == ", " && ": " || ", " || ": " && ",
    " + ": " - ", " - ": " + ",
}
CONSTANT = re.compile(r"(?<![\w.'])(\d+)(?![\w.'])")
# A statement that is one call of a function or method, its result unused.
CALL = re.compile(r"^\s*(?:[\w:]+(?:\.|->))*[\w:]+\s?\(.*\);\s*$")
NOT_CALLS = ("return", "jassert", "jassertfalse", "DBG", "JUCE_", "juce::ignoreUnused", "delete",
             "throw", "break", "continue", "static_assert")


def blankedStrings(line):
    """The line with string and character literals and any comment overwritten, same length."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out += "__"
                i += 2
                continue
            out.append("_" if c != quote else c)
            if c == quote:
                quote = None
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            out += "_" * (len(line) - i)
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)


def candidates(path, lines):
    for number, line in enumerate(lines, 1):
        code = line.strip()
        if not code or code.startswith(("//", "*", "/*", "#", "static_assert", "namespace")):
            continue
        plain = blankedStrings(line)
        for old, new in OPERATORS.items():
            # Text is joined with + too, and text minus text does not build.
            if old in (" + ", " - ") and ('"' in line or "String" in line):
                continue
            for m in re.finditer(re.escape(old), plain):
                yield number, "operator", line[:m.start()] + new + line[m.end():]
        for m in CONSTANT.finditer(plain):
            value = int(m.group(1))
            yield number, "constant", line[:m.start()] + str(value + 1) + line[m.end():]
        if CALL.match(plain) and not code.startswith(NOT_CALLS):
            yield number, "call", line[:len(line) - len(line.lstrip())] + ";"


def sample(root, count, seed):
    rng = random.Random(seed)
    perFolder = -(-count // len(FOLDERS))
    chosen = []
    for folder in FOLDERS:
        pool = []
        # The programs' entry points are not in the library the unit suite links.
        for path in sorted(p for p in (root / folder).glob("*.cpp") if p.name != "Main.cpp"):
            lines = path.read_text().split("\n")
            pool += [(str(path.relative_to(root)), n, kind, lines[n - 1], mutated)
                     for n, kind, mutated in candidates(path, lines)]
        # At most one mutant per line, so no single function dominates the sample.
        rng.shuffle(pool)
        seen = set()
        for mutant in pool:
            if (mutant[0], mutant[1]) in seen:
                continue
            seen.add((mutant[0], mutant[1]))
            chosen.append(mutant)
            if len([m for m in chosen if m[0].startswith(folder)]) == perFolder:
                break
    for path, number, kind, original, mutated in chosen:
        print("\t".join([path, str(number), kind, original, mutated]))


def plant(root, path, number, original, mutated):
    """Writes the mutant into the file; returns the file's old text, or None if the line moved away."""
    file = root / path
    text = file.read_text()
    lines = text.split("\n")
    if number > len(lines) or lines[number - 1] != original:
        matches = [i for i, line in enumerate(lines) if line == original]
        if len(matches) != 1:
            return None
        number = matches[0] + 1
    lines[number - 1] = mutated
    file.write_text("\n".join(lines))
    return text


def runSuite(build, timeout):
    return subprocess.run(["timeout", str(timeout), "xvfb-run", "-a", "-s", "-screen 0 1920x1200x24",
                           str(build / "tests" / "qx_tests"), "--gtest_brief=1", "--gtest_fail_fast"],
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, cwd=build).returncode


def run(sampleFile, root, build, timeout):
    # Share the compiler cache with every other checkout, as tools/build.sh does.
    os.environ.setdefault("CCACHE_BASEDIR", str(root.parent))
    os.environ.setdefault("CCACHE_NOHASHDIR", "1")
    subprocess.run(["cmake", "-S", root, "-B", build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                    "-DQX_BUILD_BENCHMARKS=OFF"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", build, "--target", "qx_tests", "-j2"], check=True,
                   stdout=subprocess.DEVNULL)
    started = time.time()
    if runSuite(build, timeout) != 0:
        sys.exit("the suite fails without any mutant: nothing to count")
    # A mutant that makes the suite hang counts as killed once it runs far longer than this.
    timeout = min(timeout, max(120, int(4 * (time.time() - started))))
    killed, survived, stillborn, lost = [], [], [], []
    mutants = [line.rstrip("\n").split("\t") for line in open(sampleFile) if line.strip()]
    for index, (path, number, kind, original, mutated) in enumerate(mutants, 1):
        label = f"{path}:{number} {kind}: {original.strip()}  ->  {mutated.strip()}"
        old = plant(root, path, int(number), original, mutated)
        if old is None:
            lost.append(label)
            continue
        started = time.time()
        try:
            built = subprocess.run(["cmake", "--build", build, "--target", "qx_tests", "-j2"],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0
            if not built:
                stillborn.append(label)
                verdict = "does not build"
            else:
                passed = runSuite(build, timeout) == 0
                (survived if passed else killed).append(label)
                verdict = "survived" if passed else "killed"
        finally:
            (root / path).write_text(old)
        print(f"[{index}/{len(mutants)}] {verdict} ({time.time() - started:.0f} s) {label}",
              flush=True)
    subprocess.run(["cmake", "--build", build, "--target", "qx_tests", "-j2"],
                   stdout=subprocess.DEVNULL)
    print(f"\nkilled {len(killed)} of {len(killed) + len(survived)} mutants that build"
          f" ({len(stillborn)} do not build, {len(lost)} no longer found)")
    for label in survived:
        print("  survived: " + label)
    for label in lost:
        print("  not found: " + label)


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    commands = parser.add_subparsers(dest="command", required=True)
    s = commands.add_parser("sample")
    s.add_argument("--count", type=int, default=52)
    s.add_argument("--seed", type=int, default=18)
    r = commands.add_parser("run")
    r.add_argument("sample")
    r.add_argument("--source", default=str(Path(__file__).resolve().parent.parent))
    r.add_argument("--build")
    r.add_argument("--timeout", type=int, default=600)
    args = parser.parse_args()
    if args.command == "sample":
        sample(Path(__file__).resolve().parent.parent, args.count, args.seed)
    else:
        root = Path(args.source).resolve()
        run(args.sample, root, Path(args.build or root / "build-mutants").resolve(), args.timeout)


if __name__ == "__main__":
    sys.exit(main())
