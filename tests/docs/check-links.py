#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the links between the project's documents: every relative link (and picture) of
README.md and doc/*.md must name a file or folder of the tree, and a link with #anchor a
heading of the Markdown file it names (anchors as the repository host makes them: lower case,
punctuation dropped, spaces as hyphens, repeats numbered -1, -2, ...).
Links to web addresses are not followed. Links inside code are not links.
Usage: check-links.py SOURCE_DIR [FILE.md ...]   (default: README.md and doc/*.md)
Exit status 1 names every broken link as FILE:LINE: TARGET: reason.
"""
import pathlib
import re
import sys
import urllib.parse

FENCE = re.compile(r"^\s*(```|~~~)")
INLINE_CODE = re.compile(r"(`+)(?:(?!\1).)+?\1")
# The target of [text](target) and ![alt](target), with an optional "title".
INLINE_LINK = re.compile(r"\]\(\s*<?([^)\s>]*)>?(?:\s+\"[^\"]*\")?\s*\)")
REFERENCE = re.compile(r"^\s{0,3}\[[^\]]+\]:\s*<?(\S+?)>?(?:\s+\"[^\"]*\")?\s*$")
HTML_LINK = re.compile(r"(?:src|href)=\"([^\"]+)\"")
HEADING = re.compile(r"^\s{0,3}(#{1,6})\s+(.*?)\s*#*\s*$")
SCHEME = re.compile(r"^[A-Za-z][A-Za-z0-9+.-]*:")


def prose_lines(path):
    """The file's lines with code blocks blanked and code spans removed, numbered from 1."""
    inside = None
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        fence = FENCE.match(line)
        if fence:
            if inside is None:
                inside = fence.group(1)
            elif fence.group(1) == inside:
                inside = None
            continue
        if inside is None:
            yield number, INLINE_CODE.sub("", line)


def slug(heading):
    text = re.sub(r"!?\[([^\]]*)\]\([^)]*\)", r"\1", heading)  # links and pictures: their text
    text = text.replace("`", "").replace("*", "")
    text = re.sub(r"[^\w\- ]", "", text.lower())
    return text.replace(" ", "-")


def anchors(path, cache={}):
    if path not in cache:
        found = set()
        seen = {}
        inside = None
        for line in path.read_text(encoding="utf-8").splitlines():
            fence = FENCE.match(line)
            if fence:
                inside = fence.group(1) if inside is None else (None if fence.group(1) == inside else inside)
                continue
            heading = HEADING.match(line) if inside is None else None
            if heading:
                base = slug(heading.group(2))
                count = seen.get(base, 0)
                seen[base] = count + 1
                found.add(base if count == 0 else f"{base}-{count}")
        cache[path] = found
    return cache[path]


def check(root, document):
    problems = []
    links = 0
    for number, line in prose_lines(document):
        targets = INLINE_LINK.findall(line) + HTML_LINK.findall(line)
        reference = REFERENCE.match(line)
        if reference:
            targets.append(reference.group(1))
        for target in targets:
            if SCHEME.match(target):
                continue
            links += 1
            where = f"{document.relative_to(root)}:{number}: {target}"
            path_part, _, anchor = target.partition("#")
            path_part = urllib.parse.unquote(path_part)
            anchor = urllib.parse.unquote(anchor)
            if path_part.startswith("/"):
                problems.append(f"{where}: an absolute path; links must be relative")
                continue
            named = (document.parent / path_part).resolve() if path_part else document.resolve()
            if not named.exists():
                problems.append(f"{where}: no such file")
                continue
            if not named.resolve().is_relative_to(root.resolve()):
                problems.append(f"{where}: outside the source tree")
                continue
            if anchor:
                if named.suffix != ".md" or named.is_dir():
                    problems.append(f"{where}: an anchor into a file that is not Markdown")
                elif anchor not in anchors(named):
                    problems.append(f"{where}: no heading with this anchor in {named.name}")
    return links, problems


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    root = pathlib.Path(sys.argv[1]).resolve()
    documents = [root / name for name in sys.argv[2:]] or \
        [root / "README.md"] + sorted((root / "doc").glob("*.md"))
    total = 0
    problems = []
    for document in documents:
        if not document.is_file():
            problems.append(f"{document}: the document itself is missing")
            continue
        links, found = check(root, document)
        total += links
        problems += found
    for problem in problems:
        print(problem)
    if total == 0:
        problems.append("no relative links found at all: the checker is broken")
        print(problems[-1])
    print(f"{len(documents)} documents, {total} relative links, {len(problems)} broken")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
