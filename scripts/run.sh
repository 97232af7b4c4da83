#!/usr/bin/env bash
# Runs DARIVOVA.EXE under Wine as a user would, in a Wine prefix of its own
# that persists between runs (.wine-run/), so its settings are kept.
#   scripts/run.sh               the setup dialog
#   scripts/run.sh FILE [URL]    hands a copy of FILE over as the browser does,
#                                as a download from URL (default
#                                http://downloads.example/<name of FILE>);
#                                FILE itself is never touched
# On $DISPLAY when there is one; otherwise on a private Xvfb display, where
# nobody can answer, so a screenshot is saved (build/run-screenshot.png) and
# the run is ended after a few seconds.
# In the prefix, "Netscape Navigator" (the browser stand-in) and the archive
# utility stand-in are installed under C:\Program Files; the stand-in only
# records how it was started, in C:\Program Files\Ombrix\ombrix32.log.
# The prefix and the display come from scripts/with-wine.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
helper_dir='C:\Program Files\Ombrix Netscape Helper'
ombrix_dir='C:\Program Files\Ombrix'

if [ "${1:-}" = "--inside" ]; then
  # Inside scripts/with-wine.sh, in the prefix .wine-run/.
  made=$2 private=$3
  shift 3
  if [ "$made" = new ]; then
    # The browser is "installed" for this user, and the archive utility registered.
    wine reg add 'HKCU\Software\Netscape\Netscape Navigator' /f >/dev/null 2>&1
    wine reg add 'HKCR\Ombrix\Shell\Open\Command' /ve /d "\"$ombrix_dir\\ombrix32.exe\" \"%1\"" /f >/dev/null 2>&1
  fi
  mkdir -p "$WINEPREFIX/drive_c/Program Files/Ombrix Netscape Helper" "$WINEPREFIX/drive_c/Program Files/Ombrix"
  cp build/mingw64/bin/DARIVOVA.EXE "$WINEPREFIX/drive_c/Program Files/Ombrix Netscape Helper/"
  cp build/mingw64-tests/bin/ombrix32.exe build/mingw64-tests/bin/navigator_standin.exe "$WINEPREFIX/drive_c/Program Files/Ombrix/"

  if [ $# -eq 0 ]; then
    command=(wine "$helper_dir\\DARIVOVA.EXE")
  else
    file=$1
    url=${2:-http://downloads.example/$(basename "$file")}
    viewer=$(wine reg query 'HKCU\Software\Netscape\Netscape Navigator\Viewers' /v application/zip 2>/dev/null | tr -d '\r' | grep -c REG_SZ || true)
    if [ "$viewer" -eq 0 ]; then
      echo "DARIVOVA.EXE is not registered as the browser's viewer yet: run scripts/run.sh and answer Yes." >&2
      exit 1
    fi
    command=(wine "$ombrix_dir\\navigator_standin.exe" --url "$url" --type application/zip
             --from "$(winepath -w "$file")" --timeout 600000)
  fi

  if [ "$private" = no ]; then
    "${command[@]}"
  else
    "${command[@]}" &
    run_pid=$!
    sleep 5
    mkdir -p build
    import -window root build/run-screenshot.png
    echo "No display: saved a screenshot to build/run-screenshot.png and ended the run."
    wineserver -k >/dev/null 2>&1 || true
    wait "$run_pid" || true
  fi
  exit
fi

scripts/install-deps.sh
# The program as shipped, and the stand-ins from the test bench.
cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 -j2 >/dev/null
cmake --preset mingw64-tests >/dev/null
cmake --build --preset mingw64-tests -j2 --target darivova_standins >/dev/null

args=()
if [ $# -gt 0 ]; then
  file=$(realpath "$1")
  [ -f "$file" ] || { echo "no such file: $1" >&2; exit 1; }
  args=("$file" "${@:2}")
fi
made=old
[ -d "$root/.wine-run/drive_c" ] || made=new
private=no
[ -n "${DISPLAY:-}" ] || private=yes
DARIVOVA_PREFIX="$root/.wine-run" DARIVOVA_ON_DISPLAY=1 \
  scripts/with-wine.sh "$root/scripts/run.sh" --inside "$made" "$private" "${args[@]}"
