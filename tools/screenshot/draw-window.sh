#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's picture of the draw window in the middle of a round, from the real program
# of a build (default build/test/dist) under Xvfb: a throw-away copy of the application folder,
# three winners a round, F5, F6, and the picture is taken after the first winner is recorded,
# while the reels roll for the second.
#   tools/screenshot/draw-window.sh [DIST_DIR] [OUTPUT.png]
set -euo pipefail
cd "$(dirname "$0")/../.."
dist=$(realpath "${1:-build/test/dist}")
out=$(realpath -m "${2:-doc/draw-window.png}")
[ -x "$dist/sortilo" ] || { echo "no program in $dist (build it first)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$dist/." "$work/event"
rm -f "$work/event/config.ini" "$work/event/Data.db-wal" "$work/event/Data.db-shm"
# A fresh demo list, so earlier draws in the build's folder do not show.
rm -f "$work/event/Data.db"
"$(dirname "$dist")/tools/makedb/sortilo_makedb" "$work/event/Data.db" \
  "$dist/schema.sql" "$dist/demo-participants.sql" >/dev/null

cat >"$work/run.sh" <<RUN
set -e
cd "$work/event"
./sortilo >"$work/log" 2>&1 &
pid=\$!
for i in \$(seq 1 100); do
  xdotool search --onlyvisible --classname sortilo >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1
# The window sits at the screen's top-left: two clicks on "more winners a round" give three.
xdotool mousemove 1200 628 click 1 sleep 0.3 click 1 sleep 0.3 mousemove 640 20
xdotool key F5 sleep 1.2 key F6
# Eight reels stop, the winner is revealed and blinks, then the next pick rolls.
sleep 4.2
import -window root "$work/shot.png"
kill \$pid
RUN
xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash "$work/run.sh"
mkdir -p "$(dirname "$out")"
convert "$work/shot.png" -resize 960x600 -strip "$out"
echo "wrote $out"
