#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test binary on an Xvfb server of its own (1600x1000) under the openbox window manager,
# which reparents, places and moves windows as a desktop does; exits 77 (skipped) without the
# tools. Usage: run-under-openbox.sh TEST_BINARY [ARGUMENTS...]
set -u
if [ "${1:-}" = "--inside" ]; then
  shift
  openbox --sm-disable >/dev/null 2>&1 &
  wm_pid=$!
  # The manager is ready once it has announced itself on the root window.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.05
  done
  "$@"
  status=$?
  kill "$wm_pid" 2>/dev/null
  wait "$wm_pid" 2>/dev/null
  exit "$status"
fi
for tool in xvfb-run xauth xdotool xprop xwininfo openbox; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done
unset WAYLAND_DISPLAY
exec xvfb-run -a -s "-screen 0 1600x1000x24" env QT_QPA_PLATFORM=xcb "$0" --inside "$@"
