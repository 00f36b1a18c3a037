#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Opens a file dialog in the event folder the way an operator does (winners record, 导出, then
# Cancel), lets a second process open and close the database (the command line's winners
# export), draws with F5/F6 and kills the program with SIGKILL. Every winner that was shown must
# be in Data.db afterwards: a dialog that read the database's files would have dropped the
# program's SQLite locks, the second process would then have deleted the write-ahead log the
# program kept writing into, and the winners in it would be gone with the kill.
# Usage: dialog-then-second-process.sh PROGRAM SCHEMA.sql [RUNS]. Exits 77 (skipped) without
# the tools.
set -u
program="$1"
schema="$2"
runs="${3:-10}"
source "$(dirname "$0")/xvfb-session.sh"

event="$work/event"
db="$event/Data.db"
shown="$work/shown"

locks_held() { # the POSIX locks the program holds (PID in the fifth field of /proc/locks)
  awk -v pid="$app_pid" '$2 == "POSIX" && $5 == pid' /proc/locks | wc -l
}
wait_for() { # wait_for SECONDS COMMAND...; true once COMMAND succeeds
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.1
  done
}
window_named() { xdotool search --onlyvisible --pid "$app_pid" --name "$1"; }

total_shown=0
for run in $(seq "$runs"); do
  rm -rf "$event"
  mkdir -p "$event"
  sqlite3 "$db" <"$schema" || fail "cannot make the database"
  sqlite3 "$db" "with recursive n(i) as (select 1 union all select i + 1 from n where i < 300)
    insert into person(PersonID, PersonName, Company) select printf('E%04d', i), '员工' || i, '' from n;"
  : >"$shown"
  # Started in the event folder, so the export's dialog lists Data.db and its -wal and -shm.
  (cd "$event" && exec env SORTILO_WINNER_TRACE="$shown" "$program" >>"$work/program.log" 2>&1) &
  app_pid=$!
  main_window="$(timeout 30 xdotool search --sync --onlyvisible --pid "$app_pid" | head -1)"
  [ -n "$main_window" ] || fail "run $run: the program did not show its window"
  sleep 0.3
  xdotool key F5
  sleep 0.4
  xdotool key F6
  wait_for 15 test -s "$shown" || fail "run $run: no winner before the dialog"
  sleep 2.5 # the round of one ends
  held_before="$(locks_held)"

  # The right-click menu's third entry is the winners record; its 导出 (Alt+E) opens the dialog.
  eval "$(xdotool getwindowgeometry --shell "$main_window")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3
  sleep 0.5
  xdotool key Down Down Down Return
  wait_for 10 window_named "中獎記錄|中奖记录|获奖|記錄" || true
  sleep 0.5
  xdotool key alt+e
  sleep 2 # the dialog lists the folder (file types, icons) meanwhile
  xdotool key Escape
  sleep 0.3
  xdotool key Escape
  sleep 0.3
  held_after="$(locks_held)"
  [ "$held_after" -ge 1 ] ||
    fail "run $run: the program held $held_before SQLite locks before the dialog, $held_after after"

  # A second process opens and closes the database beside the window.
  (cd "$event" && "$program" export-winners "$work/winners.xlsx" >/dev/null 2>&1) ||
    fail "run $run: the command line's export failed beside the window"
  before="$(wc -l <"$shown")"
  for _ in 1 2; do
    xdotool key F5
    sleep 0.4
    xdotool key F6
    sleep 3.5
  done
  [ "$(wc -l <"$shown")" -gt "$before" ] || fail "run $run: no winner drawn after the dialog"
  kill -9 "$app_pid"
  wait "$app_pid" 2>/dev/null
  app_pid=""

  [ "$(sqlite3 "$db" "pragma integrity_check")" = "ok" ] || fail "run $run: integrity check"
  missing="$(sort -u "$shown" | comm -23 - <(sqlite3 "$db" "select upper(PersonID) from ComePrize" | sort -u))"
  [ -z "$missing" ] || fail "run $run: shown but not stored: $(echo $missing)"
  total_shown=$((total_shown + $(wc -l <"$shown")))
done
echo "runs: $runs (dialog, second process, draws, SIGKILL); winners shown: $total_shown, all stored"
