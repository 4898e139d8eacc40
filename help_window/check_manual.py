#!/usr/bin/env python3
"""Checks the manual as built: every link between pages, every anchor, every
image and every target of contents.txt and keywords.txt must resolve, no
era-table marker may be left, every keyword has its reading (よみ) in kana
and is listed once per page, and every page stays within the limits the help
window reads pages with (help_window/manual_files.h). Prints each fault and
exits 1 if there is one.

Usage: check_manual.py MANUAL_DIR
"""
import html.parser
import os
import sys
import unicodedata
import urllib.parse

# As help_window/manual_files.h: beyond these the help shows a page as broken.
MAX_FILE_BYTES = 128 * 1024
MAX_ELEMENTS = 2000
MAX_DEPTH = 32
MAX_TABLE_DEPTH = 4
# Elements that enclose nothing, or whose end tag may be left out.
NOT_ENCLOSING = {
    "area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "param", "source", "track", "wbr",
    "p", "li", "dt", "dd", "tr", "td", "th", "thead", "tbody", "tfoot", "option", "optgroup", "colgroup",
    "caption", "html", "head", "body",
}


class PageParser(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.anchors = set()
        self.links = []
        self.images = []
        self.title = ""
        self._in_title = False
        self.elements = 0
        self.depth = self.max_depth = 0
        self.tables = self.max_tables = 0

    def handle_startendtag(self, tag, attrs):
        self.elements += 1
        self._note(tag, dict(attrs))

    def handle_starttag(self, tag, attrs):
        self.elements += 1
        if tag not in NOT_ENCLOSING:
            self.depth += 1
            self.max_depth = max(self.max_depth, self.depth)
        if tag == "table":
            self.tables += 1
            self.max_tables = max(self.max_tables, self.tables)
        self._note(tag, dict(attrs))

    def _note(self, tag, attrs):
        for name in ("id", "name"):
            if attrs.get(name):
                self.anchors.add(attrs[name])
        if tag == "a" and attrs.get("href"):
            self.links.append(attrs["href"])
        if tag == "img":
            self.images.append(attrs.get("src") or "")
        if tag == "title":
            self._in_title = True

    def handle_endtag(self, tag):
        if tag == "title":
            self._in_title = False
        if tag not in NOT_ENCLOSING:
            self.depth = max(self.depth - 1, 0)
        if tag == "table":
            self.tables = max(self.tables - 1, 0)

    def handle_data(self, data):
        if self._in_title:
            self.title += data


def is_kana(c):
    return "\u3041" <= c <= "\u3096" or "\u30a1" <= c <= "\u30fa" or c in "ーゝゞヽヾ"


def reading_faults(keyword, reading):
    """Why a keyword's reading is not as keywords.txt wants it."""
    if not reading.strip():
        # Only a keyword of kana and signs reads as it is written.
        if any(unicodedata.category(c)[0] in "LN" and not is_kana(c) for c in keyword):
            return [f"{keyword}: no reading (よみ)"]
        return []
    readings = reading.split("、")
    if any(not r or not all(is_kana(c) for c in r) for r in readings):
        return [f"{keyword}: reading {reading!r} is not kana parted by 、"]
    return []


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    root = sys.argv[1]
    faults = []
    pages = {}
    for name in sorted(os.listdir(root)):
        if name.endswith(".html"):
            with open(os.path.join(root, name), encoding="utf-8") as f:
                text = f.read()
            parser = PageParser()
            parser.feed(text)
            pages[name] = parser
            if "<!-- era-table -->" in text:
                faults.append(f"{name}: the era-table marker was not replaced")
            if not parser.title.strip():
                faults.append(f"{name}: no <title>")
            size = os.path.getsize(os.path.join(root, name))
            for what, value, limit in (("bytes", size, MAX_FILE_BYTES), ("elements", parser.elements, MAX_ELEMENTS),
                                       ("elements deep", parser.max_depth, MAX_DEPTH),
                                       ("tables deep", parser.max_tables, MAX_TABLE_DEPTH)):
                if value > limit:
                    faults.append(f"{name}: {value} {what}, over the help window's limit of {limit}")
    if not pages:
        faults.append(f"{root}: no pages")

    def unresolved(target, page=None):
        """Why target (relative to the manual's folder) does not resolve, or None."""
        file, _, anchor = target.partition("#")
        file = urllib.parse.unquote(file) or page
        if file not in pages:
            return f"no page {file}"
        if anchor and urllib.parse.unquote(anchor) not in pages[file].anchors:
            return f"no anchor #{anchor} in {file}"
        return None

    for name, parser in pages.items():
        for href in parser.links:
            if urllib.parse.urlsplit(href).scheme:
                continue
            why = unresolved(href, name)
            if why:
                faults.append(f"{name}: link {href}: {why}")
        for src in parser.images:
            if not src or not os.path.isfile(os.path.join(root, urllib.parse.unquote(src))):
                faults.append(f"{name}: image {src!r} not found")

    listed = set()
    for listing, needs_target in (("contents.txt", False), ("keywords.txt", True)):
        path = os.path.join(root, listing)
        if not os.path.isfile(path):
            faults.append(f"{listing}: missing")
            continue
        if os.path.getsize(path) > MAX_FILE_BYTES:
            faults.append(f"{listing}: over the help window's limit of {MAX_FILE_BYTES} bytes")
        depth = 0
        with open(path, encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                line = line.rstrip("\r\n")
                if not line.strip() or line.startswith("#"):
                    continue
                where = f"{listing}:{number}"
                indent = len(line) - len(line.lstrip(" "))
                if listing == "contents.txt" and (indent % 2 or indent // 2 > depth):
                    faults.append(f"{where}: indentation {indent} does not nest")
                depth = indent // 2 + 1
                if listing == "keywords.txt":
                    fields = line.split("\t")
                    if len(fields) != 3:
                        faults.append(f"{where}: needs KEYWORD<TAB>よみ<TAB>target, has {len(fields)} field(s)")
                        continue
                    title, reading, target = fields
                    faults += [f"{where}: {why}" for why in reading_faults(title, reading)]
                    page = target.strip().partition("#")[0]
                    if (title, page) in listed:
                        faults.append(f"{where}: {title} is listed for {page} already")
                    listed.add((title, page))
                else:
                    title, tab, target = line.strip(" ").partition("\t")
                if not title.strip():
                    faults.append(f"{where}: no title")
                if needs_target and not target.strip():
                    faults.append(f"{where}: no target")
                if target.strip():
                    why = unresolved(target.strip())
                    if why:
                        faults.append(f"{where}: {target.strip()}: {why}")

    for fault in faults:
        print(f"manual: {fault}", file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
