#!/usr/bin/env bash
# Runs a command inside a Wine prefix on a private Xvfb display, and cleans up
# afterwards, even when the command fails.
#   scripts/with-wine.sh COMMAND [ARGS...]
# By default the prefix is a throw-away one. It uses a Wine virtual desktop of
# 1024x768 (hiding a window costs no time there) and has Wine's own fonts
# installed, so windows look as on a real system.
# Each run, before the prefix's wineserver starts (Wine's mount manager learns
# of drives only then), the prefix gets
#   D:  a fresh, empty folder on another file system (a tmpfs, /dev/shm), so
#       that moves between C: and D: cross volumes as between two disks;
#   E:  a small drive that fills up: a tmpfs of 1 MiB of its own. Only where
#       mounting works (as root); elsewhere there is no E:, and the tests that
#       need it skip themselves;
#   \\fileserver\downloads  a network share: Wine maps a UNC name through
#       dosdevices/unc/SERVER/SHARE, here a link to a fresh, empty folder
#       (on /dev/shm).
# At the end their folders are removed and E: is unmounted, for a kept prefix
# too. Wine runs through the loader that scripts/wine-loader.sh chooses.
# Two settings serve a run by hand (scripts/run.sh):
#   DARIVOVA_PREFIX=DIR  use the prefix DIR, made as above the first time, and
#                        keep it afterwards; a server still running in it is
#                        stopped first (it would not see the drives); what
#                        COMMAND started may finish (up to a minute) before
#                        the prefix's server is stopped
#   DARIVOVA_ON_DISPLAY=1  run on $DISPLAY when there is one
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-loader.sh"

keep=${DARIVOVA_PREFIX:+1}
if [ -n "$keep" ]; then
  mkdir -p "$DARIVOVA_PREFIX"
  prefix=$(cd "$DARIVOVA_PREFIX" && pwd)
else
  prefix=$(mktemp -d /tmp/darivova-wine.XXXXXX)
fi
dosdevices=$prefix/dosdevices
drive_d="" drive_e="" share="" xvfb_pid=""

cleanup() {
  # Without -p the server ends by itself once the last program has.
  [ -z "$keep" ] || WINEPREFIX="$prefix" timeout 60 wineserver -w >/dev/null 2>&1 || true
  WINEPREFIX="$prefix" timeout 20 wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX="$prefix" timeout 20 wineserver -w >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  if [ -n "$keep" ]; then
    rm -f "$dosdevices/d:" "$dosdevices/e:" "$dosdevices/unc/fileserver/downloads"
  else
    rm -rf "$prefix"
  fi
  if [ -n "$drive_e" ]; then
    if mountpoint -q "$drive_e" && ! timeout 20 umount "$drive_e"; then
      echo "with-wine: could not unmount drive E: ($drive_e)" >&2
    fi
    rmdir "$drive_e" 2>/dev/null || true
  fi
  rm -rf "$drive_d" "$share"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
# No prompts to install Mono or Gecko while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ -n "$keep" ]; then
  # A server still running in a kept prefix would not learn of the drives.
  timeout 20 wineserver -k >/dev/null 2>&1 || true
  timeout 20 wineserver -w >/dev/null 2>&1 || true
fi

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
  if ! boot_log=$(timeout 120 wineboot -i 2>&1); then
    echo "$boot_log" | tail -n 20 >&2
    echo "with-wine: wineboot could not make the prefix $prefix ($wine32_why${wine32_why:+; }wine: $(command -v wine))" >&2
    exit 1
  fi
  cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  # The drives below must be there when the server starts: end wineboot's.
  timeout 20 wineserver -k >/dev/null 2>&1 || true
  timeout 20 wineserver -w >/dev/null 2>&1 || true
fi

drive_d=$(mktemp -d /dev/shm/darivova-d.XXXXXX)
rm -f "$dosdevices/d:"
ln -s "$drive_d" "$dosdevices/d:"
share=$(mktemp -d /dev/shm/darivova-share.XXXXXX)
mkdir -p "$dosdevices/unc/fileserver"
rm -f "$dosdevices/unc/fileserver/downloads"
ln -s "$share" "$dosdevices/unc/fileserver/downloads"
rm -f "$dosdevices/e:"
if [ "$(id -u)" -eq 0 ]; then
  drive_e=$(mktemp -d /tmp/darivova-e.XXXXXX)
  if timeout 20 mount -t tmpfs -o size=1m tmpfs "$drive_e" 2>/dev/null; then
    ln -s "$drive_e" "$dosdevices/e:"
  fi
fi

# start_wine: the server and Wine's own background programs (services, the
# mount manager, the desktop), started now with no pipe of the caller open: a
# test runner waits for its pipes to close. A throw-away prefix keeps one
# server for the whole run: each program then starts in tens of ms.
start_wine() {
  [ -n "$keep" ] || wineserver -p
  timeout 60 wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
}

# Whether Wine's mount manager answers for C: and D:. Every volume query (the
# file-status query, the folder chooser's drives) goes through it; once in a
# while it is not running, and then every test that asks a volume fails.
drives_answer() {
  local drive
  for drive in c: d:; do
    timeout 30 wine cmd.exe /c vol "$drive" </dev/null 2>/dev/null | grep -q "Serial Number" || return 1
  done
}

start_wine
for attempt in 1 2; do
  drives_answer && break
  echo "with-wine: Wine's mount manager does not answer (attempt $attempt); starting Wine again" >&2
  timeout 20 wineserver -k >/dev/null 2>&1 || true
  timeout 20 wineserver -w >/dev/null 2>&1 || true
  start_wine
done
drives_answer || { echo "with-wine: Wine's mount manager does not answer for C: and D:" >&2; exit 1; }

"$@"
