#!/usr/bin/env bash
# Installs what the build needs on Debian 12 (run as root). Idempotent: packages already present are
# skipped, so a second run costs one dpkg query. MinGW libpng is built separately (build-libpng.sh).
set -euo pipefail

packages=(
  cmake g++ ninja-build make pkg-config
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
  zlib1g-dev libpng-dev googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev clang-format
  wine wine64 wine32:i386 qemu-user fonts-wine fonts-liberation
  xvfb xauth x11-utils xdotool imagemagick dpkg-dev python3 python3-numpy
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" != 0 ]; then
    echo "bootstrap: missing packages (${missing[*]}); run 'sudo $0'" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq || echo "bootstrap: apt-get update reported problems; trying the install anyway" >&2
  install=(apt-get install -y -qq --no-install-recommends)
  # When a mirror serves the security suite for amd64 but not for i386, the two architectures see
  # different versions of the same multi-arch library and wine32 cannot be installed. Taking the
  # release suite's versions for both keeps them in step.
  "${install[@]}" "${missing[@]}" </dev/null ||
    "${install[@]}" -t bookworm "${missing[@]}" </dev/null
fi

# The MinGW cross compilers default to the win32 thread model; we need the posix one for std::thread
# and friends in GoogleTest.
for arch in i686 x86_64; do
  for tool in gcc g++; do
    alt=/usr/bin/$arch-w64-mingw32-$tool-posix
    [ -x "$alt" ] && update-alternatives --set "$arch-w64-mingw32-$tool" "$alt" >/dev/null 2>&1 || true
  done
done
