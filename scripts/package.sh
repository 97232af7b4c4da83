#!/usr/bin/env bash
# Makes the release: dist/darivova-<version>.zip with the 32-bit DARIVOVA.EXE
# (the one for every system), the 64-bit one in x64\, and readme.txt with
# CRLF line ends. The version is the CMake project's, as the configure step
# writes it to build/mingw32/version.txt. Builds the mingw32 and
# mingw64 presets (the program as shipped) as far as needed. Prints the
# contents, then the zip's path as the last line.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
for preset in mingw32 mingw64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j2 >/dev/null
done

version=$(cat build/mingw32/version.txt)
zip=dist/darivova-$version.zip
mkdir -p dist
rm -f "$zip"
python3 - "$zip" "$version" <<'PY'
import sys, zipfile
zip_path, version = sys.argv[1], sys.argv[2]
with open("docs/release-readme.txt", encoding="ascii") as f:
    readme = f.read().replace("@VERSION@", version).replace("\n", "\r\n")
with zipfile.ZipFile(zip_path, "w", zipfile.ZIP_DEFLATED) as z:
    z.write("build/mingw32/bin/DARIVOVA.EXE", "DARIVOVA.EXE")
    z.write("build/mingw64/bin/DARIVOVA.EXE", "x64/DARIVOVA.EXE")
    z.writestr("readme.txt", readme)
PY
python3 -m zipfile -l "$zip"
echo "$zip"
