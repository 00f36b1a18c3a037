# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that drive the real program: checks the tools (exit 77, skipped, without
# them), makes the work folder $work, starts an Xvfb server of its own on a free display and
# cleans up on exit (the program at $app_pid with SIGKILL, then the server and the folder).
# Defines fail MESSAGE.
for tool in Xvfb xdotool sqlite3 timeout; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

work="$(mktemp -d)"
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*"
  [ -f "$work/program.log" ] && tail -5 "$work/program.log"
  exit 1
}

# -noreset keeps the server up when its only client is killed.
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1600x1000x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(tr -d '\n' <"$work/display")"
export QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
unset WAYLAND_DISPLAY
