#!/usr/bin/env python3
"""Plants each fault of scripts/mutants/*.txt in turn and runs the plain suite against it.

A fault is killed when the suite fails (or runs past its time limit) with the fault in place, and
survives when the suite passes. A fault whose source no longer builds is reported apart, and so is
a fault marked equivalent in its list (with the reason why no test can tell it apart).

Each worker owns a copy of the checkout and a build in build-mutate/wN (g++, -O2, no debug
information, so that relinking after one changed file takes seconds). The faults of one file run
one after another in the same worker, so each costs one compile. For a fault in orvane/SUB the
tests from tests/SUB run first, then the rest of the unit tests, then the program's checks; the
first failure ends the run. For a fault in cli/ the program's checks run first.

Usage: scripts/mutate.py [--jobs N] [--only TEXT] [--check] [--attribute]
  --only TEXT   plant only the faults whose file path contains TEXT (repeatable)
  --check       only check that every fault's text occurs exactly once in its file
  --attribute   run all unit tests of the fault's subsystem (no early stop) and print, for each
                test, how many faults it catches and how many only it catches
The list format is described in scripts/mutants/README.md.
"""
import argparse
import filecmp
import json
import os
import pathlib
import shutil
import signal
import subprocess
import sys
import threading
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
LISTS = ROOT / "scripts" / "mutants"
WORK = ROOT / "build-mutate"
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from count_lines import SUBSYSTEMS  # noqa: E402  (one list of subsystems for both scripts)


class Fault:
    def __init__(self, list_name, number, path, before, after, equivalent):
        self.list_name = list_name
        self.number = number
        self.path = path
        self.before = before
        self.after = after
        self.equivalent = equivalent
        self.line = 0
        self.outcome = None  # killed, survived, equivalent, broken
        self.detail = ""
        self.caught_by = []  # with --attribute: the unit tests that failed

    @property
    def subsystem(self):
        parts = pathlib.PurePosixPath(self.path).parts
        if parts[0] == "cli":
            return "cli"
        return parts[1] if len(parts) > 1 and parts[1] in SUBSYSTEMS else "other"

    def where(self):
        return f"{self.path}:{self.line}"

    def change(self):
        """The first line the fault changes, before and after."""
        before, after = self.before.splitlines(), self.after.splitlines()
        for i, line in enumerate(before):
            if i >= len(after) or after[i] != line:
                return f"'{line.strip()}' -> '{after[i].strip() if i < len(after) else '(deleted)'}'"
        return f"'{before[-1].strip()}' -> (lines added)"


def parse_lists():
    faults, errors = [], []
    for list_path in sorted(LISTS.glob("*.txt")):
        current = None
        number = 0

        def finish():
            nonlocal current
            if current is None:
                return
            path, before, after, equivalent, start = current
            if not before:
                errors.append(f"{list_path.name}:{start}: a fault without '-' lines")
            else:
                faults.append(Fault(list_path.name, number, path, "\n".join(before),
                                    "\n".join(after), equivalent))
            current = None

        for n, raw in enumerate(list_path.read_text().splitlines(), 1):
            if raw.startswith("@ "):
                finish()
                number += 1
                current = (raw[2:].strip(), [], [], None, n)
            elif raw.startswith("-") and current:
                current[1].append(raw[2:] if raw.startswith("- ") else raw[1:])
            elif raw.startswith("+") and current:
                current[2].append(raw[2:] if raw.startswith("+ ") else raw[1:])
            elif raw.startswith("= ") and current:
                current = current[:3] + (raw[2:].strip(),) + current[4:]
            elif raw.strip() and not raw.startswith("#"):
                errors.append(f"{list_path.name}:{n}: not a fault line: {raw}")
        finish()
    return faults, errors


def locate(faults):
    """Sets each fault's line; returns the faults whose text is missing or not unique."""
    stale = []
    for f in faults:
        source = ROOT / f.path
        if not source.is_file():
            stale.append((f, "no such file"))
            continue
        text = source.read_text()
        count = text.count(f.before)
        if count != 1:
            stale.append((f, f"text found {count} times"))
            continue
        f.line = text[: text.index(f.before)].count("\n") + 1
    return stale


def run(cmd, cwd=None, timeout=None, env=None):
    # A process group of its own, so that a timeout also ends what the command started (the
    # program checks run the program from cmake, and a planted fault may make it loop).
    with subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, errors="replace", start_new_session=True) as p:
        try:
            out, _ = p.communicate(timeout=timeout)
            return p.returncode, out
        except subprocess.TimeoutExpired:
            os.killpg(p.pid, signal.SIGKILL)
            p.communicate()
            return None, "timed out"


class Worker:
    def __init__(self, index):
        self.dir = WORK / f"w{index}"
        self.src = self.dir / "src"
        self.build = self.dir / "build"
        self.env = dict(os.environ, ORVANE_REGISTRY=str(self.build / "registry-default.ini"))

    def sync(self):
        """Copies the checkout's files in, leaving unchanged files (and their times) alone."""
        listed = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=ROOT,
                                check=True, stdout=subprocess.PIPE).stdout.decode().split("\0")
        names = set(filter(None, listed))
        # Files gone from the checkout go from the copy too (the test sources are globbed).
        if self.src.is_dir():
            for target in self.src.rglob("*"):
                if target.is_file() and target.relative_to(self.src).as_posix() not in names:
                    target.unlink()
        for name in sorted(names):
            source, target = ROOT / name, self.src / name
            if not source.is_file():
                continue
            if target.is_file() and filecmp.cmp(source, target, shallow=False):
                continue
            target.parent.mkdir(parents=True, exist_ok=True)
            # A fresh time stamp: a file changed while a build ran is still seen as newer.
            shutil.copyfile(source, target)
            shutil.copymode(source, target)

    def configure_and_build(self, jobs):
        # The programs are not relinked when only the shared library changed, and lld (where
        # present) links it in a fraction of the default linker's time.
        options = ["-DCMAKE_CXX_COMPILER=g++", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                   "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG",
                   "-DCMAKE_LINK_DEPENDS_NO_SHARED=ON"]
        linker = "-fuse-ld=lld" if shutil.which("ld.lld") else ""
        options += [f"-DCMAKE_SHARED_LINKER_FLAGS={linker}", f"-DCMAKE_EXE_LINKER_FLAGS={linker}"]
        rc, out = run(["cmake", "-S", str(self.src), "-B", str(self.build), "-G", "Ninja"]
                      + options)
        if rc != 0:
            sys.exit(f"mutate: configuring {self.build} failed:\n{out}")
        return self.compile(jobs)

    def compile(self, jobs=1, timeout=None):
        return run(["cmake", "--build", str(self.build), "-j", str(jobs), "--target",
                    "orvane_tests", "orvane-tools"], timeout=timeout)

    def gtests(self, names, timeout, failed=None):
        """Runs the unit tests `names`; with a list `failed`, runs them all and names the failures."""
        if not names:
            return 0, ""
        # The filter goes through an environment variable, as the list can be long.
        env = dict(self.env, GTEST_FILTER=":".join(names))
        report = self.build / "tests" / "attribute.json"
        flags = ["--gtest_brief=1"]
        if failed is None:
            flags.append("--gtest_fail_fast")
        else:
            report.unlink(missing_ok=True)
            flags.append(f"--gtest_output=json:{report}")
        rc, out = run([str(self.build / "tests" / "orvane_tests")] + flags,
                      cwd=self.build / "tests", timeout=timeout, env=env)
        if failed is not None and report.exists():
            for suite in json.loads(report.read_text())["testsuites"]:
                for test in suite["testsuite"]:
                    if test.get("failures"):
                        failed.append(f"{suite['name']}.{test['name']}")
        return rc, out

    def cli_checks(self, timeout):
        tool = self.build / "cli" / "orvane-tools"
        return run(["cmake", f"-DTOOL={tool}", f"-DWORK={self.build / 'tests' / 'cli'}",
                    "-DFAIL_FAST=ON", "-P", str(self.src / "tests/cli/run_cli_checks.cmake")],
                   timeout=timeout, env=self.env)


def list_tests(worker):
    """Maps each subsystem to the unit tests whose source lies in tests/SUB."""
    out_file = worker.build / "tests" / "test-list.json"
    subprocess.run([str(worker.build / "tests" / "orvane_tests"), "--gtest_list_tests",
                    f"--gtest_output=json:{out_file}"], check=True, stdout=subprocess.DEVNULL,
                   env=worker.env)
    by_subsystem = {}
    for suite in json.loads(out_file.read_text())["testsuites"]:
        for test in suite["testsuite"]:
            parts = pathlib.PurePosixPath(test["file"]).parts
            sub = next((p for p in parts[parts.index("tests") + 1:] if p in SUBSYSTEMS), "other")
            by_subsystem.setdefault(sub, []).append(f"{suite['name']}.{test['name']}")
    return by_subsystem


def plant(worker, faults, tests, limits, progress, attribute):
    for f in faults:
        target = worker.src / f.path
        original = target.read_text()
        try:
            target.write_text(original.replace(f.before, f.after, 1))
            rc, out = worker.compile(timeout=600)
            if rc != 0:
                f.outcome, f.detail = "broken", "does not build"
                continue
            mine = tests.get(f.subsystem, [])
            others = [t for sub, names in tests.items() if sub != f.subsystem for t in names]
            phases = [("cli checks", lambda: worker.cli_checks(limits["cli"]))]
            failed = f.caught_by if attribute else None
            unit = [("tests/" + f.subsystem, lambda: worker.gtests(mine, limits["unit"], failed)),
                    ("other unit tests", lambda: worker.gtests(others, limits["unit"]))]
            phases = phases + unit if f.subsystem == "cli" else unit + phases
            f.outcome = "survived"
            for name, phase in phases:
                rc, out = phase()
                if rc != 0:
                    f.outcome = "killed"
                    f.detail = f"{name}: " + ("timed out" if rc is None else "failed")
                    break
        finally:
            target.write_text(original)
            progress(f)


def print_attribution(faults, tests):
    """For each unit test of the subsystems planted: the faults it catches, and those only it does."""
    subs = {f.subsystem for f in faults if f.outcome in ("killed", "survived")}
    caught, alone = {}, {}
    for f in faults:
        for name in f.caught_by:
            caught[name] = caught.get(name, 0) + 1
        if len(f.caught_by) == 1:
            alone[f.caught_by[0]] = alone.get(f.caught_by[0], 0) + 1
    # Which tests caught which fault, for working out which tests another test covers.
    (WORK / "attribution.json").write_text(json.dumps(
        {f"{f.list_name} #{f.number} {f.where()}": f.caught_by for f in faults}, indent=1))
    print("\nunit tests by faults caught (caught / caught by no other unit test):")
    for sub in sorted(subs):
        for name in sorted(tests.get(sub, []), key=lambda n: (-caught.get(n, 0), n)):
            print(f"  {caught.get(name, 0):4} {alone.get(name, 0):4}  {name}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--only", action="append", default=[])
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--attribute", action="store_true")
    args = parser.parse_args()

    faults, errors = parse_lists()
    stale = locate(faults)
    for f, why in stale:
        errors.append(f"{f.list_name} fault {f.number} ({f.path}): {why}")
    if errors:
        print("mutate: the fault lists do not apply:\n  " + "\n  ".join(errors), file=sys.stderr)
        return 2
    if args.only:
        faults = [f for f in faults if any(o in f.path for o in args.only)]
    print(f"mutate: {len(faults)} faults, {sum(1 for f in faults if f.equivalent)} marked equivalent")
    if args.check:
        return 0

    start = time.time()
    workers = [Worker(i) for i in range(max(1, args.jobs))]
    for w in workers:
        w.sync()
    # Build the unchanged sources first, all workers at once, one compiler each.
    results = [None] * len(workers)

    def build(i):
        results[i] = workers[i].configure_and_build(1 if len(workers) > 1 else 2)

    threads = [threading.Thread(target=build, args=(i,)) for i in range(len(workers))]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    for w, (rc, out) in zip(workers, results):
        if rc != 0:
            sys.exit(f"mutate: the unchanged sources do not build in {w.build}:\n{out[-4000:]}")
    print(f"mutate: built {len(workers)} copies in {time.time() - start:.0f} s")

    tests = list_tests(workers[0])
    t0 = time.time()
    rc, out = workers[0].gtests([t for names in tests.values() for t in names], None)
    unit_time = time.time() - t0
    if rc != 0:
        sys.exit(f"mutate: the unit tests fail without any fault:\n{out[-4000:]}")
    t0 = time.time()
    rc, out = workers[0].cli_checks(None)
    cli_time = time.time() - t0
    if rc != 0:
        sys.exit(f"mutate: the program's checks fail without any fault:\n{out[-4000:]}")
    # A planted fault may make a loop run for ever: a run well past the unchanged time is killed.
    limits = {"unit": 3 * unit_time + 10, "cli": 3 * cli_time + 10}
    print(f"mutate: unchanged suite: unit tests {unit_time:.1f} s, program checks {cli_time:.1f} s")

    live = [f for f in faults if not f.equivalent]
    for f in faults:
        if f.equivalent:
            f.outcome = "equivalent"
    by_file = {}
    for f in live:
        by_file.setdefault(f.path, []).append(f)
    shares = [[] for _ in workers]
    for group in sorted(by_file.values(), key=len, reverse=True):
        min(shares, key=len).extend(group)

    done = [0]
    lock = threading.Lock()

    def progress(f):
        with lock:
            done[0] += 1
            mark = {"killed": " ", "survived": "S", "broken": "B"}.get(f.outcome, "?")
            print(f"  [{done[0]:3}/{len(live)}] {mark} {f.where()}  {f.change()}", flush=True)

    threads = [threading.Thread(target=plant, args=(w, share, tests, limits, progress, args.attribute))
               for w, share in zip(workers, shares)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()

    print()
    print(f"{'subsystem':<12} {'faults':>6} {'equiv':>6} {'broken':>6} {'killed':>6} {'rate':>7}")
    totals = [0, 0, 0, 0, 0]
    for sub in SUBSYSTEMS + ["other"]:
        mine = [f for f in faults if f.subsystem == sub]
        if not mine:
            continue
        equiv = sum(f.outcome == "equivalent" for f in mine)
        broken = sum(f.outcome == "broken" for f in mine)
        killed = sum(f.outcome == "killed" for f in mine)
        counted = len(mine) - equiv - broken
        rate = f"{100.0 * killed / counted:6.1f}%" if counted else "      -"
        print(f"{sub:<12} {len(mine):>6} {equiv:>6} {broken:>6} {killed:>6} {rate}")
        for i, v in enumerate((len(mine), equiv, broken, killed, counted)):
            totals[i] += v
    rate = f"{100.0 * totals[3] / totals[4]:6.1f}%" if totals[4] else "      -"
    print(f"{'total':<12} {totals[0]:>6} {totals[1]:>6} {totals[2]:>6} {totals[3]:>6} {rate}")
    for kind in ("survived", "broken"):
        listed = [f for f in faults if f.outcome == kind]
        if listed:
            print(f"\n{kind}:")
            for f in listed:
                print(f"  {f.where()}  {f.change()}  ({f.list_name} #{f.number})")
    if args.attribute:
        print_attribution(faults, tests)
    print(f"\nmutate: {time.time() - start:.0f} s")
    return 0 if all(f.outcome != "survived" for f in faults) else 1


if __name__ == "__main__":
    sys.exit(main())
