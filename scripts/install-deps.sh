#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Tarvio needs.
# Idempotent: packages already present are left alone.
set -euo pipefail

packages=(
  cmake ninja-build g++ make
  googletest libgtest-dev libbenchmark-dev
  clang libclang-rt-dev clang-format
  g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32 binutils-mingw-w64
  wine64 xvfb xauth
  imagemagick
  nsis zip p7zip-full
  faketime
  fonts-wine
  locales
)

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

# A Japanese Windows under Wine (ANSI code page 932) needs the machine's Japanese UTF-8
# locale: without it Wine reads the command line of its programs as plain ASCII.
if ! locale -a 2>/dev/null | grep -qx 'ja_JP.utf8'; then
  grep -qx 'ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null ||
    echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi

# The 32-bit Wine for the i686 build (its own root; re-registers qemu after a reboot).
bash "$(dirname "$0")/install-wine32.sh"
