#!/usr/bin/env bash
# Process start to first complete paint under Wine: the calculator window in its skinned frame and a
# bare window of the same size, N runs each taken in turn, medians printed (milliseconds).
#   scripts/startup-time.sh [N]      (needs build/win64/startuptime.exe and a display or xvfb-run)
set -euo pipefail
top=$(cd "$(dirname "$(readlink -f "$0")")/.." && pwd)
runs=${1:-9}
exe="$top/build/win64/startuptime.exe"
bare=() skinned=()
for _ in $(seq "$runs"); do
  bare+=("$(bash "$top/scripts/wine-run.sh" "$exe" bare 2>/dev/null | awk '{print $2}')")
  skinned+=("$(bash "$top/scripts/wine-run.sh" "$exe" skinned 2>/dev/null | awk '{print $2}')")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
b=$(median "${bare[@]}") s=$(median "${skinned[@]}")
echo "bare window:    median $b ms (${bare[*]})"
echo "skinned window: median $s ms (${skinned[*]})"
awk -v b="$b" -v s="$s" 'BEGIN {printf "ratio: %.2f\n", s / b}'
