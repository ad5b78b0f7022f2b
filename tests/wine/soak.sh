#!/usr/bin/env bash
# Hundreds of openings in one host process leave nothing behind: the sheet with the tab opened
# and cancelled 500 times, then the Refresh Rates dialog opened and cancelled 100 times, with
# the windows and the process heap counted after a few warm-up rounds and again at the end.
# The library still unloads afterwards.
# Usage: soak.sh TARVPAGE.DLL dispprops.exe
. "$(dirname "$0")/e2e-lib.sh"

# Wine's own caches may grow once after the warm-up (a font or an atom: some hundred bytes);
# a leak of one heap block per opening cannot stay under this over 100 or 500 openings.
# Wine answers GetGuiResources with 0, so its GDI and USER counts stay level by themselves; its
# gdi32 and user32 keep their objects in the process heap, which is what catches their leaks.
heap_slack=2048

e2e_begin soak win98
e2e_seed "$E2E_FIXTURES/win98-voodoo5-5500.reg" "$E2E_WINE_FIXTURES/tarvello-tab.reg"

# One to three minutes under Wine, depending on the machine; the default limit is for short runs.
E2E_HOST_TIMEOUT=420 e2e_host cancel \
    repeat:5:open,tab:Tarvello,cancel resources repeat:500:open,tab:Tarvello,cancel resources \
    open tab:Tarvello \
    repeat:5:dlgcancel:1026 resources repeat:100:dlgcancel:1026 resources \
    cancel canunload freeunused

# resources N FIELD: that field of the Nth resources line (windows, gdi, user, heap).
resources() {
    tr -d '\r' <"$E2E_LOG" | grep '^resources: ' | sed -n "$1p" |
        awk -v field="$2" '{ for (i = 2; i < NF; i += 2) if ($i == field) print $(i + 1) }'
}
# check_steady WHAT FIRST LAST: the counts of the two resources lines match, the heap within
# the slack.
check_steady() {
    local field before after
    for field in windows gdi user; do
        before=$(resources "$2" $field) after=$(resources "$3" $field)
        check "$1: $field $before, then $after" test -n "$before" -a "$before" = "$after"
    done
    before=$(resources "$2" heap) after=$(resources "$3" heap)
    check "$1: heap $before bytes, then $after" test -n "$before" -a -n "$after" -a \
        "$((after - before))" -le "$heap_slack"
}

check_log "every step ran and no message box appeared" "done: 0 step(s) failed, 0 message box(es)"
check_steady "500 openings of the sheet" 1 2
check_steady "100 openings of the Refresh Rates dialog" 3 4
check_log "the library may unload after the last sheet" "DllCanUnloadNow Tarvello: S_OK"
check_log "and COM unloads it" "after CoFreeUnusedLibraries Tarvello: unloaded"

e2e_end
