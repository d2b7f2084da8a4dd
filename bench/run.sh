#!/bin/sh
# bench/run.sh: builds a release build (build-bench/) and runs each benchmark
# as a whole process, BENCH_RUNS times (default 5), then prints one table:
# the median wall time, the highest peak resident memory, and the target.
# Jobs whose command is not in this build are listed as "not built".
set -eu
cd "$(dirname "$0")/.."
ROOT="$(pwd)"
BUILD="${TAGORA_BENCH_BUILD_DIR:-build-bench}"
RUNS="${BENCH_RUNS:-5}"
JOB_SECONDS=0.5
STARTUP_SECONDS=0.3
MEMORY_MB=150

if [ ! -x /usr/bin/time ]; then
    echo "bench/run.sh: /usr/bin/time is missing (apt-get install time)" >&2
    exit 2
fi
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTAGORA_BENCH=ON >/dev/null
cmake --build "$BUILD" -j2 --target tagora tagora_book_bench tagora_zip_bench >/dev/null
TAGORA="$ROOT/$BUILD/app/tagora"
BOOKBENCH="$ROOT/$BUILD/tagora_book_bench"
ZIPBENCH="$ROOT/$BUILD/tagora_zip_bench"

WORK="$(mktemp -d)"
XVFB_PID=""
cleanup() {
    [ -z "$XVFB_PID" ] || kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT INT TERM
HOME_DIR="$WORK/home"
mkdir -p "$HOME_DIR"

# Inputs: a full book of 300 cards and 100,000 one-line addresses.
BOOK="$WORK/book300.dat"
"$BOOKBENCH" generate "$ROOT/examples/sample.dat" "$BOOK" 300
"$TAGORA" --home "$HOME_DIR" list "$BOOK" | cut -f3,4 | tr -d '\t' >"$WORK/addresses1.txt"
awk -v n=100000 '{ line[NR] = $0 } END { for (i = 0; i < n; i++) print line[i % NR + 1] }' \
    "$WORK/addresses1.txt" >"$WORK/addresses.txt"

TABLE="$WORK/table"
: >"$TABLE"

# row NAME TARGET_SECONDS STATUS WALL RSS
row() {
    printf '%-34s %10s %10s %12s  %s\n' "$1" "$2" "$3" "$4" "$5" >>"$TABLE"
}

# True when the build has the command (the stubs say "not available").
has_command() {
    ! "$TAGORA" --home "$HOME_DIR" "$1" 2>&1 </dev/null | grep -q "not available in this build"
}

# measure NAME TARGET_SECONDS STDIN COMMAND...: runs the command RUNS times.
measure() {
    name="$1"
    target="$2"
    input="$3"
    shift 3
    : >"$WORK/walls"
    peak_kb=0
    i=0
    while [ "$i" -lt "$RUNS" ]; do
        start=$(date +%s%N)
        if ! /usr/bin/time -v -o "$WORK/time.txt" "$@" <"$input" >"$WORK/out.txt" 2>"$WORK/err.txt"; then
            echo "bench/run.sh: $name failed:" >&2
            cat "$WORK/err.txt" >&2
            row "$name" "-" "-" "< ${target} s" "FAILED"
            return 0
        fi
        end=$(date +%s%N)
        echo $(((end - start) / 1000)) >>"$WORK/walls"
        kb=$(sed -n 's/^[[:space:]]*Maximum resident set size (kbytes): //p' "$WORK/time.txt")
        [ "$kb" -le "$peak_kb" ] || peak_kb=$kb
        i=$((i + 1))
    done
    median_us=$(sort -n "$WORK/walls" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
    wall=$(awk -v us="$median_us" 'BEGIN { printf "%.3f s", us / 1e6 }')
    mb=$(awk -v kb="$peak_kb" 'BEGIN { printf "%.1f MB", kb / 1024 }')
    verdict=$(awk -v us="$median_us" -v kb="$peak_kb" -v t="$target" -v m="$MEMORY_MB" \
        'BEGIN { s = ""; if (us / 1e6 >= t) s = "SLOW"; if (kb / 1024 >= m) s = s (s ? "," : "") "BIG"; print (s ? s : "ok") }')
    row "$name" "$wall" "$mb" "< ${target} s" "$verdict"
}

not_built() {
    row "$1" "-" "-" "< $2 s" "not built"
}

measure "list 300-card book" $JOB_SECONDS /dev/null "$TAGORA" --home "$HOME_DIR" list "$BOOK"
measure "load+save 300-card book" $JOB_SECONDS /dev/null "$BOOKBENCH" loadsave "$BOOK" "$WORK/saved.dat"
cmp -s "$BOOK" "$WORK/saved.dat" || { echo "bench/run.sh: load+save changed the book" >&2; exit 1; }

# A 5 MB book (300 cards with long third address lines) and the same book
# with an undefined byte (0xFF) near its end: the refusal should take about
# as long as reading the valid book.
WIDE="$WORK/book5mb.dat"
"$BOOKBENCH" widen "$BOOK" "$WIDE" 5242880
"$BOOKBENCH" widen "$BOOK" "$WORK/book5mb-bad.dat" 5242880 bad
measure "list 5 MB book" $JOB_SECONDS /dev/null "$TAGORA" --home "$HOME_DIR" list "$WIDE"
measure "refuse 5 MB book, bad last byte" $JOB_SECONDS /dev/null \
    sh -c '! "$@"' sh "$TAGORA" --home "$HOME_DIR" list "$WORK/book5mb-bad.dat"
grep -q "invalid byte sequence 0xFF" "$WORK/err.txt" ||
    { echo "bench/run.sh: the 5 MB book with a bad byte was not refused for it" >&2; exit 1; }

measure "postal lookups 20,000 of each kind" $JOB_SECONDS /dev/null "$ZIPBENCH" 20000
ZIP_DETAIL="$(cat "$WORK/out.txt")"

if has_command labels; then
    measure "labels 300 entries from label 5" $JOB_SECONDS /dev/null \
        "$TAGORA" --home "$HOME_DIR" labels "$BOOK" --start 5 -o "$WORK/labels.pdf"
else
    not_built "labels 300 entries from label 5" $JOB_SECONDS
fi
if has_command postcards; then
    measure "postcards 300 cards" $JOB_SECONDS /dev/null \
        "$TAGORA" --home "$HOME_DIR" postcards "$BOOK" -o "$WORK/postcards.pdf"
else
    not_built "postcards 300 cards" $JOB_SECONDS
fi
if has_command split; then
    measure "split 100,000 addresses (stdin)" $JOB_SECONDS "$WORK/addresses.txt" \
        "$TAGORA" --home "$HOME_DIR" split
else
    not_built "split 100,000 addresses (stdin)" $JOB_SECONDS
fi

# Start-up to the start window's first shown frame, on a real X server.
# SLOT for the start window: the program needs an option that shows the
# start window and quits as soon as its first frame is on screen; until it
# has one (its --help names --benchmark-startup), the row says "not built".
if "$TAGORA" --help 2>&1 | grep -q -- "--benchmark-startup" && command -v Xvfb >/dev/null; then
    display=":$(($$ % 500 + 100))"
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    sleep 1
    measure "start-up to first frame (xcb)" $STARTUP_SECONDS /dev/null \
        env DISPLAY="$display" QT_QPA_PLATFORM=xcb "$TAGORA" --home "$HOME_DIR" --benchmark-startup
else
    not_built "start-up to first frame (xcb)" $STARTUP_SECONDS
fi

echo
echo "Tagora benchmarks: median of $RUNS runs, whole process; memory target < $MEMORY_MB MB"
printf '%-34s %10s %10s %12s  %s\n' benchmark wall "peak RSS" target status
cat "$TABLE"
echo
echo "Postal lookups after the first read (target: well under 1 ms each):"
echo "$ZIP_DETAIL"

# Benchmarks that the modules keep beside this script.
for extra in bench/labels.sh bench/barcodes.sh bench/postcards.sh bench/sheets.sh bench/preview.sh bench/split.sh bench/import.sh bench/season.sh; do
    if [ -f "$extra" ]; then
        echo
        echo "== $extra"
        # They measure the release build made above, not a debug build in build/.
        TAGORA_BUILD_DIR="$BUILD" TAGORA_BENCH_BUILD_DIR="$BUILD" sh "$extra" ||
            echo "bench/run.sh: $extra failed" >&2
    fi
done
