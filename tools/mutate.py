#!/usr/bin/env python3
"""Mutation run: does the test suite notice single-point faults in the core?

Draws single-point mutations of the core sources (flip a comparison, change an
integer constant by one, drop a statement, swap two call arguments, swap && and
||), applies them one at a time in a scratch copy of the tree, rebuilds the
test programs incrementally, runs them and reports which mutants the tests
killed. The draw is a pure function of the seed and the source files, so the
same mutants can be run again against another test suite (--tests-from).

  tools/mutate.py --out DIR                      # 80 mutants, seed 17
  tools/mutate.py --out DIR --tests-from TREE    # same mutants, TREE's tests
  tools/mutate.py --dry-run --out DIR            # only write the mutant list
"""

import argparse
import fcntl
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

CORE_DIRS = ["src/store", "src/survey", "src/uddf", "src/entry", "src/shell", "src/review", "src/map"]
# Only .cpp files: a mutated header would rebuild half the tree for every mutant.
CORE_SUFFIXES = (".cpp",)
TREE_ITEMS = ["CMakeLists.txt", "cmake", "src", "bench"]
TEST_ITEMS = ["tests"]

# Words that may stand before a call or an expression statement without declaring anything.
STATEMENT_WORDS = {"return", "co_return", "throw", "else", "case", "do"}
NOT_CALLS = {"if", "for", "while", "switch", "sizeof", "alignof", "decltype", "catch",
             "static_assert", "return", "noexcept", "requires", "operator", "defined"}


@dataclass
class Mutant:
    file: str  # relative to the tree
    line: int  # 1-based
    column: int  # 1-based
    operator: str
    before: str
    after: str

    def describe(self):
        if self.operator == "drop":
            return f"drop `{self.before}`"
        return f"{self.operator}: `{self.before}` -> `{self.after}`"


def escape(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def unescape(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            out.append({"t": "\t", "n": "\n", "\\": "\\"}.get(text[i + 1], text[i + 1]))
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


# ---- finding mutation sites -------------------------------------------------

def mask_code(text):
    """The text with comments, string and character literals and preprocessor
    lines blanked (same length, newlines kept), so sites are found only in code."""
    out = list(text)
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c in " \t":
            i += 1
            continue
        if line_start and c == "#":
            while i < n and text[i] != "\n":
                continuing = text[i] == "\\" and i + 1 < n and text[i + 1] == "\n"
                out[i] = " "
                i += 2 if continuing else 1
            continue
        line_start = False
        if c == "\n":
            line_start = True
            i += 1
        elif text.startswith("//", i):
            while i < n and text[i] != "\n":
                out[i] = " "
                i += 1
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            for k in range(i, end):
                if out[k] != "\n":
                    out[k] = " "
            i = end
        elif c == "R" and text.startswith('R"', i) and (i == 0 or not is_ident(text[i - 1])):
            open_paren = text.find("(", i)
            delim = ")" + text[i + 2:open_paren] + '"'
            end = text.find(delim, open_paren)
            end = n if end < 0 else end + len(delim)
            for k in range(i, end):
                if out[k] != "\n":
                    out[k] = " "
            i = end
        elif c in "\"'":
            if c == "'" and i > 0 and text[i - 1].isalnum():  # digit separator 1'000
                i += 1
                continue
            k = i + 1
            while k < n and text[k] != c and text[k] != "\n":
                k += 2 if text[k] == "\\" else 1
            # Keep the quotes so a blanked literal still reads as an operand.
            for m in range(i + 1, min(k, n)):
                out[m] = " "
            i = k + 1
        else:
            i += 1
    return "".join(out)


def is_ident(c):
    return c.isalnum() or c == "_"


COMPARISON_FLIPS = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
COMPARISON = re.compile(r"(?<=[\w)\]\"' ])\s(<=|>=|==|!=|<|>)\s(?=[\w(!\-\"'*&])")
LOGICAL = re.compile(r"(?<=\S) (&&|\|\|) (?=\S)")
INTEGER = re.compile(r"(?<![\w.])(\d+)(?![\w.'])")
EXPRESSION_STATEMENT = re.compile(
    r"^(\+\+|--)?[A-Za-z_]\w*((\.|->|::)[A-Za-z_~]\w*|\[[^\]]*\])*\s*"
    r"(\(|=(?!=)|\+=|-=|\*=|/=|%=|\|=|&=|\^=|<<|>>=|\+\+|--)")
CALL_NAME = re.compile(r"([A-Za-z_]\w*)\($")


def find_sites(rel_path, text):
    """Every mutation site of one file, in file order."""
    masked = mask_code(text)
    lines = text.split("\n")
    masked_lines = masked.split("\n")
    sites = []
    previous_code_end = "{"
    for number, (line, code) in enumerate(zip(lines, masked_lines), start=1):
        def add(op, column, before, after):
            sites.append(Mutant(rel_path, number, column + 1, op, before, after))

        for m in COMPARISON.finditer(code):
            if "operator" in code[:m.start(1)].split()[-1:]:
                continue
            op = m.group(1)
            add("comparison", m.start(1), op, COMPARISON_FLIPS[op])
        for m in LOGICAL.finditer(code):
            op = m.group(1)
            add("logical", m.start(1), op, "||" if op == "&&" else "&&")
        for m in INTEGER.finditer(code):
            digits = m.group(1)
            if len(digits) > 1 and digits.startswith("0"):
                continue  # octal
            value = int(digits)
            # Up by one for even positions, down for odd ones (never below zero).
            changed = value + 1 if value == 0 or (m.start(1) + number) % 2 == 0 else value - 1
            add("constant", m.start(1), digits, str(changed))
        stripped = code.strip()
        if (stripped.endswith(";") and previous_code_end in ";{}"
                and EXPRESSION_STATEMENT.match(stripped)
                and re.match(r"\w*", stripped).group(0) not in STATEMENT_WORDS | NOT_CALLS):
            start = len(code) - len(code.lstrip())
            statement = line[start:len(code.rstrip())]
            add("drop", start, statement, "")
        for site in argument_swaps(code, line):
            add("swap", *site)
        if stripped:
            previous_code_end = stripped[-1]
    return sites


def argument_swaps(code, line):
    """Calls that open and close on this line: swap their first two arguments."""
    found = []
    for i, c in enumerate(code):
        if c != "(":
            continue
        name = CALL_NAME.search(code[:i + 1])
        if not name or name.group(1) in NOT_CALLS:
            continue
        if looks_like_declaration(code[:name.start(1)]):
            continue
        args = split_arguments(code, i)
        if not args or len(args) < 2:
            continue
        (a0, a1), (b0, b1) = args[0], args[1]
        first, second = line[a0:a1].strip(), line[b0:b1].strip()
        if not first or not second or first == second:
            continue
        start = a0 + len(line[a0:a1]) - len(line[a0:a1].lstrip())
        end = b0 + len(line[b0:b1].rstrip())
        between = line[start + len(first):end - len(second)]  # the comma and its space
        found.append((start, line[start:end], second + between + first))
    return found


def looks_like_declaration(prefix):
    """True when the text before a name followed by '(' makes it a declaration or
    definition (`Foo bar(`, `Foo* p(`, `vector<int> v(`) rather than a call."""
    chain = re.search(r"((?:[A-Za-z_]\w*(?:\.|->|::))*)$", prefix)
    head = prefix[:len(prefix) - len(chain.group(1))]
    stripped = head.rstrip()
    if not stripped:
        return False
    word = re.search(r"(\w+)$", stripped)
    if word:
        return word.group(1) not in STATEMENT_WORDS
    # `Foo* p(` and `vector<int> v(` declare; `a * f(` and `a > f(` call.
    return (stripped[-1] in "*&>" and not stripped.endswith(("&&", "->", ">>"))
            and not stripped[:-1].endswith(" "))


def split_arguments(code, open_index):
    """(start, end) spans of the top-level arguments of the call whose '(' is at
    open_index, or None when the call does not close on this line."""
    spans, start = [], open_index + 1
    pairs = {"(": ")", "[": "]", "{": "}"}
    stack = []
    for k in range(open_index, len(code)):
        c = code[k]
        if c in pairs:
            stack.append(pairs[c])
        elif c in ")]}":
            if not stack or stack.pop() != c:
                return None
            if not stack:
                spans.append((start, k))
                return spans
        elif c == "," and len(stack) == 1:
            spans.append((start, k))
            start = k + 1
    return None


def core_files(tree):
    files = []
    for d in CORE_DIRS:
        for path in sorted((tree / d).rglob("*")):
            if path.suffix in CORE_SUFFIXES and path.is_file():
                files.append(path.relative_to(tree).as_posix())
    return sorted(files)


def draw_mutants(tree, seed):
    """Every site of the core in a seeded order: the first ones that compile are run."""
    sites = []
    for rel in core_files(tree):
        sites.extend(find_sites(rel, (tree / rel).read_text()))
    random.Random(seed).shuffle(sites)
    return sites


def write_list(path, mutants):
    with open(path, "w") as f:
        f.write("id\tfile\tline\tcolumn\toperator\tbefore\tafter\n")
        for n, m in enumerate(mutants, start=1):
            f.write(f"{n}\t{m.file}\t{m.line}\t{m.column}\t{m.operator}\t{escape(m.before)}\t{escape(m.after)}\n")


def read_list(path):
    mutants = []
    with open(path) as f:
        next(f)
        for row in f:
            fields = row.rstrip("\n").split("\t")
            _, file, line, column, op, before, after = fields
            mutants.append(Mutant(file, int(line), int(column), op, unescape(before), unescape(after)))
    return mutants


def apply(text, mutant):
    """The text with the mutant applied; refuses if the source no longer matches."""
    lines = text.split("\n")
    line = lines[mutant.line - 1]
    col = mutant.column - 1
    if line[col:col + len(mutant.before)] != mutant.before:
        raise ValueError(f"{mutant.file}:{mutant.line}:{mutant.column} no longer reads `{mutant.before}`")
    lines[mutant.line - 1] = line[:col] + mutant.after + line[col + len(mutant.before):]
    return "\n".join(lines)


# ---- the scratch tree, building and running ---------------------------------

def run(cmd, cwd=None, env=None, timeout=None):
    """Runs a command in its own process group; returns (exit code or None on timeout, output, seconds)."""
    start = time.monotonic()
    proc = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            text=True, errors="replace", start_new_session=True)
    try:
        output, _ = proc.communicate(timeout=timeout)
        return proc.returncode, output, time.monotonic() - start
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        output, _ = proc.communicate()
        return None, output, time.monotonic() - start


def prepare_scratch(source, tests_from, scratch):
    """Copies the tree (tests from tests_from) into scratch. Every file gets a fresh time, so
    an earlier run's build there recompiles everything (from the compiler cache)."""
    scratch.mkdir(parents=True, exist_ok=True)
    for item, origin in [(i, source) for i in TREE_ITEMS] + [(i, tests_from) for i in TEST_ITEMS]:
        target = scratch / item
        if target.is_dir():
            shutil.rmtree(target)
        elif target.exists():
            target.unlink()
        if (origin / item).is_dir():
            shutil.copytree(origin / item, target, symlinks=True, copy_function=shutil.copy)
        elif (origin / item).exists():
            shutil.copy(origin / item, target)


def build_env():
    env = dict(os.environ)
    env.setdefault("CCACHE_BASEDIR", "/work")
    env.setdefault("CCACHE_DIR", "/work/.ccache")
    return env


def configure(scratch, build):
    cmd = ["cmake", "-S", str(scratch), "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=None",
           "-DCMAKE_CXX_FLAGS=-O1 -g0", "-DSURVEY_BUILD_UI=OFF", "-DSURVEY_BUILD_BENCH=OFF"]
    if shutil.which("ccache"):
        cmd.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    code, output, _ = run(cmd, env=build_env())
    if code != 0:
        sys.exit(f"configure of the scratch tree failed:\n{output}")


def test_programs(build):
    """The test programs ctest knows, as (name, command) with one entry per program."""
    code, output, _ = run(["ctest", "--test-dir", str(build), "--show-only=json-v1"])
    if code != 0:
        sys.exit(f"ctest cannot list the tests:\n{output}")
    programs = {}
    for test in json.loads(output)["tests"]:
        command = test.get("command")
        if not command:
            continue
        binary = command[0]
        is_gtest = any(a.startswith("--gtest_filter") for a in command[1:])
        if is_gtest:
            programs.setdefault(binary, (Path(binary).name, [binary, "--gtest_fail_fast"]))
        else:
            programs[test["name"]] = (test["name"], command)
    return list(programs.values())


def build_tests(build, jobs, env):
    return run(["ninja", "-C", str(build), f"-j{jobs}"], env=env)


def first_failure(output):
    failed = re.search(r"^\[  FAILED  \] ([^\s,]+)", output, re.M)
    if failed:
        return failed.group(1)
    running = re.findall(r"^\[ RUN      \] (\S+)", output, re.M)
    return running[-1] if running else ""


def run_tests(programs, timeouts, temp, stop_on_failure=True):
    """Runs every program; returns (passed, first failing test, seconds per program).
    The tests get a temporary folder of their own, so test runs elsewhere on the machine
    cannot collide with them and a killed test leaves nothing behind."""
    shutil.rmtree(temp, ignore_errors=True)
    temp.mkdir(parents=True)
    env = dict(os.environ, TMPDIR=str(temp))
    seconds, failures = {}, []
    for name, command in programs:
        code, output, took = run(command, cwd=Path(command[0]).parent, env=env, timeout=timeouts.get(name))
        seconds[name] = took
        if code is None:
            failures.append(f"{name}: timeout in {first_failure(output) or 'start-up'}")
        elif code != 0:
            failures.append(f"{name}: {first_failure(output) or f'exit {code}'}")
        if failures and stop_on_failure:
            break
    return not failures, "; ".join(failures), seconds


class Runner:
    def __init__(self, scratch, build, args):
        self.scratch, self.build, self.args = scratch, build, args
        self.env = build_env()
        self.programs = []
        self.timeouts = {}
        self.temp = scratch / "tmp"

    def baseline(self):
        code, output, took = build_tests(self.build, self.args.jobs, self.env)
        if code != 0:
            sys.exit(f"the unmutated scratch tree does not build:\n{output[-4000:]}")
        print(f"baseline build: {took:.0f} s", flush=True)
        self.programs = [p for p in test_programs(self.build) if p[0] not in self.args.skip]
        if self.args.skip:
            print("left out: " + ", ".join(self.args.skip), flush=True)
        passed, failure, seconds = run_tests(self.programs, {}, self.temp, stop_on_failure=False)
        if not passed:
            sys.exit(f"the unmutated tests fail ({failure}); nothing to measure")
        # Fastest programs first, so most mutants are killed early.
        self.programs.sort(key=lambda p: seconds[p[0]])
        for name, took in seconds.items():
            self.timeouts[name] = max(60.0, 5 * took)
        print("baseline tests: " + ", ".join(f"{n} {seconds[n]:.1f} s" for n, _ in self.programs), flush=True)

    def try_mutant(self, mutant):
        """Applies, builds and tests one mutant, then restores the file.
        Returns (status, first failing test)."""
        path = self.scratch / mutant.file
        original = path.read_text()
        try:
            path.write_text(apply(original, mutant))
            code, output, _ = build_tests(self.build, self.args.jobs, self.env)
            if code != 0:
                # The build lists each test program's tests; a mutant that breaks that listing
                # compiled, and a test program failed.
                if "Error running test executable" in output:
                    return "killed", "test listing at build time"
                return "stillborn", ""
            passed, failure, _ = run_tests(self.programs, self.timeouts, self.temp)
            return ("survived", "") if passed else ("killed", failure)
        finally:
            path.write_text(original)
            # A fresh time on the restored file, so the next build recompiles it.
            now = time.time()
            os.utime(path, (now, now))


LAYOUT_LINE = re.compile(r"\.place\(|set(Size|Height|Width)Twips\(|\bkRowTop\b|"
                         r"constexpr int k\w*(Top|Left|Width|Height|Gap|Drop|Column\w*|Twips)\b")


def is_layout(mutant, line):
    """A control's position or size on a screen: the screenshots show it, no test asserts it.
    On the entry screens a number of 100 or more is a position or size in twips."""
    if not mutant.file.startswith("src/entry/"):
        return False
    if mutant.operator == "drop":
        return re.fullmatch(r"[\w().\->&\[\]]*\.(place|setHeightTwips|setWidthTwips)\([^;]*\);",
                            mutant.before.strip()) is not None
    if mutant.operator == "constant" and mutant.before.isdigit() and int(mutant.before) >= 100:
        return True
    if mutant.operator == "swap" and re.fullmatch(r"[\w +]*\d{3,}[\w +]*|(left|top)\b.*", mutant.before.split(",")[0]):
        return True
    return mutant.operator in ("constant", "swap") and LAYOUT_LINE.search(line) is not None


def relocate(mutants, old_tree, tree):
    """Moves each listed mutant to where its line now stands in tree, found by the line's text
    in old_tree; a mutant whose line is gone or no longer unique is returned apart."""
    placed, gone = [], []
    for mutant in mutants:
        old_lines = (old_tree / mutant.file).read_text().split("\n")
        path = tree / mutant.file
        new_lines = path.read_text().split("\n") if path.exists() else []
        wanted = old_lines[mutant.line - 1]
        matches = [n for n, line in enumerate(new_lines, start=1) if line == wanted]
        if len(matches) == 1:
            placed.append(Mutant(mutant.file, matches[0], mutant.column, mutant.operator, mutant.before,
                                 mutant.after))
        else:
            gone.append(mutant)
    return placed, gone


def self_check_mutant(tree):
    """A mutant any working suite kills: a store table with no records no longer loads."""
    rel = "src/store/store_files.cpp"
    for number, line in enumerate((tree / rel).read_text().split("\n"), start=1):
        col = line.find("if (count < 0)")
        if col >= 0:
            return Mutant(rel, number, col + len("if (count ") + 1, "comparison", "<", "<=")
    sys.exit(f"self-check: the record count check in {rel} is not where it was; update self_check_mutant")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    root = Path(__file__).resolve().parent.parent
    parser.add_argument("--source", type=Path, default=root, help="tree whose sources are mutated (default: this one)")
    parser.add_argument("--tests-from", type=Path, help="tree whose tests/ are run (default: --source)")
    parser.add_argument("--seed", type=int, default=17)
    parser.add_argument("--count", type=int, default=80, help="mutants that compile, to run")
    parser.add_argument("--list", type=Path, help="run the mutants of this list instead of drawing")
    parser.add_argument("--out", type=Path, required=True, help="folder for mutants.tsv and results.tsv")
    parser.add_argument("--scratch", type=Path, default=Path("/tmp/survey-mutate"),
                        help="scratch copy of the tree (kept between runs for incremental builds)")
    parser.add_argument("--jobs", type=int, default=2, help="parallel compile jobs")
    parser.add_argument("--skip", action="append", default=[], metavar="PROGRAM",
                        help="leave out a test program (e.g. a slow one); repeatable")
    parser.add_argument("--relocate-from", type=Path, metavar="OLD_TREE",
                        help="with --list: the tree the list was drawn from; each mutant is moved to "
                             "where its line now stands")
    parser.add_argument("--dry-run", action="store_true", help="only write the mutant list")
    parser.add_argument("--skip-self-check", action="store_true")
    args = parser.parse_args()

    source = args.source.resolve()
    tests_from = (args.tests_from or source).resolve()
    scratch = args.scratch.resolve()
    if scratch == source or source in scratch.parents or scratch in source.parents:
        sys.exit("the scratch copy must lie outside the tree it copies")
    args.out.mkdir(parents=True, exist_ok=True)

    mutants = read_list(args.list) if args.list else draw_mutants(source, args.seed)
    if args.relocate_from:
        mutants, gone = relocate(mutants, args.relocate_from.resolve(), source)
        for mutant in gone:
            print(f"gone: {mutant.file}:{mutant.line} {mutant.describe()} (its line changed)")
    for mutant in mutants:
        try:
            apply((source / mutant.file).read_text(), mutant)
        except (OSError, ValueError) as refusal:
            sys.exit(f"the list does not fit these sources: {refusal}")
    if args.dry_run:
        # Twice the count, so the list also holds the mutants that replace stillborn ones.
        write_list(args.out / "mutants.tsv", mutants[:2 * args.count])
        for n, m in enumerate(mutants[:args.count], start=1):
            print(f"{n:3} {m.file}:{m.line}:{m.column} {m.describe()}")
        print(f"{len(mutants)} sites; list written to {args.out / 'mutants.tsv'}")
        return

    scratch.mkdir(parents=True, exist_ok=True)
    lock = open(scratch / ".mutate-lock", "w")
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except BlockingIOError:
        sys.exit(f"another mutation run uses {scratch}; give this one its own --scratch")
    print(f"scratch copy in {scratch}; tests from {tests_from}", flush=True)
    prepare_scratch(source, tests_from, scratch)
    build = scratch / "build-mutate"
    configure(scratch, build)
    runner = Runner(scratch, build, args)
    runner.baseline()

    if not args.skip_self_check:
        check = self_check_mutant(scratch)
        status, failure = runner.try_mutant(check)
        if status != "killed":
            sys.exit(f"self-check: the mutant {check.file}:{check.line} {check.describe()} was {status}; "
                     "the run would measure nothing")
        print(f"self-check: {check.file}:{check.line} {check.describe()} killed by {failure}", flush=True)

    results_path = args.out / "results.tsv"
    drawn, killed, ran = [], 0, 0
    layout_ran, layout_killed = 0, 0
    started = time.monotonic()
    with open(results_path, "w") as results:
        results.write("id\tplace\tmutation\tstatus\tfirst failing test\n")
        for mutant in mutants:
            if ran == args.count:
                break
            drawn.append(mutant)
            write_list(args.out / "mutants.tsv", drawn)
            status, failure = runner.try_mutant(mutant)
            n = len(drawn)
            place = f"{mutant.file}:{mutant.line}:{mutant.column}"
            layout = is_layout(mutant, (source / mutant.file).read_text().split("\n")[mutant.line - 1])
            if status != "stillborn":
                ran += 1
                killed += status == "killed"
                layout_ran += layout
                layout_killed += layout and status == "killed"
            line = f"{n}\t{place}\t{mutant.describe()}\t{status}\t{failure}{chr(9) + 'layout' if layout else ''}"
            results.write(line + "\n")
            results.flush()
            minutes = (time.monotonic() - started) / 60
            print(f"{n:3} {place} {mutant.describe()} {status} {failure} "
                  f"[{ran}/{args.count}, {minutes:.0f} min]", flush=True)
        share = 100.0 * killed / ran if ran else 0.0
        summary = f"killed {killed} of {ran} ({share:.1f} %)"
        rest_ran, rest_killed = ran - layout_ran, killed - layout_killed
        if layout_ran:
            summary += (f"; layout constants aside: killed {rest_killed} of {rest_ran} "
                        f"({100.0 * rest_killed / rest_ran if rest_ran else 0.0:.1f} %)")
        if ran < args.count:
            summary += f"; the list ran out after {ran} of {args.count}"
        results.write(f"# {summary}; stillborn {len(drawn) - ran}; seed {args.seed}\n")
    print(summary)


if __name__ == "__main__":
    main()
