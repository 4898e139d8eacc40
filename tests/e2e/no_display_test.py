#!/usr/bin/env python3
"""The program started where there is no display to connect to: it says so in
Japanese on its standard error, exits with status 1 and leaves Qt's English
abort unsaid. One row per way of having no display.

Usage: no_display_test.py VADELON_BINARY
"""
import os
import subprocess
import sys

MESSAGE = "画面（ディスプレイ）に接続できません。"


def free_display():
    """A display number no X server answers on."""
    n = 4000
    while os.path.exists(f"/tmp/.X11-unix/X{n}") or os.path.exists(f"/tmp/.X{n}-lock"):
        n += 1
    return f":{n}"


def main():
    app = sys.argv[1]
    base = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    rows = [
        ("no DISPLAY, the X platform named", {"QT_QPA_PLATFORM": "xcb"}),
        ("no DISPLAY, the platform left to Qt", {}),
        ("a DISPLAY no server answers", {"QT_QPA_PLATFORM": "xcb", "DISPLAY": free_display()}),
        ("a DISPLAY that names no display", {"QT_QPA_PLATFORM": "xcb", "DISPLAY": "not a display"}),
    ]
    failed = 0
    for name, extra in rows:
        run = subprocess.run([app], env={**base, **extra}, stdin=subprocess.DEVNULL, capture_output=True,
                             timeout=60)
        err = run.stderr.decode("utf-8", "replace")
        faults = []
        if run.returncode != 1:
            faults.append(f"exit status {run.returncode}, not 1")
        if MESSAGE not in err:
            faults.append("no Japanese message")
        if "Reinstalling" in err or "qt.qpa" in err or "platform plugin" in err:
            faults.append("Qt's English text shown")
        if faults:
            failed += 1
            print(f"FAIL {name}: {'; '.join(faults)}\n  stderr: {err!r}")
        else:
            print(f"ok   {name}")
    print(f"{len(rows) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
