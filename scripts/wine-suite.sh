#!/usr/bin/env bash
# Runs the Windows-side and end-to-end tests of one test build, one at a time
# (they share the Wine prefix's registry); meant to run inside
# scripts/with-wine.sh. The tests labelled cp932 run apart, under a Japanese
# locale made with localedef in the build folder, so that Wine gives their
# processes code page 932.
#   scripts/wine-suite.sh BUILD_DIR
set -uo pipefail
build=$1

ctest --test-dir "$build" --output-on-failure -j1 --timeout 120 -LE cp932
status=$?

locales=$build/locale
if [ ! -d "$locales/ja_JP.UTF-8" ]; then
  mkdir -p "$locales"
  localedef -i ja_JP -f UTF-8 "$locales/ja_JP.UTF-8" || echo "wine-suite: localedef failed" >&2
fi
LOCPATH=$(realpath "$locales") LC_ALL=ja_JP.UTF-8 \
  ctest --test-dir "$build" --output-on-failure -j1 --timeout 120 -L cp932 || status=1
exit $status
