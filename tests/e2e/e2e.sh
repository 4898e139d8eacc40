#!/usr/bin/env bash
# Drives the real program in a real X window, by keyboard only, as a user
# would: help in the three windows, almanac report saved to a file, SIGTERM asking
# about the unsaved report, the era question answered with the arrow keys, the
# about box, the month calendar (its keys, a day written into the calculator,
# beside the almanac window, nothing written while the era question is open), exit.
# Usage: e2e.sh VADELON_BINARY VADELON_CALC_BINARY
set -uo pipefail

app=$1
calc=$2
e2e_name=e2e
work=$(mktemp -d)
app_pid=
. "$(dirname "$0")/e2e_helpers.sh"

cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Opens the help window from window $1 with the keys $2..., then closes it with
# Esc, which it only takes when it is not blocked by a modal window.
help_title='ヘルプ トピック: ヴァデロン1.0'
open_and_close_help() {
  local from=$1 help; shift
  focus "$from"
  key "$@"
  help=$(wait_window "$help_title") || fail "help window '$help_title' did not appear after $*"
  focus "$help"
  key Escape
  wait_gone "$help_title" || fail "help window opened by $* did not close with Esc"
}

start_xvfb || fail "start Xvfb"

step "start the program"
HOME=$work QT_QPA_PLATFORM=xcb DISPLAY=$display "$app" >"$work/app.log" 2>&1 &
app_pid=$!
main=$(wait_window 'ヴァデロン1.0') || fail "calculator window 'ヴァデロン1.0' did not appear"
focus "$main"

step "check the client size 392 x 371"
eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$main")"
echo "e2e: calculator window ${WIDTH} x ${HEIGHT}"
# The client area is 392 x 371 below the menu bar, which Qt draws inside the
# window: the window is 371 pixels plus one menu bar high.
[ "$WIDTH" -eq 392 ] || fail "client width is $WIDTH, not 392"
[ "$HEIGHT" -ge $((371 + 16)) ] && [ "$HEIGHT" -le $((371 + 32)) ] ||
  fail "window height $HEIGHT is not 371 plus a menu bar"

step "help from the calculator window: Alt+H, S and F1"
open_and_close_help "$main" alt+h s
open_and_close_help "$main" F1
focus "$main"

step "choose こよみ through the menu access keys"
key alt+c
key w

step "type 2000, 1, 1 into the upper panel"
type_text 2000
key Tab Tab Tab Tab
type_text 1
key Tab
type_text 1

step "run with the menu"
key alt+c
key r
alm=$(wait_window '西暦2000年（平成12年）1月1日のこよみ') || fail "almanac window '西暦2000年（平成12年）1月1日のこよみ' did not appear"

step "SIGTERM with the report unsaved asks first; キャンセル keeps the program"
kill -TERM "$app_pid"
question=$(wait_window '警告') || fail "SIGTERM did not ask the save question"
focus "$question"
key Escape
wait_gone '警告' || fail "the save question did not close with Esc"
kill -0 "$app_pid" 2>/dev/null || fail "the program ended although the question was answered キャンセル"
alm=$(wait_window '西暦2000年（平成12年）1月1日のこよみ') || fail "almanac window closed after キャンセル"

step "help from the almanac window, which is modal: Alt+H, S and F1"
open_and_close_help "$alm" alt+h s
open_and_close_help "$alm" F1
focus "$alm"

step "save the report through its menu"
key alt+f
key a
dlg=$(wait_window_matching '名前を付けて保存|Save As') || fail "save dialog did not appear"
# The program gives the dialog no title of its own: Qt's Japanese translation does.
title=$(DISPLAY=$display xdotool getwindowname "$dlg")
[ "$title" = '名前を付けて保存' ] || fail "save dialog title is '$title', not '名前を付けて保存'"
focus "$dlg"
key ctrl+a
type_text "$work/report.txt"
key Return
for _ in $(seq 1 50); do [ -s "$work/report.txt" ] && break; sleep 0.1; done
[ -s "$work/report.txt" ] || fail "the report was not saved to $work/report.txt"

step "close the almanac window"
focus "$alm"
key alt+f
key x
wait_gone '西暦2000年（平成12年）1月1日のこよみ' || fail "almanac window did not close"

step "compare the saved bytes with the expected report"
"$calc" almanac --sjis 2000 1 1 >"$work/expected.txt" || fail "vadelon-calc almanac"
cmp "$work/expected.txt" "$work/report.txt" || fail "saved report differs from the expected bytes"

step "era question for 1989 with an empty month, answered by keyboard alone: Left, then Enter"
focus "$main"
key Escape
key alt+c
key n
# The caret is still in the day field: back to the Western year.
key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
type_text 1989
era=$(wait_window '年号確認') || fail "era dialog '年号確認' did not appear"
focus "$era"
key Left
key Return
wait_gone '年号確認' || fail "era dialog did not close"

step "the era year is 64 (昭和): Tab to it, copy it, read the clipboard"
focus "$main"
# From the Western year: its spin button, the era list, the era year.
key Tab Tab Tab
key ctrl+a ctrl+c
era_year=$(DISPLAY=$display timeout 5 xclip -o -selection clipboard 2>/dev/null)
[ "$era_year" = 64 ] || fail "era year after Left and Enter is '$era_year', not 64 (昭和)"
# Back to the Western year, where the steps after this one type. The Tab
# released there counts as a key in the year: the question comes again, with
# 昭和 already down, and Enter keeps it.
key shift+Tab shift+Tab shift+Tab
era=$(wait_window '年号確認') || fail "era dialog did not ask again after Shift+Tab into the year"
focus "$era"
key Return
wait_gone '年号確認' || fail "era dialog did not close the second time"

step "about box, closed with Enter"
focus "$main"
key alt+h
key a
about=$(wait_window 'バージョン情報') || fail "about box 'バージョン情報' did not appear"
focus "$about"
key Return
wait_gone 'バージョン情報' || fail "about box did not close with Enter"

step "calendar: Alt+C, K opens on the upper date's month; the page keys and Home turn it"
focus "$main"
key Escape
key alt+c
key w
type_text 2026
key Tab Tab Tab Tab
type_text 5
key Tab
type_text 6
key alt+c
key k
cal=$(wait_window 'カレンダー 2026年5月') || fail "calendar window 'カレンダー 2026年5月' did not open on the upper date"
focus "$cal"
today_title="カレンダー $(date +%Y)年$(date +%-m)月"
for turn in "Next:カレンダー 2026年6月" "Prior:カレンダー 2026年5月" "ctrl+Next:カレンダー 2027年5月" \
  "ctrl+Prior:カレンダー 2026年5月" "Home:$today_title"; do
  key "${turn%%:*}"
  cal=$(wait_window "${turn#*:}") || fail "the calendar's title is not '${turn#*:}' after ${turn%%:*}"
done

step "calendar: F1 opens the help"
open_and_close_help "$cal" F1
focus "$cal"

step "calendar: Esc closes it; opened again, it is on the upper date, and Enter writes the next day there"
key Escape
wait_gone "$today_title" || fail "the calendar did not close with Esc"
focus "$main"
key alt+c
key k
cal=$(wait_window 'カレンダー 2026年5月') || fail "the calendar did not open again on 2026-05"
focus "$cal"
key Right
key Return
# The almanac run reads the three fields of the upper panel.
focus "$main"
key alt+c
key r
alm=$(wait_window '西暦2026年（令和8年）5月7日のこよみ') ||
  fail "almanac window '西暦2026年（令和8年）5月7日のこよみ' did not appear: the upper panel does not hold 2026-05-07"

step "calendar: usable beside the modal almanac window"
cal=$(wait_window 'カレンダー 2026年5月') || fail "the calendar is not shown beside the almanac window"
focus "$cal"
key Next
cal=$(wait_window 'カレンダー 2026年6月') || fail "the calendar took no key beside the almanac window"
key Escape
wait_gone 'カレンダー 2026年6月' || fail "the calendar did not close with Esc beside the almanac window"
focus "$alm"
key alt+f
key x
warn=$(wait_window '警告') || fail "the save question did not come"
focus "$warn"
key alt+n
wait_gone '西暦2026年（令和8年）5月7日のこよみ' || fail "almanac window did not close after いいえ"

step "calendar: while the era question is open, Enter writes nothing into the calculator, and the answer is for 1989"
focus "$main"
key Escape
key alt+c
key w
key alt+c
key k
cal=$(wait_window "$today_title") || fail "the calendar did not open on today's month with the upper panel empty"
focus "$main"
# The caret is in the day field, as after the run above: back to the Western year.
key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
type_text 1989
era=$(wait_window '年号確認') || fail "era dialog '年号確認' did not appear for 1989"
focus "$cal"
key Home
key Return
era=$(wait_window '年号確認') || fail "the era question closed when the calendar's Enter came"
focus "$era"
key Left
key Return
wait_gone '年号確認' || fail "era dialog did not close"
# From the Western year: its spin button, the era list, the era year.
focus "$main"
key Tab Tab Tab
key ctrl+a ctrl+c
era_year=$(DISPLAY=$display timeout 5 xclip -o -selection clipboard 2>/dev/null)
[ "$era_year" = 64 ] || fail "era year after 昭和 for 1989 is '$era_year', not 64"
# Tab into the empty month asks again (昭和 is down: Enter keeps it); then
# February settles the era; the run's title shows the Western year kept.
key Tab
era=$(wait_window '年号確認') || fail "era dialog did not ask again after Tab into the empty month"
focus "$era"
key Return
wait_gone '年号確認' || fail "era dialog did not close"
focus "$main"
type_text 2
key Tab
type_text 1
key alt+c
key r
alm=$(wait_window '西暦1989年（平成1年）2月1日のこよみ') ||
  fail "almanac window '西暦1989年（平成1年）2月1日のこよみ' did not appear: the calendar's Enter wrote under the question"
focus "$alm"
key alt+f
key x
warn=$(wait_window '警告') || fail "the save question did not come"
focus "$warn"
key alt+n
wait_gone '西暦1989年（平成1年）2月1日のこよみ' || fail "almanac window did not close after いいえ"
cal=$(wait_window "$today_title") || fail "the calendar is no longer shown"
focus "$cal"
key Escape
wait_gone "$today_title" || fail "the calendar did not close with Esc"

step "close the program from its menu"
focus "$main"
key alt+c
key x
for _ in $(seq 1 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then fail "the program did not end after 終了"; fi
wait "$app_pid"; rc=$?
app_pid=
[ "$rc" -eq 0 ] || fail "the program exited with status $rc"
echo "e2e: 1 passed, 0 failed"
