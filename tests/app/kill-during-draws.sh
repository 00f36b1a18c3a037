#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Kills the running program with SIGKILL at many moments of a round (reels rolling, reels
# stopping, right after the winner line appears, while it blinks), then of big rounds (around
# the moment the round is stored, while its wall shows), restarts it on the same event folder
# each time and checks: the database passes its integrity check, every winner that was shown
# is stored, nobody is stored twice, a big round is stored whole or not at all, verify-log
# finds the draw log and the winners in agreement, and the program still draws.
# Usage: kill-during-draws.sh PROGRAM SCHEMA.sql [TRIALS] [BIG_TRIALS].
# Exits 77 (skipped) without the tools.
set -u
program="$1"
schema="$2"
trials="${3:-32}"
big_trials="${4:-6}"
# The big rounds are drawn at a level of their own.
big_level=2
big_size=40
skin="$(dirname "$schema")/skin/skin.ini"
source "$(dirname "$0")/xvfb-session.sh"

event="$work/event"
db="$event/Data.db"
shown="$work/shown"
mkdir -p "$event"
sqlite3 "$db" <"$schema" || fail "cannot make the database"
sqlite3 "$db" "with recursive n(i) as (select 1 union all select i + 1 from n where i < 1000)
  insert into person(PersonID, PersonName, Company) select printf('E%04d', i), '员工' || i, '' from n;
  update JP set roundSize$big_level = $big_size;"
: >"$shown"

start_program() {
  SORTILO_WINNER_TRACE="$shown" "$program" --event "$event" >>"$work/program.log" 2>&1 &
  app_pid=$!
  timeout 30 xdotool search --sync --onlyvisible --pid "$app_pid" >/dev/null ||
    fail "the program did not show its window: $(tail -5 "$work/program.log")"
  sleep 0.2 # the keys are grabbed once the window is up
}
shown_count() { wc -l <"$shown"; }
random_sleep() { # random_sleep MAX_MS
  local ms=$((RANDOM % $1))
  sleep "$((ms / 1000)).$(printf %03d $((ms % 1000)))"
}
wait_for_winner() { # wait_for_winner COUNT_BEFORE TIMEOUT_S; true once more were shown
  local deadline=$((SECONDS + $2))
  while [ "$(shown_count)" -le "$1" ]; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.005
  done
}
kill_program() {
  kill -9 "$app_pid"
  wait "$app_pid" 2>/dev/null
  app_pid=""
}
check_database() {
  local integrity missing twice partial
  # A sanitizer build reports its findings on the program's error output.
  if grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:" "$work/program.log"; then
    fail "trial $1: the sanitizer reported: $(grep -m3 -E "ERROR|runtime error" "$work/program.log")"
  fi
  integrity="$(sqlite3 "$db" "pragma integrity_check")"
  [ "$integrity" = "ok" ] || fail "integrity check after trial $1: $integrity"
  missing="$(sort -u "$shown" | comm -23 - <(sqlite3 "$db" "select upper(PersonID) from ComePrize" | sort -u))"
  [ -z "$missing" ] || fail "trial $1: shown but not stored: $missing"
  twice="$(sqlite3 "$db" "select upper(PersonID) from ComePrize group by 1 having count(*) > 1")$(sort "$shown" | uniq -d)"
  [ -z "$twice" ] || fail "trial $1: stored or shown twice: $twice"
  # Each round of the big level stores places 1 to its size under one draw time (two rounds
  # may share a second).
  partial="$(sqlite3 "$db" "select sDateTime || ': ' || count(*) from ComePrize
    where step = $big_level group by sDateTime having count(*) <> $big_size * sum(sNo = 1)")"
  [ -z "$partial" ] || fail "trial $1: a big round of $big_size stored in part: $partial"
  verify_log "$1"
}
verify_log() { # the draw log agrees with the winners, and counts as many wins as there are rows
  local out status wins winners stored
  out="$("$program" --event "$event" verify-log 2>"$work/verify.err")"
  status=$?
  [ "$status" -eq 0 ] || fail "trial $1: verify-log exited with $status: $out$(cat "$work/verify.err")"
  # Its second line counts entries, wins, clearings and imports; its third the winners.
  wins="$(sed -n 2p <<<"$out" | grep -o '[0-9]\+' | sed -n 2p)"
  winners="$(sed -n 3p <<<"$out" | grep -o '[0-9]\+')"
  stored="$(sqlite3 "$db" "select count(*) from ComePrize")"
  [ "$wins" = "$stored" ] && [ "$winners" = "$stored" ] ||
    fail "trial $1: $stored winners stored, but verify-log counts: $out"
}
# Clicks the draw window's skin button NAME COUNT times (the window shows the skin unscaled).
click_button() {
  local rect window x y w h
  rect="$(grep -m1 "^[0-9]*=$1," "$skin" | cut -d, -f2-5)"
  [ -n "$rect" ] || fail "no button $1 in $skin"
  window="$(xdotool search --onlyvisible --pid "$app_pid" | head -1)"
  IFS=, read -r x y w h <<<"$rect"
  xdotool mousemove --window "$window" $((x + w / 2)) $((y + h / 2)) click --repeat "$2" --delay 80 1
}

at_winner=0
for trial in $(seq "$trials"); do
  start_program
  before="$(shown_count)"
  xdotool key F5
  case $((trial % 4)) in
  0) random_sleep 1500 ;; # reels rolling, no stop yet
  1) random_sleep 800; xdotool key F6; random_sleep 3000 ;; # reels stopping one by one
  2) # right after the winner line appears
    random_sleep 800; xdotool key F6
    wait_for_winner "$before" 15 && at_winner=$((at_winner + 1)) ;;
  3) # a moment after the winner, while the reveal blinks
    random_sleep 800; xdotool key F6
    wait_for_winner "$before" 15 && random_sleep 600 ;;
  esac
  kill_program
  check_database "$trial"
done

# Big rounds: level $big_level at the quota past 8, which takes the level's round size.
for trial in $(seq "$big_trials"); do
  start_program
  click_button ID_UPONE 1
  click_button ID_UPONE1 8 # 1 to 8, then the round size
  before="$(shown_count)"
  xdotool key F5
  random_sleep 800
  if ((trial % 2)); then # around the moment the round is stored, while F6 is on its way
    xdotool key F6 &
    key_pid=$!
    random_sleep 150
    kill_program
    wait "$key_pid"
  else # while the wall shows the round
    xdotool key F6
    wait_for_winner "$((before + big_size - 1))" 30 ||
      fail "big trial $trial: no round of $big_size shown: $(($(shown_count) - before)) more"
    random_sleep 1000
    kill_program
  fi
  check_database "big $trial"
done
big_stored="$(sqlite3 "$db" "select count(*) from ComePrize where step = $big_level and sNo = 1")"

# The program draws again on the folder after all those kills.
start_program
before="$(shown_count)"
xdotool key F5
sleep 0.5
xdotool key F6
wait_for_winner "$before" 20 || fail "no winner drawn after the last restart"
sleep 0.3
kill_program
check_database final

stored="$(sqlite3 "$db" "select count(*) from ComePrize")"
echo "trials: $trials SIGKILLs ($at_winner right after the winner line appeared)," \
  "$big_trials in big rounds of $big_size ($big_stored stored whole);" \
  "winners shown: $(shown_count), stored: $stored; every check passed"
