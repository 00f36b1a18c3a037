#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test binary on an Xvfb server of its own (a real X11 display, 1600x1000); exits 77 (skipped) without the tools.
set -u
test_binary="$1"
for tool in xvfb-run xauth xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done
unset WAYLAND_DISPLAY
exec xvfb-run -a -s "-screen 0 1600x1000x24" env QT_QPA_PLATFORM=xcb "$test_binary"
