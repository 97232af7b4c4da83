#!/usr/bin/env bash
# Runs a command inside a throw-away Wine prefix on a private Xvfb display, and
# removes both afterwards, even when the command fails.
#   scripts/with-wine.sh COMMAND [ARGS...]
# The prefix uses a Wine virtual desktop of 1024x768 (hiding a window costs no
# time there) and has Wine's own fonts installed, so windows look as on a
# real system. Its drive D: is a folder on another file system (a tmpfs), so
# that moves between C: and D: cross volumes as between two disks.
# Two settings serve a run by hand (scripts/run.sh):
#   DARIVOVA_PREFIX=DIR  use the prefix DIR, made as above the first time (with
#                        no drive D:), and keep it afterwards; what COMMAND
#                        started may finish (up to a minute) before the
#                        prefix's server is stopped
#   DARIVOVA_ON_DISPLAY=1  run on $DISPLAY when there is one
set -euo pipefail

keep=${DARIVOVA_PREFIX:+1}
if [ -n "$keep" ]; then
  mkdir -p "$DARIVOVA_PREFIX"
  prefix=$(cd "$DARIVOVA_PREFIX" && pwd)
  drive_d=""
else
  prefix=$(mktemp -d /tmp/darivova-wine.XXXXXX)
  drive_d=$(mktemp -d /dev/shm/darivova-d.XXXXXX)
fi
xvfb_pid=""
cleanup() {
  # Without -p the server ends by itself once the last program has.
  [ -z "$keep" ] || WINEPREFIX="$prefix" timeout 60 wineserver -w >/dev/null 2>&1 || true
  WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX="$prefix" timeout 20 wineserver -w >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  if [ -z "$keep" ]; then rm -rf "$prefix" "$drive_d"; fi
}
trap cleanup EXIT INT TERM

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
# No prompts to install Mono or Gecko while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ -z "${DARIVOVA_ON_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
  # A display number nobody uses.
  display=""
  for n in $(seq 90 190); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=$n; break; fi
  done
  [ -n "$display" ] || { echo "with-wine: no free display" >&2; exit 1; }
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$display"
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  [ -e "/tmp/.X11-unix/X$display" ] || { echo "with-wine: Xvfb did not start" >&2; exit 1; }
fi

if [ ! -d "$prefix/drive_c" ]; then
  [ -z "$keep" ] || echo "Making the Wine prefix $prefix (once)"
  timeout 120 wineboot -i >/dev/null 2>&1
  cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  # Wine's mount manager learns of a drive only when its server starts.
  [ -z "$drive_d" ] || ln -sfn "$drive_d" "$prefix/dosdevices/d:"
  wineserver -k >/dev/null 2>&1 || true
  timeout 20 wineserver -w >/dev/null 2>&1 || true
fi
if [ -z "$keep" ]; then
  # Keep one server for the whole run: each program then starts in tens of ms.
  wineserver -p
  # Start Wine's own background programs (services, the desktop) now, with no
  # pipe of the caller open: a test runner waits for its pipes to close.
  timeout 60 wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
fi

"$@"
