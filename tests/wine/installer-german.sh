#!/usr/bin/env bash
# The installer on a German Windows 98: its dialogs are German, also with forcelang(FRENCH);
# only the full gesture over the version label steps the model dialog French, German,
# English; the installed dialog opens in German again and its gesture goes on with the cycle;
# a second start while the model dialog is open only brings that dialog forward.
# Usage: installer-german.sh TARVPAGE.DLL dispprops.exe TARVINST.EXE dlgdriver.exe
. "$(dirname "$0")/e2e-lib.sh"

e2e_begin installer-german win98
e2e_language de_DE.UTF-8
e2e_seed "$E2E_FIXTURES/win98-voodoo5-5500.reg"

e2e_installer 'start:forcelang(FRENCH)' wait:1013 text:1008 text:1000 text:1004 text:2 \
    gesture:1013:3 gesture:1013:C text:1013 \
    gesture:1013 text:1013 text:1000 text:2 gesture:1013 text:1013 gesture:1013 text:1013 \
    foreground again: foreground click:1002 click:1 wait:1015 text:1015 gesture:1015 text:1015 click:1 exit
check_log "German group box" 'text 1008 "Modell Wahl"'
check_log "German model button" 'text 1000 "Nicht installieren"'
check_log "German option" 'text 1004 "Bei Weitere Optionen eintragen"'
check_log "German Cancel" 'text 2 "Abbruch"'
check "a right-click without the left button, or without the keys, does nothing" \
    test "$(grep -m1 '^text 1013 ' "$E2E_LOG")" = 'text 1013 "Version 1.0 Deutsch"'
check "the gesture steps the label French, German, English" test \
    "$(grep '^text 1013 ' "$E2E_LOG" | sed -n '2,4p' | paste -sd '|')" = \
    'text 1013 "Version 1.0 Français"|text 1013 "Version 1.0 Deutsch"|text 1013 "Version 1.0 English"'
check_log "French model button" 'text 1000 "Ne pas installer"'
check_log "French Cancel" 'text 2 "Annuler"'
check "the second start ends at once with 0" \
    test "$(grep -c '^exit code 0$' "$E2E_LOG")" = 2
check "the second start leaves the model dialog, not the hidden main window, in front" test \
    "$(grep '^foreground: ' "$E2E_LOG" | paste -sd '|')" = \
    'foreground: #32770 "Tarvello"|foreground: #32770 "Tarvello"'
check "the installed dialog opens in German, its gesture gives French" test \
    "$(grep '^text 1015 ' "$E2E_LOG" | paste -sd '|')" = \
    'text 1015 "Der Tarvello wurde"|text 1015 "Le Tarvello a été"'

e2e_end
