#!/usr/bin/env bash
# Installs what building and testing the uninstaller needs on Debian, when
# it is missing: the native toolchain and GoogleTest, MinGW-w64 for i686,
# 32-bit Wine, a virtual display and the tools that answer and photograph
# message boxes.
set -euo pipefail

packages=(
  cmake g++ make libgtest-dev file python3
  g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
  wine wine32:i386
  xvfb xdotool x11-utils imagemagick
  clang
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi

echo "installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${as_root[@]}" dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
