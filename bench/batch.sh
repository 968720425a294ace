#!/usr/bin/env bash
# Times torvale-calc --csv on 1,000,000 mixed records: both routes, dry bulbs on both sides of
# 28 °C, and some records that give a notice. Prints the wall time and the peak resident memory.
# Usage: bench/batch.sh BUILD_DIR [RECORDS]
set -euo pipefail
build_dir=${1:?usage: bench/batch.sh BUILD_DIR [RECORDS]}
records=${2:-1000000}
calc="$build_dir/cli/torvale-calc"
[ -x "$calc" ] || { echo "no $calc: build first" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs GNU time (/usr/bin/time)" >&2; exit 2; }

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
input="$dir/records.csv"

# Deterministic mix, one record in ten a notice (tw above t, humidity over 100 %, bad mode or
# field count, a dry bulb out of range).
awk -v n="$records" 'BEGIN {
  print "mode,t,x"
  for (i = 0; i < n; i++) {
    k = i % 10
    t = -20 + (i * 37 % 1000) / 10          # -20.0 .. 79.9 °C
    if (k < 4)       printf "tw,%.1f,%.1f\n", t, t - 1 - (i % 7)
    else if (k < 9)  printf "rh,%.1f,%d\n", t, 5 + (i * 13 % 95)
    else {
      j = int(i / 10) % 5
      if (j == 0)      printf "tw,%.1f,%.1f\n", t, t + 5
      else if (j == 1) printf "rh,%.1f,120\n", t
      else if (j == 2) printf "xx,%.1f,50\n", t
      else if (j == 3) printf "rh,%.1f\n", t
      else             printf "tw,150,20\n"
    }
  }
}' > "$input"

echo "input: $records records, $(du -h "$input" | cut -f1)"
/usr/bin/time -v "$calc" --csv "$input" > /dev/null 2> "$dir/time.txt" || {
  cat "$dir/time.txt" >&2
  exit 1
}
grep -E 'Elapsed \(wall clock\)|Maximum resident set size|User time|System time' "$dir/time.txt"
