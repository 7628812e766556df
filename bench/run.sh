#!/usr/bin/env bash
# Whole-process benchmark: varnock against bench/reference, a C tool with the
# same options built on glibc's getopt_long. Builds both in Release (the bench
# preset) and prints one table: the median start-up time of a typical line,
# instruction counts from callgrind for the typical line and for many -iNAME
# inputs, peak RSS, and the ratio varnock/reference of each. The two programs
# are measured in the same run, taking turns.
#
#   bench/run.sh           the full measurement (a few minutes)
#   bench/run.sh --quick   small sizes and few runs: proves that it works
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-}" in
"")
  sizes=(1000 10000 100000)
  rounds=10 runs=200 warmup=50 rssRepeats=5
  ;;
--quick)
  sizes=(10 100 1000)
  rounds=2 runs=10 warmup=5 rssRepeats=1
  ;;
*)
  echo "usage: bench/run.sh [--quick]" >&2
  exit 2
  ;;
esac

for tool in cmake hyperfine valgrind /usr/bin/time; do
  if ! command -v "$tool" >/dev/null; then
    echo "bench/run.sh: '$tool' is missing (on Debian: apt-get install cmake hyperfine valgrind time libbenchmark-dev)" >&2
    exit 1
  fi
done

cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Both programs, reference first; each measurement takes them in turns,
# swapping who goes first from one round to the next.
names=(reference varnock)
declare -A binary=([reference]=build-bench/bin/varnock_reference [varnock]=build-bench/bin/varnock)
typical=(-f a.flt --staging-area s.stg --filter-name f1 --input-format pcap -i x -i - -i y)

inOrder() { # round number -> the two names, in the order for that round
  if (($1 % 2 == 0)); then echo "${names[@]}"; else echo "${names[1]} ${names[0]}"; fi
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

quartiles() { sort -g | awk '{ v[NR] = $1 } END { printf "%.3f-%.3f", v[int((NR + 3) / 4)], v[int((3 * NR + 3) / 4)] }'; }

# -i000001 -i000002 ...: one word per input, short enough that 100,000 of
# them fit the kernel's default limit on the size of the arguments.
inputWords() { seq -f '-i%06g' 1 "$1"; }

instructions() { # command... -> instructions executed, as callgrind counts them
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}

peakRss() { # command... -> peak resident set size in KiB
  /usr/bin/time -v -o "$work/time" "$@" >/dev/null
  sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time"
}

declare -A result

# Start-up: hyperfine, in rounds that swap the order of the two programs; the
# median is taken over the runs of all rounds.
for ((round = 0; round < rounds; round++)); do
  commands=()
  for name in $(inOrder "$round"); do
    commands+=(-n "$name" "${binary[$name]} ${typical[*]}")
  done
  hyperfine -N --style none --warmup "$warmup" --runs "$runs" \
    --export-json "$work/startup$round.json" "${commands[@]}" >/dev/null 2>"$work/hyperfine.log" ||
    { cat "$work/hyperfine.log" >&2; exit 1; }
done
for name in "${names[@]}"; do
  # hyperfine writes each result's times one to a line, after its "command".
  cat "$work"/startup*.json | awk -v name="\"$name\"," '
    $1 == "\"command\":" { mine = ($2 == name) }
    $1 == "\"times\":" { inTimes = mine; next }
    inTimes && $1 ~ /^\]/ { inTimes = 0 }
    inTimes { sub(/,$/, "", $1); print $1 * 1000 }' >"$work/startup-$name"
  result[startup,$name]=$(median <"$work/startup-$name")
  result[spread,$name]=$(quartiles <"$work/startup-$name")
done

# Instructions: deterministic, so one run each.
for name in $(inOrder 0); do
  result[ir,typical,$name]=$(instructions "${binary[$name]}" "${typical[@]}")
done
for index in "${!sizes[@]}"; do
  size=${sizes[$index]}
  mapfile -t words < <(inputWords "$size")
  for name in $(inOrder $((index + 1))); do
    result[ir,$size,$name]=$(instructions "${binary[$name]}" "${words[@]}")
  done
done

# Peak RSS: the median of a few runs each, taking turns.
largest=${sizes[-1]}
mapfile -t words < <(inputWords "$largest")
for ((round = 0; round < rssRepeats; round++)); do
  for name in $(inOrder "$round"); do
    peakRss "${binary[$name]}" "${typical[@]}" >>"$work/rss-typical-$name"
    peakRss "${binary[$name]}" "${words[@]}" >>"$work/rss-$largest-$name"
  done
done
for name in "${names[@]}"; do
  result[rss,typical,$name]=$(median <"$work/rss-typical-$name")
  result[rss,$largest,$name]=$(median <"$work/rss-$largest-$name")
done

grouped() { sed ':a;s/\B[0-9]\{3\}\>/,&/;ta' <<<"$1"; }

row() { # label, varnock's figure, the reference's, and how to print them
  local ratio
  ratio=$(awk -v a="$2" -v b="$3" 'BEGIN { printf "%.2f", a / b }')
  if [ "$4" = count ]; then
    printf '| %s | %s | %s | %s |\n' "$1" "$(grouped "$2")" "$(grouped "$3")" "$ratio"
  else
    printf '| %s | %.3f | %.3f | %s |\n' "$1" "$2" "$3" "$ratio"
  fi
}

previous=${sizes[-2]}
growth() { awk -v a="${result[ir,$largest,$1]}" -v b="${result[ir,$previous,$1]}" 'BEGIN { printf "%.2f", a / b }'; }

echo "| measure | varnock | reference | varnock/reference |"
echo "|---|---:|---:|---:|"
row "start-up, typical line: median (ms)" "${result[startup,varnock]}" "${result[startup,reference]}" time
row "instructions, typical line" "${result[ir,typical,varnock]}" "${result[ir,typical,reference]}" count
for size in "${sizes[@]}"; do
  row "instructions, $(grouped "$size") inputs" "${result[ir,$size,varnock]}" "${result[ir,$size,reference]}" count
done
printf '| instructions, %s inputs / %s inputs | %s | %s | |\n' \
  "$(grouped "$largest")" "$(grouped "$previous")" "$(growth varnock)" "$(growth reference)"
row "peak RSS, typical line (KiB)" "${result[rss,typical,varnock]}" "${result[rss,typical,reference]}" count
row "peak RSS, $(grouped "$largest") inputs (KiB)" "${result[rss,$largest,varnock]}" "${result[rss,$largest,reference]}" count
echo
echo "Start-up: $((rounds * runs)) runs of each program in $rounds alternating rounds of hyperfine" \
  "(after $warmup warm-up runs a round); middle half of the runs: varnock ${result[spread,varnock]} ms," \
  "reference ${result[spread,reference]} ms. The typical line is: ${typical[*]}"
