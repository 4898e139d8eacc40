#!/usr/bin/python3
"""What a blind user hears: the real program used by keyboard alone with
Orca running for real on the desktop's accessibility bus, its speech written
to a file by a speech module of its own (orca/speech_log.py) instead of a
sound card.

One table of steps: the keys pressed (in the window named, if any) and
fragments of what Orca must say after them, and what it must not say.

Run by screen_reader.sh, which gives it an X display and a session bus:
    screen_reader_test.py VADELON_BINARY WORK_FOLDER
Set VADELON_ORCA_HEARD=1 to print what was heard at every step.
"""
import datetime
import json
import os
import subprocess
import sys
import time

APP = "ヴァデロン1.0"
HELP = "ヘルプ トピック: ヴァデロン1.0"
ALMANAC = "西暦2000年（平成12年）1月1日のこよみ"

TODAY = datetime.date.today()
WEEKDAYS = "月火水木金土日"
# What the day count gives from 2000-12-31 to today.
DAYS = (TODAY - datetime.date(2000, 12, 31)).days

# (what is done, window to activate first or None, keys, fragments Orca says
#  (all of them, "|" between two utterances), fragments it must not say).
# A key written ("Tab", "name") is pressed until Orca says the name (at most
# 30 times): the way a user finds a control by ear.
STEPS = [
    # The calculator: Esc tells what it did; a panel is a panel, not a window.
    ("Esc clears everything, and says so", APP, ["Escape"], ["入力をすべてクリアしました"], []),
    ("the upper year field, in its panel", None, ["shift+Tab", "Tab"],
     ["上の日付 panel", "上の日付 西暦年 text"], ["上の日付 frame"]),
    # Fields read whole as the focus reaches them.
    ("a year typed, on to the month", None, ["2", "0", "0", "0", ("Tab", "上の日付 月")], [], []),
    ("12 typed is read back as 12", None, ["1", "2", "Tab", "shift+Tab"], ["上の日付 月 text. | 12"], []),
    ("a completed date tells its weekday", None, ["Tab", "3", "1"], ["上の日付 日曜日"], []),
    ("31 is read back as 31", None, ["shift+Tab", "Tab"], ["上の日付 日 text. | 31"], []),
    # きょう by Enter: a focused push button is pressed by Enter, and the date it writes is told.
    ("Enter on きょう fills and tells today", None, [("Tab", "下の日付 きょう"), "Return"],
     [f"下の日付 {TODAY.year}年", f"{TODAY.month:02d}月{TODAY.day:02d}日（{WEEKDAYS[TODAY.weekday()]}曜日）"], []),
    ("the run's result is spoken", APP, ["alt+c", "r"], [f"経過日数は{DAYS}日"], []),
    ("the result field is read whole", None, [("shift+Tab", "経過日数は 日")], [f"{DAYS}"], []),
    ("the status bar repeats the result", None, ["Insert+KP_Enter Insert+KP_Enter"], [f"経過日数は{DAYS}日"], []),
    # The calendar window: a frame; its days a list, each told in full.
    ("the calendar opens on the upper date", APP, ["alt+c", "k"],
     ["カレンダー 2000年12月 frame", "2000年12月31日 日曜日"], ["filler"]),
    ("→ tells the next day", None, ["Right"], ["2001年1月1日 月曜日 平成13年1月1日 元日"], []),
    ("Shift+→ tells the range", None, ["shift+Right"], ["2001年1月1日", "1月2日"], []),
    ("PageDown tells the day a month on", None, ["Next"], ["2001年2月2日 金曜日"], []),
    ("Where Am I tells the day", None, ["KP_Enter"], ["2001年2月2日 金曜日"], []),
    ("Enter's date is told in the calculator", None, ["Return"], ["上の日付 2001年"], []),
    # Changes that used to go untold.
    ("the mode chosen from the menu is named", APP, ["alt+c", "d"], ["日付計算"], ["ヴァデロン1.0 frame"]),
    ("切替 says its direction", None, [("Tab", "切替")], ["切替 日後"], []),
    ("Enter on 切替 says the new one", None, ["Return"], ["切替 日前"], []),
    ("a year of two eras asks", None, ["Escape", ("Tab", "上の日付 西暦年 text"), "1", "9", "8", "9"],
     ["西暦1989年は"], []),
    ("← in the era dialog says the era", None, ["Left"], ["昭和"], []),
    ("the era dialog closes", None, ["Return"], [], []),
    ("↑ in an era list says the era and the year", APP, [("Tab", "上の日付 年号"), "Up"], ["平成 西暦2052年"], []),
    # The help window.
    ("the help window opens on its contents", APP, ["F1"], ["目次"], []),
    ("a book of the contents is expanded", None, ["Down"], ["計算のしかた", "expanded"], []),
    ("a page's entry is no branch", None, ["Up"], ["はじめに"], ["expanded"]),
    ("the page is reached", HELP, [("Tab", "ヘルプのページ")], [], []),
    ("Tab in the page tells a link", None, ["Tab"], ["日数計算", "link"], []),
    ("↓ in the page reads the next line", None, ["Down"], ["日付計算"], []),
    ("a search tells its count and stays in the field", None, ["alt+s", "H", "o", "m", "e", "Return"],
     ["ページ見つかりました"], ["目次", "tree"]),
    ("the help window closes", None, ["Escape"], [], []),
]

failures = []
heard_at_step = os.environ.get("VADELON_ORCA_HEARD")
children = []


def fail(message):
    failures.append(message)
    print(f"FAIL {message}", flush=True)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=30).stdout.strip()


def window_id(title):
    ids = xdotool("search", "--onlyvisible", "--name", f"^{title}$").split()
    return ids[0] if ids else None


def wait(what, predicate, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = predicate()
        if found:
            return found
        time.sleep(0.2)
    fail(f"timed out waiting for {what}")
    return None


class Speech:
    """The speech log: what Orca has said, line by line."""

    def __init__(self, path):
        self.path = path

    def lines(self):
        try:
            with open(self.path, encoding="utf-8") as log:
                return log.read().splitlines()
        except FileNotFoundError:
            return []


def start(args, env, name, work):
    log = open(os.path.join(work, f"{name}.log"), "w")
    process = subprocess.Popen(args, env=env, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
    children.append(process)
    return process


def orca_settings(folder):
    os.makedirs(folder, exist_ok=True)
    general = {
        "speechServerFactory": "speech_log", "speechServerInfo": None, "enableSpeech": True,
        "enableKeyEcho": False, "enableEchoByCharacter": False, "enableEchoByWord": False,
        "enableBraille": False, "enableBrailleMonitor": False, "enableSound": False,
        "firstStart": False, "startingProfile": ["Default", "default"],
        "activeProfile": ["Default", "default"],
    }
    with open(os.path.join(folder, "user-settings.conf"), "w") as conf:
        json.dump({"general": general, "profiles": {"default": {"profile": ["Default", "default"]}},
                   "pronunciations": {}, "keybindings": {}}, conf)


def press(key):
    # Slowly: Qt's bridge gives Orca 100 ms per key event. Keys written
    # together ("a b") are sent as one run, so that Orca takes a double press.
    xdotool("key", "--clearmodifiers", "--delay", "120", *key.split())
    time.sleep(0.4)


def run_step(speech, step):
    what, window, keys, expected, forbidden = step
    if window:
        wid = window_id(window)
        if not wid:
            fail(f"{what}: no window {window!r}")
            return
        xdotool("windowactivate", "--sync", wid)
        time.sleep(0.5)
    mark = len(speech.lines())
    for key in keys:
        if isinstance(key, tuple):
            key, until = key
            for _ in range(30):
                seen = len(speech.lines())
                press(key)
                # What the key made Orca say, before the next press.
                end = time.monotonic() + 3
                while len(speech.lines()) == seen and time.monotonic() < end:
                    time.sleep(0.1)
                time.sleep(0.3)
                if any(until in line for line in speech.lines()[seen:]):
                    break
            else:
                fail(f"{what}: {key} never reached {until!r}")
                return
        else:
            press(key)
    said = []

    def complete():
        said[:] = speech.lines()[mark:]
        text = " | ".join(said)
        return all(fragment in text for fragment in expected)

    end = time.monotonic() + 10
    while not complete() and time.monotonic() < end:
        time.sleep(0.2)
    time.sleep(0.8)
    said[:] = speech.lines()[mark:]
    text = " | ".join(said)
    missing = [f for f in expected if f not in text]
    unwanted = [f for f in forbidden if f in text]
    if missing or unwanted:
        fail(f"{what}: heard {said!r}; missing {missing!r}, unwanted {unwanted!r}")
    else:
        print(f"ok   {what}", flush=True)
    if heard_at_step:
        print(f"     heard: {said!r}", flush=True)


def main():
    binary, work = sys.argv[1], sys.argv[2]
    here = os.path.dirname(os.path.abspath(__file__))
    home = os.path.join(work, "home")
    os.makedirs(home, exist_ok=True)
    prefs = os.path.join(work, "orca")
    orca_settings(prefs)
    speech = Speech(os.path.join(work, "speech.log"))
    env = dict(os.environ, HOME=home, LANG="C.UTF-8")

    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env, "at-spi", work)
    wait("the accessibility bus", lambda: subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
         "org.a11y.Bus.GetAddress"], capture_output=True).returncode == 0)
    start(["openbox", "--sm-disable"], env, "openbox", work)
    wait("the window manager", lambda: "window id" in xdotool_root_wm())
    start(["/usr/bin/python3", "/usr/bin/orca", "--replace", "-u", prefs]
          + (["--debug-file", os.path.join(work, "orca-debug.log")] if os.environ.get("VADELON_ORCA_DEBUG") else []),
          dict(env, PYTHONPATH=os.path.join(here, "orca"), VADELON_SPEECH_LOG=speech.path), "orca", work)
    if not wait("Orca to start speaking", lambda: speech.lines(), seconds=40):
        return
    start([binary], dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"), "program", work)
    if not wait("the calculator window", lambda: window_id(APP), seconds=30):
        return
    wait("the window told", lambda: any(APP in line for line in speech.lines()), seconds=20)
    for step in STEPS:
        run_step(speech, step)
    if os.environ.get("VADELON_ORCA_KEEP"):
        subprocess.run(["cp", "-r", work, os.environ["VADELON_ORCA_KEEP"]])


def xdotool_root_wm():
    return subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True, text=True).stdout


if __name__ == "__main__":
    try:
        main()
    finally:
        for child in reversed(children):
            child.terminate()
        for child in reversed(children):
            try:
                child.wait(timeout=5)
            except subprocess.TimeoutExpired:
                child.kill()
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed", flush=True)
    sys.exit(1 if failures else 0)
