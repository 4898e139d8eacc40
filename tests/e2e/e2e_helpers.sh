# Sourced by the end-to-end scripts: an Xvfb of their own, the failure
# report with a picture of the screen, waiting for windows, keys and text.
# The script sets e2e_name (the prefix of its messages) and work (its
# temporary folder, where the program writes app.log) before using them.
display=
xvfb_pid=

# Xvfb picks a free display number itself and writes it once it is ready;
# -noreset keeps it from resetting when a client (xdpyinfo) leaves, which
# would refuse the next client that connects meanwhile. Sets display and
# xvfb_pid; fails when no client can connect.
start_xvfb() {
  Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/display" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  display=":$(head -n 1 "$work/display")"
  DISPLAY=$display xdpyinfo >/dev/null 2>&1
}

fail() {
  local shot="${TMPDIR:-/tmp}/vadelon-${e2e_name//_/-}-failure.png"
  echo "$e2e_name: FAILED at step: $*" >&2
  [ -s "$work/app.log" ] && sed "s/^/$e2e_name: program: /" "$work/app.log" >&2
  DISPLAY=$display import -window root "$work/failure.png" 2>/dev/null &&
    cp "$work/failure.png" "$shot" &&
    echo "$e2e_name: screen at failure: $shot" >&2
  exit 1
}

step() { echo "$e2e_name: $*"; }

# Waits (bounded) for a visible window whose title matches the regular
# expression $1; prints its id.
wait_window_matching() {
  local id
  for _ in $(seq 1 100); do
    id=$(DISPLAY=$display xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

# Waits (bounded) for a visible window whose title is exactly $1; prints its id.
wait_window() { wait_window_matching "^$1\$"; }

# Waits (bounded) until no visible window has the title $1.
wait_gone() {
  for _ in $(seq 1 100); do
    DISPLAY=$display xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

key() { DISPLAY=$display xdotool key --delay 40 "$@"; sleep 0.15; }
type_text() { DISPLAY=$display xdotool type --delay 40 "$1"; sleep 0.15; }
focus() { DISPLAY=$display xdotool windowfocus --sync "$1" 2>/dev/null; sleep 0.1; }
