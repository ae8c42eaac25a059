"""Writers for the picture formats the resources use (BMP, ICO, PNG), byte for byte under our control,
so the same input always gives the same file.

A 24-bit BMP has a 14-byte file header, a 40-byte BITMAPINFOHEADER and bottom-up rows of blue,
green and red padded to four bytes. An icon file holds several pictures, each a BITMAPINFOHEADER
whose height counts twice (the colour rows and then the 1-bit mask rows), its palette when it has
one, the colour rows and the mask (1 = transparent).
"""

import struct
import zlib

import numpy as np


def _rows_bottom_up(pixels, bytes_per_pixel):
    height, width = pixels.shape[:2]
    stride = (width * bytes_per_pixel + 3) & ~3
    out = bytearray()
    for y in range(height - 1, -1, -1):
        row = pixels[y].tobytes()
        out += row + b"\0" * (stride - len(row))
    return bytes(out)


def _info_header(width, height, bits, image_size, colours=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 2835, 2835, colours, 0)


def bmp24(rgb):
    """The bytes of a 24-bit BMP file for an (h, w, 3) uint8 picture."""
    rgb = np.asarray(rgb, dtype=np.uint8)
    height, width = rgb.shape[:2]
    body = _rows_bottom_up(rgb[..., ::-1].copy(), 3)
    header = _info_header(width, height, 24, len(body))
    offset = 14 + len(header)
    return struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset) + header + body


def _mask_rows(transparent):
    height, width = transparent.shape
    stride = ((width + 31) // 32) * 4
    out = bytearray()
    for y in range(height - 1, -1, -1):
        bits = np.packbits(transparent[y].astype(np.uint8))
        row = bits.tobytes()
        out += row + b"\0" * (stride - len(row))
    return bytes(out)


def icon_image_32(rgba):
    """An icon picture with 8-bit alpha; the mask marks the fully transparent pixels."""
    rgba = np.asarray(rgba, dtype=np.uint8)
    height, width = rgba.shape[:2]
    bgra = rgba[..., [2, 1, 0, 3]].copy()
    colour = _rows_bottom_up(bgra, 4)
    mask = _mask_rows(rgba[..., 3] == 0)
    return _info_header(width, 2 * height, 32, len(colour) + len(mask)) + colour + mask


def icon_image_8(indices, palette, transparent):
    """A 256-colour icon picture: palette indices, a palette of up to 256 RGB triples, a 1-bit mask."""
    indices = np.asarray(indices, dtype=np.uint8)
    height, width = indices.shape
    table = bytearray()
    for k in range(256):
        r, g, b = palette[k] if k < len(palette) else (0, 0, 0)
        table += bytes((b, g, r, 0))
    colour = _rows_bottom_up(indices[..., None], 1)
    mask = _mask_rows(transparent)
    return _info_header(width, 2 * height, 8, len(colour) + len(mask), 256) + bytes(table) + colour + mask


def ico(entries):
    """The bytes of an icon file; entries are (size, bit count, picture bytes)."""
    head = struct.pack("<HHH", 0, 1, len(entries))
    offset = len(head) + 16 * len(entries)
    directory, data = bytearray(), bytearray()
    for size, bits, picture in entries:
        side = size if size < 256 else 0
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, bits, len(picture), offset + len(data))
        data += picture
    return head + bytes(directory) + bytes(data)


def _png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def png_rgba(rgba):
    """The bytes of an 8-bit RGBA PNG (no filtering, no ancillary chunks: nothing that varies by run)."""
    rgba = np.asarray(rgba, dtype=np.uint8)
    height, width = rgba.shape[:2]
    raw = b"".join(b"\0" + rgba[y].tobytes() for y in range(height))
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + _png_chunk(b"IHDR", header) + _png_chunk(b"IDAT", zlib.compress(raw, 9))
            + _png_chunk(b"IEND", b""))
