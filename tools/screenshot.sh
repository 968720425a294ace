#!/usr/bin/env bash
# tools/screenshot.sh BUILD_DIR OUT.png [main|about|chart|pressure|points|process|climate] [PROGRAM_OPTION…]
# Starts BUILD_DIR/app/torvale (with the program options given, e.g. --altitude 1000) on a private
# Xvfb display, types the worked example (dry bulb 25 ℃, wet bulb 20 ℃) as a user would, presses
# Enter, and writes the main window to OUT.png.
# With "about" it then opens 帮助 → 关于 and writes the About window instead; with "chart" it opens
# 查看 → 焓湿图 from the keyboard and writes the chart window, the worked example marked on it and
# the pointer over the plot; with "pressure" it opens 设置 → 大气压力, chooses 海拔, types 1000 and
# writes the dialog showing the pressure that altitude gives; with "points" it adds the worked
# example and three more states (35/28, 26/19.5 and 14/13.5 ℃ dry/wet bulb) to the chart with
# Ctrl+D and writes the chart window with its four points and the table under it; with "process"
# it works docs/window.md's summer design example in the chart window from the keyboard (新建状态点 for
# the outdoor and room air, 新建过程 for the mixing, the supply point, the coil and the reheat, each
# point named in its dialog's 名称 or 出口名称) and writes the window with the processes and their
# loads; with
# "climate" it writes a year of weather with tools/make_epw.py and a workspace showing it with the
# four GB 50736 zones on, opens that workspace in the chart window (打开…, the path typed) and
# writes the window with the density layer, the zones and the 逐时统计 table.
# TORVALE_SCREEN sets the virtual screen (default 1280x1024x24): the points window at
# QT_SCALE_FACTOR=2 needs about 1800x1900x24.
# Needs xvfb, xdotool and imagemagick. Every step is bounded; everything started is ended.
set -euo pipefail

usage="usage: tools/screenshot.sh BUILD_DIR OUT.png [main|about|chart|pressure|points|process|climate] [PROGRAM_OPTION…]"
build=${1:?$usage}
out=${2:?$usage}
which=${3:-main}
shift $(($# < 3 ? $# : 3))
exe=$build/app/torvale
[ -x "$exe" ] || { echo "no $exe: build first" >&2; exit 1; }
case $which in main | about | chart | pressure | points | process | climate) ;; *) echo "unknown window '$which'" >&2; exit 1 ;; esac

# A display number nobody holds.
n=90
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
export DISPLAY=:$n

xvfb_pid= app_pid= scratch=
finish() {
  [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  [ -z "$scratch" ] || rm -rf "$scratch"
}
trap finish EXIT

Xvfb "$DISPLAY" -screen 0 "${TORVALE_SCREEN:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

timeout 120 "$exe" "$@" &
app_pid=$!

# The window whose title is exactly $1, once it is mapped.
window() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1 || true; }

main=$(window Torvale)
[ -n "$main" ] || { echo "the main window did not appear" >&2; exit 1; }
timeout 5 xdotool windowfocus --sync "$main"
sleep 0.3

# Focus starts in Text11, the dry bulb; Tab goes on to Combo2 (left on 湿球温度) and Text12.
timeout 5 xdotool type --delay 50 25
timeout 5 xdotool key --delay 50 Tab Tab
timeout 5 xdotool type --delay 50 20
timeout 5 xdotool key Return
sleep 0.5

target=$main
if [ "$which" = about ]; then
  timeout 5 xdotool key --delay 150 alt+h a
  target=$(window 版本信息)
  [ -n "$target" ] || { echo "the About window did not appear" >&2; exit 1; }
  sleep 0.5
fi
if [ "$which" = chart ]; then
  timeout 5 xdotool key --delay 150 alt+v Return
  target=$(window 焓湿图)
  [ -n "$target" ] || { echo "the chart window did not appear" >&2; exit 1; }
  # The pointer over the plot, so that the hover line under the chart reads out its point.
  timeout 5 xdotool mousemove --window "$target" 250 130
  sleep 0.5
fi
if [ "$which" = pressure ]; then
  timeout 5 xdotool key --delay 150 alt+s Return
  target=$(window 大气压力)
  [ -n "$target" ] || { echo "the pressure dialog did not appear" >&2; exit 1; }
  sleep 0.3
  timeout 5 xdotool key --delay 100 alt+a
  timeout 5 xdotool type --delay 50 1000
  sleep 0.5
fi
if [ "$which" = points ]; then
  timeout 5 xdotool key ctrl+d
  sleep 0.5
  # Back from Text12 to Text11 and on, replacing what stands in each.
  for state in "35 28" "26 19.5" "14 13.5"; do
    read -r t tw <<<"$state"
    timeout 5 xdotool windowfocus --sync "$main"
    timeout 5 xdotool key --delay 50 shift+Tab shift+Tab ctrl+a
    timeout 5 xdotool type --delay 50 "$t"
    timeout 5 xdotool key --delay 50 Tab Tab ctrl+a
    timeout 5 xdotool type --delay 50 "$tw"
    timeout 5 xdotool key --delay 50 Return ctrl+d
    sleep 0.4
  done
  target=$(window 焓湿图)
  [ -n "$target" ] || { echo "the chart window did not appear" >&2; exit 1; }
  timeout 5 xdotool windowraise "$target"
  timeout 5 xdotool windowfocus --sync "$target"
  # The pointer over the plot, so that the read-out line tells its point.
  timeout 5 xdotool mousemove --window "$target" "$((${QT_SCALE_FACTOR:-1} * 300))" "$((${QT_SCALE_FACTOR:-1} * 250))"
  sleep 0.8
fi
if [ "$which" = process ]; then
  timeout 5 xdotool key --delay 150 alt+v Return
  target=$(window 焓湿图)
  [ -n "$target" ] || { echo "the chart window did not appear" >&2; exit 1; }
  timeout 5 xdotool windowfocus --sync "$target"
  sleep 0.3
  keys() { timeout 10 xdotool key --delay 60 "$@"; }
  # Without a window manager a closed dialog leaves no window focused: focus the chart again.
  refocus() { timeout 5 xdotool windowfocus --sync "$target"; sleep 0.2; }
  text() { timeout 10 xdotool type --delay 40 "$1"; }
  # 新建状态点 opens on the first value, t and φ chosen; Tab goes on past φ's selector to its value,
  # then to 名称.
  for state in "35 60 W" "26 55 N"; do
    read -r t rh name <<<"$state"
    refocus; keys Insert; sleep 0.4; text "$t"; keys Tab Tab; text "$rh"; keys Tab ctrl+a
    text "$name"; keys Return; sleep 0.3
  done
  # The outlet's name: 出口名称 follows the flow's unit.
  outlet() { keys Tab ctrl+a; text "$1"; keys Return; }
  # 新建过程 opens on the kind; Home/End/Down pick in a list, Tab goes on (selecting the text).
  process() { refocus; keys ctrl+shift+n; sleep 0.4; }
  # C: N (room) mixed 0.8 : 0.2 with W (outdoor); a mixing's flow fields are disabled.
  process; keys Home Tab Home Down Tab Home Tab; text 0.8; keys Tab; text 0.2; outlet C
  sleep 0.3
  # O: the supply point on N's ε line 8000 at Δt 8 K (Tab on past 余热 and 余湿, left empty);
  # 3.1849 kg/s through the room.
  process; keys End Tab Home Down Tab; text 8000; keys Tab; text 8; keys Tab Tab Tab; text 3.1849
  keys Tab End; outlet O
  sleep 0.3
  # L: the coil from C to d 10.06 g/kg (O's) at 95 %; 10000 m³/h at C.
  process; keys Home Down Down Down Tab Home Down Down Tab Home Down Down Down Down Tab
  text 10.06; keys Tab Home Down Down Tab; text 95; keys Tab; text 10000; keys Tab Home; outlet L
  sleep 0.3
  # O′: reheat from L to 18 ℃; no flow typed, the coil's carried on.
  process; keys Home Down Tab Home Down Down Down Down Tab; text 18; keys Tab Tab; outlet "O′"
  sleep 0.3
  refocus
  timeout 5 xdotool mousemove --window "$target" 5 5
  sleep 0.8
fi
if [ "$which" = climate ]; then
  scratch=$(mktemp -d)
  "$(dirname "$0")/make_epw.py" >"$scratch/year.epw"
  cat >"$scratch/climate.torvale" <<JSON
{"format": "torvale-workspace", "version": 1, "pressure": 101049, "points": [],
 "zones": {"on": ["供热工况 I级", "供热工况 II级", "供冷工况 I级", "供冷工况 II级"]},
 "weather": {"file": "$scratch/year.epw"}}
JSON
  timeout 5 xdotool key --delay 150 alt+v Return
  target=$(window 焓湿图)
  [ -n "$target" ] || { echo "the chart window did not appear" >&2; exit 1; }
  timeout 5 xdotool windowfocus --sync "$target"
  sleep 0.3
  timeout 5 xdotool key ctrl+o
  dialog=$(window 打开工作区)
  [ -n "$dialog" ] || { echo "the open dialog did not appear" >&2; exit 1; }
  sleep 0.5
  timeout 10 xdotool type --delay 20 "$scratch/climate.torvale"
  timeout 5 xdotool key Return
  target=$(window climate.torvale)
  [ -n "$target" ] || { echo "the workspace did not open" >&2; exit 1; }
  timeout 5 xdotool windowraise "$target"
  timeout 5 xdotool mousemove --window "$target" 5 5
  sleep 0.8
fi
timeout 10 import -window "$target" "$out"
echo "wrote $out"
