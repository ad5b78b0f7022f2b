#!/usr/bin/env bash
# Runs one Windows test program under Wine in this run's shared unit-test prefix.
# CTest of the Windows build uses it as the emulator for every test program.
# scripts/test.sh has put this run's Wine (in either mode) first on PATH.
set -u
: "${TARV_WINE_ROOT:?run the tests through scripts/test.sh}"
export WINEPREFIX="$TARV_WINE_ROOT/unit" WINEDEBUG=-all
exec wine "$@"
