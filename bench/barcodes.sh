#!/bin/sh
# A 300-card label job into a PDF with the command line, with and without
# customer barcodes: whole-process wall time (median of BENCH_RUNS, default
# 5) and peak memory; the job with barcodes should take at most 1.2 times
# the job without.
# Usage: bench/barcodes.sh [BUILD_DIR]   (default: build)
set -eu
cd "$(dirname "$0")/.."
build=${1:-${TAGORA_BUILD_DIR:-build}}
runs=${BENCH_RUNS:-5}
tagora="$build/app/tagora"
[ -x "$tagora" ] || { echo "build $tagora first" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (apt-get install -y time)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The 30-card sample book ten times over: 300 cards, the most a book holds.
for i in 1 2 3 4 5 6 7 8 9 10; do cat examples/sample.dat; done > "$work/book300.dat"
"$tagora" --home "$work" labels "$work/book300.dat" --barcode -o "$work/warm.pdf" > /dev/null 2>&1

# median NAME ARGS...: prints the median wall time in ms and the peak RSS in MB.
median() {
    name=$1
    shift
    : > "$work/walls"
    peak=0
    i=0
    while [ "$i" -lt "$runs" ]; do
        start=$(date +%s%N)
        /usr/bin/time -v -o "$work/time" "$tagora" --home "$work" labels "$work/book300.dat" "$@" \
            -o "$work/$name.pdf" > /dev/null 2>&1
        end=$(date +%s%N)
        echo $(((end - start) / 1000000)) >> "$work/walls"
        kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time")
        [ "$kb" -le "$peak" ] || peak=$kb
        i=$((i + 1))
    done
    ms=$(sort -n "$work/walls" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
    echo "labels $name: 300 entries, median wall ${ms} ms, peak RSS $((peak / 1024)) MB" >&2
    echo "$ms"
}
plain=$(median plain)
barred=$(median barcodes --barcode)
awk -v p="$plain" -v b="$barred" 'BEGIN {
    r = b / p
    printf "with barcodes / without: %.2f (target <= 1.20) %s\n", r, (r <= 1.2 ? "ok" : "SLOW") }'
