#!/usr/bin/env bash
# The library stays loaded while a sheet page built from the tab lives, also after the shell
# has released the COM object and asked COM to free unused libraries, and unloads once the
# page is gone. Wine's comctl32 ignores the page's reference-parent counter, so this is the
# library's own hold on itself at work.
# On Windows 98 by default, or on Me, or on XP with its service keys.
# Usage: unload.sh [winme|winxp] TARVPAGE.DLL dispprops.exe
flavour=win98
case $1 in winme | winxp) flavour=$1; shift ;; esac
. "$(dirname "$0")/e2e-lib.sh"

e2e_begin "unload-$flavour" "$flavour"
e2e_seed_pc "$flavour"
e2e_seed "$E2E_WINE_FIXTURES/tarvello-tab.reg"

# The library's answers and load state, in order, as one line.
unload_story() {
    tr -d '\r' <"$E2E_LOG" | sed -n 's/^DllCanUnloadNow Tarvello: //p; s/^after CoFreeUnusedLibraries Tarvello: //p' |
        paste -sd ' '
}
check_story() {
    local story
    story=$(unload_story)
    if [ "$story" = "$2" ]; then
        echo "ok   - $1"
    else
        echo "FAIL - $1 ($(e2e_caller)): expected [$2], found [$story]"
        E2E_FAILURES=$((E2E_FAILURES + 1))
    fi
}

e2e_host tab:Tarvello canunload freeunused click:1006 dump canunload ok canunload freeunused
check_story "held while the shown page lives, free once the sheet is gone" \
    "S_FALSE loaded S_FALSE S_OK unloaded"
check_log_start "the page still works after CoFreeUnusedLibraries" \
    'control 1006 Button "Don'"'"'t sync buffer swaps to monitor refresh rate for &OpenGL" checked=1 enabled=1'

e2e_host canunload freeunused close canunload freeunused
check_story "a page that was never shown holds the library too, until its sheet is destroyed" \
    "S_FALSE loaded S_OK unloaded"

e2e_host --refuse-pages canunload freeunused
check_log "a refused page is reported" \
    'message box: caption "XShellPropSheetExt::AddPages" text "lpfnAddPage() FAILED"'
check_log "the shell still gets S_OK" \
    "handler Tarvello {7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}: Initialize S_OK, AddPages S_OK, 0 page(s)"
check_story "a refused page lets go of the library" "S_OK unloaded"

e2e_host tab:Tarvello click:1009 slider:1001:175 ok open tab:Tarvello dump cancel freeunused \
    open tab:Tarvello dump cancel
check_log "a second sheet in the same process opens" "open: sheet with 2 page(s)"
count=$(tr -d '\r' <"$E2E_LOG" | grep -c '^control 1001 msctls_trackbar32 pos=175 range=120..220 enabled=1')
check "both later openings show the applied clock, with and without a reload ($count)" \
    test "$count" = 2
check_story "the library was unloaded between the openings" "unloaded"

e2e_end
