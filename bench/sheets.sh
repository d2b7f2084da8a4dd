#!/bin/sh
# Label sheets from the template library: the whole process of
# `tagora templates ELM012` (the first lookup, which reads the library)
# against `tagora list` of a one-card book (a process that reads no
# library), and a 300-entry label job on the 24-label Hisago ELM012 against
# the same job on the standard sheet of 12. Targets: the library read under
# 150 ms; the 24-label job within 1.5x of the standard one.
set -eu
cd "$(dirname "$0")/.."
BUILD="${TAGORA_BUILD_DIR:-build}"
TAGORA="$BUILD/app/tagora"
[ -x "$TAGORA" ] || { echo "build first: $TAGORA is missing" >&2; exit 2; }

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
CARDS="1-30,1-30,1-30,1-30,1-30,1-30,1-30,1-30,1-30,1-30"
RUNS="${BENCH_RUNS:-5}"

# Median wall time in milliseconds of RUNS runs of the command given.
median_ms() {
    for run in $(seq "$RUNS"); do
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        echo $(((end - start) / 1000000))
    done | sort -n | sed -n "$(((RUNS + 1) / 2))p"
}

"$TAGORA" --home "$WORK" templates ELM012 >/dev/null # warm the caches
base=$(median_ms "$TAGORA" --home "$WORK" list examples/sample.dat)
lookup=$(median_ms "$TAGORA" --home "$WORK" templates ELM012)
echo "templates ELM012: ${lookup} ms whole process, ${base} ms for a process without the library:" \
     "library read about $((lookup - base)) ms (target < 150 ms)"

standard=$(median_ms "$TAGORA" --home "$WORK" labels examples/sample.dat --cards "$CARDS" -o "$WORK/a.pdf")
hisago=$(median_ms "$TAGORA" --home "$WORK" labels examples/sample.dat --cards "$CARDS" \
    --template "Hisago ELM012" -o "$WORK/b.pdf")
echo "300 entries: standard sheet ${standard} ms, Hisago ELM012 ${hisago} ms," \
     "ratio $(awk "BEGIN { printf \"%.2f\", $hisago / $standard }") (target <= 1.5)"
