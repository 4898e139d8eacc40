#!/usr/bin/env python3
"""The manual checker passes the built manual (its pictures included) and
fails each copy of it that has one fault (a broken target, a keyword line
without its reading, a page beyond the help window's limits), naming it.

Usage: check_manual_test.py CHECKER MANUAL_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile

checker, manual = sys.argv[1], sys.argv[2]


def append(name, text):
    def change(root):
        with open(os.path.join(root, name), "a", encoding="utf-8") as f:
            f.write(text)
    return change


# (what is broken, the change, a text the fault must name; None: passes)
cases = [
    ("nothing", lambda root: None, None),
    ("a link to a missing page", append("intro.html", '<a href="nowhere.html">x</a>'), "nowhere.html"),
    ("a link to a missing anchor", append("intro.html", '<a href="faq.html#nosuch">x</a>'), "#nosuch"),
    ("a missing image", append("intro.html", '<img src="images/none.png">'), "images/none.png"),
    ("a keyword target", append("keywords.txt", "どこにもない\t\tlost.html#a\n"), "lost.html"),
    ("a keyword without target", append("keywords.txt", "ただの語\tただのご\t\n"), "no target"),
    ("a keyword line without its reading field", append("keywords.txt", "年号\teras.html\n"), "KEYWORD<TAB>よみ"),
    ("a keyword of kanji without reading", append("keywords.txt", "年号表\t\teras.html\n"), "no reading"),
    ("a reading not in kana", append("keywords.txt", "九星盤\tkyuseiban\treading_almanac.html\n"), "not kana"),
    ("a keyword twice for one page", append("keywords.txt", "節入り\tせついり\tsetsuiri.html\n"), "already"),
    ("a page over the size limit", append("intro.html", "<p>" + "あ" * 50000 + "</p>"), "bytes"),
    ("tables nested too deep", append("faq.html", "<table><tr><td>" * 5 + "</td></tr></table>" * 5), "tables deep"),
    ("a contents target", append("contents.txt", "迷子\tfaq.html#lost\n"), "#lost"),
    ("a contents line nested too deep", append("contents.txt", "      深すぎ\tfaq.html\n"), "contents.txt"),
    ("an era marker left", append("eras.html", "<!-- era-table -->"), "era-table"),
]

failures = 0
for what, change, expected in cases:
    with tempfile.TemporaryDirectory() as tmp:
        root = os.path.join(tmp, "help")
        shutil.copytree(manual, root)
        change(root)
        run = subprocess.run([sys.executable, checker, root], capture_output=True, text=True)
        ok = run.returncode == 0 if expected is None else run.returncode == 1 and expected in run.stderr
        print(f"{'ok  ' if ok else 'FAIL'} {what}: exit {run.returncode} {run.stderr.strip()}")
        failures += not ok
sys.exit(1 if failures else 0)
