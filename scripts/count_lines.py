#!/usr/bin/env python3
"""Counts the lines of library, program and tests that hold code.

Blank lines and lines that hold only a comment are not counted. C++ files (.h, .cpp, .in) know
// and /* */ comments; CMake files (.cmake, CMakeLists.txt) know #. Prints one row per subsystem:
its code lines, its test lines and their ratio, then the totals.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SUBSYSTEMS = ["base", "collections", "math", "strings", "units", "events", "cli"]
# The shared test helpers, by the subsystem they serve.
SUPPORT = {
    "collection_walk.h": "collections", "indexed_sequence_checks.h": "collections",
    "ordered_collection_checks.h": "collections", "cubic_reference.h": "math",
    "matrix_reference.h": "math", "math_checks.h": "math", "representation_checks.h": "units",
    "dump_capture.h": "base", "temp_registry.h": "base", "temp_registry.cpp": "base",
}


def cpp_lines(text):
    count = 0
    in_block = False
    for line in text.splitlines():
        # Remove string literals first so that "//" or "/*" inside them is not a comment.
        rest = re.sub(r'"(\\.|[^"\\])*"', '""', line)
        code = ""
        i = 0
        while i < len(rest):
            if in_block:
                end = rest.find("*/", i)
                if end < 0:
                    i = len(rest)
                else:
                    in_block = False
                    i = end + 2
            elif rest.startswith("//", i):
                break
            elif rest.startswith("/*", i):
                in_block = True
                i += 2
            else:
                code += rest[i]
                i += 1
        if code.strip():
            count += 1
    return count


def cmake_lines(text):
    return sum(1 for line in text.splitlines() if line.strip() and not line.strip().startswith("#"))


def lines_of(path):
    text = path.read_text(encoding="utf-8", errors="replace")
    if path.suffix == ".cmake" or path.name == "CMakeLists.txt":
        return cmake_lines(text)
    if path.suffix in (".h", ".cpp", ".in"):
        return cpp_lines(text)
    return 0


def subsystem_of(rel_parts):
    if rel_parts[-1] in SUPPORT:
        return SUPPORT[rel_parts[-1]]
    for part in rel_parts:
        if part in SUBSYSTEMS:
            return part
    return "shared"


def main():
    code = {}
    tests = {}
    for folder, table in (("orvane", code), ("cli", code), ("tests", tests)):
        for path in sorted((ROOT / folder).rglob("*")):
            if not path.is_file():
                continue
            rel = path.relative_to(ROOT).parts
            n = lines_of(path)
            if n:
                key = "cli" if folder == "cli" else subsystem_of(rel[1:])
                table[key] = table.get(key, 0) + n
    rows = SUBSYSTEMS + ["shared"]
    print(f"{'subsystem':<12} {'code':>7} {'tests':>7} {'ratio':>7}")
    for key in rows:
        c, t = code.get(key, 0), tests.get(key, 0)
        ratio = f"{100.0 * t / c:6.1f}%" if c else "      -"
        print(f"{key:<12} {c:>7} {t:>7} {ratio}")
    total_code, total_tests = sum(code.values()), sum(tests.values())
    print(f"{'total':<12} {total_code:>7} {total_tests:>7} {100.0 * total_tests / total_code:6.1f}%")
    return 0


if __name__ == "__main__":
    sys.exit(main())
