#!/usr/bin/env bash
# Runs the tests of the project on a fresh Debian 12 machine: installs what is
# missing, builds, and runs these parts, in this order:
#   host     the host unit tests of the text logic (native g++, ASan and UBSan),
#   fuzz     a fuzz smoke of each fuzz target (clang, libFuzzer),
#   x64, x86 for the 64-bit, then the 32-bit build: DARIVOVA.EXE as shipped,
#            the audit of its imports and DLLs against the systems it claims
#            (tools/imports), the check of the header fields their loaders
#            check (tools/loader), of its unwind data (tools/unwind, 64-bit),
#            of its instructions against the processors it claims (tools/cpu),
#            and the Windows-side and end-to-end tests under Wine,
#   package  the release package (scripts/package.sh) and its contents.
#   scripts/test.sh [PART...] [-R REGEX]
# Without a part it runs them all. -R hands REGEX on to ctest: only the host,
# Windows-side and end-to-end tests whose names match run (the fuzz smoke, the
# checks and the package are not filtered).
# On a machine that runs no 32-bit code (scripts/wine-loader.sh; or with
# DARIVOVA_NO_32BIT=1) the 32-bit build is still built and checked, but its
# Wine suite can't run: its tests are counted as skipped, with the reason on a
# line of its own.
# Ends with one line "Summary: N passed, N failed" (", N skipped" added when a
# suite was skipped); exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-loader.sh

usage="usage: $0 [host] [fuzz] [x64] [x86] [package] [-R REGEX]"
parts=() filter=()
while [ $# -gt 0 ]; do
  case "$1" in
    host|fuzz|x64|x86|package) parts+=("$1"); shift ;;
    -R) [ $# -ge 2 ] || { echo "$usage" >&2; exit 2; }; filter=(-R "$2"); shift 2 ;;
    *) echo "$usage" >&2; exit 2 ;;
  esac
done
[ ${#parts[@]} -gt 0 ] || parts=(host fuzz x64 x86 package)
wanted() { case " ${parts[*]} " in *" $1 "*) return 0 ;; esac; return 1; }

scripts/install-deps.sh || { echo "Summary: 0 passed, 1 failed"; exit 1; }

logs=build/test-logs
mkdir -p "$logs"
passed=0
failed=0
skipped=0
skip_reason=""

# count_junit FILE...: adds the counts of ctest's JUnit results, one file per
# ctest run of one log; when none of the files could be read (no ctest run
# ended), that is one failure. As in ctest's own summary, a test that skipped
# itself passes, a disabled one is not counted, and one that could not run fails.
count_junit() {
  local counts
  counts=$(python3 - "$@" <<'PY'
import sys
import xml.etree.ElementTree as ET
passed = failed = read = 0
for path in sys.argv[1:]:
    try:
        cases = list(ET.parse(path).getroot().iter("testcase"))
    except (OSError, ET.ParseError):
        continue
    read += 1
    for case in cases:
        status = case.get("status")
        skipped = case.find("skipped")
        if status == "disabled":
            continue
        if status == "run" or (status == "notrun" and skipped is not None
                               and skipped.get("message", "").startswith("SKIP_")):
            passed += 1
        else:
            failed += 1
print(passed, failed if read else failed + 1)
PY
  ) || counts="0 1"
  passed=$((passed + ${counts% *}))
  failed=$((failed + ${counts#* }))
}

# build PRESET: configures and builds; a failed build counts as one failure.
build() {
  echo "== build $1"
  if cmake --preset "$1" >"$logs/configure-$1.log" 2>&1 &&
     cmake --build --preset "$1" -j2 >"$logs/build-$1.log" 2>&1; then
    return 0
  fi
  tail -n 40 "$logs/configure-$1.log" "$logs/build-$1.log"
  failed=$((failed + 1))
  return 1
}

# wine_suite PRESET: every Windows-side and end-to-end test of that build in
# one throw-away prefix (scripts/wine-suite.sh).
wine_suite() {
  echo "== Windows-side and end-to-end tests, $1"
  rm -f "$logs/junit-$1.xml" "$logs/junit-$1-cp932.xml"
  timeout 1500 scripts/with-wine.sh scripts/wine-suite.sh "build/$1" "$logs/junit-$1" "${filter[@]}" 2>&1 |
    tee "$logs/ctest-$1.log"
  local status=${PIPESTATUS[0]} before=$failed
  count_junit "$logs/junit-$1.xml" "$logs/junit-$1-cp932.xml"
  # A failure that no ctest counted (a set-up step, a time-out) still counts.
  if [ "$status" -ne 0 ] && [ "$failed" -eq "$before" ]; then failed=$((failed + 1)); fi
}

# skip_wine_suite PRESET TWIN: the Wine suite of a 32-bit test build, which
# this machine can't run, counted as skipped. Its programs can't even list
# their tests here (ctest runs each one for that), so the count is ctest -N's
# on TWIN, the 64-bit test build: the same sources, so the same tests, once
# both are found to have the same test programs.
skip_wine_suite() {
  local preset=$1 twin=$2 total
  echo "== Windows-side and end-to-end tests, $preset: skipped"
  # The x64 part has built the twin already.
  wanted x64 || { build "${twin%-tests}" && build "$twin"; } || return
  if ! cmake --preset "$preset" >"$logs/configure-$preset.log" 2>&1; then
    tail -n 40 "$logs/configure-$preset.log"
    failed=$((failed + 1))
    return
  fi
  if ! diff <(test_programs "build/$preset") <(test_programs "build/$twin") >"$logs/programs-$preset.diff"; then
    echo "FAILED: the test programs of build/$preset and build/$twin differ; the skipped tests can't be counted:"
    cat "$logs/programs-$preset.diff"
    failed=$((failed + 1))
    return
  fi
  total=$(timeout 600 scripts/with-wine.sh ctest --test-dir "build/$twin" -N "${filter[@]}" 2>&1 |
          tee "$logs/count-$preset.log" | sed -n 's/^Total Tests: //p')
  if [ -z "$total" ]; then
    echo "FAILED: ctest -N on build/$twin gave no count (see $logs/count-$preset.log)"
    failed=$((failed + 1))
    return
  fi
  skipped=$((skipped + total))
  skip_reason="Skipped: the $total Windows-side and end-to-end tests of build/$preset, because $wine32_why. (Counted by ctest -N on build/$twin: the same sources, the same test programs.)"
}

# test_programs BUILD_DIR: what ctest would run there (every CTestTestfile.cmake,
# with the build folder's own path taken out).
test_programs() {
  (cd "$1" && find . -name CTestTestfile.cmake | sort | xargs cat | grep -v '^#' | sed "s#$PWD#BUILD#g")
}

if wanted host && build host; then
  echo "== host unit tests"
  rm -f "$logs/junit-host.xml"
  timeout 600 ctest --test-dir build/host --output-on-failure -j2 "${filter[@]}" \
      --output-junit "$PWD/$logs/junit-host.xml" 2>&1 |
    tee "$logs/ctest-host.log" | grep -E 'tests passed|Failed|\*\*\*|No tests were found' || true
  count_junit "$logs/junit-host.xml"
fi

if wanted fuzz; then
  echo "== fuzz smoke"
  if timeout 600 scripts/fuzz.sh 2>&1 | tee "$logs/fuzz.log"; then
    passed=$((passed + $(grep -c '^== ' "$logs/fuzz.log")))
  else
    failed=$((failed + 1))
  fi
fi

# check NAME COMMAND...: one more check passed or failed.
check() {
  local name=$1
  shift
  echo "== $name"
  if "$@"; then passed=$((passed + 1)); else echo "FAILED: $name"; failed=$((failed + 1)); fi
}

# windows PRESET ARCH: DARIVOVA.EXE as shipped, the audit of its imports, the
# checks of its loader fields, unwind data and instructions, then the Windows-side and end-to-end tests of
# that executable.
windows() {
  build "$1" || return
  check "imports of DARIVOVA.EXE ($2)" \
    python3 tools/imports/check.py --arch "$2" "build/$1/bin/DARIVOVA.EXE"
  check "loader fields of DARIVOVA.EXE ($2)" \
    python3 tools/loader/check.py --arch "$2" "build/$1/bin/DARIVOVA.EXE"
  if [ "$2" = x64 ]; then
    check "unwind data of DARIVOVA.EXE ($2)" python3 tools/unwind/check.py "build/$1/bin/DARIVOVA.EXE"
  fi
  check "instructions of DARIVOVA.EXE ($2)" \
    python3 tools/cpu/check.py --arch "$2" "build/$1/bin/DARIVOVA.EXE"
  if [ "$2" = x86 ] && [ "$wine32" = no ]; then
    skip_wine_suite "$1-tests" mingw64-tests
  else
    build "$1-tests" && wine_suite "$1-tests"
  fi
}

if wanted x64; then windows mingw64 x64; fi
if wanted x86; then windows mingw32 x86; fi

# The release zip: both executables and a readme with CRLF line ends.
package_ok() {
  local zip
  zip=$(scripts/package.sh | tail -n 1) || return
  python3 tools/check_package.py "$zip"
}
if wanted package; then check "release package" package_ok; fi

if [ -n "$skip_reason" ]; then
  echo "$skip_reason"
  echo "Summary: $passed passed, $failed failed, $skipped skipped"
else
  echo "Summary: $passed passed, $failed failed"
fi
[ "$failed" -eq 0 ]
