#!/usr/bin/env bash
# Installs with apt-get whatever the build and the tests need and this machine
# lacks (Debian 12; as root, or through sudo). Installs nothing when all is there.
# A mirror caught mid-sync is survived: apt-get update is tried three times,
# and an install that fails with the indexes at hand is tried once more with
# the release suites' candidates (apt-get install -t bookworm).
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
  [ "$attempt" = 3 ] || sleep 20
done

# With one index missing, the security suite's i386 one say, wine32:i386 can't
# be resolved: its i386 libraries must have the versions of their amd64 twins,
# whose candidates then come from a suite that offers no i386 builds of them.
# The release suites carry both architectures at one version: take the
# candidates from there.
release=$(. /etc/os-release && echo "$VERSION_CODENAME")
first=$(mktemp)
trap 'rm -f "$first"' EXIT
if ! DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >"$first" 2>&1; then
  echo "install-deps: apt-get install failed with the indexes at hand; trying once more with the candidates of the release suites (-t $release)"
  if ! DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq -t "$release" "${missing[@]}" >/dev/null; then
    echo "install-deps: the first attempt (without -t $release) said:" >&2
    tail -n 20 "$first" >&2
    echo "install-deps: could not install: ${missing[*]}" >&2
    exit 1
  fi
fi
