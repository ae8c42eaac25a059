#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's own prefix (inside build/), without the Mono
# and Gecko installer dialogs. Used by CTest as the cross-compiling emulator and by `make run`.
#   wine-run.sh PROGRAM [ARGS...]   headless: on $DISPLAY if set, else on a private Xvfb
#   wine-run.sh --show PROGRAM      on $DISPLAY if set, else on a private Xvfb (kept until it exits)
#   wine-run.sh --prepare           create the prefix now (serially, before parallel tests)
#   wine-run.sh --stop              end the prefix's wineserver
#   wine-run.sh --can-run-32        exit 0 when this machine runs 32-bit Windows programs natively
# A 32-bit program needs Wine's 32-bit loader, which needs the kernel's 32-bit emulation. Where that is
# switched off, the loader runs under QEMU's user-mode i386 emulation instead (slower, same results);
# without QEMU the program is not started and the exit code is 77 (CTest counts it as skipped).
set -euo pipefail
show=0
top=$(cd "$(dirname "$(readlink -f "$0")")/.." && pwd)
export WINEPREFIX="${VIRELTAN_WINEPREFIX:-$top/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64

loader64=/usr/lib/wine/wine64
[ -x "$loader64" ] || loader64=$(command -v wine64 || command -v wine)
loader32=/usr/lib/wine/wine
i386_builtins=/usr/lib/i386-linux-gnu/wine/i386-windows

can_run_32() { [ -x "$loader32" ] && "$loader32" --version >/dev/null 2>&1; }
can_emulate_32() { [ -x "$loader32" ] && [ -d "$i386_builtins" ] && command -v qemu-i386 >/dev/null; }

# PE32+ (64-bit) programs have the optional-header magic 0x20b.
is_64bit_program() {
  local offset magic
  offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  magic=$(od -An -tx2 -j$((offset + 24)) -N2 "$1" | tr -d ' ')
  [ "$magic" = 020b ]
}

# Where the prefix's wineserver keeps its socket while it runs (Wine names the folder after the
# prefix's device and inode).
server_socket() {
  printf '/tmp/.wine-%s/server-%x-%x/socket' "$(id -u)" $(stat -c '%d %i' "$WINEPREFIX")
}
server_running() { [ -d "$WINEPREFIX" ] && [ -S "$(server_socket)" ]; }

# Setting up the prefix runs Wine programs (wineboot, reg). Run without an X display, they leave a
# wineserver behind whose desktop has no display; a program started while it lives joins that desktop
# and can make no window. So whoever started the server waits for it to end before anything else runs.
started_server=0
wine_setup() {
  server_running || started_server=1
  "$loader64" "$@" >/dev/null 2>&1 || true
}
settle() {
  if [ "$started_server" = 1 ]; then
    timeout 120 wineserver -w 2>/dev/null || echo "wine-run: the prefix's wineserver did not end" >&2
    started_server=0
  fi
}

# set_managed NAME Y|N: whether Wine hands the windows of program NAME to the window manager.
set_managed() {
  local key="HKCU\\Software\\Wine\\AppDefaults\\$1\\X11 Driver"
  local marker="AppDefaults\\\\$1\\\\X11 Driver"
  if [ "$2" = N ]; then
    grep -qF "$marker" "$WINEPREFIX/user.reg" || wine_setup reg add "$key" /v Managed /d N /f
  else
    ! grep -qF "$marker" "$WINEPREFIX/user.reg" || wine_setup reg delete "$key" /f
  fi
}

prepare() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-run: creating the Wine prefix in $WINEPREFIX" >&2
    wine_setup wineboot -i
    settle
  fi
  # A prefix made where 32-bit code cannot run has no 32-bit system folder; Wine's 32-bit builtin DLLs
  # are what would be installed there.
  local wow64="$WINEPREFIX/drive_c/windows/syswow64"
  if [ -d "$i386_builtins" ] && [ ! -f "$wow64/kernel32.dll" ]; then
    mkdir -p "$wow64"
    find "$i386_builtins" -maxdepth 1 -type f ! -name '*.a' -exec cp -t "$wow64" {} +
  fi
  # Wine draws the caption buttons and control arrows with its Marlett font (fonts-wine), which it only
  # finds in the prefix's Fonts folder. Its other fonts stay out: their MS Sans Serif has no Turkish
  # letters, while Liberation Sans (fontconfig's stand-in) has them and keeps the labels within their
  # design widths.
  local marlett=/usr/share/wine/fonts/marlett.ttf
  if [ -f "$marlett" ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
    cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
  # Without a window manager (Xvfb) Wine waits up to two seconds for every managed window it hides;
  # the test program's windows are made unmanaged so its suites do not spend minutes waiting.
  set_managed win_tests.exe N
  settle
  flock -u 9
}

case "${1:-}" in
  --prepare) prepare; exit 0 ;;
  --stop) wineserver -k 2>/dev/null || true; exit 0 ;;
  --can-run-32) can_run_32; exit ;;
  --show) show=1; shift ;;
esac

program=$1
if is_64bit_program "$program"; then
  loader=("$loader64")
elif can_run_32; then
  loader=("$loader32")
elif can_emulate_32; then
  # The loader would re-execute itself through its preloader, which QEMU would not follow.
  export WINELOADERNOEXEC=1
  loader=(qemu-i386 "$loader32")
else
  echo "wine-run: $(basename "$program") is a 32-bit program and this machine cannot run 32-bit code" \
       "(the kernel's 32-bit emulation is off, and qemu-i386 is not installed); not started" >&2
  exit 77
fi
prepare

# Wine leaves a managed window's caption and border to the window manager. Where there is none (a bare
# X server such as Xvfb) the shown program is made unmanaged, so that Wine draws its frame itself.
has_window_manager() {
  [ -n "${DISPLAY:-}" ] && xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}
if [ "$show" = 1 ]; then
  if has_window_manager; then set_managed "$(basename "$program")" Y; else set_managed "$(basename "$program")" N; fi
  settle
fi

# A display that is named but cannot be reached would only show as windows that fail one by one.
if [ -n "${DISPLAY:-}" ] && command -v xdpyinfo >/dev/null && ! xdpyinfo >/dev/null 2>&1; then
  echo "wine-run: cannot reach the X display DISPLAY=$DISPLAY; not started" >&2
  exit 1
fi

if [ -n "${DISPLAY:-}" ]; then
  exec "${loader[@]}" "$@"
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" "${loader[@]}" "$@"
