#!/usr/bin/env bash
# Drives the real program with a real Japanese input method on, as a Japanese
# user leaves it: ibus with Mozc in hiragana mode, in a desktop session of a
# user this test creates (Mozc's server refuses to run as root). Types 2000
# into the upper year and reads the era and the weekday back from the
# accessibility bus; types "~" into the almanac editor, where Mozc makes it
# 〜 (U+301C), saves, and checks the bytes 0x81 0x60.
# Usage (as root): ime_e2e.sh VADELON_BINARY
set -uo pipefail

app=$1
if [ "$(id -u)" -ne 0 ]; then
  echo "ime_e2e: skipped: creating the session's user needs root"
  exit 77
fi

e2e_name=ime_e2e
work=
user=
. "$(dirname "$0")/e2e_helpers.sh"

session_pids() { [ -n "$user" ] && ps -o pid= -u "$user" 2>/dev/null; }

cleanup() {
  if [ -n "$user" ]; then
    # Only this test's processes run as the user it created.
    local pids
    pids=$(session_pids)
    [ -n "$pids" ] && kill $pids 2>/dev/null
    for _ in $(seq 1 30); do [ -z "$(session_pids)" ] && break; sleep 0.1; done
    pids=$(session_pids)
    [ -n "$pids" ] && kill -9 $pids 2>/dev/null
    userdel "$user" 2>/dev/null
  fi
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  [ -n "$work" ] && rm -rf "$work"
}
trap cleanup EXIT
# A timeout's kill still removes the user and its processes.
trap 'echo "ime_e2e: ended by a signal" >&2; exit 1' TERM INT HUP

for tool in Xvfb xdotool import useradd runuser dbus-daemon ibus-daemon ibus /usr/lib/ibus-mozc/ibus-engine-mozc \
  /usr/lib/mozc/mozc_server /usr/bin/python3; do
  command -v "$tool" >/dev/null 2>&1 || fail "$tool is not installed (scripts/setup.sh installs it)"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is not installed (scripts/setup.sh installs it)"

# Everything the user reads lies below a folder of its own in /tmp: the build
# folder (a checkout of root's) may be closed to it.
work=$(mktemp -d /tmp/vadelon-ime.XXXXXX) || fail "make a temporary folder"
chmod 755 "$work"
home=$work/home
run=$work/run
mkdir -p "$work/app/bin" "$home/.config/mozc" "$home/runtime" "$run"
cp "$app" "$work/app/bin/vadelon" || fail "copy the program"
# The program finds its manual beside it, in ../share/vadelon.
[ -d "$(dirname "$app")/../share/vadelon" ] && cp -r "$(dirname "$app")/../share" "$work/app/"
chmod -R a+rX "$work/app"

# Mozc as the one engine, in hiragana mode from the start.
cat >"$home/.config/mozc/ibus_config.textproto" <<'EOF'
engines {
  name : "mozc-jp"
  longname : "Mozc"
  layout : "default"
  layout_variant : ""
  layout_option : ""
  rank : 80
}
active_on_launch: True
EOF

for _ in $(seq 1 20); do
  candidate="vime$RANDOM"
  id "$candidate" >/dev/null 2>&1 && continue
  useradd --home-dir "$home" --no-create-home --shell /bin/sh --user-group "$candidate" >/dev/null 2>&1 &&
    user=$candidate && break
done
[ -n "$user" ] || fail "create a user for the session"
chown -R "$user:" "$home" "$run"
chmod 700 "$home/runtime"

start_xvfb || fail "start Xvfb"

bus=
as_user() {
  runuser -u "$user" -- env -i HOME="$home" USER="$user" PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$display" \
    XDG_RUNTIME_DIR="$home/runtime" DBUS_SESSION_BUS_ADDRESS="$bus" "$@"
}

step "start the user's session bus, ibus and Mozc"
# To a file, not a pipe: the forked daemon would hold a pipe open.
as_user dbus-daemon --session --fork --print-address=1 >"$work/bus" || fail "start dbus-daemon --session as $user"
bus=$(head -n 1 "$work/bus")
[ -n "$bus" ] || fail "start dbus-daemon --session as $user"
as_user ibus-daemon --daemonize --xim --panel=disable || fail "start ibus-daemon"
engine=
for _ in $(seq 1 100); do
  # Sets the engine once ibus knows it; its own status is no guide.
  as_user ibus engine mozc-jp >/dev/null 2>&1
  engine=$(as_user ibus engine 2>/dev/null)
  [ "$engine" = mozc-jp ] && break
  sleep 0.2
done
[ "$engine" = mozc-jp ] || fail "ibus did not take the engine mozc-jp (it has '$engine')"

# Reads the windows through the accessibility bus, as a screen reader does.
#   calculator: the upper panel's year, era, era year and weekday, one a line
#   editor TITLE: the last line of the text in the window TITLE
#   alerts: the texts of open message boxes
atspi() {
  as_user /usr/bin/python3 - "$@" <<'EOF'
import sys
import pyatspi

def nodes(acc):
    try:
        yield acc
        for i in range(acc.childCount):
            yield from nodes(acc.getChildAtIndex(i))
    except Exception:
        return

def text(acc):
    try:
        return acc.queryText().getText(0, -1)
    except Exception:
        return ''

desktop = pyatspi.Registry.getDesktop(0)
everything = [n for i in range(desktop.childCount) for n in nodes(desktop.getChildAtIndex(i))]
mode = sys.argv[1]
if mode == 'calculator':
    by_name = {n.name: n for n in everything}
    combos = [n for n in everything if n.getRoleName() == 'combo box']
    for field in ('上の日付 西暦年', '上の日付 和暦年'):
        print(text(by_name[field]) if field in by_name else '?')
    # A drop-down is named by its panel and the item it shows; the upper one
    # comes first. The weekday label is named by its panel and its text.
    print(combos[0].name.rsplit(' ', 1)[-1] if combos else '?')
    weekdays = [n for n in everything if n.getRoleName() == 'label' and n.name.startswith('上の日付 曜日')]
    print(text(weekdays[0]) if weekdays else '?')
elif mode == 'editor':
    frames = [n for n in everything if n.getRoleName() == 'frame' and n.name == sys.argv[2]]
    editors = [n for f in frames for n in nodes(f) if n.getRoleName() == 'text']
    print(text(editors[0]).rstrip('\n').split('\n')[-1] if editors else '?')
elif mode == 'alerts':
    for alert in (n for n in everything if n.getRoleName() == 'alert'):
        print(' '.join(n.name for n in nodes(alert) if n.getRoleName() == 'label' and n.name))
EOF
}

# Waits (bounded) until the reading $1... prints the lines of $expected.
wait_reading() {
  for _ in $(seq 1 40); do
    reading=$(atspi "$@" 2>/dev/null)
    [ "$reading" = "$expected" ] && return 0
    sleep 0.25
  done
  return 1
}

step "start the program with QT_IM_MODULE=ibus"
(cd "$run" && as_user env QT_IM_MODULE=ibus QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  "$work/app/bin/vadelon" >"$work/app.log" 2>&1) &
main=$(wait_window 'ヴァデロン1.0') || fail "calculator window 'ヴァデロン1.0' did not appear"
focus "$main"

step "type 2000 into the upper year with the input method on: the era follows"
type_text 2000
expected=$(printf '%s\n' 2000 12 平成 '（　曜日）')
wait_reading calculator || fail "after typing 2000 the upper panel reads
$reading
and not
$expected"

step "type 1 and 1 into the month and the day: the weekday follows"
key Tab Tab Tab Tab
type_text 1
key Tab
type_text 1
expected=$(printf '%s\n' 2000 12 平成 '（土曜日）')
wait_reading calculator || fail "after typing the month and the day the upper panel reads
$reading
and not
$expected"

step "an almanac report, and ~ typed into its editor: Mozc gives 〜"
key alt+c
key w
key alt+c
key r
title='西暦2000年（平成12年）1月1日のこよみ'
alm=$(wait_window "$title") || fail "almanac window '$title' did not appear"
focus "$alm"
key ctrl+End Return
type_text '~'
# Mozc holds 〜 as a composition until Enter commits it.
key Return
expected='〜'
wait_reading editor "$title" ||
  fail "the editor's last line is '$reading', not 〜 (U+301C): is Mozc on in hiragana mode?"

step "save it under the offered name"
key alt+f
key a
dlg=$(wait_window '名前を付けて保存') || fail "save dialog did not appear"
focus "$dlg"
key Return
saved="$run/$title.txt"
refusal=
for _ in $(seq 1 50); do
  [ -s "$saved" ] && break
  refusal=$(atspi alerts 2>/dev/null)
  [ -n "$refusal" ] && break
  sleep 0.2
done
[ -n "$refusal" ] && fail "saving 〜 was refused (the text files must be CP932, where 〜 is 0x81 0x60): $refusal"
[ -s "$saved" ] || fail "nothing was saved to $saved"

step "the last line is 〜 as the bytes 0x81 0x60"
last=$(tail -n 1 "$saved" | tr -d '\r\n' | od -An -tx1 | tr -d ' \n')
[ "$last" = 8160 ] || fail "the saved last line is the bytes '$last', not 8160"

step "close both windows from their menus"
focus "$alm"
key alt+f
key x
focus "$main"
key alt+c
key x
for _ in $(seq 1 50); do pgrep -u "$user" -x vadelon >/dev/null || break; sleep 0.1; done
pgrep -u "$user" -x vadelon >/dev/null && fail "the program did not end after 終了"
echo "ime_e2e: 1 passed, 0 failed"
