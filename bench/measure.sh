#!/usr/bin/env bash
# The measuring half of bench/run.sh; runs inside one Wine session
# (scripts/with-wine.sh), which keeps one wineserver for every start.
#   bench/measure.sh RUNS LABEL=BIN_DIR [LABEL=BIN_DIR...]
# BIN_DIR holds DARIVOVA.EXE, ombrix32.exe, noop.exe and stopwatch.exe of one
# build. For each build, RUNS rounds (after one round that is not counted) of
# (a) noop.exe, (b) DARIVOVA.EXE handing over a 1 KiB and a 4 GiB sparse
# download within drive C:, each timed from start to exit by stopwatch.exe
# inside Wine; then a few rounds (at most RUNS, at most 15) of (c) DARIVOVA.EXE
# handing a 1 GiB download of real data over to a folder on drive D:, another
# file system, next to (e) CopyFileA of the same bytes inside the same Wine
# (copyfloor.exe) and (d) cp of them between the same two file systems, with
# the ratios of each round: noise between rounds then cancels out.
set -euo pipefail

runs=$1
shift
: "${WINEPREFIX:?run this through scripts/with-wine.sh}"

drive_c="$WINEPREFIX/drive_c"
bench="$drive_c/Bench"
export OMBRIX_STANDIN_LOG='C:\Bench\ombrix32.log'
log="$bench/ombrix32.log"
url_table='HKCU\Software\Netscape\Netscape Navigator\Temporary File URL Resolution'

# kind: temporary file (Windows name, Linux path), target (Linux path), URL.
declare -A temp_win=([1k]='C:\Bench\Temp\NS1K.TMP' [4g]='C:\Bench\Temp\NS4G.TMP')
declare -A temp_unix=([1k]="$bench/Temp/NS1K.TMP" [4g]="$bench/Temp/NS4G.TMP")
declare -A target_unix=([1k]="$bench/Download/kit-1k.zip" [4g]="$bench/Download/kit-4g.zip")
declare -A url=([1k]='http://downloads.example/pub/kit-1k.zip' [4g]='http://downloads.example/pub/kit-4g.zip')
# The other drive: D: is a folder on another file system (scripts/with-wine.sh).
drive_d="$WINEPREFIX/dosdevices/d:"
other_win='C:\Bench\Temp\NS1G.TMP'
other_temp="$bench/Temp/NS1G.TMP"
other_target="$drive_d/Bench/Download/kit-1g.zip"
other_url='http://downloads.example/pub/kit-1g.zip'
other_runs=$((runs < 15 ? runs : 15))

reg_add() { wine reg add "$@" /f >/dev/null 2>&1; }

# Median, min and max of numbers, one a line, with DECIMALS places (default 1).
stats() {
  sort -g | awk -v p="${1:-1}" '{ v[NR] = $1 }
    END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
          printf "%9." p "f %9." p "f %9." p "f", m, v[1], v[NR] }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Runs stopwatch.exe on a command; prints the milliseconds. Fails when the
# program could not be timed or did not exit with 0.
timed() {
  local out ms code
  out=$(wine "$stopwatch" "$@" | tr -d '\r') || { echo "stopwatch failed: $*" >&2; return 1; }
  read -r ms code <<<"$out"
  [ "$code" = 0 ] || { echo "exit code $code: $*" >&2; return 1; }
  echo "$ms"
}

lines() { [ -f "$log" ] && wc -l <"$log" || echo 0; }

# One hand-over of a download of the given kind; appends its time to
# times-<kind> and its checks to checks-<kind> when counted.
download_round() {
  local kind=$1 counted=$2 before inode_before ms
  local temp=${temp_unix[$kind]} target=${target_unix[$kind]}
  rm -f "$target"
  if [ "$kind" = 1k ]; then head -c 1024 /dev/urandom >"$temp"; else truncate -s 4G "$temp"; fi
  inode_before=$(stat -c %i "$temp")
  before=$(lines)
  ms=$(timed "$darivova" "${temp_win[$kind]}")
  # The shell returns before the archive utility runs: let it finish, so it
  # does not overlap the next start.
  for _ in $(seq 200); do [ "$(lines)" -gt "$before" ] && break; sleep 0.05; done
  [ "$counted" = 1 ] || return 0
  echo "$ms" >>"$work/times-$kind"
  local same=0 present=0 gone=0 launched=0
  [ -f "$target" ] && present=1
  [ "$present" = 1 ] && [ "$(stat -c %i "$target")" = "$inode_before" ] && same=1
  [ -e "$temp" ] || gone=1
  [ "$(lines)" -gt "$before" ] && tail -n 1 "$log" | grep -qiF "${target##*/}" && launched=1
  echo "$same $present $gone $launched" >>"$work/checks-$kind"
}

# One hand-over of the 1 GiB download to drive D:, then the same bytes moved
# there by CopyFileA inside the same Wine (copyfloor.exe, the platform's own
# floor) and copied there by cp; appends the three times, and the checks of
# the hand-over, when counted. The three make one pair of ratios each round.
other_drive_round() {
  local counted=$1 before ms floor started ended
  rm -f "$other_target" "$drive_d/Bench/floor-1g.zip" "$drive_d/Bench/cp-1g.zip"
  cp "$work/seed-1g" "$other_temp"
  before=$(lines)
  ms=$(timed "$darivova" "$other_win")
  for _ in $(seq 200); do [ "$(lines)" -gt "$before" ] && break; sleep 0.05; done
  local arrived=0 gone=0 launched=0
  cmp -s "$work/seed-1g" "$other_target" && arrived=1
  [ -e "$other_temp" ] || gone=1
  [ "$(lines)" -gt "$before" ] && tail -n 1 "$log" | grep -qiF "${other_target##*/}" && launched=1
  rm -f "$other_target"

  cp "$work/seed-1g" "$other_temp"
  floor=$(timed "$copyfloor" "$other_win" 'D:\Bench\floor-1g.zip')
  rm -f "$other_temp" "$drive_d/Bench/floor-1g.zip"

  cp "$work/seed-1g" "$other_temp"
  started=$(date +%s%N)
  cp "$other_temp" "$drive_d/Bench/cp-1g.zip"
  ended=$(date +%s%N)
  rm -f "$other_temp" "$drive_d/Bench/cp-1g.zip"
  [ "$counted" = 1 ] || return 0
  local cp_ms=$(((ended - started) / 1000000))
  echo "$ms" >>"$work/times-1g"
  echo "$floor" >>"$work/times-floor"
  echo "$cp_ms" >>"$work/times-cp"
  awk -v c="$ms" -v e="$floor" 'BEGIN { print c / e }' >>"$work/ratios-floor"
  awk -v c="$ms" -v d="$cp_ms" 'BEGIN { print c / d }' >>"$work/ratios-cp"
  echo "$arrived $gone $launched" >>"$work/checks-1g"
}

work=$(mktemp -d)
trap 'rm -rf "$work" "$drive_d/Bench"' EXIT
# Real bytes, made once: a sparse file would be copied as holes.
head -c 1G /dev/urandom >"$work/seed-1g"

for build in "$@"; do
  label=${build%%=*}
  bin=${build#*=}
  rm -rf "$bench"
  mkdir -p "$bench/Temp" "$bench/Download" "$bench/Ombrix"
  cp "$bin/ombrix32.exe" "$bench/Ombrix/"
  stopwatch=$(winepath -w "$bin/stopwatch.exe")
  noop=$(winepath -w "$bin/noop.exe")
  darivova=$(winepath -w "$bin/DARIVOVA.EXE")
  copyfloor=$(winepath -w "$bin/copyfloor.exe")

  reg_add 'HKCU\Software\Quenlock\DARIVOVA\Settings' /v LaunchDir /d 'C:\Bench\Download'
  reg_add 'HKCR\Ombrix\Shell\Open\Command' /ve /d '"C:\Bench\Ombrix\ombrix32.exe" "%1"'
  for kind in 1k 4g; do reg_add "$url_table" /v "${temp_win[$kind]}" /d "${url[$kind]}"; done
  reg_add "$url_table" /v "$other_win" /d "$other_url"

  rm -f "$work"/times-* "$work"/checks-* "$work"/ratios-*
  for round in $(seq 0 "$runs"); do
    counted=$((round > 0 ? 1 : 0))
    ms=$(timed "$noop")
    [ "$counted" = 1 ] && echo "$ms" >>"$work/times-noop"
    download_round 1k "$counted"
    download_round 4g "$counted"
  done

  rm -rf "$drive_d/Bench"
  mkdir -p "$drive_d/Bench/Download"
  reg_add 'HKCU\Software\Quenlock\DARIVOVA\Settings' /v LaunchDir /d 'D:\Bench\Download'
  for round in $(seq 0 "$other_runs"); do
    other_drive_round $((round > 0 ? 1 : 0))
  done

  echo "$label build ($bin), $runs runs each after one not counted;"
  echo "milliseconds from start to exit, timed inside Wine:"
  printf '  %-40s %9s %9s %9s\n' "" median min max
  printf '  %-40s %s\n' "(a) no-op GUI program (noop.exe)" "$(stats <"$work/times-noop")"
  printf '  %-40s %s\n' "(b) DARIVOVA.EXE, one 1 KiB download" "$(stats <"$work/times-1k")"
  printf '  %-40s %s\n' "(b) DARIVOVA.EXE, one 4 GiB download" "$(stats <"$work/times-4g")"
  a=$(median <"$work/times-noop")
  for kind in 1k 4g; do
    b=$(median <"$work/times-$kind")
    size=$([ "$kind" = 1k ] && echo "1 KiB" || echo "4 GiB")
    awk -v a="$a" -v b="$b" -v s="$size" 'BEGIN { printf "  ratio (b)/(a), %s: %.2f\n", s, b / a }'
  done
  echo "  to a folder on drive D:, another file system, $other_runs rounds after one not counted,"
  echo "  each round (c), (e) and (d) one after the other:"
  printf '  %-40s %s\n' "(c) DARIVOVA.EXE, one 1 GiB download" "$(stats <"$work/times-1g")"
  printf '  %-40s %s\n' "(e) CopyFileA and delete, in Wine" "$(stats <"$work/times-floor")"
  printf '  %-40s %s\n' "(d) cp of the same bytes, C: to D:" "$(stats <"$work/times-cp")"
  printf '  %-40s %s\n' "ratio (c)/(e) of each round" "$(stats 2 <"$work/ratios-floor")"
  printf '  %-40s %s\n' "ratio (c)/(d) of each round" "$(stats 2 <"$work/ratios-cp")"
  awk -v d="$(median <"$work/ratios-cp")" -v e="$(median <"$work/ratios-floor")" 'BEGIN {
    printf "  median of the ratios of the rounds, (c)/(d): %.2f (goal: at most 1.50); (c)/(e): %.2f\n",
           d, e }'
  for kind in 1k 4g; do
    size=$([ "$kind" = 1k ] && echo "1 KiB" || echo "4 GiB")
    awk -v s="$size" -v n="$runs" '{ same += $1; present += $2; gone += $3; launched += $4 }
      END { printf "  %s: moved file present %d/%d, same inode as the temporary file %d/%d,\n" \
                   "         temporary file gone %d/%d, archive utility started on it %d/%d\n",
                   s, present, n, same, n, gone, n, launched, n }' "$work/checks-$kind"
  done
  awk -v n="$other_runs" '{ arrived += $1; gone += $2; launched += $3 }
    END { printf "  1 GiB, to D:: arrived byte for byte %d/%d, temporary file gone %d/%d,\n" \
                 "         archive utility started on it %d/%d\n", arrived, n, gone, n, launched, n }' \
    "$work/checks-1g"
  echo
done
