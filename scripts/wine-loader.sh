# Sourced by the scripts that start Wine (with-wine.sh, test.sh,
# bench/run.sh): decides which Wine loader they use.
#
# Debian's `wine` takes the 32-bit loader whenever wine32 is installed. Some
# machines can't execute any 32-bit Linux program (a hypervisor without 32-bit
# mode: "Exec format error"), and there every `wine` call fails, for 64-bit
# programs too. So when the 32-bit loader doesn't start, or when
# DARIVOVA_NO_32BIT=1 asks for that path on purpose, a `wine` and a
# `wine-stable` that run the 64-bit loader go first on PATH (build/wine64/).
# Everything then goes through it: the scripts' own calls, ctest's emulator
# (the bare name `wine`), and Wine's helpers wineboot, winepath and regedit,
# which run `wine-stable` by name. 32-bit Windows programs can't run there.
#
# Sets wine32=yes|no and, on no, wine32_why: the reason in a few words.

wine32_loader=/usr/lib/wine/wine
wine64_loader=/usr/lib/wine/wine64
wine32=yes
wine32_why=""
if [ "${DARIVOVA_NO_32BIT:-}" = 1 ]; then
  wine32=no
  wine32_why="DARIVOVA_NO_32BIT=1 takes the path of a machine that runs no 32-bit code"
elif [ ! -x "$wine32_loader" ]; then
  wine32=no
  wine32_why="the 32-bit Wine loader ($wine32_loader) is not installed"
elif ! wine32_out=$(timeout 30 bash -c 'exec "$0" --version' "$wine32_loader" 2>&1); then
  # Through bash: it names the error ("...: cannot execute binary file: Exec
  # format error"), where timeout's own exec would hand the file to sh.
  wine32=no
  wine32_out=${wine32_out%%$'\n'*}
  wine32_why="this machine runs no 32-bit code: $wine32_loader --version fails with \"${wine32_out##*: }\""
fi
unset wine32_out

if [ "$wine32" = no ]; then
  wine64_shim="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/wine64"
  mkdir -p "$wine64_shim"
  for wine64_name in wine wine-stable; do
    if [ ! -x "$wine64_shim/$wine64_name" ]; then
      # Written aside and renamed, so that a script running at the same time
      # never finds half a file.
      printf '#!/bin/sh\n# Made by scripts/wine-loader.sh: Wine through its 64-bit loader only.\nexport WINELOADER=%s\nexec %s "$@"\n' \
        "$wine64_loader" "$wine64_loader" >"$wine64_shim/$wine64_name.$$"
      chmod +x "$wine64_shim/$wine64_name.$$"
      mv -f "$wine64_shim/$wine64_name.$$" "$wine64_shim/$wine64_name"
    fi
  done
  case ":$PATH:" in
    *":$wine64_shim:"*) ;;
    *) export PATH="$wine64_shim:$PATH" ;;
  esac
  unset wine64_name
fi
