#!/usr/bin/env python3
"""Mechanical mutants of the C++ sources, one small change at a time, in a seeded random order.

  mutagen.py --seed N --list [--root DIR]     every site, in order: file:line op: original -> mutated
  mutagen.py --seed N --apply K --tree DIR    plants the K-th site (0-based) into the copy DIR
  mutagen.py --site TEXT --tree DIR           plants the site that --list describes as TEXT
  mutagen.py --revert --tree DIR              puts back whatever --apply changed in DIR
  mutagen.py --test-map BUILD_DIR             the tests of BUILD_DIR, fastest first, and the programs they run

Operators: comparisons flipped or loosened (cmp), if/while conditions negated (negate), if conditions
made true (true), && and || swapped (and-or), one operand of a top-level && / || chain dropped
(drop-operand), a one-line statement replaced by {} (drop-call, drop-return, drop-continue, drop-break),
integer literals moved by one (int+1, int-1).

Left out, since a test cannot reasonably see them or they only cost time:
- headers: a change there rebuilds every file that includes it, and they hold almost no logic;
- src/ui/common/geometry.cpp: measures words against control sizes and scales layouts; off-by-one pixels
  there change nothing a test asserts;
- src/core/lang/vocabulary.cpp and src/core/lang/failure_texts.cpp: caption and translation tables;
- comments, string and character literals, preprocessor lines, Q_ macros (Q_OBJECT, Q_ASSERT,
  Q_UNUSED...), qDebug/qWarning/qCritical/qInfo, static_assert;
- window layout lines: geometry, sizes, fonts, colours, styles, captions, icons (LAYOUT below);
- while (true): an endless loop only costs a test timeout;
- conditions that declare a variable (if (auto* x = ...)) and breaks right before a case label
  (both fail to build, so they would only cost a compile);
- literals with digit separators, hex, octal or suffixes, and array sizes in declarations.
"""

import argparse
import json
import os
import random
import re
import shutil
import subprocess
import sys
from pathlib import Path

SKIP_FILES = {
    "src/ui/common/geometry.cpp",
    "src/core/lang/vocabulary.cpp",
    "src/core/lang/failure_texts.cpp",
}

SKIP_LINE = re.compile(r"\bQ_(?!EMIT\b)[A-Z_]+\b|\bq(Debug|Warning|Critical|Info)\b|\bstatic_assert\b")
LAYOUT = re.compile(
    r"(?<!::)\b(setGeometry|resize|move|setFixed(Size|Width|Height)|set(Minimum|Maximum)(Size|Width|Height)"
    r"|setFont|QFont|tahoma|setPointSizeF?|setStyleSheet|QColor|setColor|setPalette|setBackground"
    r"|setAutoFillBackground|setIcon|setWindowIcon|setWindowTitle|setText|setTitle|setToolTip"
    r"|setObjectName|twipsRect|px|QRect|QSize|QPoint|QMargins|setContentsMargins|setSpacing"
    r"|setAlignment|setFrameShape|setTextElideMode|set(Vertical|Horizontal)ScrollBarPolicy"
    r"|setDefaultSectionSize|setSectionResizeMode|setStretchFactor|setColumnWidth|setWordWrap"
    r"|addWidget|addLayout|insertWidget)\s*\("
    r"|\bQColor\s+\w+\s*[({]"  # a named colour
)

BACKUP = ".mutagen"  # inside the tree: the originals of the files --apply changed


def mask(text):
    """The text with comments blanked and string/char literals turned into '_', same length, so that
    positions in the mask are positions in the text."""
    out = list(text)
    i, n = 0, len(text)

    def blank(a, b, ch):
        for k in range(a, b):
            if out[k] != "\n":
                out[k] = ch

    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            blank(i, j, " ")
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            blank(i, j, " ")
            i = j
        elif c == '"' and re.search(r"(?<![\w])(u8|u|U|L)?R$", text[max(0, i - 3):i]):
            k = text.find("(", i)
            delim = text[i + 1:k]
            j = text.find(")" + delim + '"', k)
            j = n if j < 0 else j + len(delim) + 2
            blank(i, j, "_")
            i = j
        elif c == '"' or (c == "'" and not (i > 0 and text[i - 1].isdigit())):
            # A quote after a digit is a digit separator (60'000), not a character literal.
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            blank(i, min(j + 1, n), "_")
            i = j + 1
        else:
            i += 1
    return "".join(out)


def closing(code, start):
    """Index of the parenthesis that closes the one at `start` on the same line, or -1."""
    depth = 0
    for k in range(start, len(code)):
        if code[k] == "(":
            depth += 1
        elif code[k] == ")":
            depth -= 1
            if depth == 0:
                return k
    return -1


def top_level_split(code, a, b, op):
    """Split code[a:b] at top-level occurrences of ` op `; spans as (start, end) pairs."""
    spans, depth, start, k = [], 0, a, a
    while k < b:
        ch = code[k]
        if ch in "([{":
            depth += 1
        elif ch in ")]}":
            depth -= 1
        elif depth == 0 and code.startswith(f" {op} ", k):
            spans.append((start, k))
            start = k + len(op) + 2
            k = start
            continue
        k += 1
    spans.append((start, b))
    return spans


DECLARES = re.compile(r"^\s*(const\s+)?[\w:<>]+(\s*[*&]+\s*|\s+)\w+\s*(=|\{)")
CALL = re.compile(r"^(emit\s+)?:?:?[A-Za-z_]\w*((::|\.|->)~?[A-Za-z_]\w*)*(<[\w:, *&]*>)?\(.*\);$")
ARRAY_DECL = re.compile(r"^\s*[\w:<>,*& ]+\s\**\w+(\[\d*\])+\s*(=|;|\{)")
SWAP_CMP = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
SWAP_LOGIC = {"&&": "||", "||": "&&"}
NUMBER = re.compile(r"(?<![\w.'])(0|[1-9]\d*)(?![\w.'])")


def braceless_if_body(codes, idx):
    """Whether line idx is the body of an if / else if header without braces right above it."""
    indent = len(codes[idx]) - len(codes[idx].lstrip())
    for back in range(idx - 1, max(idx - 5, -1), -1):
        line = codes[back]
        if not line.strip():
            return False
        if not line.rstrip().endswith(")") and back == idx - 1:
            return False
        if len(line) - len(line.lstrip()) == indent - 4:
            return bool(re.match(r"\s*(\} )?(else )?if \(", line))
    return False


def line_sites(rel, no, orig, code, codes, idx):
    """Every mutation of one line: (rel, line number, op, original, mutated)."""
    sites = []

    def put(a, b, text, op):
        sites.append((rel, no, op, orig, orig[:a] + text + orig[b:]))

    for op, swaps in (("cmp", SWAP_CMP), ("and-or", SWAP_LOGIC)):
        for m in re.finditer(" (" + "|".join(map(re.escape, swaps)) + ") ", code):
            put(m.start(1), m.end(1), swaps[m.group(1)], op)

    for m in re.finditer(r"\b(if|while) \(", code):
        open_ = m.end() - 1
        close = closing(code, open_)
        if close < 0:
            continue
        cond = code[open_ + 1:close]
        if ";" in cond or DECLARES.match(cond) or m.group(1) == "while" and cond.strip() == "true":
            continue
        inner = orig[open_ + 1:close]
        put(open_ + 1, close, f"!({inner})", "negate")
        if m.group(1) == "if" and cond.strip() != "true":
            put(open_ + 1, close, "true", "true")
        for op in ("&&", "||"):
            spans = top_level_split(code, open_ + 1, close, op)
            if len(spans) > 1:
                for drop in range(len(spans)):
                    kept = [orig[s:e] for j, (s, e) in enumerate(spans) if j != drop]
                    put(open_ + 1, close, f" {op} ".join(kept), "drop-operand")

    stmt = code.strip()
    lead = len(code) - len(code.lstrip())
    end = code.rstrip().rfind(";") + 1
    prev = next((c.rstrip() for c in reversed(codes[:idx]) if c.strip()), "")
    starts = prev.endswith((";", "{", "}", ":")) or braceless_if_body(codes, idx) or prev.endswith("else")
    # A break that ends a case either falls through (a warning, so no build) or changes nothing.
    label = next((c.strip() for c in reversed(codes[:idx]) if c.strip() and len(c) - len(c.lstrip()) < lead),
                 "")
    if stmt in ("continue;", "break;") and not (stmt == "break;" and label.startswith(("case ", "default:"))):
        put(lead, end, "{}", "drop-" + stmt[:-1])
    elif stmt.startswith("return") and stmt.endswith(";") and braceless_if_body(codes, idx):
        put(lead, end, "{}", "drop-return")
    elif starts and CALL.match(stmt) and closing(code, code.index("(")) == len(code.rstrip()) - 2:
        put(lead, end, "{}", "drop-call")

    if not ARRAY_DECL.match(code):
        for m in NUMBER.finditer(code):
            value = int(m.group(1))
            put(m.start(), m.end(), str(value + 1), "int+1")
            put(m.start(), m.end(), str(value - 1), "int-1")
    return sites


def file_sites(root, rel):
    text = (root / rel).read_text(encoding="utf-8")
    lines = text.split("\n")
    codes = mask(text).split("\n")
    sites = []
    for idx, (orig, code) in enumerate(zip(lines, codes)):
        if not code.strip() or code.lstrip().startswith("#") or SKIP_LINE.search(code) or LAYOUT.search(code):
            continue
        sites.extend(line_sites(rel, idx + 1, orig, code, codes, idx))
    return sites


def all_sites(root, seed):
    files = sorted(p.relative_to(root).as_posix() for p in (root / "src").rglob("*.cpp"))
    sites = sorted(s for rel in files if rel not in SKIP_FILES for s in file_sites(root, rel))
    random.Random(seed).shuffle(sites)
    return sites


def describe(site):
    rel, no, op, orig, new = site
    return f"{rel}:{no} {op}: {orig.strip()} -> {new.strip()}"


def apply(tree, seed, k):
    sites = all_sites(tree, seed)
    if not 0 <= k < len(sites):
        sys.exit(f"no site {k}: there are {len(sites)}")
    apply_site(tree, sites[k])


def apply_site(tree, site):
    backup = tree / BACKUP
    if backup.exists():
        sys.exit(f"{backup} holds an unreverted mutant; run --revert first")
    rel, no, _, orig, new = site
    path = tree / rel
    lines = path.read_text(encoding="utf-8").split("\n")
    if lines[no - 1] != orig:
        sys.exit(f"{rel}:{no} is not the line the site was found on")
    (backup / rel).parent.mkdir(parents=True)
    shutil.copy2(path, backup / rel)
    lines[no - 1] = new
    path.write_text("\n".join(lines), encoding="utf-8")
    print(describe(site))


def apply_described(tree, text):
    """Plants the site that --list describes as TEXT, whatever its place in a seed's order."""
    rel = text.split(":", 1)[0]
    # Only the file the description names is read: this runs once a mutant.
    for site in file_sites(tree, rel) if (tree / rel).is_file() else []:
        if describe(site) == text.strip():
            return apply_site(tree, site)
    print(f"no site is described as: {text.strip()}", file=sys.stderr)
    sys.exit(3)  # the code changed since the site was listed


def revert(tree):
    backup = tree / BACKUP
    if not backup.exists():
        return
    for saved in backup.rglob("*"):
        if saved.is_file():
            # A plain copy gives the file a fresh time, so the build sees it changed back.
            shutil.copyfile(saved, tree / saved.relative_to(backup))
    shutil.rmtree(backup)


def test_map(build):
    """One line per test, fastest first: name, then every program of the build it runs. A script test
    runs what its arguments name; given the build folder, it runs the program; a test program that has
    another program's path compiled in runs that too."""
    build = build.resolve()
    info = json.loads(subprocess.run(["ctest", "--test-dir", str(build), "--show-only=json-v1"],
                                     check=True, capture_output=True, text=True).stdout)
    velkor = build / "velkor" / "velkor"
    programs = {Path(t["command"][0]) for t in info["tests"] if Path(t["command"][0]).is_relative_to(build)}
    programs |= {Path(a) for t in info["tests"] for a in t["command"][1:] if Path(a).is_relative_to(build)
                 and Path(a).is_file()}
    programs.add(velkor)
    costs = {}
    cost_file = build / "Testing" / "Temporary" / "CTestCostData.txt"
    if cost_file.exists():
        for line in cost_file.read_text().splitlines():
            parts = line.split()
            if len(parts) == 3:
                costs[parts[0]] = float(parts[2])
    rows = []
    for t in info["tests"]:
        runs = set()
        for arg in t["command"]:
            p = Path(arg)
            if p in programs:
                runs.add(p)
            elif p == build:
                runs.add(velkor)
        for p in list(runs):
            if p.is_file():
                blob = p.read_bytes()
                # QStringLiteral keeps it as UTF-16.
                runs |= {q for q in programs if q != p and (str(q).encode() in blob or
                                                            str(q).encode("utf-16-le") in blob)}
        rows.append((costs.get(t["name"], 1000.0), t["name"], sorted(str(p) for p in runs)))
    for _, name, runs in sorted(rows):
        print(name + "\t" + " ".join(runs))


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--list", action="store_true")
    ap.add_argument("--apply", type=int, metavar="K")
    ap.add_argument("--site", metavar="TEXT", help="with --tree: plant the site --list describes so")
    ap.add_argument("--revert", nargs="?", const=-1, type=int, metavar="K")
    ap.add_argument("--tree", type=Path)
    ap.add_argument("--root", type=Path, default=Path(__file__).resolve().parent.parent)
    ap.add_argument("--test-map", type=Path, metavar="BUILD_DIR")
    args = ap.parse_args()
    if args.test_map:
        test_map(args.test_map)
    elif args.list:
        for site in all_sites(args.root, args.seed):
            print(describe(site))
    elif args.site and args.tree:
        apply_described(args.tree, args.site)
    elif args.apply is not None and args.tree:
        apply(args.tree, args.seed, args.apply)
    elif args.revert is not None and args.tree:
        revert(args.tree)
    else:
        ap.error("give --list, --apply K --tree DIR, --revert --tree DIR or --test-map BUILD_DIR")


if __name__ == "__main__":
    main()
