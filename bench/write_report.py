#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes docs/benchmarks.md from the measurements of bench/compare.sh (tab-separated
files of medians) and the hand-written notes of bench/benchmarks-notes.md."""
import argparse
import datetime
import os

# What a user of the window waits for at most, by measurement: opening the list and every
# line command on it, a keystroke in it (until the statistics are exact), selecting the
# formatted tab with the prose.
WINDOW_TARGET_MS = 1000
KEYSTROKE_TARGET_MS = 20
FORMATTED_TARGET_MS = 500
# skorlin-cli format, html and typeset against typograf: at least this many times its speed.
TYPOGRAF_TARGETS = {"format": 20.0, "html": 10.0, "typeset": 20.0}
TYPOGRAF_JOBS = tuple(TYPOGRAF_TARGETS)
# The largest ratio of skorlin-cli's time to the tool's each job may have.
TIME_TARGETS = {"dedupe": 0.6, "sort": 0.6, "shuffle": 0.8, "stats": 0.8, "invert": 1.5,
                "collapse-spaces": 1.5, "keep-domain": 1.0}
# Peak memory: a line, URL or name command at most this many times its input; stats at most
# this many megabytes, whatever the input's size.
MEMORY_FACTOR = 2.5
STATS_MEMORY_MB = 64


def mb(n):
    return float(n) / 1_000_000


def seconds(s):
    s = float(s)
    return "%.3f s" % s if s < 1 else "%.2f s" % s


def memory(kb):
    return "%.1f MB" % (int(kb) / 1024)


def number(cell):
    """A measured figure, or None where none was taken ("-")."""
    try:
        return float(cell.split(" ")[0])
    except ValueError:
        return None


def tsv_rows(path, min_cells):
    """The tab-separated rows of a results file with at least min_cells cells; none when
    the file is not there (a part of the run that was left out)."""
    if not path or not os.path.exists(path):
        return []
    with open(path, encoding="utf-8") as f:
        rows = [line.rstrip("\n").split("\t") for line in f]
    return [cells for cells in rows if len(cells) >= min_cells]


def read_results(path):
    rows = []
    for cells in tsv_rows(path, 12):
        name, input_name, size, ours, theirs, wall_a, wall_b, cpu_a, cpu_b, rss_a, rss_b, same = cells[:12]
        earlier = (cells[12:15] + ["-", "-", "-"])[:3]
        # The same runs with the output thrown away (/dev/null), where they were taken.
        null = [number(c) for c in (cells[15:21] + ["-"] * 6)[:6]]
        rows.append(dict(name=name, input=input_name, size=int(size), ours=ours, theirs=theirs,
                         wall_a=float(wall_a), wall_b=float(wall_b), cpu_a=float(cpu_a),
                         cpu_b=float(cpu_b), rss_a=int(float(rss_a)), rss_b=int(float(rss_b)),
                         same=same, wall_c=number(earlier[0]), cpu_c=number(earlier[1]),
                         rss_c=number(earlier[2]), other_output="other output" in earlier[2],
                         null_wall_a=null[0], null_wall_b=null[1], null_cpu_a=null[2], null_cpu_b=null[3],
                         null_wall_c=null[4], null_cpu_c=null[5]))
    return rows


def read_memory(path):
    return [dict(name=cells[0], size=int(cells[1]), wall=float(cells[2]), cpu=float(cells[3]),
                 rss=int(float(cells[4])), wall_c=number(cells[5]), cpu_c=number(cells[6]),
                 rss_c=number(cells[7])) for cells in tsv_rows(path, 8)]


def time_target(name):
    """The time target of a job: its name without what follows a space ("stats (400 MB)")."""
    return TIME_TARGETS.get(name.split(" ")[0])


def memory_ok(name, rss_kb, size):
    if name.startswith("stats"):
        return rss_kb / 1024 <= STATS_MEMORY_MB
    return rss_kb * 1024 <= MEMORY_FACTOR * size


def read_window(path):
    """Rows of (name, milliseconds or "-", runs or the reason, CPU milliseconds or "")."""
    return [(cells + [""])[:4] for cells in tsv_rows(path, 3)]
    with open(path, encoding="utf-8") as f:
        for line in f:
            cells = line.rstrip("\n").split("\t")
            if len(cells) >= 3:
                rows.append((cells + [""])[:4])
    return rows


def on_prose(name):
    return name.startswith("split-paragraphs") or "rebuild" in name


def window_target(name):
    """The time a window measurement must stay under (ms), or None when it has no target."""
    if "keystroke" in name:
        return KEYSTROKE_TARGET_MS
    if name.startswith("formatted view rebuild"):
        return FORMATTED_TARGET_MS
    if on_prose(name) or name.startswith("undo"):
        return None
    return WINDOW_TARGET_MS


def duration(ms):
    return "%.0f ms" % ms if ms < 1000 else "%.2f s" % (ms / 1000)


def ratio(a, b):
    return a / b if b > 0 else float("inf")


def main():
    p = argparse.ArgumentParser()
    for name in ("results", "memory", "before", "window", "notes", "runs", "window-runs", "lines", "prose-mb", "list-bytes",
                 "prose-bytes", "load-before", "load-after", "elapsed", "cpu", "cores", "commit", "dirty",
                 "tool-versions", "compiler", "out"):
        p.add_argument("--" + name, default="")
    a = p.parse_args()
    results = read_results(a.results)
    memory_rows = read_memory(a.memory)
    window = read_window(a.window)
    has_before = any(r["wall_c"] is not None for r in results)
    now = datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
    dirty = " with %s changed files not yet committed" % a.dirty if a.dirty not in ("", "0") else ""

    out = []
    w = out.append
    w("# Benchmarks")
    w("")
    w("Skorlin beside the tools a user would otherwise pick, on the same generated files. "
      "Written by `bench/compare.sh`; run it again to bring this page up to date "
      "(it builds an optimised skorlin-cli, installs what it needs and takes a few minutes).")
    w("")
    w("- When: %s, %s s for the whole run; source at %s%s." % (now, a.elapsed, a.commit, dirty))
    w("- Machine: %s, %s cores. Load average (1, 5, 15 min) %s before the run and %s after it: "
      "on a busy machine the wall-clock times of both sides grow, so the CPU times are given too."
      % (a.cpu, a.cores, a.load_before, a.load_after))
    w("- Build: %s. Tools: %s." % (a.compiler, a.tool_versions))
    w("- Inputs (`bench/generate.py`, fixed seed): a keyword and address list of %s lines "
      "(%.1f MB, about 30%% repeats, Cyrillic and Latin, trailing blanks, empty lines) and a "
      "messy Russian prose text of %.1f MB." % (f"{int(a.lines):,}", mb(a.list_bytes or 0), mb(a.prose_bytes or 0)))
    w("- Method: each side runs once untimed, then %s times, the two sides in turn (A B, B A, ...). "
      "Times are medians of whole process runs (reading the file, decoding, the work, encoding, "
      "writing the output to a file); memory is the median peak resident set (GNU time). A ratio is "
      "skorlin-cli's time divided by the tool's: below 1.0 skorlin-cli is faster." % a.runs)
    if has_before:
        w("- Before: the same runs of skorlin-cli built from %s, taking turns with the other two "
          "sides." % (a.before or "the earlier code"))
    w("")

    # Which targets the run met, named up front; the sections below say why a miss is one.
    met, missed = [], []
    for r in results:
        if r["name"] in TYPOGRAF_JOBS:
            ok = ratio(r["wall_b"], r["wall_a"]) >= TYPOGRAF_TARGETS[r["name"]]
            label = "%s ≥ %.0f× typograf" % (r["name"], TYPOGRAF_TARGETS[r["name"]])
        else:
            target = time_target(r["name"])
            if target is None:
                continue
            tool = r["theirs"].split(" ")[0].strip("`'")
            ok = ratio(r["wall_a"], r["wall_b"]) <= target
            label = "%s at most %.1f× %s" % (r["name"], target, tool)
            if r["null_wall_a"] is not None:
                label += " (to a file)"
                null_ok = ratio(r["null_wall_a"], r["null_wall_b"]) <= target
                (met if null_ok else missed).append("%s at most %.1f× %s (to /dev/null)" % (r["name"], target, tool))
        (met if ok else missed).append(label)
        if r["name"].startswith("stats"):
            label = "%s in %d MB" % (r["name"], STATS_MEMORY_MB)
            (met if memory_ok(r["name"], r["rss_a"], r["size"]) else missed).append(label)
    for m in memory_rows:
        label = "%s in %.1f× its input" % (m["name"], MEMORY_FACTOR)
        (met if memory_ok(m["name"], m["rss"], m["size"]) else missed).append(label)
    not_offered = 0
    for name, ms, extra, cpu in window:
        target = window_target(name)
        if target is None:
            continue
        label = "window %s under %s" % (name.split(" (")[0], duration(target))
        if ms == "-":
            not_offered += 1
        elif float(ms) < target:
            met.append(label)
        else:
            missed.append(label)
    if not_offered:
        missed.append("the window's %d line commands (the window does not offer them yet)" % not_offered)
    w("**Targets met: %d of %d.** Met: %s. Missed: %s." % (
        len(met), len(met) + len(missed), ", ".join(met) or "none", ", ".join(missed) or "none"))
    w("")

    w("## skorlin-cli against the standard tools")
    w("")
    w("Each job runs twice: with its output written to a file, and thrown away (`> /dev/null`), which "
      "shows each program's own cost with no file system in the way. The ratio is given for both; the "
      "target holds for both.")
    w("")
    before_head = "skorlin-cli before: time (CPU), memory | ratio before | " if has_before else ""
    null_before_head = "ratio before, /dev/null | " if has_before else ""
    w("| job | input | skorlin-cli | tool | %sskorlin-cli time (CPU) | tool time (CPU) | ratio wall (CPU) | "
      "/dev/null: skorlin-cli time (CPU) | /dev/null: tool time (CPU) | %sratio wall (CPU), /dev/null | "
      "peak memory skorlin-cli / tool | output | target |" % (before_head, null_before_head))
    w("|---|---|---|---|%s---|---|---|---|---|%s---|---|---|---|" % ("---|---|" if has_before else "",
                                                                  "---|" if has_before else ""))
    for r in results:
        if r["name"] in TYPOGRAF_JOBS:
            continue
        wall_ratio = ratio(r["wall_a"], r["wall_b"])
        cpu_ratio = ratio(r["cpu_a"], r["cpu_b"])
        size = r["size"]
        target = time_target(r["name"])
        has_null = r["null_wall_a"] is not None
        null_ratio = ratio(r["null_wall_a"], r["null_wall_b"]) if has_null else None
        verdicts = []
        if target is not None:
            verdicts.append("time ≤ %.1f: %s%s" % (target, "met" if wall_ratio <= target else "missed",
                                                   " (file)" if has_null else ""))
            if has_null:
                verdicts.append("%s (/dev/null)" % ("met" if null_ratio <= target else "missed"))
        if r["name"].startswith("stats"):
            verdicts.append("≤ %d MB: %s" % (STATS_MEMORY_MB, "met" if memory_ok(r["name"], r["rss_a"], size)
                                                else "missed"))
        before_cells = ""
        if has_before:
            if r["wall_c"] is None:
                before_cells = "— | — | "
            else:
                before_cells = "%s (%s), %s%s | %.2f | " % (
                    seconds(r["wall_c"]), seconds(r["cpu_c"]), memory(r["rss_c"]),
                    " (other output)" if r["other_output"] else "", ratio(r["wall_c"], r["wall_b"]))
        if has_null:
            null_cells = "%s (%s) | %s (%s) | " % (seconds(r["null_wall_a"]), seconds(r["null_cpu_a"]),
                                                   seconds(r["null_wall_b"]), seconds(r["null_cpu_b"]))
            if has_before:
                null_cells += ("— | " if r["null_wall_c"] is None else
                               "%.2f | " % ratio(r["null_wall_c"], r["null_wall_b"]))
            null_cells += "**%.2f** (%.2f) | " % (null_ratio, ratio(r["null_cpu_a"], r["null_cpu_b"]))
        else:
            null_cells = "— | — | %s— | " % ("— | " if has_before else "")
        w("| %s | %s, %.1f MB | `%s` | `%s` | %s%s (%s) | %s (%s) | **%.2f** (%.2f) | %s%s (%.1f× input) / %s | %s | %s |" % (
            r["name"], r["input"], mb(size), r["ours"], r["theirs"].replace("|", "\\|"), before_cells,
            seconds(r["wall_a"]), seconds(r["cpu_a"]), seconds(r["wall_b"]), seconds(r["cpu_b"]),
            wall_ratio, cpu_ratio, null_cells, memory(r["rss_a"]), r["rss_a"] * 1024 / size if size else 0,
            memory(r["rss_b"]), r["same"], "; ".join(verdicts) or "—"))
    w("")

    if memory_rows:
        w("## The memory of every line, URL and name command")
        w("")
        w("Each command once on the list (%.1f MB), output to a file; peak resident memory (GNU time) "
          "against the input's size. The target: at most %.1f times the input. The commands that rewrite "
          "lines write them out as they make them, and those that pick or reorder lines write them from "
          "the input, so none holds its whole output beside its input (the links of insert-urls and "
          "insert-anchors are larger than the input itself)." % (
              mb(memory_rows[0]["size"]), MEMORY_FACTOR))
        w("")
        w("| command | %speak memory after (× input) | time after (CPU) | target |" % (
            "peak memory before (× input) | time before (CPU) | " if has_before else ""))
        w("|---|%s---|---|---|" % ("---|---|" if has_before else ""))
        for m in memory_rows:
            before_cells = ""
            if has_before:
                if m["rss_c"] is None:
                    before_cells = "— | — | "
                else:
                    before_cells = "%s (%.1f×) | %s (%s) | " % (memory(m["rss_c"]), m["rss_c"] * 1024 / m["size"],
                                                             seconds(m["wall_c"]), seconds(m["cpu_c"]))
            w("| %s | %s%s (%.1f×) | %s (%s) | %s |" % (
                m["name"], before_cells, memory(m["rss"]), m["rss"] * 1024 / m["size"], seconds(m["wall"]),
                seconds(m["cpu"]), "met" if memory_ok(m["name"], m["rss"], m["size"]) else "missed"))
        w("")

    typo = [r for r in results if r["name"] in TYPOGRAF_JOBS]
    if typo:
        w("## Typography: skorlin-cli format, html and typeset against typograf")
        w("")
        w("typograf (npm, `bench/package.json`) runs with locale `ru` and its default rules on the whole "
          "prose text (`bench/typograf_run.js`, Node.js startup included). Its rules are not ours: "
          "this compares the tool a user would otherwise pick for Russian typography, not equal work.")
        w("")
        w("| skorlin-cli | time (CPU) | MB/s | typograf time (CPU) | typograf MB/s | times faster | "
          "peak memory skorlin-cli / typograf | target |")
        w("|---|---|---|---|---|---|---|---|")
        for r in typo:
            size = mb(r["size"])
            faster = ratio(r["wall_b"], r["wall_a"])
            target = TYPOGRAF_TARGETS[r["name"]]
            w("| `%s` | %s (%s) | %.1f | %s (%s) | %.1f | **%.1f** | %s / %s | ≥ %.0f×: %s |" % (
                r["ours"], seconds(r["wall_a"]), seconds(r["cpu_a"]), size / r["wall_a"],
                seconds(r["wall_b"]), seconds(r["cpu_b"]), size / r["wall_b"], faster,
                memory(r["rss_a"]), memory(r["rss_b"]), target, "met" if faster >= target else "missed"))
        w("")

    if window:
        w("## The window (offscreen)")
        w("")
        w("`bench/window_commands.cpp`: the time from an action (a menu item triggered as a click does, a tab "
          "selected, a key pressed in the input view) to the window idle again with its result and statistics "
          "shown (the pending events, repaints included, processed), %s, with the CPU time of the process "
          "beside it. The setup of each measurement (the list loaded into the input view, the tab selected) "
          "is not timed. Opening, the line commands, undo and the keystrokes work on the keyword list; the "
          "paragraph split and the two rebuilds (selecting the formatted or the HTML tab) on the prose text."
          % ("one run each" if a.window_runs in ("", "1") else "median of %s runs" % a.window_runs))
        w("")
        w("| action | input | %s (CPU) | target |" % ("time" if a.window_runs in ("", "1") else "median"))
        w("|---|---|---|---|")
        for name, ms, extra, cpu in window:
            source = "prose, %.1f MB" % mb(a.prose_bytes or 0) if on_prose(name) else "list, %s lines" % f"{int(a.lines):,}"
            if ms == "-":
                w("| %s | %s | — | %s |" % (name, source, extra))
                continue
            value = float(ms)
            shown = duration(value) + (" (%s)" % duration(float(cpu)) if cpu else "")
            target = window_target(name)
            verdict = "—" if target is None else "%s (< %s)" % ("met" if value < target else "missed", duration(target))
            w("| %s | %s | %s | %s |" % (name, source, shown, verdict))
        w("")

    if a.notes and os.path.exists(a.notes):
        with open(a.notes, encoding="utf-8") as f:
            w(f.read().rstrip("\n"))
        w("")

    with open(a.out, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out))


if __name__ == "__main__":
    main()
