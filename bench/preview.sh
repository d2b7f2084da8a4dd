#!/bin/sh
# bench/preview.sh: the page preview of a whole job, offscreen: 300 labels
# from label 5 (26 sheets) and 300 vertical postcards, each page shown and
# painted in turn (target < 50 ms a page). Builds into build-bench/ like
# bench/run.sh.
set -eu
cd "$(dirname "$0")/.."
ROOT="$(pwd)"
BUILD="${TAGORA_BENCH_BUILD_DIR:-build-bench}"
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTAGORA_BENCH=ON >/dev/null
cmake --build "$BUILD" -j2 --target tagora_preview_bench >/dev/null
"$ROOT/$BUILD/tagora_preview_bench" examples/sample.dat
