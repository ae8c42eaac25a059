#!/usr/bin/python3
"""Packs a skin definition file and the BMP files it names into a stored skin (a zlib stream).

usage: pack_skin.py SKIN.INI OUT

`skintool pack` does the same job and is the packer the build documents; this script exists so that the
stored skin can be rebuilt without a compiled tool, and the two must produce identical bytes.

Container: version 3 (int32 LE); for picture, inactivepicture and mask a flag byte (1 empty, 0 present)
and the BMP file when present; the count of [PICTURES] list entries (int32 LE) and each listed BMP file;
the skin file's text with every line ended by CR LF. Compressed with zlib at level 9.
"""

import os
import re
import struct
import sys
import zlib

REQUIRED = ("VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS")


def read_sections(text):
    """Section -> {key: value}, with the skin file's rules: trimmed lines, case-insensitive names,
    the first occurrence of a section or key wins, lines without '=' are not entries."""
    sections, current = {}, None
    for raw in re.split(r"\r\n|\r|\n", text):
        line = raw.strip(" \t\x00\x01\x02\x03\x04\x05\x06\x07\x08\x0b\x0c\x0e\x0f\x1a\x1b")
        if not line or line.startswith(";"):
            continue
        if line.startswith("[") and line.endswith("]"):
            name = line[1:-1].strip().lower()
            current = sections.setdefault(name, {}) if name not in sections else None
            continue
        if current is not None and "=" in line:
            key, value = line.split("=", 1)
            current.setdefault(key.strip().lower(), value.strip())
    return sections


def pack(ini_path):
    with open(ini_path, "rb") as f:
        text = f.read().decode("latin-1")
    sections = read_sections(text)
    missing = [name for name in REQUIRED if name.lower() not in sections]
    if missing:
        raise SystemExit(f"error: {ini_path} has no [{missing[0]}] section")
    folder = os.path.dirname(os.path.abspath(ini_path))
    pictures = sections["pictures"]

    def bmp(name):
        with open(os.path.join(folder, name), "rb") as f:
            data = f.read()
        if data[:2] != b"BM":
            raise SystemExit(f"error: {name} is not a BMP file")
        return data

    out = bytearray(struct.pack("<i", 3))
    for key in ("picture", "inactivepicture", "mask"):
        name = pictures.get(key, "")
        out += b"\x01" if not name else b"\x00" + bmp(name)
    try:
        count = int(pictures.get("activepicturescount", "0"))
    except ValueError:
        count = 0
    count = max(count, 0)
    out += struct.pack("<i", count)
    for i in range(count):
        out += bmp(pictures.get(str(i), ""))
    lines = re.split(r"\r\n|\r|\n", text)
    if lines and lines[-1] == "":
        lines.pop()
    out += "".join(line + "\r\n" for line in lines).encode("latin-1")
    return zlib.compress(bytes(out), 9), len(out)


def main():
    if len(sys.argv) != 3:
        raise SystemExit("usage: pack_skin.py SKIN.INI OUT")
    data, inflated = pack(sys.argv[1])
    with open(sys.argv[2], "wb") as f:
        f.write(data)
    print(f"{sys.argv[2]}: {inflated} bytes packed into {len(data)}")


if __name__ == "__main__":
    main()
