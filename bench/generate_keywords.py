#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a keyword list for the line-command benchmarks: LINES lines (default 1,000,000),
about 30% of them repeats of earlier lines, Cyrillic and Latin words mixed, CR LF or LF."""
import random
import sys

def main():
    lines = int(sys.argv[1]) if len(sys.argv) > 1 else 1_000_000
    out = sys.argv[2] if len(sys.argv) > 2 else "keywords.txt"
    rng = random.Random(20261208)
    cyr = "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"
    lat = "abcdefghijklmnopqrstuvwxyz"
    def word():
        letters = cyr if rng.random() < 0.7 else lat
        w = "".join(rng.choice(letters) for _ in range(rng.randint(3, 11)))
        return w.capitalize() if rng.random() < 0.1 else w
    vocabulary = [word() for _ in range(60000)]
    written = []
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        for _ in range(lines):
            if written and rng.random() < 0.3:
                line = rng.choice(written)
            else:
                line = " ".join(rng.choice(vocabulary) for _ in range(rng.randint(2, 6)))
                written.append(line)
            f.write(line + "\n")

if __name__ == "__main__":
    main()
