#!/usr/bin/env bash
# Runs every test suite of the builds `make test` made: the native ones directly, the Windows ones under
# Wine on a virtual X display. The Windows suites always run in a Wine prefix created by this very run,
# the way a new machine meets them; creating it overlaps the native suites. A failing suite does not hide
# the others; the exit status tells.
set -uo pipefail
cd "$(dirname "$0")/.."

export VIRELTAN_WINEPREFIX="$PWD/build/wineprefix-test"
status=0

bash scripts/wine-run.sh --stop
rm -rf "$VIRELTAN_WINEPREFIX"
mkdir -p build
bash scripts/wine-run.sh --prepare >build/wineprefix-test.log 2>&1 &
preparing=$!

for preset in native native-asan; do
  echo "== tests: $preset"
  ctest --preset "$preset" -j2 || status=1
done

if ! wait "$preparing"; then
  echo "== a new Wine prefix could not be created:" >&2
  cat build/wineprefix-test.log >&2
  exit 1
fi

if bash scripts/wine-run.sh --can-run-32; then
  echo "== 32-bit Windows programs run natively on this machine"
else
  echo "== 32-bit Windows programs run under QEMU's i386 emulation here (slower, same results)"
fi

# One display for both Windows builds, so no wineserver outlives the display it was started on.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  status=0
  for preset in win32 win64; do
    echo "== tests: $preset (Wine)"
    ctest --preset "$preset" -j2 || status=1
  done
  bash scripts/wine-run.sh --stop
  exit $status' || status=1

exit $status
