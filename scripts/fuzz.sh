#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan, UBSan) and runs each one.
#   scripts/fuzz.sh                 about 10 seconds each (the default smoke run)
#   scripts/fuzz.sh --seconds N     N seconds each
#   scripts/fuzz.sh --runs N        N inputs each (the long run: --runs 1000000)
# FUZZ_BUILD_DIR chooses the build folder (default build/fuzz). The corpus a
# run grows stays in the build folder and is never committed.
set -euo pipefail

cd "$(dirname "$0")/.."
build_dir=${FUZZ_BUILD_DIR:-build/fuzz}
limit=(-max_total_time=10)
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) limit=(-max_total_time="$2"); shift 2 ;;
    --runs) limit=(-runs="$2"); shift 2 ;;
    *) echo "usage: $0 [--seconds N | --runs N]" >&2; exit 2 ;;
  esac
done

cmake --preset fuzz -B "$build_dir" >/dev/null
cmake --build "$build_dir" -j2 >/dev/null

targets=(fuzz_url_name fuzz_safe_name fuzz_archiver_command fuzz_quoted_argument fuzz_command_line_tail)
for target in "${targets[@]}"; do
  corpus="$build_dir/corpus/$target"
  mkdir -p "$corpus"
  echo "== $target"
  dict=tests/fuzz/$target.dict
  extra=()
  [ -f "$dict" ] && extra=(-dict="$dict")
  log="$build_dir/$target.log"
  if ! "$build_dir/tests/fuzz/$target" "${limit[@]}" "${extra[@]}" -max_len=600 \
      -artifact_prefix="$build_dir/$target-" "$corpus" >"$log" 2>&1; then
    tail -n 30 "$log" >&2
    echo "$target: a property failed; the input is kept in $build_dir" >&2
    exit 1
  fi
  grep -E '^(#[0-9]+ +DONE|Done [0-9]+ runs)' "$log" || tail -n 1 "$log"
done
echo "all fuzz targets passed"
