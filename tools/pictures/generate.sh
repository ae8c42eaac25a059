#!/usr/bin/env bash
# Regenerates the program's pictures and icon into resources/ (see README.md beside this script).
# The generator needs Debian's Python imaging and numeric packages and the DejaVu fonts; the build
# itself does not, so they are installed here, on demand, rather than by scripts/bootstrap.sh.
set -euo pipefail
here=$(cd "$(dirname "$(readlink -f "$0")")" && pwd)

packages=(python3 python3-pil python3-numpy fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" != 0 ]; then
    echo "generate.sh: missing packages (${missing[*]}); run 'sudo apt-get install ${missing[*]}'" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi

# Debian's interpreter, where python3-pil and python3-numpy live (not a virtual environment's).
exec /usr/bin/python3 "$here/generate.py" "$@"
