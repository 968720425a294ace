#!/usr/bin/env bash
# Times torvale-calc --csv on 1,000,000 mixed records: both routes, dry bulbs on both sides of
# 28 °C, and some records that give a notice. First the bare arithmetic of the same records on one
# thread (bench/batch_arithmetic.cpp: route checks, state and shown values, nothing read, parsed,
# formatted or written in the timed part; best of 3), then the whole batch RUNS times (default 3):
# wall, user and system time and the peak resident memory of each run, and the best wall time
# over the arithmetic's.
# Usage: bench/batch.sh BUILD_DIR [RECORDS] [RUNS]
set -euo pipefail
build_dir=${1:?usage: bench/batch.sh BUILD_DIR [RECORDS]}
records=${2:-1000000}
runs=${3:-3}
calc="$build_dir/cli/torvale-calc"
arithmetic="$build_dir/bench/batch_arithmetic"
[ -x "$calc" ] || { echo "no $calc: build first" >&2; exit 2; }
[ -x "$arithmetic" ] || { echo "no $arithmetic: build first" >&2; exit 2; }
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
floor=$("$arithmetic" "$input" 3)
echo "$floor"
floor=$(sed -n 's/.*: \([0-9.]*\) s$/\1/p' <<<"$floor")
best=
for ((run = 1; run <= runs; run++)); do
  /usr/bin/time -f '%e %U %S %M' -o "$dir/time.txt" "$calc" --csv "$input" > /dev/null || {
    cat "$dir/time.txt" >&2
    exit 1
  }
  read -r wall user sys rss < "$dir/time.txt"
  mb=$(awk -v k="$rss" 'BEGIN { printf "%.1f", k / 1024 }')
  echo "batch run $run: $wall s wall, $user s user, $sys s system, $mb MB peak"
  if [ -z "$best" ] || awk -v a="$wall" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$wall; fi
done
awk -v w="$best" -v f="$floor" 'BEGIN { printf "best batch wall / arithmetic: %.2f\n", w / f }'
