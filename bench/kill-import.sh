#!/bin/sh
# bench/kill-import.sh [KILLS]: the crash test of a multi-book import. Two
# 600-card CSV files, A and B, each make the pair BOOK.dat and BOOK-2.dat
# (the second book the same cards again, so the two files of one import are
# byte for byte equal). `tagora import --force` of A, then of B, then of A …
# is killed with SIGKILL at a random moment KILLS times (default 200); after
# each kill the two books must come from the same import. TAGORA_BINARY
# names the program (default build/app/tagora); TAGORA_KILL_SAVE the helper
# of bench/kill-save.sh that makes the two 300-card books. An import takes
# about 20 ms, so the kill comes 0 to 25.5 ms after the start.
set -eu
cd "$(dirname "$0")/.."
KILLS="${1:-200}"
TAGORA="${TAGORA_BINARY:-$(pwd)/build/app/tagora}"
HELPER="${TAGORA_KILL_SAVE:-$(pwd)/build-bench/tagora_kill_save}"

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT INT TERM
mkdir "$WORK/home" "$WORK/books"
"$HELPER" make "$WORK"
for version in old new; do
    "$TAGORA" --home "$WORK/home" export "$WORK/$version.dat" -o "$WORK/$version.csv" >/dev/null
    { cat "$WORK/$version.csv"; tail -n +2 "$WORK/$version.csv"; } >"$WORK/$version-600.csv"
done
BOOK="$WORK/books/book.dat"
SECOND="$WORK/books/book-2.dat"
"$TAGORA" --home "$WORK/home" import "$WORK/old-600.csv" -o "$BOOK" >/dev/null

kills=0
mixed=0
whole_runs=0
while [ "$kills" -lt "$KILLS" ]; do
    if [ $((kills % 2)) -eq 0 ]; then source="$WORK/new-600.csv"; else source="$WORK/old-600.csv"; fi
    "$TAGORA" --home "$WORK/home" import "$source" -o "$BOOK" --force >/dev/null 2>&1 &
    pid=$!
    # 0 to 25.5 ms: start-up, reading and splitting, then the two books.
    delay=$(od -An -N1 -tu1 /dev/urandom | tr -d ' ')
    sleep "$(awk -v d="$delay" 'BEGIN { printf "%.4f", d / 10000 }')"
    kill -9 "$pid" 2>/dev/null || whole_runs=$((whole_runs + 1))
    wait "$pid" 2>/dev/null || true
    kills=$((kills + 1))
    if ! cmp -s "$BOOK" "$SECOND"; then
        mixed=$((mixed + 1))
        echo "kill $kills: book.dat and book-2.dat come from different imports" >&2
    fi
done
echo "kill-import: $kills kills ($whole_runs imports had ended first); mixed sets: $mixed"
[ "$mixed" -eq 0 ]
