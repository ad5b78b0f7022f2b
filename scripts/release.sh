#!/usr/bin/env bash
# Builds what a Voodoo5 owner downloads: dist/tarvello-1.0.zip and the 1.44 MB floppy image
# dist/tarvello-1.0.img, each holding TARVPAGE.DLL, TARVINST.EXE and README.TXT.
# The same tree gives the same bytes on every run: fixed file dates, a fixed order in the
# archive, a fixed volume serial number and UTC throughout.
#
#   bash scripts/release.sh [--out DIR]     (default DIR: dist)
#   bash scripts/release.sh --publish       the published release: release/ with SHA256SUMS,
#                                           and README.md's download lines with the sums
#
# TARV_BUILD_DIR names the Windows build to use (default build/windows, configured as
# scripts/test.sh configures it); only the two shipped targets are built.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
version=1.0
out=dist
publish=
if [ "${1:-}" = --out ] && [ -n "${2:-}" ]; then out=$2; fi
if [ "${1:-}" = --publish ]; then publish=1; out=build/release/publish; fi
build=${TARV_BUILD_DIR:-build/windows}
stage="$root/build/release/tarvello-$version"
logs="$root/build/logs"

bash scripts/setup.sh
mkdir -p "$logs"

echo "== building TARVPAGE.DLL and TARVINST.EXE in $build (log: build/logs/release-build.log)"
{
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh"
    cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target TARVPAGE TARVINST
} >"$logs/release-build.log" 2>&1 || { tail -n 40 "$logs/release-build.log"; echo "build failed"; exit 1; }

export TZ=UTC
# Every date the archive and the floppy record: the files' own and the volume label's.
release_date='2001-01-01 12:00:00'
export SOURCE_DATE_EPOCH=$(date -d "$release_date" +%s)

rm -rf "$stage"
mkdir -p "$stage"
cp "$build/page/server/TARVPAGE.DLL" "$stage/TARVPAGE.DLL"
cp "$build/installer/TARVINST.EXE" "$stage/TARVINST.EXE"
# The manual is kept as UTF-8 text; Notepad on Windows 95 reads code page 1252 with CRLF.
iconv -f UTF-8 -t CP1252 resources/release/README.TXT | sed 's/$/\r/' >"$stage/README.TXT"
files=(TARVPAGE.DLL TARVINST.EXE README.TXT)
for f in "${files[@]}"; do
    chmod 644 "$stage/$f"
    touch -d "$release_date" "$stage/$f"
done

mkdir -p "$out"
zip="$out/tarvello-$version.zip"
img="$out/tarvello-$version.img"
rm -f "$zip" "$img"
# -X: no extra fields (owner, high-resolution times); -D: no directory entries.
(cd "$stage" && zip -X -D -q "$root/build/release/tarvello.zip" "${files[@]}")
mv "$root/build/release/tarvello.zip" "$zip"

export MTOOLS_SKIP_CHECK=1
mformat -f 1440 -v TARVELLO -N 20010101 -C -i "$img" ::
for f in "${files[@]}"; do mcopy -m -i "$img" "$stage/$f" "::$f"; done

(cd "$out" && sha256sum "tarvello-$version.zip" "tarvello-$version.img") >"$out/SHA256SUMS"

if [ -n "$publish" ]; then
    . scripts/lib/release-record.sh
    rm -rf release
    mkdir release
    cp "$out/tarvello-$version.zip" "$out/tarvello-$version.img" "$out/SHA256SUMS" release/
    release_readme_update README.md release
    echo "== published in release/ (commit release/ and README.md together with the source)"
    cat release/SHA256SUMS
else
    echo "== release in $out/"
    cat "$out/SHA256SUMS"
fi
