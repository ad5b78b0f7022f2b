#!/usr/bin/env bash
# Checks a shipped binary against what a retail Windows 95 offers: every imported function must
# be on the allowlist (DLL!Function lines) and imported by name, the subsystem and OS versions
# must be 4.0, the binary must be 32-bit x86 code a Pentium runs, without the PE directories
# the Windows 95 loader does not handle (and a DLL with its base relocations), its exports must
# be among the given names, it must stay below a size limit and its constructor list must be
# empty (the small runtime never runs one).
# Usage: check-imports.sh OBJDUMP ALLOWLIST BINARY LINK_MAP MAX_BYTES [--all] EXPORT...
#   LINK_MAP: the linker's map of BINARY (-Wl,-Map), which tells where the list lies
#   --all: every listed export must be present (otherwise they are only allowed).
set -u
objdump=$1 allowlist=$2 binary=$3 link_map=$4 max_bytes=$5
shift 5
require_all=0
if [ "${1:-}" = --all ]; then require_all=1; shift; fi
allowed_exports=("$@")
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

[ -f "$binary" ] || { echo "FAIL: $binary does not exist"; exit 1; }
dump=$("$objdump" -p "$binary") || { echo "FAIL: objdump cannot read $binary"; exit 1; }
name=$(basename "$binary")

grep -q 'file format pei-i386' <<<"$dump" || fail "$name is not a 32-bit x86 PE file"
field() { awk -v f="$1" '$1 == f { print $2; exit }' <<<"$dump"; }
for f in MajorOSystemVersion:4 MinorOSystemVersion:0 MajorSubsystemVersion:4 MinorSubsystemVersion:0; do
    [ "$(field "${f%%:*}")" = "${f##*:}" ] || fail "$name: ${f%%:*} is $(field "${f%%:*}"), not ${f##*:}"
done

# Imports as DLL!Function, DLL names in capitals as the allowlist writes them.
imports=$(awk '
    /^[ \t]*DLL Name:/ { dll = toupper($3); sub(/\.DLL$/, "", dll); inside = 1; next }
    inside && /^[ \t]*$/ { inside = 0; next }
    inside && /vma:|Hint\/Ord/ { next }
    inside && NF >= 3 { print dll "!" $3; next }
    inside && NF == 2 { print dll "!#" $2 }  # imported by ordinal
' <<<"$dump" | sort -u)
[ -n "$imports" ] || fail "$name: no imports found (objdump output not understood)"
allowed=$(grep -v -e '^#' -e '^[[:space:]]*$' "$allowlist" | tr -d '\r' | awk '{ print toupper($1) }' | sort -u)
while read -r import; do
    [ -z "$import" ] && continue
    grep -qxF "$(tr '[:lower:]' '[:upper:]' <<<"$import")" <<<"$allowed" ||
        fail "$name imports $import, which is not on the Windows 95 allowlist"
done <<<"$imports"

# Every import by name: a retail Windows 95 DLL's ordinals are not those of later versions.
by_ordinal=$(grep -F '!#' <<<"$imports" | paste -sd ' ')
[ -z "$by_ordinal" ] || fail "$name imports by ordinal: $by_ordinal"

# Directories the Windows 95 loader does not handle (thread-local storage of a loaded DLL, the
# load configuration, bound and delay-load imports) must be empty; a DLL, which may not get its
# preferred base, must carry its base relocations.
directory() { awk -v e="$1" '$1 == "Entry" && $2 == e { print $3 $4; exit }' <<<"$dump"; }
for entry in "9:thread-local storage" "a:load configuration" "b:bound import" "d:delay-load import"; do
    [ "$(directory "${entry%%:*}")" = 0000000000000000 ] || fail "$name has a ${entry#*:} directory"
done
case $name in
*.dll | *.DLL)
    relocations=$(directory 5)
    [ -n "$relocations" ] && [ "$relocations" != 0000000000000000 ] ||
        fail "$name is a DLL without base relocations" ;;
esac

# Instructions a Pentium (and a Pentium MMX without its MMX unit in use, or a K6) lacks:
# conditional moves, the P6 floating-point compares, the time-stamp counter and CPUID, and any
# MMX or SSE register.
newer=$("$objdump" -d --no-show-raw-insn "$binary" | awk -F'\t' 'NF >= 2 { print $2 }' |
    grep -Eoi '^(cmov|fcmov|fcomi|fucomi|rdtsc|cpuid)[a-z]*|%x?mm[0-9]+' | sort -u | paste -sd ' ')
[ -z "$newer" ] || fail "$name uses instructions a Pentium lacks: $newer"

# Exports, from the name pointer table.
exports=$(awk '/^\[Ordinal\/Name Pointer\] Table/ { t = 1; next } t && /^\t\[/ { print $NF; next } t { t = 0 }' \
    <<<"$dump" | sort -u)
while read -r export; do
    [ -z "$export" ] && continue
    printf '%s\n' "${allowed_exports[@]}" | grep -qxF "$export" || fail "$name exports $export"
done <<<"$exports"
if [ "$require_all" = 1 ]; then
    for export in "${allowed_exports[@]}"; do
        grep -qxF "$export" <<<"$exports" || fail "$name does not export $export"
    done
fi

# Static constructors. The PE linker script places the list inside .text between two markers,
# __CTOR_LIST__ (-1) and a closing 0, with every object's .ctors in between; the stripped
# binary has no symbols, so the map says where the list starts and ends. .init_array or
# .ctors left as sections of their own would be lists nothing walks at all.
orphans=$("$objdump" -h "$binary" | awk '$2 ~ /^\.(ctors|ctor|init_array)/ { print $2 }' | paste -sd ' ')
[ -z "$orphans" ] || fail "$name has constructor sections of its own: $orphans"
if [ -f "$link_map" ]; then
    # Start: the address of "__CTOR_LIST__ = ."; end: the first "LONG 0x0" after it.
    read -r ctor_start ctor_end < <(awk '
        $2 == "__CTOR_LIST__" && $3 == "=" { start = $1; next }
        start != "" && $3 == "LONG" && $4 == "0x0" { print start, $1; exit }' "$link_map")
    if [ -z "${ctor_start:-}" ] || [ -z "${ctor_end:-}" ]; then
        fail "$name: no constructor list in $link_map (map not understood)"
    else
        ctors=$(( (ctor_end - ctor_start - 4) / 4 ))
        [ "$ctors" -eq 0 ] || fail "$name runs $ctors static constructor(s)"
        # The markers themselves, read from the binary: the map belongs to this very link.
        markers=$("$objdump" -s -j .text --start-address=$((ctor_start)) \
            --stop-address=$((ctor_end + 4)) "$binary" | awk '/^ [0-9a-f]+ / { print $2 $3 }' | head -n 1)
        [ "$ctors" -ne 0 ] || [ "$markers" = ffffffff00000000 ] ||
            fail "$name: the constructor list markers are not at the map's address (found $markers)"
    fi
else
    fail "$link_map does not exist"
fi

size=$(stat -c %s "$binary")
[ "$size" -lt "$max_bytes" ] || fail "$name is $size bytes, not below $max_bytes"

echo "$name: $size bytes, $(wc -l <<<"$imports") imported functions from" \
    "$(cut -d'!' -f1 <<<"$imports" | sort -u | paste -sd ' ')"
[ "$failures" -eq 0 ] && echo "ok" || { echo "$failures problem(s)"; exit 1; }
