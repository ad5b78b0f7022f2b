#!/usr/bin/env bash
# The published release is what this source builds: scripts/release.sh run into a scratch folder
# gives, byte for byte, the files committed in release/, and README.md names their sizes and sums.
# A difference ends in one line that names the file, the command that refreshes the release and
# the tool versions on both sides, so a changed toolchain is told apart from a changed source.
# Usage: published-release.sh [BUILD-DIR]   (default build/windows)
set -uo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/windows}
. scripts/lib/release-record.sh
scratch=$(mktemp -d /tmp/tarv-published.XXXXXX)
trap 'rm -rf "$scratch"' EXIT

published=$(release_readme_toolchain README.md)
refresh="refresh it with 'bash scripts/release.sh --publish' and commit release/ and README.md"
here=$(release_toolchain)
if [ "$published" = "$here" ]; then
    tools="the same tools as the published files: $here"
else
    tools="published with: ${published:-unknown}; this machine: $here"
fi
stale() { echo "RELEASE DIFFERS: $1; $refresh ($tools)"; exit 1; }

TARV_BUILD_DIR=$build bash scripts/release.sh --out "$scratch" >"$scratch.log" 2>&1 ||
    { tail -n 20 "$scratch.log"; rm -f "$scratch.log"; stale "scripts/release.sh failed"; }
rm -f "$scratch.log"

expected='SHA256SUMS tarvello-1.0.img tarvello-1.0.zip'
[ "$(ls release 2>/dev/null | sort | xargs)" = "$expected" ] ||
    stale "release/ must hold exactly $expected, it holds: $(ls release 2>/dev/null | xargs)"
for f in tarvello-1.0.zip tarvello-1.0.img SHA256SUMS; do
    cmp -s "$scratch/$f" "release/$f" || stale "release/$f is not what this source builds"
done
[ "$(release_readme_current README.md)" = "$(release_readme_block release "$published")" ] ||
    stale "README.md's download lines do not name the sizes and sums of release/"
echo "release/ is what this source builds: $(cut -c1-16 release/SHA256SUMS | xargs)"
