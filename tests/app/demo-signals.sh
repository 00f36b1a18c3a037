#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program with --demo, checks that its window says it is a demo, and ends it with
# SIGTERM, then with SIGINT: each time the program must end by itself within a bounded time and
# its throw-away event folder must be gone.
# Usage: demo-signals.sh PROGRAM. Exits 77 (skipped) without the tools.
set -u
program="$1"
source "$(dirname "$0")/xvfb-session.sh"

export TMPDIR="$work/tmp"
mkdir -p "$TMPDIR"

for signal in TERM INT; do
  "$program" --demo >>"$work/program.log" 2>&1 &
  app_pid=$!
  window="$(timeout 30 xdotool search --sync --onlyvisible --pid "$app_pid" | head -1)"
  [ -n "$window" ] || fail "the program did not show its window"
  folder="$(find "$TMPDIR" -mindepth 1 -maxdepth 1 -type d -name 'Sortilo-*' | head -1)"
  [ -n "$folder" ] && [ -f "$folder/Data.db" ] || fail "no demo event folder in $TMPDIR"
  title="$(xdotool getwindowname "$window")"
  case "$title" in *演示*) ;; *) fail "the caption does not mark the demo: $title" ;; esac

  kill "-$signal" "$app_pid"
  for _ in $(seq 200); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.05; done
  kill -0 "$app_pid" 2>/dev/null && fail "SIG$signal did not end the program within 10 s"
  wait "$app_pid"
  status=$?
  app_pid=""
  [ "$status" -eq 0 ] || fail "SIG$signal: the program ended with status $status"
  [ -e "$folder" ] && fail "SIG$signal left the demo folder $folder behind"
done
echo "passed"
