#!/usr/bin/env bash
# Runs the Windows-side and end-to-end tests of one test build, one at a time
# (they share the Wine prefix's registry); meant to run inside
# scripts/with-wine.sh. The tests labelled cp932 run apart, under a Japanese
# locale made with localedef in the build folder, so that Wine gives their
# processes code page 932.
#   scripts/wine-suite.sh BUILD_DIR [JUNIT] [-R REGEX]
# With JUNIT, ctest writes its results as JUnit XML to JUNIT.xml and
# JUNIT-cp932.xml (scripts/test.sh counts them). -R runs only the tests whose
# names match REGEX (ctest's -R), e.g. -R 'FreeNameMove' or -R '^e2e_'.
set -uo pipefail
usage="usage: $0 BUILD_DIR [JUNIT] [-R REGEX]"
[ $# -ge 1 ] || { echo "$usage" >&2; exit 2; }
build=$1
shift
main_junit=() cp932_junit=() filter=()
while [ $# -gt 0 ]; do
  case "$1" in
    -R) [ $# -ge 2 ] || { echo "$usage" >&2; exit 2; }; filter=(-R "$2"); shift 2 ;;
    -*) echo "$usage" >&2; exit 2 ;;
    *)
      junit=$(realpath -m "$1")
      main_junit=(--output-junit "$junit.xml")
      cp932_junit=(--output-junit "$junit-cp932.xml")
      shift ;;
  esac
done

ctest --test-dir "$build" --output-on-failure -j1 --timeout 120 -LE cp932 "${filter[@]}" "${main_junit[@]}"
status=$?

locales=$build/locale
if [ ! -d "$locales/ja_JP.UTF-8" ]; then
  mkdir -p "$locales"
  localedef -i ja_JP -f UTF-8 "$locales/ja_JP.UTF-8" || echo "wine-suite: localedef failed" >&2
fi
LOCPATH=$(realpath "$locales") LC_ALL=ja_JP.UTF-8 \
  ctest --test-dir "$build" --output-on-failure -j1 --timeout 120 -L cp932 "${filter[@]}" "${cp932_junit[@]}" || status=1
exit $status
