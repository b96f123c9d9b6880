#!/usr/bin/env bash
# Before and after, in one run: the two instruction-loop benchmarks of an
# older build (the first argument, its lumo_bench) and of this one, taken in
# turns so that both see the same machine load, with the median of each and
# their ratio, and the best of each (on a shared machine the figure least
# disturbed by the neighbours' load) with theirs.
#   bench/compare-loop.sh OLD_BUILD/bin/lumo_bench [ROUNDS]
# With PROFILED=1 this build runs the loops with the profile counting, so the
# ratio is the profile's price against the older build without one.
set -euo pipefail
old=${1:?usage: bench/compare-loop.sh OLD_LUMO_BENCH [ROUNDS]}
new=$(dirname "$0")/../out/bin/lumo_bench
rounds=${2:-5}
filter='BM_DelayLoop$|BM_CallsBitTestsAndTimerInterrupt$'
new_filter=$filter
if [[ ${PROFILED:-0} == 1 ]]; then
  new_filter='DelayLoopProfiled/classic$|CallsBitTestsAndTimerInterruptProfiled/classic$'
fi

rate() {  # benchmark binary, filter -> "name passes/s" lines, in M passes per CPU second
  "$1" --benchmark_filter="$2" --benchmark_format=csv 2>/dev/null |
    awk -F, '/^"/ { gsub(/"/, "", $1); sub(/Profiled\/classic$/, "", $1)
                    if ($1 !~ /^BM_/) $1 = "BM_" $1
                    printf "%s %.1f\n", $1, $7 / 1e6 }'
}

declare -A before after
for ((i = 1; i <= rounds; ++i)); do
  while read -r name value; do before[$name]+="$value "; done < <(rate "$old" "$filter")
  while read -r name value; do after[$name]+="$value "; done < <(rate "$new" "$new_filter")
done

median() { tr ' ' '\n' | grep . | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
best() { tr ' ' '\n' | grep . | sort -g | tail -1; }
printf '%-36s %14s %14s %7s %11s %11s %7s\n' benchmark 'before M/s' 'after M/s' ratio \
  'best before' 'best after' ratio
for name in BM_DelayLoop BM_CallsBitTestsAndTimerInterrupt; do
  b=$(echo "${before[$name]}" | median)
  a=$(echo "${after[$name]}" | median)
  bb=$(echo "${before[$name]}" | best)
  ba=$(echo "${after[$name]}" | best)
  printf '%-36s %14s %14s %6.2fx %11s %11s %6.2fx\n' "$name" "$b" "$a" "$(echo "$a / $b" | bc -l)" \
    "$bb" "$ba" "$(echo "$ba / $bb" | bc -l)"
done
