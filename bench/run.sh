#!/usr/bin/env bash
# Prints the program's figures: how long DARIVOVA.EXE takes from start to exit
# to hand one download over (1 KiB and 4 GiB, moved within one drive) next to a
# no-op GUI program, and a 1 GiB one to another drive next to cp of the same
# bytes, all timed inside one Wine session; the size of the stripped
# executable; the DLLs it imports. On Debian 12; installs what is missing
# first. Takes two or three minutes after the build.
#   bench/run.sh [--runs N] [--build-dir DIR] [--build-dir-32 DIR] [--no-32]
# --runs: rounds of each measurement (default 15). --build-dir: the 64-bit
# test bench to measure in (default build/mingw64-tests, preset
# mingw64-tests), which holds a copy of the shipped DARIVOVA.EXE of the
# mingw64 preset; both are built as far as needed. The 32-bit ones (default
# build/mingw32-tests) are measured too, under the same Wine, unless --no-32
# or the machine runs no 32-bit code (scripts/wine-loader.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-loader.sh

runs=15
dir64=build/mingw64-tests
dir32=build/mingw32-tests
with32=1
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=$2; shift 2 ;;
    --build-dir) dir64=$2; shift 2 ;;
    --build-dir-32) dir32=$2; shift 2 ;;
    --no-32) with32=0; shift ;;
    *) echo "usage: $0 [--runs N] [--build-dir DIR] [--build-dir-32 DIR] [--no-32]" >&2; exit 2 ;;
  esac
done

# build PRESET DIR: the program as shipped, then the bench programs beside a copy of it.
build() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j2 >/dev/null
  cmake --preset "$1-tests" -B "$2" >/dev/null
  cmake --build "$2" -j2 --target darivova_bench >/dev/null
}

scripts/install-deps.sh
if [ "$with32" = 1 ] && [ "$wine32" = no ]; then
  echo "The 32-bit build is not measured: $wine32_why."
  with32=0
fi
builds=("64-bit=$dir64/bin")
build mingw64 "$dir64"
if [ "$with32" = 1 ]; then
  build mingw32 "$dir32"
  builds+=("32-bit=$dir32/bin")
fi

echo "DARIVOVA.EXE $(cat build/mingw64/version.txt)," \
     "$(git rev-parse --short HEAD 2>/dev/null || echo 'no commit'); $(nproc) cores, $(wine --version)," \
     "$(. /etc/os-release && echo "$PRETTY_NAME")"
echo

# Other work on the machine shows in the figures: say how busy it was.
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
scripts/with-wine.sh bench/measure.sh "$runs" "${builds[@]}"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo

# Sizes and imports need no Wine.
stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
for build in "${builds[@]}"; do
  label=${build%%=*}
  bin=${build#*=}
  triplet=$([ "$label" = 64-bit ] && echo x86_64-w64-mingw32 || echo i686-w64-mingw32)
  "$triplet-strip" -o "$stripped" "$bin/DARIVOVA.EXE"
  echo "$label DARIVOVA.EXE: $(stat -c %s "$bin/DARIVOVA.EXE") bytes as built," \
       "$(stat -c %s "$stripped") bytes stripped"
  for exe in "$bin/DARIVOVA.EXE" "$bin/noop.exe"; do
    echo "  ${exe##*/} imports: $("$triplet-objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | paste -sd' ')"
  done
done
