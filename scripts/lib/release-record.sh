# Sourced by scripts/release.sh and the published-release test: what README.md says of the
# published release (sizes, SHA-256 sums, the toolchain that built it) is written from release/
# and checked against it, so the page never names other bytes than the ones committed.
#   release_toolchain                  the versions of the tools that shape the bytes, one line
#   release_readme_block DIR TOOLCHAIN the README.md lines for the release in DIR
#   release_readme_update README DIR   rewrites those lines in README with this machine's tools
#   release_readme_current README      the lines README.md holds now
#   release_readme_toolchain README    the toolchain README.md names

release_begin_marker='<!-- release: written by `bash scripts/release.sh --publish`, do not edit -->'
release_end_marker='<!-- /release -->'

release_toolchain() {
    local pkg version out=
    for pkg in g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev zip mtools; do
        version=$(dpkg-query -W -f='${Version}' "$pkg" 2>/dev/null) || version=unknown
        out+="${out:+, }$pkg $version"
    done
    echo "$out"
}

release_size() { stat -c %s "$1" | sed -e ':a' -e 's/\B[0-9]\{3\}\>/,&/; ta'; }

release_readme_block() {
    local dir=$1 toolchain=$2 zip img
    zip=$(basename "$dir"/tarvello-*.zip)
    img=$(basename "$dir"/tarvello-*.img)
    cat <<BLOCK
$release_begin_marker
- **Download** [\`$zip\`](release/$zip) ($(release_size "$dir/$zip") bytes) or the 1.44 MB floppy
  image [\`$img\`](release/$img) ($(release_size "$dir/$img") bytes; write it to a disk with
  \`dd if=$img of=/dev/fd0\`). Both hold the same three files. Their SHA-256 sums, also in
  [\`SHA256SUMS\`](release/SHA256SUMS) (\`sha256sum -c SHA256SUMS\` checks them):
  - \`$zip\` \`$(sha256sum "$dir/$zip" | cut -d' ' -f1)\`
  - \`$img\` \`$(sha256sum "$dir/$img" | cut -d' ' -f1)\`
- Built on Debian 12 with $toolchain.
$release_end_marker
BLOCK
}

release_readme_current() {
    sed -n "\\#^$release_begin_marker\$#,\\#^$release_end_marker\$#p" "$1"
}

release_readme_toolchain() {
    release_readme_current "$1" | sed -n 's/^- Built on Debian 12 with \(.*\)\.$/\1/p'
}

release_readme_update() {
    local readme=$1 dir=$2 block
    block=$(release_readme_block "$dir" "$(release_toolchain)")
    if ! grep -qxF "$release_begin_marker" "$readme"; then
        echo "release: $readme has no line '$release_begin_marker'" >&2
        return 1
    fi
    BLOCK=$block BEGIN_MARK=$release_begin_marker END_MARK=$release_end_marker perl -0pi -e \
        's{^\Q$ENV{BEGIN_MARK}\E\n.*?^\Q$ENV{END_MARK}\E\n}{$ENV{BLOCK}\n}ms' "$readme"
}
