#!/usr/bin/env bash
# Peak memory of a log's CSV taken as the weather layer (bench/weather_log_peak.cpp: the file read
# whole, its records read, every state computed), on logs made to cost the most per byte: a 60 MiB
# header of commas, a 60 MiB record of commas, a 60 MiB quoted header field, and the most records
# allowed on the longest lines the size limit leaves them. Each run is held to at most three times
# the file's size and 50 MB; the script fails when one is not.
# Usage: bench/weather_log_memory.sh BUILD_DIR
set -euo pipefail
build_dir=${1:?usage: bench/weather_log_memory.sh BUILD_DIR}
peak="$build_dir/bench/weather_log_peak"
[ -x "$peak" ] || { echo "no $peak: build first" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs GNU time (/usr/bin/time)" >&2; exit 2; }

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mib=$((1024 * 1024))

commas() { head -c "$1" /dev/zero | tr '\0' ','; }
{ commas $((60 * mib)); printf '\n25,50\n'; } >"$dir/header-of-commas.csv"
{ printf 't,rh\n25,50\n'; commas $((60 * mib)); printf '\n'; } >"$dir/record-of-commas.csv"
{ printf '"'; head -c $((60 * mib)) /dev/zero | tr '\0' 'x'; printf '",t,rh\n,25,50\n'; } \
  >"$dir/quoted-header.csv"
awk -v n=100000 -v pad=$((64 * mib / 100000 - 40)) 'BEGIN {
  p = sprintf("%*s", pad, ""); gsub(/ /, ",", p)
  print "t,rh"
  for (i = 0; i < n; i++) printf "%d,%d%s\n", -10 + i % 45, 20 + i % 60, p
}' >"$dir/most-records.csv"

failed=0
# Each log and its two columns: by number where the header has no names.
for run in "header-of-commas 1 2" "record-of-commas t rh" "quoted-header t rh" \
  "most-records t rh"; do
  read -r f first second <<<"$run"
  csv="$dir/$f.csv"
  bytes=$(stat -c %s "$csv")
  result=$(/usr/bin/time -f '%e %M' -o "$dir/time.txt" "$peak" "$csv" "$first" "$second")
  read -r wall kb <"$dir/time.txt"
  limit=$((3 * bytes / 1024 + 50 * 1000))
  verdict=ok
  if [ "$kb" -gt "$limit" ]; then verdict="OVER 3x + 50 MB"; failed=1; fi
  awk -v f="$f" -v b="$bytes" -v kb="$kb" -v w="$wall" -v r="$result" -v v="$verdict" 'BEGIN {
    printf "%-17s %6.1f MiB file, peak %7.1f MiB (%4.2fx the file), %5.2f s: %s; %s\n",
      f, b / 1048576, kb / 1024, kb * 1024 / b, w, r, v }'
done
exit "$failed"
