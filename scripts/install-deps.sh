#!/usr/bin/env bash
# Installs with apt-get whatever the build and the tests need and this machine
# lacks (Debian 12; as root, or through sudo). Installs nothing when all is there.
set -euo pipefail

packages=(
  cmake make g++ googletest libgtest-dev        # host build and unit tests
  clang libclang-rt-14-dev                      # fuzz targets (libFuzzer, sanitizers)
  g++-mingw-w64-x86-64 g++-mingw-w64-i686       # the Windows builds
  wine wine64 wine32:i386 fonts-wine            # running them (64- and 32-bit)
  xvfb imagemagick                              # a display, and screenshots of it
  python3                                       # the import audit, the release package
  locales                                       # a Japanese locale for the code page 932 test
)

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

# 32-bit Wine comes from the i386 architecture. It must be installed before any
# Wine prefix is made: a prefix made without it can't run programs afterwards.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then exit 0; fi

echo "Installing: ${missing[*]}"
# A mirror caught mid-sync fails one index; try again, then go on with the
# indexes that did arrive rather than give up on the whole install.
for attempt in 1 2 3; do
  if $sudo apt-get update -qq; then break; fi
  echo "apt-get update failed (attempt $attempt)" >&2
  sleep 20
done
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
