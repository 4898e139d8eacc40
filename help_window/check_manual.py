#!/usr/bin/env python3
"""Checks the manual as built: every link between pages, every anchor, every
image and every target of contents.txt and keywords.txt must resolve, and no
era-table marker may be left. Prints each fault and exits 1 if there is one.

Usage: check_manual.py MANUAL_DIR
"""
import html.parser
import os
import sys
import urllib.parse


class PageParser(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.anchors = set()
        self.links = []
        self.images = []
        self.title = ""
        self._in_title = False

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
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

    def handle_data(self, data):
        if self._in_title:
            self.title += data


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

    for listing, needs_target in (("contents.txt", False), ("keywords.txt", True)):
        path = os.path.join(root, listing)
        if not os.path.isfile(path):
            faults.append(f"{listing}: missing")
            continue
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
                title, tab, target = line.strip(" ").partition("\t")
                if not title.strip():
                    faults.append(f"{where}: no title")
                if needs_target and not tab:
                    faults.append(f"{where}: no target after a tab")
                if target.strip():
                    why = unresolved(target.strip())
                    if why:
                        faults.append(f"{where}: {target.strip()}: {why}")

    for fault in faults:
        print(f"manual: {fault}", file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
