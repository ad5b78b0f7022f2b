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
# Wine must run 32-bit programs, which needs the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "setup: enabling the i386 architecture for 32-bit Wine"
  dpkg --add-architecture i386
  need+=(wine wine32:i386)
else
  have_pkg wine || need+=(wine)
  have_pkg wine32:i386 || need+=(wine32:i386)
fi

if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
  echo "setup: done"
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
