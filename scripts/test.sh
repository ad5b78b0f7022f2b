#!/usr/bin/env bash
# Sets up the machine, builds both targets and runs every test: native unit tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz targets for a bounded time, and the
# Windows binaries and tests under Wine, and the published release against what the source builds.
# Ends with one line "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/setup.sh || { echo "setup failed"; echo "0 passed, 1 failed"; exit 1; }
# How Wine runs the Windows tests here, said first; a machine where it cannot run them at all
# fails the run at that ring, with the reason.
. scripts/lib/wine-env.sh
if wine_env_mode; then
    wine_env_mode_line
else
    echo "Wine mode: none, so the Windows tests cannot run here and this run will fail"
fi

jobs=$(nproc 2>/dev/null || echo 2)
logs="$root/build/logs"
mkdir -p "$logs"
passed=0
failed=0

# Adds the counts of one ctest run (from its closing line) to the totals. A ring that finds
# no tests, or whose log has no closing line, counts as one failure.
count_ctest() {
    local line total fails
    if grep -q 'No tests were found' "$1"; then
        echo "NO TESTS FOUND: $(basename "$1")"
        failed=$((failed + 1))
        return
    fi
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
    if [ -z "$line" ]; then
        failed=$((failed + 1))
        return
    fi
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
    fails=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
    passed=$((passed + total - fails))
    failed=$((failed + fails))
}

# Runs a build step; a failed build counts as one failure and skips that ring's tests.
build() {
    local name=$1; shift
    if ! "$@" >"$logs/$name.log" 2>&1; then
        echo "BUILD FAILED: $name (log below)"
        tail -n 60 "$logs/$name.log"
        failed=$((failed + 1))
        return 1
    fi
}

echo "== native build (ASan + UBSan)"
if build native-configure cmake -S . -B build/native -DTARV_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug &&
   build native-build cmake --build build/native -j "$jobs"; then
    echo "== native tests"
    ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build/native -j "$jobs" --output-on-failure \
        >"$logs/native-tests.log" 2>&1
    grep -E '^[0-9]+% tests passed|\*\*\*Failed|Failed  ' "$logs/native-tests.log" | tail -n 40
    count_ctest "$logs/native-tests.log"
fi

# Optimised, so the bounded time buys as many executions as it can; still with debug info
# for the sanitizers' reports.
echo "== fuzz targets (clang, libFuzzer, bounded time)"
if build fuzz-configure cmake -S . -B build/fuzz -DTARV_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ &&
   build fuzz-build cmake --build build/fuzz -j "$jobs"; then
    ctest --test-dir build/fuzz -L fuzz --output-on-failure >"$logs/fuzz-tests.log" 2>&1
    grep -E '^[0-9]+% tests passed|\*\*\*Failed' "$logs/fuzz-tests.log" | tail -n 20
    count_ctest "$logs/fuzz-tests.log"
fi

echo "== windows build (mingw-w64, CRT-free)"
if build windows-configure cmake -S . -B build/windows -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" &&
   build windows-build cmake --build build/windows -j "$jobs"; then
    echo "== windows tests under Wine (${TARV_WINE_MODE:-no} mode)"
    trap wine_env_stop EXIT
    if [ -n "${TARV_WINE_MODE_WHY:-}" ] && wine_env_start "$root/build/wine"; then
        wine_env_prefix unit >/dev/null
        ctest --test-dir build/windows -j 1 --output-on-failure --timeout 300 \
            >"$logs/windows-tests.log" 2>&1
        grep -E '^[0-9]+% tests passed|\*\*\*Failed|Failed  ' "$logs/windows-tests.log" | tail -n 40
        count_ctest "$logs/windows-tests.log"
    else
        echo "WINDOWS TESTS NOT RUN: Wine cannot run them here (the reason is above)"
        failed=$((failed + 1))
    fi
    wine_env_stop
    trap - EXIT

    echo "== the published release"
    if bash tests/release/published-release.sh build/windows; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
    fi
fi

echo "logs: build/logs"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
