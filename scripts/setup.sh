#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test Tarvello.
# Idempotent: prints nothing when everything is already present.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

for p in cmake g++ make g++-mingw-w64-i686 binutils-mingw-w64-i686 googletest \
         xvfb xauth imagemagick libclang-rt-14-dev clang python3 locales fonts-wine zip unzip \
         mtools; do
  have_pkg "$p" || need+=("$p")
done
# Wine in both of its modes: the 32-bit loader (wine32, from the i386 architecture) where the
# kernel runs 32-bit programs, and the 64-bit loader (wine64), which runs our 32-bit programs
# in its WoW64 mode where it does not. Both need the i386 package's 32-bit Windows DLLs.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "setup: enabling the i386 architecture for Wine's 32-bit Windows DLLs"
  dpkg --add-architecture i386
  need+=(wine wine32:i386 wine64)
else
  for p in wine wine32:i386 wine64; do
    have_pkg "$p" || need+=("$p")
  done
fi

if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
  echo "setup: done"
fi

# The 64-bit loader looks for 32-bit Windows DLLs only beside its own, where the amd64 package
# ships just zlib1.dll: link the i386 package's DLLs in one by one (linking the folder whole made
# every combo box fail to create).
dlls32=/usr/lib/i386-linux-gnu/wine/i386-windows
dlls64=/usr/lib/x86_64-linux-gnu/wine/i386-windows
if [ -d "$dlls32" ] && [ -d "$dlls64" ]; then
  linked=0
  for f in "$dlls32"/*; do
    name=${f##*/}
    if [ ! -e "$dlls64/$name" ]; then
      ln -sf "$f" "$dlls64/$name"
      linked=$((linked + 1))
    fi
  done
  [ "$linked" -eq 0 ] || echo "setup: made $linked 32-bit Windows DLLs visible to the 64-bit Wine loader"
fi

# The Wine tests and the screenshots run the page with French and German as the system language.
missing_locales=()
for l in fr_FR de_DE; do
  locale -a 2>/dev/null | grep -qix "$l.utf-\?8" || missing_locales+=("$l")
done
if [ ${#missing_locales[@]} -gt 0 ]; then
  echo "setup: generating the locales ${missing_locales[*]}"
  for l in "${missing_locales[@]}"; do
    grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen 2>/dev/null || echo "$l.UTF-8 UTF-8" >>/etc/locale.gen
  done
  locale-gen >/dev/null
fi
