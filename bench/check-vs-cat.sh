#!/usr/bin/env bash
# What `tmrtool check` costs over many menu files, against merely reading the
# same files with `cat`. The aim is no more than about twice.
#
#   bench/check-vs-cat.sh [TMRTOOL]     COUNT=10000 RUNS=11 by default
#
# Each command runs RUNS times, taking turns, after a warm-up that brings the
# files into the page cache; the medians are compared.
set -euo pipefail

tmrtool=${1:-build/bin/tmrtool}
count=${COUNT:-10000}
runs=${RUNS:-11}
[ -x "$tmrtool" ] || { echo "check-vs-cat: no tmrtool at $tmrtool (make build first)" >&2; exit 2; }
tmrtool=$(cd "$(dirname "$tmrtool")" && pwd)/$(basename "$tmrtool")

work=$(mktemp -d "${TMPDIR:-/tmp}/check-vs-cat.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/menus"
cd "$work/menus"

# Ten different menus, each copied by tee a few hundred files at a time.
for m in 0 1 2 3 4 5 6 7 8 9; do
    printf '{"items": [{"name": "FRIES %d", "cook": "3:0%d", "shake": "0:30", "hold": "7:00", "compensation": 1}, {"name": "FISH", "cook": "4:30"}]}' "$m" "$m" |
        "$tmrtool" import - -o "../seed$m.tmr"
done
names=()
for ((i = 1; i <= count; i++)); do
    names+=("$(printf 'MENU%05d.tmr' "$i")")
done
for ((i = 0; i < count; i += 500)); do
    tee "${names[@]:i:500}" < "../seed$(((i / 500) % 10)).tmr" > /dev/null
done

nanoseconds() {
    local start end
    start=$(date +%s%N)
    "$@" > /dev/null
    end=$(date +%s%N)
    echo $((end - start))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

"$tmrtool" check "${names[@]}" | tail -n 1
cat "${names[@]}" > /dev/null
cat_times=()
check_times=()
for ((r = 0; r < runs; r++)); do
    cat_times+=("$(nanoseconds cat "${names[@]}")")
    check_times+=("$(nanoseconds "$tmrtool" check "${names[@]}")")
done

cat_ms=$(printf '%s\n' "${cat_times[@]}" | median)
check_ms=$(printf '%s\n' "${check_times[@]}" | median)
awk -v n="$count" -v r="$runs" -v c="$cat_ms" -v t="$check_ms" 'BEGIN {
    printf "%d files, median of %d runs\n", n, r
    printf "  cat            %8.1f ms\n", c / 1e6
    printf "  tmrtool check  %8.1f ms\n", t / 1e6
    printf "  ratio          %8.2f (aim: about 2 or less)\n", t / c
}'
