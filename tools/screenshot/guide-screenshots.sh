#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the operator's guide's pictures from the real program of a build (default
# build/test/dist) under Xvfb with a window manager, so that dialogs carry their titles:
# a throw-away event with the demo list, a company, a theme and prize names; two rounds
# (three winners of the third prize, two of the second); then the draw window with its menu
# open, the participant dialog, the prize names, the winners record and the event settings.
#   tools/screenshot/guide-screenshots.sh [DIST_DIR] [OUTPUT_DIR]
# Needs xvfb, xdotool, imagemagick, sqlite3 and openbox (scripts/bootstrap docs).
set -euo pipefail
cd "$(dirname "$0")/../.."
dist=$(realpath "${1:-build/test/dist}")
out=$(realpath -m "${2:-doc/images}")
[ -x "$dist/sortilo" ] || { echo "no program in $dist (build it first)"; exit 1; }
for tool in xvfb-run xdotool import convert sqlite3 openbox; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/bootstrap docs)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/event" "$out"
event="$work/event"
"$(dirname "$dist")/tools/makedb/sortilo_makedb" "$event/Data.db" \
  "$dist/schema.sql" "$dist/demo-participants.sql" >/dev/null
sqlite3 "$event/Data.db" "update JP set step1 = '笔记本电脑', step2 = '平板电脑',
  step3 = '智能手表', step4 = '蓝牙耳机', step5 = '电饭煲', step6 = '购物卡',
  step7 = '保温杯', step8 = '纪念品' where sNo = 555;"
cat >"$event/config.ini" <<'INI'
[DEFAULTADDRESS]
company=星河科技有限公司
theme=2027 新春年会抽奖
BMUSIC1=0
BMUSIC2=0
AUTOSTOP=0
MUSIC1=Sound/sound1.wav
MUSIC2=Sound/sound2.wav
INI

cat >"$work/run.sh" <<RUN
set -e
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb
openbox --sm-disable >"$work/wm.log" 2>&1 &
wm=\$!
sleep 1
SORTILO_WINNER_TRACE="$work/shown" "$dist/sortilo" --event "$event" >"$work/log" 2>&1 &
pid=\$!
win=\$(timeout 30 xdotool search --sync --onlyvisible --pid \$pid | head -n 1)
sleep 1
eval \$(xdotool getwindowgeometry --shell \$win)
click() { xdotool mousemove \$((X + \$1)) \$((Y + \$2)) click 1 sleep 0.3; }
winners() { cat "$work/shown" 2>/dev/null | wc -l; }
# A round: the level and the round's size by their + buttons, F5, F6, until its winners show.
round() { # round LEVEL_CLICKS QUOTA_CLICKS TOTAL_WINNERS
  for i in \$(seq \$1); do click 1000 628; done
  for i in \$(seq \$2); do click 1200 628; done
  xdotool mousemove \$((X + 640)) \$((Y + 20)) key F5 sleep 1.2 key F6
  for i in \$(seq 300); do [ \$(winners) -ge \$3 ] && break; sleep 0.1; done
  sleep 3
}
# A dialog from the right-click menu (its place in the menu), pictured with its frame.
dialog() { # dialog MENU_INDEX TITLE FILE [WIDTH HEIGHT]
  xdotool mousemove \$((X + 640)) \$((Y + 400)) click 3 sleep 0.5
  xdotool key --repeat \$1 --delay 100 Down sleep 0.2 key Return
  d=\$(timeout 10 xdotool search --sync --onlyvisible --name "\$2" | head -n 1)
  [ -z "\${4:-}" ] || xdotool windowsize --sync \$d \$4 \$5
  sleep 1
  import -frame -window \$d "$work/\$3"
  xdotool windowactivate --sync \$d key Escape sleep 0.5
}
round 2 2 3      # third prize, three winners
click 846 628    # back to the second prize
click 1046 628   # two winners a round
round 0 0 5
xdotool mousemove \$((X + 760)) \$((Y + 250)) click 3 sleep 0.8
import -window root "$work/draw-window-menu.png"
xdotool key Escape sleep 0.3
dialog 2 录入抽奖人员信息 participants.png
dialog 4 奖品设置 prize-settings.png
dialog 3 查看中獎記錄 winners-record.png 960 360
dialog 1 基本信息设定 event-settings.png
kill \$pid \$wm
RUN
xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash "$work/run.sh"
for shot in draw-window-menu participants prize-settings winners-record event-settings; do
  convert "$work/$shot.png" -strip "$out/$shot.png"
done
echo "wrote $out: draw-window-menu participants prize-settings winners-record event-settings"
