#!/usr/bin/env bash
# Takes the pictures of the real program for the README: the setup dialog
# (docs/setup-dialog.png) and the about box (docs/about-box.png), each cut to
# its window from a shot of the whole (virtual) screen.
#   scripts/screenshots.sh            builds build/mingw64 and build/mingw64-tests as needed
#   BUILD_DIR=build/x scripts/screenshots.sh
# Needs ImageMagick (import, convert) besides the build tools, wine and Xvfb.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)

if [ "${1:-}" = "--inside" ]; then
  # Inside scripts/with-wine.sh: the driver poses each window and waits for
  # its picture.
  bin=$2 work=$3
  wine "$bin/screenshot_driver.exe" "$bin/DARIVOVA.EXE" "Z:${work//\//\\}" &
  driver=$!
  for pair in setup:setup-dialog about:about-box; do
    name=${pair%%:*} picture=${pair#*:}
    for _ in $(seq 300); do [ -s "$work/$name.rect" ] && break; sleep 0.1; done
    [ -s "$work/$name.rect" ] || { echo "screenshots: no $name window" >&2; kill "$driver"; exit 1; }
    read -r x y w h < "$work/$name.rect"
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$root/docs/$picture.png"
    echo "docs/$picture.png: ${w}x${h} at $x,$y"
    touch "$work/$name.done"
  done
  wait "$driver"
  exit
fi

build=${BUILD_DIR:-build/mingw64-tests}
case $build in /*) ;; *) build=$root/$build ;; esac
(cd "$root" && cmake --preset mingw64 >/dev/null && cmake --build --preset mingw64 >/dev/null)
if [ ! -f "$build/CMakeCache.txt" ]; then
  (cd "$root" && cmake --preset mingw64-tests -B "$build")
fi
cmake --build "$build" --target DARIVOVA screenshot_driver
mkdir -p "$root/docs"

work=$(mktemp -d /tmp/darivova-shots.XXXXXX)
trap 'rm -rf "$work"' EXIT
"$root/scripts/with-wine.sh" "$0" --inside "$build/bin" "$work"
