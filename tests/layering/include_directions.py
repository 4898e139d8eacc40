#!/usr/bin/env python3
"""Fails when a production folder includes what it may not.

Reads every #include of every C++ file outside the tests, benchmarks and fuzz
targets and checks it against the table below: the folders each folder may
include besides its own, and whether it may see Qt. A folder with C++ files
that is not in the table fails too, so that a new folder gets its row.

Usage: include_directions.py PROJECT_ROOT
"""
import pathlib
import re
import sys

QT = "Qt"

# folder: what it may include besides itself.
ALLOWED = {
    "calendar": set(),
    "fonts": {QT},
    "platform": {QT},
    "dialogs": {"calendar", "fonts", "platform", QT},
    "almanac_window": {"calendar", "fonts", "platform", QT},  # calendar: the reasons of a failed write
    "help_window": {"calendar", "fonts", "platform", QT},  # calendar: the era table page of the manual
    "calculator": {"calendar", "dialogs", "fonts", "platform", QT},
    "calendar_window": {"calendar", "fonts", "platform", QT},
    "app": {"almanac_window", "calculator", "calendar_window", "dialogs", "fonts", "help_window", "platform", QT},
    "tools": {"calendar"},
    "tools/screenshots": {"almanac_window", "calculator", "calendar", "calendar_window", "dialogs", "fonts",
                          "help_window", "platform", QT},
}

NOT_PRODUCTION = ("build", "tests", "bench", "fuzz")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)


def folder_of(path: pathlib.Path, root: pathlib.Path):
    """The table's row for a file: its deepest folder in the table."""
    parts = path.relative_to(root).parent.parts
    for n in range(len(parts), 0, -1):
        name = "/".join(parts[:n])
        if name in ALLOWED:
            return name
    return None


def is_qt(header: str) -> bool:
    return header.startswith("Q")  # <QWidget>, <QtCore/QString>, <QtTest>


def main() -> int:
    root = pathlib.Path(sys.argv[1]).resolve()
    faults = []
    sources = [p for p in root.rglob("*") if p.suffix in (".h", ".cpp") and p.is_file()]
    sources = [p for p in sources if p.relative_to(root).parts[0] not in NOT_PRODUCTION]
    if not sources:
        faults.append(f"no sources under {root}")
    for source in sorted(sources):
        name = source.relative_to(root)
        folder = folder_of(source, root)
        if folder is None:
            faults.append(f"{name}: its folder has no row in the table")
            continue
        for kind, header in INCLUDE.findall(source.read_text(encoding="utf-8")):
            if kind == "<":
                if is_qt(header) and QT not in ALLOWED[folder]:
                    faults.append(f"{name}: {folder}/ may not see Qt (<{header}>)")
                continue
            beside = (source.parent / header).resolve()
            target = beside if beside.is_file() else (root / header).resolve()
            if not target.is_file() or root not in target.parents:
                faults.append(f'{name}: "{header}" is no file of the project')
                continue
            wanted = folder_of(target, root)
            if wanted != folder and wanted not in ALLOWED[folder]:
                faults.append(f'{name}: {folder}/ may not include {wanted}/ ("{header}")')
    for fault in faults:
        print(fault)
    print(f"layering: {len(sources)} files, {len(faults)} fault(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
