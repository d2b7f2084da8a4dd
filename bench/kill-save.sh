#!/bin/sh
# bench/kill-save.sh [KILLS] [linked]: the crash test of saving. A helper
# saves two different 300-card books over one path in a loop and is killed
# with SIGKILL at a random moment, KILLS times (default 200). After each kill
# the path must hold the old or the new bytes (for a hard-linked book,
# "linked", the backup beside it may hold them instead while the book is cut
# off), and after the next save nothing but the book (and its second name)
# may be left in its folder. With "set" the helper saves the pair BOOK and
# BOOK-2 as a 600-card import does, and after each kill both must come from
# the same save. Builds into build-bench/ like bench/run.sh.
set -eu
cd "$(dirname "$0")/.."
KILLS="${1:-200}"
MODE="${2:-}"
BUILD="${TAGORA_BENCH_BUILD_DIR:-build-bench}"
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTAGORA_BENCH=ON >/dev/null
cmake --build "$BUILD" -j2 --target tagora_kill_save >/dev/null
HELPER="$(pwd)/$BUILD/tagora_kill_save"

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT INT TERM
BOOKS="$WORK/books"
mkdir "$BOOKS"
"$HELPER" make "$WORK"
OLD="$WORK/old.dat"
NEW="$WORK/new.dat"
BOOK="$BOOKS/book.dat"
cp "$OLD" "$BOOK"
NAMES=1
SECOND="$BOOKS/book-2.dat"
LOOP=loop
SAVE=save
if [ "$MODE" = set ]; then
    cp "$OLD" "$SECOND"
    NAMES=2
    LOOP=loopset
    SAVE=saveset
fi
if [ "$MODE" = linked ]; then
    ln "$BOOK" "$BOOKS/link.dat"
    NAMES=2
fi

# True when file holds the old or the new bytes.
whole() {
    cmp -s "$1" "$OLD" || cmp -s "$1" "$NEW"
}

kills=0
torn=0
mixed=0
recovered=0
left_by_kill=0
left_after_save=0
while [ "$kills" -lt "$KILLS" ]; do
    "$HELPER" "$LOOP" "$BOOK" "$NEW" "$OLD" &
    pid=$!
    # 0 to 255 ms: start-up, then several saves, each ending in an fsync.
    delay=$(od -An -N1 -tu1 /dev/urandom | tr -d ' ')
    sleep "$(awk -v d="$delay" 'BEGIN { printf "%.3f", d / 1000 }')"
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || true
    kills=$((kills + 1))
    if ! whole "$BOOK"; then
        backup=$(find "$BOOKS" -name '.book.dat~*.tagora-old' | head -n 1)
        if [ "$MODE" = linked ] && [ -n "$backup" ] && whole "$backup"; then
            recovered=$((recovered + 1))
        else
            torn=$((torn + 1))
            echo "kill $kills: $BOOK holds neither the old nor the new bytes" >&2
        fi
    fi
    if [ "$MODE" = set ] && ! cmp -s "$BOOK" "$SECOND"; then
        mixed=$((mixed + 1))
        echo "kill $kills: $BOOK and $SECOND come from different saves" >&2
    fi
    [ "$(ls -A "$BOOKS" | wc -l)" -eq "$NAMES" ] || left_by_kill=$((left_by_kill + 1))
    "$HELPER" "$SAVE" "$BOOK" "$OLD"
    if [ "$(ls -A "$BOOKS" | wc -l)" -ne "$NAMES" ] || ! cmp -s "$BOOK" "$OLD" ||
        { [ "$MODE" = linked ] && ! cmp -s "$BOOKS/link.dat" "$OLD"; }; then
        left_after_save=$((left_after_save + 1))
        echo "kill $kills: the next save left: $(ls -A "$BOOKS" | tr '\n' ' ')" >&2
        find "$BOOKS" -name '.*' -delete
    fi
done
echo "kill-save${MODE:+ ($MODE)}: $kills kills; torn books: $torn; mixed sets: $mixed; kills that left a temporary" \
    "or backup: $left_by_kill${MODE:+ (cut-off books put back from the backup: $recovered)};" \
    "left after the next save: $left_after_save"
[ "$torn" -eq 0 ] && [ "$mixed" -eq 0 ] && [ "$left_after_save" -eq 0 ]
