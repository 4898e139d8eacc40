#!/usr/bin/env python3
"""Fails when the project leaves its layering, the table in cmake/layers.txt.

Checks against the table
- every #include of every C++ file outside the tests, benchmarks and fuzz
  targets: the folders each folder may include besides its own, and whether
  it may see Qt; a folder with C++ files but no row fails too, so that a new
  folder gets its row;
- the CMake link line of every target of those folders (LINK_LINES, written
  by cmake/link_lines.cmake when the build is configured): a library of the
  project or Qt only where the table lets the folder include it;
- README.md: one of its fenced blocks must be the table's rows as they are.

Usage: layering_check.py PROJECT_ROOT LINK_LINES
"""
import pathlib
import re
import sys

QT = "Qt"
TABLE = "cmake/layers.txt"
NOT_PRODUCTION = ("build", "tests", "bench", "fuzz")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
FENCED = re.compile(r"^```\n(.*?)^```$", re.MULTILINE | re.DOTALL)


def read_table(text: str):
    """The rows (without the comment lines) and folder: what it may use."""
    rows = [line for line in text.splitlines() if line.strip() and not line.startswith("#")]
    allowed = {}
    for row in rows:
        folder, *uses = row.split("#", 1)[0].split()
        allowed[folder] = set() if uses == ["-"] else set(uses)
    return rows, allowed


def folder_of(relative: pathlib.PurePath, allowed):
    """The table's row for a folder: the deepest of its folders in the table."""
    parts = relative.parts
    for n in range(len(parts), 0, -1):
        name = "/".join(parts[:n])
        if name in allowed:
            return name
    return None


def may_use(folder: str, wanted: str, allowed) -> bool:
    """A folder uses itself, what its row names, and the parts of a folder its
    row names (calendar covers calendar/days)."""
    if wanted == folder:
        return True
    return wanted is not None and any(wanted == use or wanted.startswith(use + "/") for use in allowed[folder])


def is_production(relative: pathlib.PurePath) -> bool:
    return bool(relative.parts) and relative.parts[0] not in NOT_PRODUCTION


def is_qt(header: str) -> bool:
    return header.startswith("Q")  # <QWidget>, <QtCore/QString>, <QtTest>


def include_faults(root: pathlib.Path, allowed):
    faults = []
    sources = [p for p in root.rglob("*") if p.suffix in (".h", ".cpp") and p.is_file()]
    sources = [p for p in sources if is_production(p.relative_to(root))]
    if not sources:
        faults.append(f"no sources under {root}")
    for source in sorted(sources):
        name = source.relative_to(root)
        folder = folder_of(name.parent, allowed)
        if folder is None:
            faults.append(f"{name}: its folder has no row in {TABLE}")
            continue
        for kind, header in INCLUDE.findall(source.read_text(encoding="utf-8")):
            if kind == "<":
                if is_qt(header) and QT not in allowed[folder]:
                    faults.append(f"{name}: {folder}/ may not see Qt (<{header}>)")
                continue
            beside = (source.parent / header).resolve()
            target = beside if beside.is_file() else (root / header).resolve()
            if not target.is_file() or root not in target.parents:
                faults.append(f'{name}: "{header}" is no file of the project')
                continue
            wanted = folder_of(target.relative_to(root).parent, allowed)
            if not may_use(folder, wanted, allowed):
                faults.append(f'{name}: {folder}/ may not include {wanted}/ ("{header}")')
    return faults, len(sources)


def link_faults(link_lines: str, allowed):
    """Each line "FOLDER TARGET: LIBRARY ..." as cmake/link_lines.cmake writes it."""
    lines = [line.split(":", 1) for line in link_lines.splitlines() if line.strip()]
    where = {}
    for head, _ in lines:
        folder, target = head.split()
        where[target] = pathlib.PurePath(folder)
    faults = []
    for head, libraries in lines:
        target = head.split()[1]
        if not is_production(where[target]) or not libraries.split():
            continue  # no code of the product, or nothing linked (a custom target)
        folder = folder_of(where[target], allowed)
        if folder is None:
            faults.append(f"{target}: its folder {where[target]}/ has no row in {TABLE}")
            continue
        for library in libraries.split():
            if library.startswith("Qt6::"):
                wanted = QT
            elif library in where:
                wanted = folder_of(where[library], allowed) or str(where[library])
            else:
                continue  # outside the project and not Qt: ERFA, libdl
            if not may_use(folder, wanted, allowed):
                faults.append(f"{target}: {folder}/ may not link {library} ({wanted})")
    if not where:
        faults.append("no link lines")
    return faults


def readme_faults(readme: str, rows):
    quoted = "".join(row + "\n" for row in rows)
    if quoted in FENCED.findall(readme):
        return []
    return [f"README.md: no fenced block holds the rows of {TABLE} as they are:\n{quoted}"]


def main() -> int:
    root = pathlib.Path(sys.argv[1]).resolve()
    rows, allowed = read_table((root / TABLE).read_text(encoding="utf-8"))
    faults, files = include_faults(root, allowed)
    faults += link_faults(pathlib.Path(sys.argv[2]).read_text(encoding="utf-8"), allowed)
    faults += readme_faults((root / "README.md").read_text(encoding="utf-8"), rows)
    for fault in faults:
        print(fault)
    print(f"layering: {len(rows)} folders, {files} files, {len(faults)} fault(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
