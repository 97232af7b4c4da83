#!/usr/bin/env bash
# Runs every test of the project on a fresh Debian 12 machine: installs what is
# missing, builds, and runs
#   1. the host unit tests of the text logic (native g++, ASan and UBSan),
#   2. a fuzz smoke of each fuzz target (clang, libFuzzer),
#   3. for the 64-bit, then the 32-bit build: DARIVOVA.EXE as shipped, the
#      audit of its imports and DLLs against the systems it claims
#      (tools/imports), the check of the header fields their loaders check
#      (tools/loader), of its unwind data (tools/unwind, 64-bit), of its
#      instructions against the processors it claims (tools/cpu), and the
#      Windows-side and end-to-end tests under Wine,
#   4. the release package (scripts/package.sh) and its contents.
# Ends with one line "Summary: N passed, N failed"; exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh || { echo "Summary: 0 passed, 1 failed"; exit 1; }

logs=build/test-logs
mkdir -p "$logs"
passed=0
failed=0

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
  timeout 1500 scripts/with-wine.sh scripts/wine-suite.sh "build/$1" "$logs/junit-$1" 2>&1 | tee "$logs/ctest-$1.log"
  local status=${PIPESTATUS[0]} before=$failed
  count_junit "$logs/junit-$1.xml" "$logs/junit-$1-cp932.xml"
  # A failure that no ctest counted (a set-up step, a time-out) still counts.
  if [ "$status" -ne 0 ] && [ "$failed" -eq "$before" ]; then failed=$((failed + 1)); fi
}

if build host; then
  echo "== host unit tests"
  rm -f "$logs/junit-host.xml"
  timeout 600 ctest --test-dir build/host --output-on-failure -j2 --output-junit "$PWD/$logs/junit-host.xml" 2>&1 |
    tee "$logs/ctest-host.log" | grep -E 'tests passed|Failed|\*\*\*' || true
  count_junit "$logs/junit-host.xml"
fi

echo "== fuzz smoke"
if timeout 600 scripts/fuzz.sh 2>&1 | tee "$logs/fuzz.log"; then
  passed=$((passed + $(grep -c '^== ' "$logs/fuzz.log")))
else
  failed=$((failed + 1))
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
  build "$1-tests" && wine_suite "$1-tests"
}

windows mingw64 x64
windows mingw32 x86

# The release zip: both executables and a readme with CRLF line ends.
package_ok() {
  local zip
  zip=$(scripts/package.sh | tail -n 1) || return
  python3 tools/check_package.py "$zip"
}
check "release package" package_ok

echo "Summary: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
