#!/usr/bin/env bash
# Whole-process benchmark: varnock against bench/reference, a C tool with the
# same options built on glibc's getopt_long, in two pairs: the static varnock
# beside the reference linked statically, and the Debian package's varnock
# (the package preset: the C library dynamic, bind-now) beside the reference
# linked dynamically, as a distribution builds a C tool. Prints one table:
# the median start-up time of a typical line; instruction counts from
# callgrind for the typical line (with short names and with real paths), for
# a program that does nothing linked the same way (the floor), for the
# typical line above that floor (each program's own work), and for many
# inputs (short names, and paths in both option forms); peak RSS; and the
# ratio varnock/reference within each pair. The programs are measured in the
# same run, taking turns. Instructions and RSS are measured with an empty
# environment (env -i) and every program copied to the same short path, so
# that neither the caller's variables nor the length of a path tell them
# apart; start-up runs with the caller's environment.
#
#   bench/run.sh           the full measurement (a few minutes)
#   bench/run.sh --quick   small sizes and few runs: proves that it works
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-}" in
"")
  sizes=(1000 10000 100000) pathSizes=(10000 100000)
  rounds=10 runs=200 warmup=50 rssRepeats=5
  ;;
--quick)
  sizes=(10 100 1000) pathSizes=(100 1000)
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
# The binary that the Debian package ships, linked against the system's C
# library (see the package preset), measured beside the static one.
cmake --preset package >/dev/null
cmake --build --preset package --target varnock >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The programs, each pair's reference first; each measurement takes them in
# turns, shifting who goes first from one round to the next.
names=(reference-static varnock reference varnock-package)
declare -A binary=([reference-static]=build-bench/bin/varnock_reference_static
  [varnock]=build-bench/bin/varnock [reference]=build-bench/bin/varnock_reference
  [varnock-package]=build-package/bin/varnock
  [floor-static]=build-bench/bin/varnock_floor_static
  [floor-dynamic]=build-bench/bin/varnock_floor_dynamic
  [floor-bind-now]=build-bench/bin/varnock_floor_bind_now)
# Each program's floor: "return 0" in C, linked as the program is.
declare -A floorOf=([reference-static]=floor-static [varnock]=floor-static
  [reference]=floor-dynamic [varnock-package]=floor-bind-now)
# The pairs of the table, the reference first.
pairs=("reference-static varnock" "reference varnock-package")

# The typical line, once with short names and once with paths as users type them.
typical=(-f a.flt --staging-area s.stg --filter-name f1 --input-format pcap -i x -i - -i y)
typicalPaths=(-f /etc/varnock/filters/isup-screening.flt --staging-area /var/lib/varnock/site-a.stg
  --filter-name isup-screening-v2 --input-format pcap -i /srv/captures/2026-12-08/link-a-0001.pcap
  -i /srv/captures/2026-12-08/link-a-0002.pcap -i -)

inOrder() { # round number -> the names, rotated by the round
  local count=${#names[@]} index
  for ((index = 0; index < count; index++)); do
    printf '%s ' "${names[(index + $1) % count]}"
  done
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

quartiles() { sort -g | awk '{ v[NR] = $1 } END { printf "%.3f-%.3f", v[int((NR + 3) / 4)], v[int((3 * NR + 3) / 4)] }'; }

# -i000001 -i000002 ...: short names, which std::string keeps without a heap
# allocation.
shortWords() { seq -f '-i%06g' 1 "$1"; }

# Paths of 42 bytes, as words of 44 (-iPATH) and 50 (--input=PATH) in turn,
# or with "short" as words of 44 bytes only.
pathWords() {
  seq -f '%06g' 1 "$1" | awk -v form="${2:-both}" '{ path = "/srv/captures/2026/12/08/link-a-" $1 ".pcap"
    print (form == "short" || NR % 2 ? "-i" path : "--input=" path) }'
}

# 100,000 path words are 4.7 MB; the kernel takes arguments up to a quarter
# of the stack limit.
ulimit -s 65536 2>/dev/null || ulimit -s unlimited 2>/dev/null ||
  { echo "bench/run.sh: cannot raise the stack limit to 64 MiB for the long lines" >&2; exit 1; }

# Every program is run from this one path, with an empty environment.
placed=$work/v
place() { cp "${binary[$1]}" "$placed"; }
valgrindPath=$(command -v valgrind)

instructions() { # name, arguments... -> instructions executed, as callgrind counts them
  place "$1"
  shift
  env -i "$valgrindPath" --tool=callgrind --callgrind-out-file=/dev/null "$placed" "$@" 2>&1 >/dev/null |
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}

peakRss() { # name, arguments... -> peak resident set size in KiB
  place "$1"
  shift
  env -i /usr/bin/time -v -o "$work/time" "$placed" "$@" >/dev/null
  sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time"
}

declare -A result

# Start-up: hyperfine, in rounds that rotate the order of the programs; the
# median is taken over the runs of all rounds. Each program runs from a path
# of the same length in one folder.
mkdir "$work/start"
for name in "${names[@]}"; do
  cp "${binary[$name]}" "$work/start/$name"
done
for ((round = 0; round < rounds; round++)); do
  commands=()
  for name in $(inOrder "$round"); do
    commands+=(-n "$name" "$work/start/$name ${typical[*]}")
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

# The workloads of the instruction and memory rows, each a file of words.
printf '%s\n' "${typical[@]}" >"$work/words-typical"
printf '%s\n' "${typicalPaths[@]}" >"$work/words-typicalPaths"
for size in "${sizes[@]}"; do
  shortWords "$size" >"$work/words-short$size"
done
for size in "${pathSizes[@]}"; do
  pathWords "$size" >"$work/words-paths$size"
done
largest=${sizes[-1]}
largestPaths=${pathSizes[-1]}
pathWords "$largestPaths" short >"$work/words-shortFormPaths"
workloads=(typical typicalPaths)
for size in "${sizes[@]}"; do workloads+=("short$size"); done
for size in "${pathSizes[@]}"; do workloads+=("paths$size"); done
workloads+=(shortFormPaths)
rssWorkloads=(typical typicalPaths "short$largest" "paths$largestPaths")

# Instructions: deterministic, so one run each.
for index in "${!workloads[@]}"; do
  workload=${workloads[$index]}
  mapfile -t words <"$work/words-$workload"
  for name in $(inOrder "$index"); do
    result[ir,$workload,$name]=$(instructions "$name" "${words[@]}")
  done
done
# The floors, on the typical lines, and each program's own work above its floor.
for workload in typical typicalPaths; do
  mapfile -t words <"$work/words-$workload"
  for floor in floor-static floor-dynamic floor-bind-now; do
    result[ir,$workload,$floor]=$(instructions "$floor" "${words[@]}")
  done
  for name in "${names[@]}"; do
    floor=${floorOf[$name]}
    result[floor,$workload,$name]=${result[ir,$workload,$floor]}
    result[own,$workload,$name]=$((result[ir,$workload,$name] - result[ir,$workload,$floor]))
  done
done

# Peak RSS: the median of a few runs each, taking turns.
for workload in "${rssWorkloads[@]}"; do
  mapfile -t words <"$work/words-$workload"
  for ((round = 0; round < rssRepeats; round++)); do
    for name in $(inOrder "$round"); do
      peakRss "$name" "${words[@]}" >>"$work/rss-$workload-$name"
    done
  done
  for name in "${names[@]}"; do
    result[rss,$workload,$name]=$(median <"$work/rss-$workload-$name")
  done
done

grouped() { sed ':a;s/\B[0-9]\{3\}\>/,&/;ta' <<<"$1"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

figure() { # key, name, count or time -> the figure as the table shows it
  if [ "$3" = count ]; then grouped "${result[$1,$2]}"; else printf '%.3f' "${result[$1,$2]}"; fi
}

row() { # label, key of the figures, count or time; a ratio in each pair unless "noRatio"
  local line="| $1 |" pair reference name
  for pair in "${pairs[@]}"; do
    read -r reference name <<<"$pair"
    line+=" $(figure "$2" "$reference" "$3") | $(figure "$2" "$name" "$3") |"
    if [ "${4:-}" = noRatio ]; then
      line+=" |"
    else
      line+=" $(ratio "${result[$2,$name]}" "${result[$2,$reference]}") |"
    fi
  done
  echo "$line"
}

growthRow() { # label, workload of the larger size, of the smaller
  local line="| $1 |" pair reference name
  for pair in "${pairs[@]}"; do
    read -r reference name <<<"$pair"
    line+=" $(ratio "${result[ir,$2,$reference]}" "${result[ir,$3,$reference]}") |"
    line+=" $(ratio "${result[ir,$2,$name]}" "${result[ir,$3,$name]}") | |"
  done
  echo "$line"
}

header="| measure |" rule="|---|"
for pair in "${pairs[@]}"; do
  read -r reference name <<<"$pair"
  header+=" $reference | $name | $name/$reference |" rule+="---:|---:|---:|"
done
echo "$header"
echo "$rule"
row "start-up, typical line: median (ms)" startup time
row "instructions, typical line" ir,typical count
row "instructions, floor (\`return 0\` linked alike), typical line" floor,typical count noRatio
row "instructions above the floor, typical line" own,typical count
row "instructions, typical line with paths" ir,typicalPaths count
row "instructions above the floor, typical line with paths" own,typicalPaths count
for size in "${sizes[@]}"; do
  row "instructions, $(grouped "$size") short names" "ir,short$size" count
done
for size in "${pathSizes[@]}"; do
  row "instructions, $(grouped "$size") paths" "ir,paths$size" count
done
row "instructions, $(grouped "$largestPaths") paths, all as -iPATH" ir,shortFormPaths count
growthRow "instructions, $(grouped "$largest") / $(grouped "${sizes[-2]}") short names" "short$largest" "short${sizes[-2]}"
growthRow "instructions, $(grouped "$largestPaths") / $(grouped "${pathSizes[-2]}") paths" "paths$largestPaths" "paths${pathSizes[-2]}"
row "peak RSS, typical line (KiB)" rss,typical count
row "peak RSS, typical line with paths (KiB)" rss,typicalPaths count
row "peak RSS, $(grouped "$largest") short names (KiB)" "rss,short$largest" count
row "peak RSS, $(grouped "$largestPaths") paths (KiB)" "rss,paths$largestPaths" count
echo
for name in "${names[@]}"; do
  spread+=" $name ${result[spread,$name]} ms;"
done
echo "Start-up: $((rounds * runs)) runs of each program in $rounds rotating rounds of hyperfine" \
  "(after $warmup warm-up runs a round); middle half of the runs:${spread%;}."
