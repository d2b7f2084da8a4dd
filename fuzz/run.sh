#!/bin/sh
# fuzz/run.sh SECONDS: builds the libFuzzer targets with clang (build-fuzz/)
# and runs each one for SECONDS, one after another, at the lowest priority.
# Prints executions and crashes per target; exits 1 when any target crashed.
# Crash inputs are kept in build-fuzz/crashes/<target>/.
set -eu
cd "$(dirname "$0")/.."
SECONDS_EACH="${1:?usage: fuzz/run.sh SECONDS}"
BUILD="${TAGORA_FUZZ_BUILD_DIR:-build-fuzz}"

if ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
    echo "fuzz/run.sh: the libFuzzer runtime is missing (apt-get install libclang-rt-14-dev)" >&2
    exit 2
fi
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DTAGORA_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
nice -n 19 cmake --build "$BUILD" -j2 --target fuzz_book fuzz_settings fuzz_offsets

status=0
summary=""
for target in book settings offsets; do
    corpus="$BUILD/corpus/$target"
    crashes="$BUILD/crashes/$target"
    mkdir -p "$corpus" "$crashes"
    log="$BUILD/fuzz_$target.log"
    set +e
    nice -n 19 "$BUILD/fuzz/fuzz_$target" -max_total_time="$SECONDS_EACH" -max_len=65536 \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$crashes/" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1
    rc=$?
    set -e
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    found=$(find "$crashes" -type f | wc -l)
    [ "$rc" -eq 0 ] && [ "$found" -eq 0 ] || status=1
    summary="$summary$(printf '%-16s %14s %8s %6s' "fuzz_$target" "${runs:-?}" "$found" "$rc")
"
    echo "fuzz_$target: ${runs:-?} executions, $found crashes (log $log)"
done
printf '\n%-16s %14s %8s %6s\n' target executions crashes exit
printf '%s' "$summary"
exit $status
