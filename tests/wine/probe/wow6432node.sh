#!/usr/bin/env bash
# What a 32-bit program is shown of HKEY_CLASSES_ROOT, in the Wine mode scripts/lib/wine-env.sh
# chooses (TARV_WINE_MODE=win32 or wow64 forces one): one class key written through the 32-bit
# reg, then the keys holding it in the 32-bit regedit's export of HKEY_CLASSES_ROOT.
# In WoW64 mode it is listed twice, as CLSID\{...} and again under Wow6432Node, which Windows
# hides from 32-bit programs' enumerations; in win32 mode once.
# Usage: wow6432node.sh
set -eu
. "$(dirname "$0")/../../../scripts/lib/wine-env.sh"
wine_env_mode
wine_env_mode_line
root=$(mktemp -d /tmp/tarv-probe.XXXXXX)
trap 'WINEPREFIX="$root/prefix" wineserver -k >/dev/null 2>&1; rm -rf "$root"' EXIT
wine_env_use "$root"
export WINEPREFIX="$root/prefix"
wineboot -i >/dev/null 2>&1
class='{0DDBA11A-0000-4000-8000-00000000CAFE}'
wine reg add "HKCR\\CLSID\\$class" /f >/dev/null
wine regedit /e 'C:\classes.reg' HKEY_CLASSES_ROOT
iconv -f UTF-16LE -t UTF-8 "$WINEPREFIX/drive_c/classes.reg" | tr -d '\r' | grep -F "$class"
