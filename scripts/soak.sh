#!/usr/bin/env bash
# What the calculator costs while it sits open (`make soak`). The program runs under Wine on a private
# X display with its inputs typed in as a user types them (xdotool), next to a bare window with the
# same three timers (tools/soak/BareTimers.cpp) on a display and Wine prefix of its own, so that each
# has a wineserver of its own and both are measured over the same seconds. Phases, each SOAK_SECONDS:
#   idle     inputs empty, as the window opens
#   filled   material, length and cross-section, then cross-section, length, power and phase typed in
#   failing  "1.5" pasted into the power field: every voltage-drop tick fails under one open report
# Reported per phase: CPU seconds of the program and of its wineserver against the bare window's, the
# program's memory (resident, and anonymous: its heaps) and its USER and GDI object counts at the start,
# after the first minute (runs over a minute) and at the end, and the error reports it has open.
#   SOAK_SECONDS  seconds per phase (default 60)
#   SOAK_PHASES   phases to run, in order (default "idle filled failing"; "filled" and "failing"
#                 type into the window as the earlier phases left it)
#   SOAK_ARCH     32, 64 or auto (default): the shipped 32-bit build where this machine runs 32-bit
#                 programs natively, else the 64-bit one (32-bit under QEMU emulation measures QEMU)
#   SOAK_POINTER  away (default): between the typing and the measuring the pointer goes to the
#                 screen's corner, off both windows; window: it rests on the calculator (Wine then
#                 polls the pointer for the window's mouse-leave tracking, which Windows does not)
#   SOAK_PROGRAM  another build of the calculator to measure (default $build/vireltan.exe)
#   scripts/soak.sh --arch   prints the build the run would use
set -euo pipefail
top=$(cd "$(dirname "$(readlink -f "$0")")/.." && pwd)
cd "$top"
seconds=${SOAK_SECONDS:-60}
pointer=${SOAK_POINTER:-away}
phases=${SOAK_PHASES:-idle filled failing}
arch=${SOAK_ARCH:-auto}
if [ "$arch" = auto ]; then
  if bash scripts/wine-run.sh --can-run-32; then arch=32; else arch=64; fi
fi
if [ "${1:-}" = --arch ]; then echo "$arch"; exit 0; fi

build=build/win$arch
program=${SOAK_PROGRAM:-$build/vireltan.exe} bare=$build/baretimers.exe probe=$build/guiprobe.exe
for exe in "$program" "$bare" "$probe"; do
  [ -f "$exe" ] || { echo "soak: $exe missing (make win$arch)" >&2; exit 1; }
done
command -v xdotool >/dev/null || { echo "soak: xdotool is needed (apt-get install xdotool)" >&2; exit 1; }
if [ "$arch" = 32 ] && ! bash scripts/wine-run.sh --can-run-32; then
  echo "soak: 32-bit programs run under QEMU emulation here: CPU figures are QEMU's" >&2
fi

# Two prefixes copied from the project's one: two wineservers, one per measured program.
mkdir -p build/soak
bash scripts/wine-run.sh --prepare
bash scripts/wine-run.sh --stop
for name in app bare; do
  [ -f "build/soak/prefix-$name/system.reg" ] || cp -a build/wineprefix "build/soak/prefix-$name"
done
app_prefix=$top/build/soak/prefix-app
bare_prefix=$top/build/soak/prefix-bare

started=()
cleanup() {
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  WINEPREFIX=$app_prefix wineserver -k 2>/dev/null || true
  WINEPREFIX=$bare_prefix wineserver -k 2>/dev/null || true
}
trap cleanup EXIT

free_display() {
  local n=$1
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  echo "$n"
}
start_display() {
  Xvfb ":$1" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  started+=($!)
  for _ in $(seq 50); do xdpyinfo -display ":$1" >/dev/null 2>&1 && return; sleep 0.1; done
}
app_display=$(free_display 80); start_display "$app_display"
bare_display=$(free_display $((app_display + 1))); start_display "$bare_display"

# launch PREFIX DISPLAY PROGRAM: $launched becomes the Linux process of the Windows program
# (wine-run.sh execs the loader, which becomes the program).
launch() {
  DISPLAY=":$2" VIRELTAN_WINEPREFIX=$1 bash scripts/wine-run.sh --show "$3" >/dev/null 2>&1 &
  launched=$!
  started+=("$launched")
}
wait_window() {  # DISPLAY TITLE: the X window, once the program shows it (minutes under emulation)
  local window=
  for _ in $(seq 600); do
    window=$(DISPLAY=":$1" xdotool search --name "$2" 2>/dev/null | head -n1) && [ -n "$window" ] && break
    sleep 0.5
  done
  [ -n "$window" ] || { echo "soak: no window \"$2\" appeared" >&2; exit 1; }
  echo "$window"
}
wineserver_of() {  # PREFIX
  local pid
  for pid in $(pgrep wineserver); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$1"; then echo "$pid"; return; fi
  done
  echo "soak: no wineserver for $1" >&2; exit 1
}

launch "$app_prefix" "$app_display" "$program"; app_pid=$launched
launch "$bare_prefix" "$bare_display" "$bare"; bare_pid=$launched
app_window=$(wait_window "$app_display" "Vireltan - 12/2009")
wait_window "$bare_display" "Bare timers" >/dev/null
sleep 5  # start-up done, the first ticks run
app_server=$(wineserver_of "$app_prefix")
bare_server=$(wineserver_of "$bare_prefix")

hz=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }  # user + system, clock ticks
cpu_all() { echo "$(cpu "$app_pid") $(cpu "$app_server") $(cpu "$bare_pid") $(cpu "$bare_server")"; }
status_kb() { awk -v key="$2:" '$1 == key {print $2}' "/proc/$1/status"; }
probe() { DISPLAY=":$app_display" VIRELTAN_WINEPREFIX=$app_prefix bash scripts/wine-run.sh "$probe" "$@"; }
# One reading: resident kB / anonymous kB / USER objects / GDI objects / open reports.
reading() {
  local counts user gdi reports
  counts=$(probe counts TiletkenRhesap | tr -d '\r')
  user=$(sed -n 's/.*user=\([0-9]*\).*/\1/p' <<<"$counts")
  gdi=$(sed -n 's/.*gdi=\([0-9]*\).*/\1/p' <<<"$counts")
  reports=$(sed -n 's/.*reports=\([0-9]*\).*/\1/p' <<<"$counts")
  echo "$(status_kb "$app_pid" VmRSS)/$(status_kb "$app_pid" RssAnon)/$user/$gdi/$reports"
}
counts_source=$(probe counts TiletkenRhesap | tr -d '\r' | sed -n 's/.*source=//p')

keys() { DISPLAY=":$app_display" xdotool "$@"; }
point_at_window() { keys mousemove --window "$app_window" 90 120; sleep 0.3; }
# As a user fills the window from the keyboard, starting in the material box where the focus starts.
fill_inputs() {
  point_at_window
  keys key Down                            # material: the next metal
  keys key Tab Tab; keys type --delay 80 100   # length
  keys key Tab; keys type --delay 80 2,5       # cross-section
  keys key Tab; keys type --delay 80 2,5       # voltage drop: cross-section
  keys key Tab; keys type --delay 80 100       # length
  keys key Tab; keys type --delay 80 3         # power
  keys key Tab Down                        # phase: three-phase
  sleep 2
}
# Back from the phase box into the power field (entered by keyboard: all selected) and paste over it.
paste_failing_input() {
  probe clipboard 1.5
  point_at_window
  keys key shift+Tab
  sleep 0.3
  keys key shift+Insert
  sleep 2
}

rest_pointer() {
  if [ "$pointer" = away ]; then probe pointer 1279 1023; else point_at_window; fi
  sleep 1
}

report=build/soak/report-win$arch.txt
{
  echo "soak: $(date -u '+%Y-%m-%d %H:%M UTC'), win$arch, ${seconds} s a phase, pointer $pointer;" \
       "object counts: $counts_source"
  printf '%-8s %8s %8s %8s | %8s %8s %8s | %6s | %-30s %-30s %-30s\n' phase program server total \
    bare b.server b.total ratio "start rss/anon/user/gdi/rep" "1 min" "end"
} | tee "$report"

for phase in $phases; do
  case "$phase" in
    idle) ;;
    filled) fill_inputs ;;
    failing) paste_failing_input ;;
    *) echo "soak: unknown phase $phase" >&2; exit 1 ;;
  esac
  rest_pointer
  first=$(reading)
  read -r a0 s0 b0 t0 <<<"$(cpu_all)"
  minute=-
  if [ "$seconds" -gt 60 ]; then
    sleep 60
    read -r a1 s1 b1 t1 <<<"$(cpu_all)"
    minute=$(reading)  # the probe's own start-up stays out of the CPU figures
    read -r a2 s2 b2 t2 <<<"$(cpu_all)"
    sleep $((seconds - 60))
  else
    sleep "$seconds"
    read -r a1 s1 b1 t1 <<<"$(cpu_all)"
    a2=$a1 s2=$s1 b2=$b1 t2=$t1
  fi
  read -r a3 s3 b3 t3 <<<"$(cpu_all)"
  last=$(reading)
  awk -v phase="$phase" -v hz="$hz" -v first="$first" -v minute="$minute" -v last="$last" \
      -v a=$(((a1 - a0) + (a3 - a2))) -v s=$(((s1 - s0) + (s3 - s2))) \
      -v b=$(((b1 - b0) + (b3 - b2))) -v t=$(((t1 - t0) + (t3 - t2))) 'BEGIN {
    ratio = (b + t) > 0 ? (a + s) / (b + t) : 0
    printf "%-8s %8.2f %8.2f %8.2f | %8.2f %8.2f %8.2f | %5.2fx | %-30s %-30s %-30s\n",
      phase, a / hz, s / hz, (a + s) / hz, b / hz, t / hz, (b + t) / hz, ratio, first, minute, last
  }' | tee -a "$report"
done
echo "soak: CPU in seconds over each phase; ratio = (program + its wineserver) / (bare window + its wineserver)" | tee -a "$report"
