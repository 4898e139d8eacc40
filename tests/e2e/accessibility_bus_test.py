#!/usr/bin/python3
"""What a screen reader gets from the real program over the desktop's
accessibility bus (AT-SPI), read with pyatspi as Orca reads it.

Walks the calculator window, the era dialog, the almanac window, the window
年齢と期間, the help window and the about box against one table of expectations (name, role, and
where it matters text, value, description and states), and checks the events
a screen reader speaks: the run's result as a notification, a spin button's
new value, the era choice, a link taking the focus. The program is driven by
keyboard (xdotool) where a modal window opens, and through the bus itself
(its text and action interfaces) elsewhere.

Run by accessibility_bus.sh, which gives it an X display and a session bus:
    accessibility_bus_test.py VADELON_BINARY
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

APP_NAME = "ヴァデロン1.0"
SENTENCE = "西暦1989年は、01月08日をもって昭和から平成に改元されています"
GROUP = "採用したい年号をチェックして下さい"
PICTURE = "ヴァデロンの絵：紺の夜空に黄色い満月と白い三日月、ヴァデロンの文字"

# window title, accessible name, role, and what else must hold:
#   text / value / description: exact; states: present; absent: states that must not be.
EXPECTED = [
    # The calculator window at start (day count).
    ("ヴァデロン1.0", "ヴァデロン1.0", "frame", {}),
    ("ヴァデロン1.0", "日数計算", "radio button", {"states": {"checked"}}),
    ("ヴァデロン1.0", "こよみ", "radio button", {"absent": {"checked"}}),
    ("ヴァデロン1.0", "上の日付 西暦年", "text", {"states": {"editable", "focusable"}}),
    ("ヴァデロン1.0", "上の日付 西暦年の増減", "spin button", {"states": {"focusable"}}),
    ("ヴァデロン1.0", "下の日付 日の増減", "spin button", {"states": {"focusable"}}),
    ("ヴァデロン1.0", "上の日付 年号", "combo box", {}),
    ("ヴァデロン1.0", "下の日付 年号", "combo box", {}),
    ("ヴァデロン1.0", "上の日付 きょう", "push button", {}),
    ("ヴァデロン1.0", "下の日付 きょう", "push button", {}),
    ("ヴァデロン1.0", "上の日付 曜日 （　曜日）", "label", {"text": "（　曜日）"}),
    ("ヴァデロン1.0", "経過日数は 日", "text", {"states": {"focusable", "read only"}}),
    ("ヴァデロン1.0", "切替 日後", "push button", {"states": {"focusable"}}),
    ("ヴァデロン1.0", "上の日付", "panel", {}),
    ("ヴァデロン1.0", "計算実行", "push button", {}),
    ("ヴァデロン1.0", "クリア", "push button", {}),
    ("ヴァデロン1.0", "ステータスバー", "status bar", {"text": ""}),
    # After the dates are filled in: the weekdays as text, a spin button's value.
    ("dates", "上の日付 曜日 （土曜日）", "label", {"text": "（土曜日）"}),
    ("dates", "下の日付 曜日 （日曜日）", "label", {"text": "（日曜日）"}),
    ("dates", "上の日付 西暦年の増減", "spin button", {"value": 2000}),
    ("dates", "下の日付 日の増減", "spin button", {"value": 31}),

    # The era dialog for 1989 with no month, at its first question.
    ("年号確認", "年号確認", "dialog", {"description": SENTENCE}),
    ("年号確認", SENTENCE, "label", {}),
    ("年号確認", GROUP + "：未選択", "panel", {"states": {"focused", "focusable"}}),
    ("年号確認", "昭和", "radio button", {"absent": {"checked", "focusable"}}),
    ("年号確認", "平成", "radio button", {"absent": {"checked"}}),
    ("年号確認", "OK", "push button", {}),
    # Then each era list is named by its panel and the era it shows.
    ("era chosen", "上の日付 年号 昭和", "combo box", {}),
    ("era chosen", "下の日付 年号", "combo box", {}),
    ("era chosen", "上の日付 和暦年", "text", {"text": "64"}),
    # The almanac window after the report of 2000-01-01.
    ("西暦2000年（平成12年）1月1日のこよみ", "開く", "push button", {}),
    ("西暦2000年（平成12年）1月1日のこよみ", "名前を付けて保存", "push button", {}),
    ("西暦2000年（平成12年）1月1日のこよみ", "印刷", "push button", {}),
    ("西暦2000年（平成12年）1月1日のこよみ", "切り取り", "push button", {}),
    ("西暦2000年（平成12年）1月1日のこよみ", "コピー", "push button", {}),
    ("西暦2000年（平成12年）1月1日のこよみ", "貼り付け", "push button", {}),
    ("西暦2000年（平成12年）1月1日のこよみ", "削除", "push button", {}),
    ("西暦2000年（平成12年）1月1日のこよみ", "本文", "text", {"states": {"focused", "editable"}}),
    # The window 年齢と期間 as it opens, then with a birth date typed and the
    # day asked about typed over today's, then with a period's start and length.
    ("年齢と期間", "年齢と期間", "frame", {}),
    ("年齢と期間", "生年月日 年", "text", {"states": {"editable", "focusable", "focused"}}),
    ("年齢と期間", "基準日 日", "text", {"states": {"editable", "focusable"}}),
    ("年齢と期間", "基準日 今日", "push button", {}),
    ("年齢と期間", "起算の日 年", "text", {"states": {"editable"}}),
    ("年齢と期間", "期間の長さ", "text", {"states": {"editable"}}),
    ("年齢と期間", "期間の単位 か月", "radio button", {"states": {"checked"}}),
    ("年齢と期間", "初日を含める(I)", "check box", {"absent": {"checked"}}),
    ("年齢と期間", "学歴", "table", {}),
    ("ages", "満年齢 0歳", "label", {"text": "0歳"}),
    ("ages", "数え年 2歳", "label", {"text": "2歳"}),
    ("ages", "経過 0年11か月30日（365日）", "label", {"text": "0年11か月30日（365日）"}),
    ("ages", "次の誕生日 2001年3月1日（木）　あと1日で1歳", "label", {}),
    ("deadline", "満了日 2026年5月3日（日）　令和8年5月3日", "label", {"text": "2026年5月3日（日）　令和8年5月3日"}),
    # The help window and the about box.
    ("ヘルプ トピック: ヴァデロン1.0", "ヘルプ トピック: ヴァデロン1.0", "frame", {}),
    ("ヘルプ トピック: ヴァデロン1.0", "ヘルプのページ", "document frame", {"states": {"read only"}}),
    # The calendar window on 2000-01-01: a window whose grid lists the days.
    ("カレンダー 2000年1月", "カレンダー 2000年1月", "frame", {}),
    ("カレンダー 2000年1月", "日付", "list", {"children": 42}),
    ("カレンダー 2000年1月", "2000年1月1日 土曜日 平成12年1月1日 元日 旧暦…", "list item",
     {"states": {"focused", "selected"}, "index": 6}),
    ("バージョン情報", "バージョン情報", "dialog", {}),
    ("バージョン情報", PICTURE, "image", {}),
    ("バージョン情報", "OK", "push button", {}),
]

failures = []
events = []
app_pid = None
display = os.environ["DISPLAY"]


def fail(message):
    failures.append(message)
    app = application()
    shown = [app.getChildAtIndex(i).name for i in range(app.childCount)] if app else []
    print(f"FAIL {message} (windows: {shown})", flush=True)
    if os.environ.get("VADELON_A11Y_SHOTS"):
        subprocess.run(["import", "-window", "root", f"/tmp/a11y-fail-{len(failures)}.png"])


def pump(seconds):
    """Lets the bus deliver what it has for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.01)


def wait_for(what, predicate, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.1)
        found = predicate()
        if found:
            return found
    fail(f"timed out waiting for {what}")
    return None


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=20).stdout.strip()


def keys(*names):
    xdotool("key", "--delay", "60", *names)
    pump(0.3)


def focus_window(title):
    ids = xdotool("search", "--onlyvisible", "--name", f"^{title}$").split()
    if ids:
        xdotool("windowfocus", "--sync", ids[0])
        pump(0.2)


def on_event(event):
    try:
        events.append((event.type, event.source.getRoleName(), event.source.name, event.detail1))
    except Exception:  # the source may be gone already
        pass


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == APP_NAME and app.childCount > 0:
            return app
    return None


def window(title):
    app = application()
    if not app:
        return None
    for i in range(app.childCount):
        w = app.getChildAtIndex(i)
        if w is not None and w.name == title and w.getState().contains(pyatspi.STATE_SHOWING):
            return w
    return None


def descendants(root):
    found, stack = [], [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        found.append(node)
        stack.extend(node.getChildAtIndex(i) for i in range(node.childCount))
    return found


def find(root, name, role):
    """The node of this role and name ("…" at its end: of a name that begins so)."""
    for node in descendants(root):
        named = node.name.startswith(name[:-1]) if name.endswith("…") else node.name == name
        if named and node.getRoleName() == role:
            return node
    return None


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def check_rows(key, root):
    """The table's rows for one window (or one moment of it)."""
    rows = [r for r in EXPECTED if r[0] == key]
    before = len(failures)
    if root is None:
        fail(f"{key}: window not on the bus")
        return
    for _, name, role, more in rows:
        node = find(root, name, role)
        if node is None:
            fail(f"{key}: no {role} named {name!r}")
            continue
        states = {pyatspi.stateToString(s) for s in node.getState().getStates()}
        if "text" in more and text_of(node) != more["text"]:
            fail(f"{key}: {name!r} has text {text_of(node)!r}, not {more['text']!r}")
        if "value" in more and node.queryValue().currentValue != more["value"]:
            fail(f"{key}: {name!r} has value {node.queryValue().currentValue}, not {more['value']}")
        if "children" in more and node.childCount != more["children"]:
            fail(f"{key}: {name!r} has {node.childCount} children, not {more['children']}")
        if "index" in more and node.getIndexInParent() != more["index"]:
            fail(f"{key}: {name!r} is child {node.getIndexInParent()}, not {more['index']}")
        if "description" in more and node.description != more["description"]:
            fail(f"{key}: {name!r} is described as {node.description!r}")
        if not more.get("states", set()) <= states:
            fail(f"{key}: {name!r} lacks {more['states'] - states} (has {sorted(states)})")
        if os.environ.get("VADELON_A11Y_SHOTS"):
            print("     ", name, role, sorted(states))
        if more.get("absent", set()) & states:
            fail(f"{key}: {name!r} should not be {more['absent'] & states}")
    if len(failures) == before:
        print(f"ok   {key}: {len(rows)} rows as expected", flush=True)


def heard(kind, role, name=None, since=0):
    """An event of this kind from an object of this role (and name) since index."""
    for e_type, e_role, e_name, detail in events[since:]:
        if e_type.startswith(kind) and e_role == role and (name is None or e_name == name):
            return (e_type, e_role, e_name, detail)
    return None


def do_action(node, wanted):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == wanted:
            action.doAction(i)
            return
    fail(f"{node.name!r} has no action {wanted!r}")


def set_text(root, name, text):
    field = find(root, name, "text")
    if field is None:
        fail(f"no field {name!r}")
        return
    field.queryEditableText().setTextContents(text)


def main():
    global app_pid
    home = tempfile.mkdtemp()
    env = dict(os.environ, HOME=home, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    app_pid = subprocess.Popen([sys.argv[1]], env=env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    pyatspi.Registry.registerEventListener(
        on_event, "object:state-changed:showing", "object:state-changed:focused", "focus:",
        "object:property-change:accessible-name", "object:property-change:accessible-value",
        "object:text-changed:insert", "object:selection-changed")
    # The first query after start-up may find an empty tree: ask until it fills.
    calc = wait_for("the calculator window on the bus", lambda: window(APP_NAME), seconds=30)
    if not calc:
        return
    check_rows(APP_NAME, calc)

    # Dates through the bus; the change handling fills the weekdays.
    for name, text in [("上の日付 西暦年", "2000"), ("上の日付 月", "1"), ("上の日付 日", "1"),
                       ("下の日付 西暦年", "2000"), ("下の日付 月", "12"), ("下の日付 日", "31")]:
        set_text(calc, name, text)
    pump(0.5)
    check_rows("dates", calc)

    # A run's result is spoken as a notification in the status bar.
    mark = len(events)
    do_action(find(calc, "計算実行", "push button"), "press")
    if wait_for("the result spoken", lambda: heard("object:state-changed:showing", "notification",
                                                     "経過日数は365日", mark)):
        print("ok   the day count's result is spoken: 経過日数は365日", flush=True)
    if text_of(find(calc, "経過日数は 日", "text")) != "365":
        fail("the result field does not read 365")

    # A spin button's step is told with its new value.
    mark = len(events)
    spin = find(calc, "上の日付 西暦年の増減", "spin button")
    do_action(spin, "increase")
    if wait_for("the spin button's new value", lambda: heard("object:property-change:accessible-value",
                                                             "spin button", None, mark)):
        if spin.queryValue().currentValue != 2001:
            fail(f"after a step the spin button reads {spin.queryValue().currentValue}, not 2001")
        else:
            print("ok   a step of the year's spin button is told: 2001", flush=True)

    # The era dialog, by keyboard: 1989 typed with the month left empty.
    set_text(calc, "上の日付 月", "")
    set_text(calc, "上の日付 西暦年", "")
    find(calc, "上の日付 西暦年", "text").queryComponent().grabFocus()
    focus_window(APP_NAME)
    keys("1", "9", "8", "9")
    era = wait_for("the era dialog", lambda: window("年号確認"))
    check_rows("年号確認", era)
    if era:
        mark = len(events)
        focus_window("年号確認")
        keys("Left")
        if wait_for("the choice spoken", lambda: heard("object:property-change:accessible-name", "panel",
                                                       GROUP + "：昭和", mark)):
            print("ok   Left chooses 昭和 and the group says so", flush=True)
        mark = len(events)
        keys("Return")
        wait_for("the era dialog to close", lambda: window("年号確認") is None)
        # The era list tells its new era (its name stays the list's own).
        wait_for("the era list's change", lambda: heard("object:selection-changed", "combo box", None, mark)
                 or heard("object:property-change:accessible-name", "combo box", None, mark))
        check_rows("era chosen", calc)

    # The almanac window of 2000-01-01.
    focus_window(APP_NAME)
    keys("alt+c", "w")
    for name, text in [("上の日付 西暦年", "2000"), ("上の日付 月", "1"), ("上の日付 日", "1")]:
        set_text(calc, name, text)
    # Text set from outside is a paste: the era follows at the next key released in the field.
    find(calc, "上の日付 西暦年", "text").queryComponent().grabFocus()
    focus_window(APP_NAME)
    keys("End")
    keys("alt+c", "r")
    title = "西暦2000年（平成12年）1月1日のこよみ"
    almanac = wait_for("the almanac window", lambda: window(title))
    check_rows(title, almanac)
    if almanac:
        bar = [n for n in descendants(almanac) if n.getRoleName() == "status bar"]
        if not bar or bar[0].name in ("", "ステータスバー") or bar[0].name != text_of(bar[0]):
            fail(f"the almanac window's status bar does not carry its note: {[(b.name) for b in bar]}")
        focus_window(title)
        keys("alt+f", "x")
        question = wait_for("the save question", lambda: window("警告"))
        if question:
            focus_window("警告")
            keys("alt+n")
        wait_for("the almanac window to close", lambda: window(title) is None)

    # The window 年齢と期間: a birth date typed, the day asked about typed over
    # today's, Enter speaks the ages; a period's last day read back.
    focus_window(APP_NAME)
    keys("alt+c", "p")
    periods = wait_for("the window 年齢と期間", lambda: window("年齢と期間"))
    check_rows("年齢と期間", periods)
    if periods:
        focus_window("年齢と期間")
        for typed in ("2000", "2", "29"):
            xdotool("type", "--delay", "60", typed)
            keys("Tab")
        for typed in ("2001", "2", "28"):
            keys("ctrl+a")
            xdotool("type", "--delay", "60", typed)
            keys("Tab")
        mark = len(events)
        keys("shift+Tab", "Return")
        said = "満年齢0歳、数え年2歳、経過0年11か月30日、次の誕生日まであと1日"
        if wait_for("the ages spoken", lambda: heard("object:state-changed:showing", "notification", said, mark)):
            print(f"ok   Enter speaks the ages: {said}", flush=True)
        check_rows("ages", periods)
        for name, text in [("起算の日 年", "2026"), ("起算の日 月", "4"), ("起算の日 日", "3"), ("期間の長さ", "1")]:
            set_text(periods, name, text)
        pump(0.5)
        check_rows("deadline", periods)
        focus_window("年齢と期間")
        keys("Escape")
        wait_for("the window 年齢と期間 to close", lambda: window("年齢と期間") is None)

    # The help window: a window, and its page's links told as Tab reaches them.
    focus_window(APP_NAME)
    keys("F1")
    help_title = "ヘルプ トピック: ヴァデロン1.0"
    help_window = wait_for("the help window", lambda: window(help_title))
    check_rows(help_title, help_window)
    if help_window:
        page = find(help_window, "ヘルプのページ", "document frame")
        page.queryComponent().grabFocus()
        pump(0.3)
        mark = len(events)
        focus_window(help_title)
        keys("Tab")
        link = wait_for("a link taking the focus", lambda: heard("focus:", "link", None, mark)
                        or heard("object:state-changed:focused", "link", None, mark))
        if link and link[2]:
            print(f"ok   Tab in the page tells a focused link: {link[2]}", flush=True)
        elif link:
            fail("a link took the focus without a name")
        # The links are the page's children, each at its place (a screen
        # reader drops an object whose parent does not list it).
        links = [page.getChildAtIndex(i) for i in range(page.childCount)]
        focused = [n for n in links if n.getState().contains(pyatspi.STATE_FOCUSED)]
        if not focused or focused[0].getIndexInParent() != links.index(focused[0]):
            fail(f"the focused link is not the page's child at its place: {[n.name for n in focused]}")
        keys("Escape")
        wait_for("the help window to close", lambda: window(help_title) is None)

    # The calendar window, on the upper date: its grid a list of the days,
    # the selected one focused and told as the arrows move it.
    focus_window(APP_NAME)
    keys("alt+c", "k")
    calendar_title = "カレンダー 2000年1月"
    calendar = wait_for("the calendar window", lambda: window(calendar_title))
    check_rows(calendar_title, calendar)
    if calendar:
        mark = len(events)
        focus_window(calendar_title)
        keys("Right")
        day = wait_for("the next day told", lambda: heard("focus:", "list item", None, mark)
                       or heard("object:state-changed:focused", "list item", None, mark))
        if day and day[2].startswith("2000年1月2日 日曜日"):
            print(f"ok   → tells the next day: {day[2]}", flush=True)
        elif day:
            fail(f"→ told {day[2]!r}")
        keys("Escape")
        wait_for("the calendar window to close", lambda: window(calendar_title) is None)

    # The about box.
    focus_window(APP_NAME)
    keys("alt+h", "a")
    about = wait_for("the about box", lambda: window("バージョン情報"))
    check_rows("バージョン情報", about)
    if about:
        focus_window("バージョン情報")
        keys("Return")


if __name__ == "__main__":
    try:
        main()
    finally:
        if app_pid:
            app_pid.kill()
            app_pid.wait()
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed", flush=True)
    sys.exit(1 if failures else 0)
