#!/bin/sh
# 300 postcards into a PDF with the command line: whole-process wall time and
# peak memory, horizontal and vertical with a sender; the vertical job should
# take less than twice the horizontal one (median of BENCH_RUNS, default 5).
# Usage: bench/postcards.sh [BUILD_DIR]   (default: build)
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
head -c "$(head -1 examples/sample.dat | wc -c)" examples/sample.dat > "$work/Sender.dat"
"$tagora" --home "$work" postcards "$work/book300.dat" -o "$work/warm.pdf" > /dev/null

# median NAME ARGS...: prints the median wall time in ms and the peak RSS in MB.
median() {
    name=$1
    shift
    : > "$work/walls"
    peak=0
    i=0
    while [ "$i" -lt "$runs" ]; do
        start=$(date +%s%N)
        /usr/bin/time -v -o "$work/time" "$tagora" --home "$work" postcards "$work/book300.dat" "$@" \
            -o "$work/$name.pdf" > /dev/null
        end=$(date +%s%N)
        echo $(((end - start) / 1000000)) >> "$work/walls"
        kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time")
        [ "$kb" -le "$peak" ] || peak=$kb
        i=$((i + 1))
    done
    ms=$(sort -n "$work/walls" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
    pages=$(pdfinfo "$work/$name.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
    echo "postcards $name: 300 entries, ${pages:-?} pages, median wall ${ms} ms, peak RSS $((peak / 1024)) MB" >&2
    echo "$ms"
}
across=$(median horizontal)
down=$(median vertical-with-sender --vertical --sender "$work/Sender.dat")
awk -v a="$across" -v d="$down" 'BEGIN {
    r = d / a
    printf "vertical with sender / horizontal: %.2f (target < 2.00) %s\n", r, (r < 2 ? "ok" : "SLOW") }'
