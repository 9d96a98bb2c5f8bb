#!/usr/bin/env python3
"""Line coverage of the core by the whole test suite.

Builds the tree with gcc's --coverage into a build folder of its own, runs every
test (ctest, offscreen Qt), then asks gcov for each object's line counts and
reports, per layer and in all, the share of executable lines of the core
(src/ but ui/, app/ and the programs' main) that the tests ran. A line of a
header counts once, as run if any object ran it.

  tools/coverage.py                 # build in build-coverage, run, report
  tools/coverage.py --no-build      # only report what the last run left
"""

import argparse
import json
import os
import subprocess
import sys
from collections import defaultdict
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
NOT_CORE = ("src/ui/", "src/app/", "src/cli/main.cpp", "src/cli/gis_helper.cpp")


def is_core(path):
    return path.startswith("src/") and not path.startswith(NOT_CORE)


def layer_of(path):
    parts = path.split("/")
    return "/".join(parts[1:3]) if parts[1] == "uddf" else parts[1]


def build_and_test(build, jobs):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    subprocess.run(["cmake", "-S", str(ROOT), "-B", str(build), "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=None", "-DCMAKE_CXX_FLAGS=--coverage -O0 -g0",
                    "-DCMAKE_EXE_LINKER_FLAGS=--coverage", "-DCMAKE_SHARED_LINKER_FLAGS=--coverage",
                    "-DSURVEY_BUILD_BENCH=OFF", "-DSURVEY_HARDENING=OFF"], check=True, env=env)
    subprocess.run(["cmake", "--build", str(build), f"-j{jobs}"], check=True, env=env)
    for stale in build.rglob("*.gcda"):
        stale.unlink()
    # A failing test still tells what ran; the suite's verdict is ctest's own business.
    subprocess.run(["ctest", "--test-dir", str(build), f"-j{jobs}"], env=env)


def line_counts(build):
    """{source: {line: ran}} over every object that has counts."""
    lines = defaultdict(dict)
    for gcda in sorted(build.rglob("*.gcda")):
        out = subprocess.run(["gcov", "--json-format", "--stdout", str(gcda)], cwd=gcda.parent,
                             capture_output=True)
        for chunk in out.stdout.splitlines():
            if not chunk.strip():
                continue
            report = json.loads(chunk)
            for entry in report["files"]:
                path = os.path.relpath(os.path.realpath(os.path.join(report.get("current_working_directory", ""), entry["file"])), ROOT)
                if not is_core(path):
                    continue
                seen = lines[path]
                for line in entry["lines"]:
                    number = line["line_number"]
                    seen[number] = seen.get(number, False) or line["count"] > 0
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", type=Path, default=ROOT / "build-coverage")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--no-build", action="store_true")
    parser.add_argument("--least", type=int, default=15, help="list this many least covered files")
    args = parser.parse_args()
    if not args.no_build:
        build_and_test(args.build, args.jobs)
    lines = line_counts(args.build)
    if not lines:
        sys.exit("no coverage counts found: build and run first")
    layers = defaultdict(lambda: [0, 0])
    files = []
    for path, seen in lines.items():
        ran, total = sum(seen.values()), len(seen)
        layers[layer_of(path)][0] += ran
        layers[layer_of(path)][1] += total
        files.append((ran / total if total else 1.0, total - ran, path))
    for layer, (ran, total) in sorted(layers.items()):
        print(f"{layer:14} {ran:6} of {total:6} lines  {100.0 * ran / total:5.1f} %")
    ran = sum(r for r, _ in layers.values())
    total = sum(t for _, t in layers.values())
    print(f"{'core':14} {ran:6} of {total:6} lines  {100.0 * ran / total:5.1f} %")
    print("least covered files (share, lines not run, file):")
    for share, missed, path in sorted(files)[:args.least]:
        print(f"  {100.0 * share:5.1f} %  {missed:4}  {path}")


if __name__ == "__main__":
    main()
