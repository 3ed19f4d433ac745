#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plain text out of unpacked Debian documentation packages, and a sample of it.

  extract.py CACHE OUT [--lines N] [--seed S] [--dialogue FILE]

CACHE is the folder make_sample.sh fills: CACHE/unpacked/PACKAGE/ holds each package as
dpkg-deb -x left it and CACHE/versions.txt names its version ("PACKAGE VERSION" lines).
The text of every package is extracted once into CACHE/text/PACKAGE_VERSION.txt
(paragraphs separated by empty lines); the sample then takes about N non-empty lines
from those, whole paragraphs at a time, with every package held to its share, and
writes them to OUT (UTF-8, LF), followed by the dialogue file when one is given.

The same cache and arguments always give the same bytes: file lists are sorted and the
choice is made by a private random generator seeded with S and the package's name.
"""
import argparse
import gzip
import html.parser
import os
import random
import re
import subprocess
import sys
from pathlib import Path

# Each package's share of the sample. The fortunes bring dialogue and quotations; the
# manual pages bring commands, options and code inside Russian prose; the help and
# handbooks bring the rest of what a technical text holds.
SHARES = {
    "fortunes-ru": 0.25,
    "manpages-ru": 0.15,
    "manpages-ru-dev": 0.15,
    "gimp-help-ru": 0.075,
    "libreoffice-help-ru": 0.075,
    "debian-faq-ru": 0.075,
    "maint-guide-ru": 0.075,
    "developers-reference-ru": 0.075,
    "aptitude-doc-ru": 0.075,
}
LIBREOFFICE_FILES = 400  # the help has ~2,500 pages: every k-th of the sorted list
MAX_UNIT_LINES = 40      # longer paragraphs (whole program listings) would eat a share
RUSSIAN_LETTERS = 4      # a line with this many Cyrillic letters counts as Russian
DEDUPE_LENGTH = 30       # shorter lines (attributions, braces, headings) may repeat

CYRILLIC = re.compile(r"[\u0400-\u04ff]")
BOX = re.compile(r"[\u2500-\u257f]")


def is_russian(line):
    return len(CYRILLIC.findall(line)) >= RUSSIAN_LETTERS


def paragraphs_of(lines):
    """Split lines into paragraphs at empty (or blank) lines."""
    paragraphs, current = [], []
    for line in lines:
        if line.strip():
            current.append(line)
        elif current:
            paragraphs.append(current)
            current = []
    if current:
        paragraphs.append(current)
    return paragraphs


# ---- manual pages -------------------------------------------------------------------

def render_man(path):
    """A manual page as plain UTF-8 text, one filled paragraph a line.

    groff gets a line length far beyond any paragraph, so every filled paragraph comes
    out as one line while no-fill blocks (examples, code) keep their own lines; no
    hyphenation, no sentence space (else a sentence that ends an input line gets two
    spaces after it), no bold or underline overstrikes, one continuous page."""
    source = gzip.open(path, "rb").read() if path.suffix == ".gz" else path.read_bytes()
    if source.lstrip().startswith(b".so "):
        return []  # a page that only includes another one
    text = subprocess.run(["preconv", "-e", "utf-8"], input=source,
                          capture_output=True, check=True).stdout
    rendered = subprocess.run(
        ["groff", "-t", "-man", "-Tutf8", "-P-cbou", "-rLL=30000n", "-rHY=0", "-rcR=1"],
        input=b".ss 12 0\n" + text, capture_output=True).stdout.decode("utf-8", "replace")
    lines = [line.rstrip() for line in rendered.splitlines()]
    content = [i for i, line in enumerate(lines) if line]
    if len(content) < 3:
        return []
    lines = lines[content[0] + 1:content[-1]]  # the running header and footer
    out, skipping = [], False
    for line in lines:
        if line and not line[0].isspace():  # a section heading
            # The translators' credits close every page in nearly the same words.
            skipping = line.strip() in ("ПЕРЕВОД", "TRANSLATION")
        if skipping or BOX.search(line) or "          " * 10 in line:
            continue  # tables with borders or stretched to the page's width: no prose
        # Body text sits 7 columns in: take that off, keep deeper indents (code, tags).
        indent = len(line) - len(line.lstrip(" "))
        out.append(line[min(indent, 7):])
    return paragraphs_of(out)


def man_documents(root):
    pages = sorted(p for p in (root / "usr/share/man").rglob("*")
                   if p.is_file() and not p.is_symlink() and re.search(r"\.\d\w*(\.gz)?$", p.name))
    for page in pages:
        yield render_man(page)


# ---- HTML ---------------------------------------------------------------------------

class HtmlText(html.parser.HTMLParser):
    """Text of an HTML page: one block element a line, inline tags dropped.

    Paragraph-level blocks (p, headings, pre, lists, tables) are separated by empty
    lines, except inside a list item, a definition or a table cell, where a nested p
    only starts a new line; list items, cells and <br> start a new line. The page's
    navigation, tables of contents and script are left out."""
    SKIP_TAGS = {"head", "script", "style", "noscript", "header", "footer", "aside", "nav"}
    SKIP_CLASSES = re.compile(r"\b(navheader|navfooter|toc|related|relatedtopics|sphinxsidebar"
                              r"|footer|headerlink|reportbug|debug)\b")
    PARAGRAPHS = {"p", "h1", "h2", "h3", "h4", "h5", "h6", "pre", "ul", "ol", "dl", "table",
                  "blockquote", "div", "section", "article", "body"}
    ITEMS = {"li", "dt", "dd", "td", "th", "tr", "caption"}
    CONTAINERS = {"ul", "ol", "dl", "table"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.lines, self.buffer = [], []
        self.skip_tag, self.skip_depth = None, 0
        self.items, self.pre = 0, 0
        self.containers = []  # items open when each list or table started

    def flush(self):
        text = "".join(self.buffer)
        self.buffer = []
        if self.pre:
            for line in text.split("\n"):
                self.lines.append(line.rstrip())
        else:
            text = re.sub(r"[ \t\r\n\f]+", " ", text).strip(" ")
            if text:
                self.lines.append(text)

    def paragraph_break(self):
        self.flush()
        if self.items:
            return
        while self.lines and not self.lines[-1].strip():
            self.lines.pop()
        self.lines.append("")

    def boundary(self, tag):
        if tag in self.PARAGRAPHS:
            self.paragraph_break()
        elif tag in self.ITEMS:
            self.flush()

    def handle_starttag(self, tag, attrs):
        if self.skip_tag:
            self.skip_depth += tag == self.skip_tag
            return
        if tag in self.SKIP_TAGS or self.SKIP_CLASSES.search(dict(attrs).get("class") or ""):
            if tag not in ("br", "img", "hr", "meta", "link", "input"):
                self.skip_tag, self.skip_depth = tag, 1
            return
        if tag == "br":
            self.flush()
            return
        self.boundary(tag)
        if tag in self.ITEMS:
            self.items += 1
        if tag in self.CONTAINERS:
            self.containers.append(self.items)
        if tag == "pre":
            self.pre += 1

    def handle_endtag(self, tag):
        if self.skip_tag:
            if tag == self.skip_tag:
                self.skip_depth -= 1
                if self.skip_depth == 0:
                    self.skip_tag = None
            return
        if tag == "pre" and self.pre:
            # Lines of the block, without the blank lines at its start and end.
            self.flush()
            self.pre -= 1
        if tag in self.ITEMS and self.items:
            self.items -= 1
        if tag in self.CONTAINERS and self.containers:
            self.items = self.containers.pop()  # items whose end tag was left out
        self.boundary(tag)

    def handle_data(self, data):
        if not self.skip_tag:
            self.buffer.append(data)


def html_documents(root, every=1):
    # LibreOffice's page for browsers without script, and the handbook's chapters again
    # as one page.
    skip = {"noscript.html", "developers-reference.html"}
    pages = sorted(p for p in root.rglob("*.html") if p.is_file() and p.name not in skip)
    for page in pages[::every]:
        parser = HtmlText()
        parser.feed(page.read_text("utf-8", "replace"))
        parser.close()
        parser.paragraph_break()
        yield paragraphs_of(parser.lines)


# ---- fortunes -----------------------------------------------------------------------

DIALOGUE = re.compile(r"^\s*(-|--|—|–)(\s|$)")
ATTRIBUTION = re.compile(r"^\s+(--|—)\s")
SPEECH = re.compile(r"^ ?(-|--|—|–)\s|[\"«»„“”]")
SENTENCE_END = (".", "!", "?", "…", ":", ";", '"', "»")


def fortune_lines(lines):
    """Join the lines of a fortune that were wrapped at a fixed width: a line goes on
    the one before it when that one is long (verse lines are short) and does not end a
    sentence, or is not quite so long and the line starts with a small letter; never a
    dialogue line, an attribution or an empty line."""
    out = []
    for line in lines:
        previous = out[-1].rstrip() if out else ""
        small = line.lstrip()[:1].islower()
        wrapped = ((len(previous) >= 60 and not previous.endswith(SENTENCE_END))
                   or (len(previous) >= 40 and small))
        if (wrapped and line.strip() and not DIALOGUE.match(line)
                and not ATTRIBUTION.match(line) and not ATTRIBUTION.match(previous)):
            out[-1] = previous.rstrip() + " " + line.strip()
        else:
            out.append(line)
    return out


def fortune_documents(root):
    folder = root / "usr/share/games/fortunes"
    files = sorted(p for p in folder.rglob("*")
                   if p.is_file() and not p.is_symlink() and p.suffix not in (".dat", ".u8"))
    for path in files:
        text = path.read_bytes().decode("utf-8", "replace").replace("\r\n", "\n")
        paragraphs = []
        for fortune in re.split(r"^%\n", text, flags=re.M):
            lines = [line for line in fortune.split("\n") if "\ufffd" not in line]
            paragraphs += paragraphs_of(fortune_lines(lines))
        yield paragraphs


def documents(package, root):
    if package.startswith("manpages-"):
        return man_documents(root)
    if package == "fortunes-ru":
        return fortune_documents(root)
    if package == "libreoffice-help-ru":
        count = sum(1 for _ in root.rglob("*.html"))
        return html_documents(root, max(1, count // LIBREOFFICE_FILES))
    return html_documents(root)


# ---- choosing ----------------------------------------------------------------------

def units_of(paragraphs):
    """The units the sample is taken in: a paragraph holding Russian lines, with any
    short paragraphs that hold none (commands, code, English) standing between it and the
    next Russian paragraph of the same document. Other paragraphs are dropped."""
    units = []
    for i, paragraph in enumerate(paragraphs):
        if any(is_russian(line) for line in paragraph):
            units.append([paragraph])
        elif (units and len(paragraph) <= 8 and i + 1 < len(paragraphs)
              and any(is_russian(line) for line in paragraphs[i + 1])):
            units[-1].append(paragraph)
    return units


def unit_lines(unit):
    return sum(len(paragraph) for paragraph in unit)


def extract(package, root, cache_file, seen):
    """The package's units, each a list of paragraphs, without the long Russian lines
    seen before (in this package or an earlier one); kept in cache_file."""
    if not cache_file.exists():
        with open(cache_file.with_suffix(".tmp"), "w", encoding="utf-8", newline="\n") as f:
            for paragraphs in documents(package, root):
                for unit in units_of(paragraphs):
                    text = "\n\n".join("\n".join(p) for p in unit).replace("\f", "")
                    f.write(text + "\n\n\f\n")
        cache_file.with_suffix(".tmp").rename(cache_file)
    units = []
    for block in cache_file.read_text("utf-8").split("\f\n"):
        kept = []
        for paragraph in paragraphs_of(block.split("\n")):
            lines = []
            for line in paragraph:
                if len(line.strip()) >= DEDUPE_LENGTH and is_russian(line):
                    if line in seen:
                        continue
                    seen.add(line)
                lines.append(line)
            if lines:
                kept.append(lines)
        if kept and any(is_russian(line) for line in kept[0]):
            units.append(kept)
    return units


def quotas(available, total):
    """Lines for every package: its share of total, and what a package lacks shared out
    among the others in proportion to their shares."""
    quota, open_ = {}, {p for p in available if available[p] > 0}
    left = total
    while open_ and left > 0:
        weight = sum(SHARES[p] for p in open_)
        full = {p for p in open_ if available[p] - quota.get(p, 0) <= left * SHARES[p] / weight}
        if not full:
            for p in open_:
                quota[p] = quota.get(p, 0) + round(left * SHARES[p] / weight)
            break
        for p in full:
            left -= available[p] - quota.get(p, 0)
            quota[p] = available[p]
        open_ -= full
    return quota


def has_speech(unit):
    """Whether a unit holds a dialogue line (not an indented attribution) or a quotation
    mark."""
    return any(SPEECH.search(line) for paragraph in unit for line in paragraph)


def choose(package, units, quota, seed):
    """Units in random order until quota lines: first, up to half the quota, those with
    dialogue or quotations, where a typographer has the most to do and to get wrong;
    then any. Returned in the order of the package."""
    rng = random.Random("%s:%s" % (seed, package))
    order = [i for i in range(len(units)) if unit_lines(units[i]) <= MAX_UNIT_LINES]
    rng.shuffle(order)
    chosen, lines = set(), 0
    for limit, wanted in ((quota / 2, has_speech), (quota, lambda unit: True)):
        for i in order:
            if lines >= limit:
                break
            if i not in chosen and wanted(units[i]):
                chosen.add(i)
                lines += unit_lines(units[i])
    return [units[i] for i in sorted(chosen)], lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("cache", type=Path)
    parser.add_argument("out", type=Path)
    parser.add_argument("--lines", type=int, default=8000)
    parser.add_argument("--seed", type=int, default=20261208)
    parser.add_argument("--dialogue", type=Path)
    args = parser.parse_args()

    versions = dict(line.split() for line in
                    (args.cache / "versions.txt").read_text().splitlines() if line.strip())
    (args.cache / "text").mkdir(exist_ok=True)
    seen, units = set(), {}
    for package in SHARES:
        if package not in versions:
            continue
        safe = re.sub(r"[^\w.+-]", "_", versions[package])
        cache_file = args.cache / "text" / ("%s_%s.txt" % (package, safe))
        print("extract.py: %s %s" % (package, versions[package]), file=sys.stderr)
        units[package] = extract(package, args.cache / "unpacked" / package, cache_file, seen)

    available = {p: sum(unit_lines(u) for u in units[p] if unit_lines(u) <= MAX_UNIT_LINES)
                 for p in units}
    quota = quotas(available, args.lines)
    total = 0
    with open(args.out, "w", encoding="utf-8", newline="\n") as f:
        print("%-26s %-28s %9s %7s %11s" % ("package", "version", "available", "taken",
                                             "paragraphs"), file=sys.stderr)
        for package in units:
            chosen, lines = choose(package, units[package], quota.get(package, 0), args.seed)
            for unit in chosen:
                for paragraph in unit:
                    f.write("\n".join(paragraph) + "\n\n")
            total += lines
            print("%-26s %-28s %9d %7d %11d" % (package, versions[package], available[package],
                                                lines, sum(len(u) for u in chosen)),
                  file=sys.stderr)
        if args.dialogue:
            dialogue = args.dialogue.read_text("utf-8").replace("\r\n", "\n").strip("\n")
            f.write(dialogue + "\n")
            count = sum(1 for line in dialogue.split("\n") if line.strip())
            total += count
            print("%-26s %-28s %9d %7d" % (args.dialogue.name, "(ours)", count, count),
                  file=sys.stderr)
    print("extract.py: %d non-empty lines in %s" % (total, args.out), file=sys.stderr)


if __name__ == "__main__":
    main()
