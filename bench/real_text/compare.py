#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What skorlin-cli's typographer (and typograf) change in a sample, line by line.

  compare.py SAMPLE [--cli PATH] [--mode format|typeset] [--typograf] [--show N]
             [--seed S] [--fixpoint]

  --cli PATH      skorlin-cli (default: build/skorlin-cli in the source tree)
  --mode MODE     the command run: format (default) or typeset
  --typograf      also run the typograf package (node bench/typograf_run.js SAMPLE;
                  needs "npm ci" in bench/ first)
  --show N        print N changed lines, chosen at random, before and after, with the
                  invisible characters made visible
  --seed S        the seed of that choice (default 1)
  --fixpoint      run every tool again on its own output and print the lines that
                  change a second time (there should be none)

Reports for every tool the lines it changed, the lines it changed when no-break spaces
count as plain spaces, and the lines it changed beyond the blanks at their ends; with
typograf, the lines where the two results differ. skorlin-cli writes one line for every
line of its input but leaves out the empty lines at the start and end of the whole text:
the lines are aligned past those.
"""
import argparse
import random
import subprocess
import sys
import tempfile
import unicodedata
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent.parent
NO_BREAK = {"\u00a0": " ", "\u202f": " "}
# How the characters a reader cannot see are printed.
VISIBLE = {"\u00a0": "⍽", "\u202f": "⍿", "\t": "⇥"}
LEGEND = ("⍽ no-break space U+00A0, ⍿ narrow no-break space U+202F, ⇥ tab, "
          "␣ a blank at the end of a line, ⟨U+XXXX⟩ any other invisible character")


def run(command, what):
    """Standard output of command as text; None, with the reason printed, on failure."""
    try:
        done = subprocess.run(command, capture_output=True)
    except OSError as error:
        print("compare.py: %s could not run: %s" % (what, error), file=sys.stderr)
        return None
    if done.returncode != 0:
        message = done.stderr.decode("utf-8", "replace").strip()
        print("compare.py: %s failed (exit %d): %s" % (what, done.returncode, message),
              file=sys.stderr)
        return None
    return done.stdout.decode("utf-8", "replace")


class Tool:
    def __init__(self, name, command):
        self.name, self.command = name, command

    def on(self, path):
        return run(self.command + [str(path)], self.name)


def lines_of(text):
    lines = text.replace("\r\n", "\n").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines


def trimmed_span(lines):
    """The range of lines left when the blank lines at the start and end are cut."""
    start, end = 0, len(lines)
    while start < end and not lines[start].strip():
        start += 1
    while end > start and not lines[end - 1].strip():
        end -= 1
    return start, end


def align(before, text, name):
    """The tool's output lines, one for each input line (None where the tool cut an empty
    line at the start or end of the text); None, with the reason printed, when the
    counts do not match."""
    after = lines_of(text)
    start, end = trimmed_span(before)
    if len(after) == len(before):
        return after
    out_start, out_end = trimmed_span(after)
    after = after[out_start:out_end]
    if len(after) != end - start:
        print("compare.py: %s gave %d lines for %d (%d without the blank lines at the ends): "
              "cannot compare line by line" % (name, len(after), len(before), end - start),
              file=sys.stderr)
        return None
    return [None] * start + after + [None] * (len(before) - end)


def no_break_as_space(line):
    return "".join(NO_BREAK.get(c, c) for c in line)


def visible(line):
    core = line.rstrip(" ")
    out = []
    for c in core:
        if c in VISIBLE:
            out.append(VISIBLE[c])
        elif c != " " and (unicodedata.category(c) in ("Cf", "Cc", "Zs", "Zl", "Zp")):
            out.append("⟨U+%04X⟩" % ord(c))
        else:
            out.append(c)
    return "".join(out) + "␣" * (len(line) - len(core))


def changed(before, after):
    """Line numbers (from 0) where the tool's line differs from the input."""
    return [i for i, line in enumerate(after) if line is not None and line != before[i]]


def report(name, before, after):
    lines = changed(before, after)
    spaces = [i for i in lines if no_break_as_space(after[i]) != no_break_as_space(before[i])]
    inner = [i for i in spaces
             if no_break_as_space(after[i]).strip() != no_break_as_space(before[i]).strip()]
    print("%-28s %9d %15d %17d" % (name, len(lines), len(spaces), len(inner)))
    return lines


def fixpoint(tool, first, work):
    """Run the tool on its own output; print the lines that change again."""
    path = Path(work) / ("again-%s.txt" % tool.name.replace(" ", "-"))
    path.write_text("\n".join(line for line in first if line is not None) + "\n",
                    encoding="utf-8")
    text = tool.on(path)
    if text is None:
        return
    once = [line for line in first if line is not None]
    twice = align(once, text, tool.name + " (second run)")
    if twice is None:
        return
    again = changed(once, twice)
    print("\n%s on its own output: %d lines change again" % (tool.name, len(again)))
    for i in again:
        print("  once:  %s\n  twice: %s\n" % (visible(once[i]), visible(twice[i])))


def main():
    parser = argparse.ArgumentParser(
        description=__doc__.splitlines()[0],
        formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("sample", type=Path)
    parser.add_argument("--cli", type=Path, default=ROOT / "build" / "skorlin-cli")
    parser.add_argument("--mode", choices=["format", "typeset"], default="format")
    parser.add_argument("--typograf", action="store_true")
    parser.add_argument("--show", type=int, default=0)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--fixpoint", action="store_true")
    args = parser.parse_args()

    before = lines_of(args.sample.read_text("utf-8"))
    tools = [Tool("skorlin-cli " + args.mode, [str(args.cli), args.mode, "-q", "--eol", "lf"])]
    if not args.cli.exists():
        sys.exit("compare.py: no %s: build it (cmake --build build --target skorlin-cli) "
                 "or give --cli" % args.cli)
    if args.typograf:
        if not (ROOT / "bench" / "node_modules" / "typograf").is_dir():
            sys.exit("compare.py: typograf is not installed: run \"npm ci\" in %s first"
                     % (ROOT / "bench"))
        tools.append(Tool("typograf", ["node", str(ROOT / "bench" / "typograf_run.js")]))

    results = {}
    for tool in tools:
        text = tool.on(args.sample)
        if text is None and tool is tools[0] and args.mode == "typeset":
            print("compare.py: this skorlin-cli has no working typeset command; "
                  "try --mode format", file=sys.stderr)
        after = align(before, text, tool.name) if text is not None else None
        if after is None:
            sys.exit(1)
        results[tool.name] = after

    print("%s: %d lines, %d of them not empty" % (args.sample, len(before),
                                                   sum(1 for line in before if line.strip())))
    print("%-28s %9s %15s %17s" % ("lines changed by", "all", "NBSP as space",
                                   "beyond end blanks"))
    changes = {name: report(name, before, after) for name, after in results.items()}

    names = list(results)
    if len(names) == 2:
        ours, theirs = (results[name] for name in names)
        both = [i for i in range(len(before)) if ours[i] is not None and theirs[i] is not None]
        differ = [i for i in both if ours[i] != theirs[i]]
        spaces = [i for i in differ if no_break_as_space(ours[i]) != no_break_as_space(theirs[i])]
        print("the two differ on %d lines, on %d counting no-break spaces as spaces"
              % (len(differ), len(spaces)))

    if args.show:
        pool = sorted(set().union(*changes.values()))
        chosen = sorted(random.Random(args.seed).sample(pool, min(args.show, len(pool))))
        print("\n%d of the %d changed lines (%s)\n" % (len(chosen), len(pool), LEGEND))
        labels = ["after:"] if len(names) == 1 else ["ours:", "typograf:"]
        for i in chosen:
            print("line %d" % (i + 1))
            print("  %-9s %s" % ("before:", visible(before[i])))
            for label, name in zip(labels, names):
                print("  %-9s %s" % (label, visible(results[name][i])))
            print()

    if args.fixpoint:
        with tempfile.TemporaryDirectory() as work:
            for tool in tools:
                fixpoint(tool, results[tool.name], work)


if __name__ == "__main__":
    main()
