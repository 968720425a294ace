#!/usr/bin/env bash
# bench/startup.sh [BUILD_DIR] [RUNS]
# Start-up of the Qt window as a whole process: each run starts BUILD_DIR/app/torvale with its
# measurement option --quit-after-first-paint (the program exits as soon as its main window has
# been painted once) on a private Xvfb display, and records the wall time from exec to exit and
# the peak resident memory (/usr/bin/time -v). Targets: under 0.3 s and under 60 MB.
# Needs xvfb and time.
set -euo pipefail

build=${1:-build}
runs=${2:-10}
exe=$build/app/torvale
[ -x "$exe" ] || { echo "no $exe: build first" >&2; exit 1; }

n=90
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; wait 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done

log=$(mktemp)
trap 'rm -f "$log"; kill "$xvfb_pid" 2>/dev/null || true; wait 2>/dev/null || true' EXIT
seconds=() kilobytes=()
for i in $(seq "$runs"); do
  start=$(date +%s%N)
  timeout 20 /usr/bin/time -v -o "$log" "$exe" --quit-after-first-paint 2>/dev/null
  end=$(date +%s%N)
  kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$log")
  s=$(awk -v ns=$((end - start)) 'BEGIN {printf "%.3f", ns / 1e9}')
  printf 'run %2d: %s s, %5.1f MB\n' "$i" "$s" "$(awk -v k="$kb" 'BEGIN {print k / 1024}')"
  seconds+=("$s") kilobytes+=("$kb")
done

printf '%s\n' "${seconds[@]}" | sort -n | awk '{a[NR] = $1} END {
  printf "wall time: median %.3f s, worst %.3f s (target < 0.3 s)\n", a[int((NR + 1) / 2)], a[NR]}'
printf '%s\n' "${kilobytes[@]}" | sort -n | awk '{a[NR] = $1} END {
  printf "peak memory: median %.1f MB, worst %.1f MB (target < 60 MB)\n", a[int((NR + 1) / 2)] / 1024, a[NR] / 1024}'
