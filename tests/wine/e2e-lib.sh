# Sourced by the Wine end-to-end tests: each test runs the real TARVPAGE.DLL in the
# display-properties host inside its own copy of the run's template prefix, posing as one
# Windows version, and checks the registry with regedit exports.
#
#   . e2e-lib.sh TARVPAGE.DLL dispprops.exe [TARVINST.EXE dlgdriver.exe]
#   e2e_begin NAME FLAVOUR        fresh prefix (win95, win98, winme, nt40, win2k, winxp), tab
#                                 library (and installer) in C:\TARV
#   e2e_family FLAVOUR            9x (display-class instance keys) or nt (service keys)
#   e2e_nt_service FLAVOUR        the display driver's service on NT: Voodoo5 or 3dfxvs
#   e2e_language LOCALE           the system's language from now on (e.g. de_DE.UTF-8)
#   e2e_seed FILE...              import REGEDIT4 files
#   e2e_seed_pc FLAVOUR           import the simulated PC of that system: one Voodoo5 5500
#   e2e_seed_text NAME <<EOF      import REGEDIT4 sections given on stdin
#   e2e_host [OPTIONS] STEP...    run the host; its log is in $E2E_LOG (and on stdout)
#   e2e_installer STEP...         play a user on the installer ($E2E_PROGRAM) with dlgdriver;
#                                 log in $E2E_LOG
#   e2e_export KEY NAME           regedit export of KEY as $E2E_DIR/NAME.reg (as written) and
#                                 $E2E_DIR/NAME.txt (UTF-8, one "[key]\tline" per value)
#   check / check_log / check_value / check_same ...   record a result
#   e2e_end                       stop this prefix's wineserver, remove it, exit with the result
#
# Run by CTest inside scripts/test.sh (which provides TARV_WINE_ROOT, its template prefix, DISPLAY
# and Wine in the run's mode); run by hand, a test sets up and tears down a run of its own, in
# the mode scripts/lib/wine-env.sh chooses. In both modes `wine regedit`, `wine reg` and
# `wine regsvr32` work on the registry view our 32-bit programs see.

set -u
E2E_SOURCE_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_ROOT_DIR=$(cd "$E2E_SOURCE_DIR/../.." && pwd)
E2E_FIXTURES="$E2E_ROOT_DIR/tests/fixtures"
E2E_WINE_FIXTURES="$E2E_SOURCE_DIR/fixtures"
E2E_DLL=$(readlink -f "$1")
E2E_HOST=$(readlink -f "$2")
E2E_INSTALLER=$( [ -n "${3:-}" ] && readlink -f "$3")
E2E_DRIVER=$( [ -n "${4:-}" ] && readlink -f "$4")
E2E_FAILURES=0
E2E_OWN_RUN=0
E2E_PREFIX=
E2E_DIR=
E2E_LOG=

. "$E2E_ROOT_DIR/scripts/lib/wine-env.sh"

if [ -z "${TARV_WINE_ROOT:-}" ] || [ ! -d "$TARV_WINE_ROOT/template" ] || [ -z "${DISPLAY:-}" ]; then
    E2E_OWN_RUN=1
    wine_env_mode && wine_env_mode_line || exit 1
    wine_env_start "$(mktemp -d /tmp/tarv-e2e.XXXXXX)" || { wine_env_stop; rm -rf "$TARV_WINE_ROOT"; exit 1; }
fi

e2e_stop() {
    if [ -n "$E2E_PREFIX" ]; then
        WINEPREFIX="$E2E_PREFIX" wineserver -k >/dev/null 2>&1
        WINEPREFIX="$E2E_PREFIX" wineserver -w >/dev/null 2>&1
        rm -rf "$E2E_PREFIX"
        E2E_PREFIX=
    fi
    if [ "$E2E_OWN_RUN" = 1 ]; then
        local root=$TARV_WINE_ROOT
        wine_env_stop
        rm -rf "$root"
        E2E_OWN_RUN=0
    fi
}
trap e2e_stop EXIT

e2e_family() {
    case $1 in
    win95 | win98 | winme) echo 9x ;;
    nt40 | win2k | winxp) echo nt ;;
    *) echo "unknown system $1" >&2; exit 2 ;;
    esac
}

# NT 4.0's Voodoo5 driver runs as the service Voodoo5, the one of Windows 2000 and XP as 3dfxvs.
e2e_nt_service() {
    case $1 in
    nt40) echo Voodoo5 ;;
    win2k | winxp) echo 3dfxvs ;;
    *) echo "no NT service for $1" >&2; exit 2 ;;
    esac
}

e2e_wine() { WINEPREFIX="$E2E_PREFIX" wine "$@"; }

e2e_begin() {
    local name=$1 flavour=$2
    E2E_PREFIX=$(wine_env_prefix "e2e-$name")
    E2E_DIR="$E2E_PREFIX/drive_c/e2e"
    E2E_LOG="$E2E_DIR/host.log"
    mkdir -p "$E2E_DIR" "$E2E_PREFIX/drive_c/TARV"
    cp "$E2E_DLL" "$E2E_PREFIX/drive_c/TARV/TARVPAGE.DLL"
    cp "$E2E_HOST" "$E2E_DIR/dispprops.exe"
    if [ -n "$E2E_INSTALLER" ]; then
        cp "$E2E_INSTALLER" "$E2E_PREFIX/drive_c/TARV/TARVINST.EXE"
        cp "$E2E_DRIVER" "$E2E_DIR/dlgdriver.exe"
    fi
    e2e_wine reg add 'HKCU\Software\Wine' /v Version /d "$flavour" /f >/dev/null
    # A crash ends the host instead of waiting for someone to close Wine's crash dialog.
    e2e_wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
    echo "== $name: Wine posing as $flavour"
}

# Wine reads the system's language from the locale when its server starts.
e2e_language() {
    WINEPREFIX="$E2E_PREFIX" wineserver -k >/dev/null 2>&1
    WINEPREFIX="$E2E_PREFIX" wineserver -w >/dev/null 2>&1
    export LC_ALL=$1
    WINEPREFIX="$E2E_PREFIX" wineserver -p
    e2e_wine cmd /c exit </dev/null >/dev/null 2>&1
}

# Imports one REGEDIT4 file of $E2E_DIR. In WoW64 mode the 32-bit regedit has once in a few
# hundred imports answered a failure for a file it imports the next time: a second try is
# made, and said in the log.
e2e_import() {
    e2e_wine regedit /s "C:\\e2e\\$1" && return 0
    echo "    | regedit failed to import $1; trying once more"
    e2e_wine regedit /s "C:\\e2e\\$1"
}

e2e_seed() {
    local file base
    for file in "$@"; do
        base=$(basename "$file")
        cp "$file" "$E2E_DIR/$base"
        e2e_import "$base" || check "import $base" false
    done
}

e2e_seed_pc() {
    case $1 in
    winxp) e2e_seed "$E2E_WINE_FIXTURES/xp-voodoo5-5500.reg" ;;
    nt40 | win2k) e2e_seed "$E2E_WINE_FIXTURES/nt-voodoo5-5500.reg" ;;
    *) e2e_seed "$E2E_FIXTURES/win98-voodoo5-5500.reg" ;;
    esac
}

# e2e_seed_text NAME: imports the REGEDIT4 sections given on stdin (without the header line).
e2e_seed_text() {
    { printf 'REGEDIT4\n\n'; cat; } >"$E2E_DIR/$1.reg"
    e2e_import "$1.reg" || check "import $1" false
}

# Runs the host on a virtual desktop (without a window manager every hidden window would stall
# Wine); E2E_LOG holds this run's log only. A host that hangs is stopped after a minute, with
# the rest of this prefix's processes (E2E_HOST_TIMEOUT seconds for a long run).
e2e_host() {
    : >"$E2E_LOG"
    (cd "$E2E_DIR" && timeout "${E2E_HOST_TIMEOUT:-60}" env WINEPREFIX="$E2E_PREFIX" wine explorer /desktop=tarv,800x600 \
        'C:\e2e\dispprops.exe' --log 'C:\e2e\host.log' "$@" >/dev/null 2>&1)
    local status=$?
    if [ $status = 124 ]; then
        echo "    (the host did not finish within ${E2E_HOST_TIMEOUT:-60} seconds)"
        WINEPREFIX="$E2E_PREFIX" wineserver -k >/dev/null 2>&1
        WINEPREFIX="$E2E_PREFIX" wineserver -w >/dev/null 2>&1
        WINEPREFIX="$E2E_PREFIX" wineserver -p >/dev/null 2>&1
    fi
    tr -d '\r' <"$E2E_LOG" | sed 's/^/    | /'
    return $status
}

# Runs dlgdriver on a virtual desktop with the installer E2E_PROGRAM (C:\TARV\TARVINST.EXE
# unless a test sets it); like e2e_host otherwise.
E2E_PROGRAM='C:\TARV\TARVINST.EXE'
e2e_installer() {
    : >"$E2E_LOG"
    (cd "$E2E_DIR" && timeout 90 env WINEPREFIX="$E2E_PREFIX" wine explorer /desktop=tarv,800x600 \
        'C:\e2e\dlgdriver.exe' --log 'C:\e2e\host.log' --program "$E2E_PROGRAM" "$@" \
        >/dev/null 2>&1)
    local status=$?
    # The installer's texts arrive in its code page; the checks are written in UTF-8.
    iconv -f CP1252 -t UTF-8 "$E2E_LOG" | tr -d '\r' >"$E2E_LOG.utf8" && mv "$E2E_LOG.utf8" "$E2E_LOG"
    if [ $status = 124 ]; then
        echo "    (the installer run did not finish within 90 seconds)"
        WINEPREFIX="$E2E_PREFIX" wineserver -k >/dev/null 2>&1
        WINEPREFIX="$E2E_PREFIX" wineserver -w >/dev/null 2>&1
        WINEPREFIX="$E2E_PREFIX" wineserver -p >/dev/null 2>&1
    fi
    tr -d '\r' <"$E2E_LOG" | sed 's/^/    | /'
    return $status
}

e2e_export() {
    local key=$1 name=$2
    rm -f "$E2E_DIR/$name.reg"
    e2e_wine regedit /e "C:\\e2e\\$name.reg" "$key"
    [ -f "$E2E_DIR/$name.reg" ] || : >"$E2E_DIR/$name.reg"
    # One line per value, prefixed with its key; hex values continued over lines are joined.
    iconv -f UTF-16LE -t UTF-8 "$E2E_DIR/$name.reg" 2>/dev/null | tr -d '\r' | sed 's/^\xEF\xBB\xBF//' |
        awk '
            /^\[/ { key = $0; print key; next }
            /^Windows Registry Editor/ || /^$/ { next }
            { part = $0; if (line != "") sub(/^ +/, "", part); line = line part }
            /\\$/ { sub(/\\$/, "", line); next }
            { print key "\t" line; line = "" }
        ' >"$E2E_DIR/$name.txt"
}

# Where the test script made the check that is being reported: the first caller that is
# neither in this file nor a check helper of the script's own, so a failure names the
# scenario's line rather than a helper's.
e2e_caller() {
    local i
    for ((i = 1; i < ${#BASH_SOURCE[@]}; i++)); do
        if [ "${BASH_SOURCE[$i]}" != "${BASH_SOURCE[0]}" ] && [[ ${FUNCNAME[$i]} != check* ]]; then
            echo "$(basename "${BASH_SOURCE[$i]}"):${BASH_LINENO[$((i - 1))]}"
            return
        fi
    done
}

check() {
    local what=$1; shift
    if "$@"; then
        echo "ok   - $what"
    else
        echo "FAIL - $what ($(e2e_caller))"
        E2E_FAILURES=$((E2E_FAILURES + 1))
    fi
}

# check_log WHAT TEXT: the last host log has a line that is exactly TEXT.
check_log() {
    check "$1" grep -qxF -- "$2" <(tr -d '\r' <"$E2E_LOG")
}

# check_log_start WHAT TEXT: the last host log has a line that starts with TEXT (for control
# lines of a dump, whose rectangles in pixels depend on the fonts Wine has).
check_log_start() {
    check "$1" env TEXT="$2" awk 'BEGIN { found = 1 } index($0, ENVIRON["TEXT"]) == 1 { found = 0 }
        END { exit found }' <(tr -d '\r' <"$E2E_LOG")
}

# check_no_log WHAT PATTERN: no line of the last host log matches PATTERN (grep -E).
check_no_log() {
    check "$1" bash -c '! tr -d "\r" <"$0" | grep -qE -- "$1"' "$E2E_LOG" "$2"
}

# The value line of an export, e.g. reg_value after '[HKEY_...\DEFAULT]' Grxclock gives
# "Grxclock"="175"; nothing when the value is absent.
reg_value() {
    local name=$3
    [ "$name" = @ ] || name="\"$name\""
    # Through the environment: awk -v would read the backslashes of key paths as escapes.
    KEY=$2 NAME=$name awk -F '\t' \
        'tolower($1) == tolower(ENVIRON["KEY"]) && index($2, ENVIRON["NAME"] "=") == 1 { print $2 }' \
        "$E2E_DIR/$1.txt"
}

# The text of a string value in an export, regedit's escapes undone; nothing when absent.
reg_text() {
    reg_value "$@" | sed 's/^[^=]*="//; s/"$//; s/\\\(.\)/\1/g'
}

# check_value WHAT EXPORT KEY NAME EXPECTED-LINE (empty: the value must be absent)
check_value() {
    local got
    got=$(reg_value "$2" "$3" "$4")
    if [ "$got" = "$5" ]; then
        echo "ok   - $1"
    else
        echo "FAIL - $1 ($(e2e_caller)): expected [$5], found [$got]"
        E2E_FAILURES=$((E2E_FAILURES + 1))
    fi
}

# check_same WHAT EXPORT-A EXPORT-B: two exports are byte for byte the same.
check_same() {
    if cmp -s "$E2E_DIR/$2.reg" "$E2E_DIR/$3.reg"; then
        echo "ok   - $1"
    else
        echo "FAIL - $1 ($(e2e_caller)):"
        diff "$E2E_DIR/$2.txt" "$E2E_DIR/$3.txt" | sed 's/^/    /' | head -n 40
        E2E_FAILURES=$((E2E_FAILURES + 1))
    fi
}

# check_changes WHAT EXPORT-A EXPORT-B: the lines that differ between two exports are exactly
# the ones given on stdin ("- line" removed, "+ line" added), in any order.
check_changes() {
    local expected actual
    expected=$(grep -v '^$' | LC_ALL=C sort)
    actual=$(diff <(LC_ALL=C sort "$E2E_DIR/$2.txt") <(LC_ALL=C sort "$E2E_DIR/$3.txt") |
        sed -n 's/^< /- /p; s/^> /+ /p' | LC_ALL=C sort)
    if [ "$expected" = "$actual" ]; then
        echo "ok   - $1"
    else
        echo "FAIL - $1 ($(e2e_caller))"
        echo "    expected changes:"; sed 's/^/      /' <<<"$expected"
        echo "    actual changes:"; sed 's/^/      /' <<<"$actual"
        E2E_FAILURES=$((E2E_FAILURES + 1))
    fi
}

# check_class_changes WHAT EXPORT-A EXPORT-B: check_changes for two exports of
# HKEY_CLASSES_ROOT. In Wine's WoW64 mode a 32-bit program enumerating HKEY_CLASSES_ROOT is
# shown Wow6432Node, which Windows hides from it, and under it the same 32-bit CLSID keys once
# more (tests/wine/probe/wow6432node.sh shows it); there each expected CLSID line is expected
# a second time under Wow6432Node.
check_class_changes() {
    local expected
    expected=$(cat)
    if [ "${TARV_WINE_MODE:-}" = wow64 ]; then
        expected=$(sed -n 'p; s/^\([-+] \[HKEY_CLASSES_ROOT\\\)CLSID\\/\1Wow6432Node\\CLSID\\/p' <<<"$expected")
    fi
    check_changes "$@" <<<"$expected"
}

# Wine's display driver rewrites its own device bookkeeping under HKLM\System at every start
# (a driver date under Control\Class\{4D36E968-...} and the Control\Video keys); an export of
# HKLM\System without those is what the tab's own writes can be compared on.
e2e_export_system() {
    e2e_export 'HKEY_LOCAL_MACHINE\System' "$1"
    grep -v -e '"DriverDateData"=' -e '^\[HKEY_LOCAL_MACHINE\\System\\[^\\]*\\Control\\Video' \
        "$E2E_DIR/$1.txt" >"$E2E_DIR/$1.tmp" && mv "$E2E_DIR/$1.tmp" "$E2E_DIR/$1.txt"
}

e2e_end() {
    e2e_stop
    trap - EXIT
    if [ "$E2E_FAILURES" -ne 0 ]; then
        echo "$E2E_FAILURES check(s) failed"
        exit 1
    fi
    echo "all checks passed"
    exit 0
}
