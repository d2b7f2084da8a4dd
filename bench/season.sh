#!/bin/sh
# bench/season.sh: the season's print-list filters over a 300-card book with
# 20 years of record (target: under 20 ms each, the record read from its
# file included). Builds into build-bench/ like bench/run.sh.
set -eu
cd "$(dirname "$0")/.."
BUILD="${TAGORA_BENCH_BUILD_DIR:-build-bench}"
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTAGORA_BENCH=ON >/dev/null
cmake --build "$BUILD" -j2 --target tagora_season_bench >/dev/null
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT INT TERM
"$BUILD/tagora_season_bench" "$WORK"
