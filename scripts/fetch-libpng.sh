#!/usr/bin/env bash
# Fetches Debian's libpng1.6 source package into build/deps/libpng (once) for the MinGW builds.
# Only the release suite's sources are asked for: the security suite does not serve all of its sources.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dest="$top/build/deps/libpng"
[ -f "$dest/png.c" ] && exit 0

entry=/etc/apt/sources.list.d/vireltan-deb-src
if ! apt-get source --print-uris libpng1.6 >/dev/null 2>&1; then
  [ "$(id -u)" = 0 ] || { echo "fetch-libpng: needs root to add a deb-src entry" >&2; exit 1; }
  # The deb-src entry points at the same archive as the machine's own bookworm entry.
  sources=$(ls /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -v vireltan || true)
  lists=$(ls /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null | grep -v vireltan || true)
  [ -z "$sources" ] || grep -hv '^#' $sources |
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /Types:[^\n]*deb/ && /Suites:[^\n]*bookworm([ \n]|$)/ && !/security/ {
           sub(/Types:[^\n]*/, "Types: deb-src"); sub(/Suites:[^\n]*/, "Suites: bookworm");
           sub(/Components:[^\n]*/, "Components: main"); print; exit }' > "$entry.sources"
  [ -z "$lists" ] || cat $lists |
    awk '$1 == "deb" && $0 ~ / bookworm / && !/security/ { $1 = "deb-src"; print; exit }' > "$entry.list"
  [ -s "$entry.sources" ] || rm -f "$entry.sources"
  [ -s "$entry.list" ] || rm -f "$entry.list"
  ls "$entry".* >/dev/null 2>&1 || { echo "fetch-libpng: no bookworm archive configured in apt" >&2; exit 1; }
  apt-get update -qq || true
fi

work="$top/build/deps/.libpng-fetch"
rm -rf "$work" && mkdir -p "$work"
(cd "$work" && apt-get source -qq libpng1.6 </dev/null >/dev/null 2>&1 ||
   apt-get source -qq -t bookworm libpng1.6 </dev/null)
src=$(find "$work" -maxdepth 1 -mindepth 1 -type d -name 'libpng1.6-*' | head -n 1)
[ -n "$src" ] && [ -f "$src/png.c" ] || { echo "fetch-libpng: no libpng sources unpacked" >&2; exit 1; }
rm -rf "$dest" && mv "$src" "$dest" && rm -rf "$work"
