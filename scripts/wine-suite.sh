#!/usr/bin/env bash
# Runs the Windows-side and end-to-end tests of one test build, one at a time
# (they share the Wine prefix's registry); meant to run inside
# scripts/with-wine.sh. The tests labelled cp932 run apart, under a Japanese
# locale made with localedef in the build folder, so that Wine gives their
# processes code page 932.
#   scripts/wine-suite.sh BUILD_DIR [JUNIT]
# With JUNIT, ctest writes its results as JUnit XML to JUNIT.xml and
# JUNIT-cp932.xml (scripts/test.sh counts them).
set -uo pipefail
build=$1
main_junit=() cp932_junit=()
if [ -n "${2:-}" ]; then
  junit=$(realpath -m "$2")
  main_junit=(--output-junit "$junit.xml")
  cp932_junit=(--output-junit "$junit-cp932.xml")
fi

ctest --test-dir "$build" --output-on-failure -j1 --timeout 120 -LE cp932 "${main_junit[@]}"
status=$?

locales=$build/locale
if [ ! -d "$locales/ja_JP.UTF-8" ]; then
  mkdir -p "$locales"
  localedef -i ja_JP -f UTF-8 "$locales/ja_JP.UTF-8" || echo "wine-suite: localedef failed" >&2
fi
LOCPATH=$(realpath "$locales") LC_ALL=ja_JP.UTF-8 \
  ctest --test-dir "$build" --output-on-failure -j1 --timeout 120 -L cp932 "${cp932_junit[@]}" || status=1
exit $status
