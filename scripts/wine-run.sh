#!/usr/bin/env bash
# Runs one Windows test program under Wine in this run's shared unit-test prefix.
# CTest of the Windows build uses it as the emulator for every test program.
set -u
# Where 32-bit Wine cannot start at all, scripts/test.sh sets TARV_WINE_SKIP: CTest's discovery of
# the cases in each test program then finds none instead of failing the whole run, and the run
# reports those programs as skipped.
if [ -n "${TARV_WINE_SKIP:-}" ]; then exit 0; fi
: "${TARV_WINE_ROOT:?run the tests through scripts/test.sh}"
export WINEPREFIX="$TARV_WINE_ROOT/unit" WINEDEBUG=-all
exec wine "$@"
