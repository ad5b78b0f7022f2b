#!/usr/bin/env bash
# The tab and the Refresh Rates dialog on an English, a French and a German Windows 98 (the
# system language comes from the locale Wine runs in): each opens in the system language and
# layout, and the hidden gesture steps French, German, English. Texts are checked in UTF-8.
# Usage: languages.sh TARVPAGE.DLL dispprops.exe
. "$(dirname "$0")/e2e-lib.sh"

e2e_begin languages win98
e2e_seed "$E2E_FIXTURES/win98-voodoo5-5500.reg" "$E2E_WINE_FIXTURES/tarvello-tab.reg"

# The host in one system language: a fresh wineserver picks up the locale. The log is turned
# from the page's code page 1252 into UTF-8 for the checks.
host_in() {
    local locale=$1; shift
    WINEPREFIX="$E2E_PREFIX" wineserver -k >/dev/null 2>&1
    WINEPREFIX="$E2E_PREFIX" wineserver -w >/dev/null 2>&1
    LC_ALL=$locale e2e_host "$@"
    iconv -f CP1252 -t UTF-8 "$E2E_LOG" >"$E2E_LOG.utf8" && mv "$E2E_LOG.utf8" "$E2E_LOG"
}
# The rectangle of a control in the n-th dump of the last log.
rect_of() {
    tr -d '\r' <"$E2E_LOG" | awk -v id="$1" -v n="$2" \
        '/^page |^dialog / { dump++ } dump == n && $1 == "control" && $2 == id { sub(/.* rect=/, ""); print }'
}
steps=(tab:Tarvello dump gesture:1054 dump gesture:1054 dump gesture:1054 dump
       click:1026 dlg:dump dlg:gesture:1035 dlg:dump dlg:gesture:1035 dlg:dump dlg:click:2)

host_in C.UTF-8 "${steps[@]}"
check_log_start "English page" 'control 1006 Button "Don'"'"'t sync buffer swaps to monitor refresh rate for &OpenGL"'
check_log_start "English version line" 'control 1054 Static "Version 1.0 English"'
check_log_start "the gesture shows French" 'control 1054 Static "Version 1.0 Français"'
check_log_start "then German" 'control 1009 Button "G&rafik Takt Anpassung aktivieren"'
check_log_start "the dialog opens in English" 'dialog "Refresh Rates"'
check_log_start "the dialog's gesture shows French" 'dialog "Fréquences de rafraîchissement"'
check_log_start "French lists" 'control 1050 Button "Fréquence par défaut"'
check_log_start "then German" 'dialog "Wiederholraten"'
english_page=$(rect_of 1009 1) english_rates=$(rect_of 1024 5)
check "the page's first gesture widens it" test "$(rect_of 1009 2)" != "$english_page"
check "the third gesture narrows it again" test "$(rect_of 1009 4)" = "$english_page"
check "the dialog's gesture widens it" test "$(rect_of 1024 6)" != "$english_rates"

host_in fr_FR.UTF-8 tab:Tarvello dump gesture:1054 dump click:1026 dlg:dump dlg:click:2
check_log_start "French page" 'control 1006 Button "Désactiver la synchronisation verticale avec l'"'"'écran sous &OpenGL"'
check_log_start "French version line" 'control 1054 Static "Version 1.0 Français"'
check_log_start "the dialog opens in French" 'dialog "Fréquences de rafraîchissement"'
check "wide page" test "$(rect_of 1009 1)" != "$english_page"
check "the first gesture shows French again" test "$(rect_of 1009 2)" = "$(rect_of 1009 1)"
check "wide dialog" test "$(rect_of 1024 3)" != "$english_rates"

host_in de_DE.UTF-8 tab:Tarvello dump click:1026 dlg:dump dlg:click:2
check_log_start "German page" 'control 1057 Static "Installiert für:"'
check_log_start "German About group" 'control 1058 Button "Über"'
check_log_start "the dialog opens in German" 'dialog "Wiederholraten"'
check_log_start "German buttons" 'control 2 Button "Abbruch"'
check "wide page" test "$(rect_of 1009 1)" != "$english_page"
check "the tab title stays" grep -q '^tab "Tarvello" selected' "$E2E_LOG"

e2e_end
