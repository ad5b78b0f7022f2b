#!/usr/bin/env bash
# Builds the fuzz build and runs fuzz targets for longer than the test command does:
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]    (600 s each, every target by default)
# TARV_FUZZ_PARALLEL=1 runs the targets at the same time. A crash input is written to
# tests/fuzz/regressions/TARGET/, which every later run (this one and scripts/test.sh) replays.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-600}
shift || true

cmake -S . -B build/fuzz -DTARV_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null || exit 1
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    mapfile -t targets < <(ctest --test-dir build/fuzz -L fuzz -N | sed -nE 's/^ *Test +#[0-9]+: //p')
fi
cmake --build build/fuzz -j "$(nproc 2>/dev/null || echo 2)" --target "${targets[@]}" >/dev/null || exit 1

mkdir -p build/logs
run_one() {
    local name=$1 binary corpus regressions
    binary=$(find build/fuzz -name "$name" -type f -perm -u+x | head -n 1)
    corpus=$(dirname "$binary")/$name-corpus
    regressions=$root/tests/fuzz/regressions/$name
    mkdir -p "$corpus" "$regressions"
    "$binary" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$regressions/" "$corpus" "$regressions" >"build/logs/fuzz-$name.log" 2>&1
    local rc=$?
    local runs per_second
    runs=$(sed -nE 's/^stat::number_of_executed_units: *//p' "build/logs/fuzz-$name.log")
    per_second=$(sed -nE 's/^stat::average_exec_per_sec: *//p' "build/logs/fuzz-$name.log")
    if [ $rc -eq 0 ]; then
        echo "$name: ${runs:-0} executions, ${per_second:-0}/s, no finding"
    else
        echo "$name: FINDING after ${runs:-?} executions (kept in tests/fuzz/regressions/$name/;" \
            "log build/logs/fuzz-$name.log)"
    fi
    return $rc
}

failed=0
if [ "${TARV_FUZZ_PARALLEL:-0}" = 1 ]; then
    pids=()
    for t in "${targets[@]}"; do run_one "$t" & pids+=($!); done
    for p in "${pids[@]}"; do wait "$p" || failed=1; done
else
    for t in "${targets[@]}"; do run_one "$t" || failed=1; done
fi
exit $failed
