#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz with clang in build-fuzz/ and
# runs each for the given number of seconds (default 60), one after another,
# starting from its seed corpus in tests/fuzz/corpus/<name>.
#   scripts/fuzz.sh [seconds]
# What a run finds new goes to build-fuzz/corpus/<name>; an input that crashes
# or fails a check is written to build-fuzz/found/ and ends the script with a
# failure (keep it in the seed corpus once it is fixed).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
dir=build-fuzz
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DQUIVERCAST_FUZZ=ON >/dev/null
cmake --build "$dir"
export ASAN_OPTIONS=detect_leaks=0
# The harnesses write their files to a memory file system where there is one.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$dir/found" "$dir/logs"
passed=0
failed=0
for fuzzer in tests/fuzz/fuzz_*.cpp; do
    name=$(basename "$fuzzer" .cpp)
    mkdir -p "$dir/corpus/$name"
    if "$dir/tests/fuzz/$name" "$dir/corpus/$name" "tests/fuzz/corpus/$name" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$dir/found/$name-" >"$dir/logs/$name.log" 2>&1; then
        passed=$((passed + 1))
        echo "$name: $(grep -E '^Done [0-9]+ runs' "$dir/logs/$name.log" | tail -1)"
    else
        failed=$((failed + 1))
        echo "$name: FAILED, see $dir/logs/$name.log"
        tail -n 30 "$dir/logs/$name.log"
    fi
done
echo "fuzzers: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
