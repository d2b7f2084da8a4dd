#!/bin/sh
# bench/kill-season.sh [KILLS]: the crash test of the season's record. A
# helper writes the season of a 300-card book's record (every card's marks
# of one year, in one transaction) in a loop and is killed with SIGKILL at a
# random moment, KILLS times (default 200). After each kill every card must
# hold the same season (the last one committed), and the book must be byte
# for byte as it was. Builds into build-bench/ like bench/run.sh.
set -eu
cd "$(dirname "$0")/.."
KILLS="${1:-200}"
BUILD="${TAGORA_BENCH_BUILD_DIR:-build-bench}"
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTAGORA_BENCH=ON >/dev/null
cmake --build "$BUILD" -j2 --target tagora_kill_season >/dev/null
HELPER="$(pwd)/$BUILD/tagora_kill_season"

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT INT TERM
BOOK="$WORK/山田家.dat"
"$HELPER" make "$BOOK"
cp "$BOOK" "$WORK/book.orig"

kills=0
torn=0
seasons=""
while [ "$kills" -lt "$KILLS" ]; do
    "$HELPER" loop "$BOOK" &
    pid=$!
    delay=$(od -An -N1 -tu1 /dev/urandom | tr -d ' ')
    sleep "$(awk -v d="$delay" 'BEGIN { printf "%.3f", d / 1000 }')"
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || true
    kills=$((kills + 1))
    if season=$("$HELPER" check "$BOOK"); then
        seasons="$seasons$season
"
    else
        torn=$((torn + 1))
        echo "kill $kills: the record holds no whole season" >&2
    fi
    cmp -s "$BOOK" "$WORK/book.orig" || { echo "kill $kills: the book changed" >&2; torn=$((torn + 1)); }
done
echo "kill-season: $kills kills; torn seasons or changed books: $torn;" \
    "seasons found: $(printf '%s' "$seasons" | sort | uniq -c | tr -s ' \n' ' ')"
[ "$torn" -eq 0 ]
