#!/usr/bin/env bash
# Process start to first complete paint under Wine: a bare window, the same window with the
# calculator's child windows made plain, and the calculator window in its skinned frame, all 746 x 411,
# N runs each taken in turn, medians printed (milliseconds).
#   scripts/startup-time.sh [N]      (needs build/win64/startuptime.exe and a display or xvfb-run)
set -euo pipefail
top=$(cd "$(dirname "$(readlink -f "$0")")/.." && pwd)
runs=${1:-9}
exe="$top/build/win64/startuptime.exe"
bare=() children=() skinned=()
run() { bash "$top/scripts/wine-run.sh" "$exe" "$1" 2>/dev/null | awk '{print $2}'; }
for _ in $(seq "$runs"); do
  bare+=("$(run bare)")
  children+=("$(run children)")
  skinned+=("$(run skinned)")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
b=$(median "${bare[@]}") c=$(median "${children[@]}") s=$(median "${skinned[@]}")
echo "bare window:          median $b ms (${bare[*]})"
echo "plain child windows:  median $c ms (${children[*]})"
echo "skinned window:       median $s ms (${skinned[*]})"
awk -v b="$b" -v c="$c" -v s="$s" 'BEGIN {printf "ratio skinned/bare: %.2f, plain children/bare: %.2f\n", s / b, c / b}'
