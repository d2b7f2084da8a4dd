#!/bin/sh
# bench/import.sh: the import command on a 10,000-row CSV (34 books, target
# < 0.5 s) and a 300-card vCard file (target < 0.1 s), whole process, median
# of BENCH_RUNS runs (default 5); then the reading of 10,000 CSV rows and of
# 10,000 vCards into cards alone, in the process. Builds into build-bench/
# like bench/run.sh.
set -eu
cd "$(dirname "$0")/.."
ROOT="$(pwd)"
BUILD="${TAGORA_BENCH_BUILD_DIR:-build-bench}"
RUNS="${BENCH_RUNS:-5}"
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTAGORA_BENCH=ON >/dev/null
cmake --build "$BUILD" -j2 --target tagora tagora_import_bench >/dev/null
TAGORA="$ROOT/$BUILD/app/tagora"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT INT TERM
mkdir -p "$WORK/home"
"$ROOT/$BUILD/tagora_import_bench" csv examples/sample.dat "$WORK/rows.csv" 10000
"$ROOT/$BUILD/tagora_import_bench" vcf examples/sample.dat "$WORK/cards.vcf" 300

# measure NAME TARGET INPUT BOOKS: median wall time of RUNS imports into a fresh folder.
measure() {
    : >"$WORK/walls"
    i=0
    while [ "$i" -lt "$RUNS" ]; do
        rm -rf "$WORK/out" && mkdir "$WORK/out"
        start=$(date +%s%N)
        "$TAGORA" --home "$WORK/home" import "$3" -o "$WORK/out/book.dat" >"$WORK/report.txt"
        end=$(date +%s%N)
        echo $(((end - start) / 1000)) >>"$WORK/walls"
        i=$((i + 1))
    done
    books=$(ls "$WORK/out" | wc -l)
    [ "$books" -eq "$4" ] || { echo "bench/import.sh: $1 wrote $books books, not $4" >&2; exit 1; }
    median_us=$(sort -n "$WORK/walls" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
    awk -v n="$1" -v us="$median_us" -v t="$2" -v b="$books" \
        'BEGIN { printf "%-32s %8.3f s  (%d books)  < %s s  %s\n", n, us / 1e6, b, t, (us / 1e6 < t ? "ok" : "SLOW") }'
}

echo "Import benchmarks: median of $RUNS runs, whole process"
measure "import 10,000-row CSV" 0.5 "$WORK/rows.csv" 34
measure "import 300-card vCard" 0.1 "$WORK/cards.vcf" 1
# The reading alone, in the process: what is left when the books' disk syncs
# (two a book, 68 for the CSV) are taken away.
printf '%-32s %s\n' "read 10,000-row CSV" "$("$ROOT/$BUILD/tagora_import_bench" read "$WORK/rows.csv" "$RUNS")"
printf '%-32s %s\n' "read 10,000-card vCard" "$("$ROOT/$BUILD/tagora_import_bench" vcf examples/sample.dat "$WORK/many.vcf" 10000 &&
    "$ROOT/$BUILD/tagora_import_bench" read "$WORK/many.vcf" "$RUNS")"
