#!/usr/bin/env bash
# tools/screenshot.sh BUILD_DIR OUT.png [main|about|chart|pressure] [PROGRAM_OPTION…]
# Starts BUILD_DIR/app/torvale (with the program options given, e.g. --altitude 1000) on a private
# Xvfb display, types the worked example (dry bulb 25 ℃, wet bulb 20 ℃) as a user would, presses
# Enter, and writes the main window to OUT.png.
# With "about" it then opens 帮助 → 关于 and writes the About window instead; with "chart" it opens
# 查看 → 焓湿图 from the keyboard and writes the chart window, the worked example marked on it and
# the pointer over the plot; with "pressure" it opens 设置 → 大气压力, chooses 海拔, types 1000 and
# writes the dialog showing the pressure that altitude gives.
# Needs xvfb, xdotool and imagemagick. Every step is bounded; everything started is ended.
set -euo pipefail

usage="usage: tools/screenshot.sh BUILD_DIR OUT.png [main|about|chart|pressure] [PROGRAM_OPTION…]"
build=${1:?$usage}
out=${2:?$usage}
which=${3:-main}
shift $(($# < 3 ? $# : 3))
exe=$build/app/torvale
[ -x "$exe" ] || { echo "no $exe: build first" >&2; exit 1; }
case $which in main | about | chart | pressure) ;; *) echo "unknown window '$which'" >&2; exit 1 ;; esac

# A display number nobody holds.
n=90
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
export DISPLAY=:$n

xvfb_pid= app_pid=
finish() {
  [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap finish EXIT

Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

timeout 60 "$exe" "$@" &
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
timeout 10 import -window "$target" "$out"
echo "wrote $out"
