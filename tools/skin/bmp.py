"""Windows bitmap files as the skin container stores them: 24-bit bottom-up and 1-bit with a
two-colour table. The file header's size field equals the bytes written, so a reader that walks the
headers, the colour table and the pixel rows ends exactly where the next field of the container starts.
"""

import struct

import numpy as np


def _file(width, height, bits, palette, rows):
    image = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(image), 0, 0,
                       len(palette) // 4, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    return header + info + palette + image


def bmp24(pixels):
    """pixels: H x W x 3 uint8 RGB, top row first."""
    height, width = pixels.shape[:2]
    stride = (width * 3 + 3) & ~3
    bgr = pixels[::-1, :, ::-1]
    pad = bytes(stride - width * 3)
    rows = [bgr[y].tobytes() + pad for y in range(height)]
    return _file(width, height, 24, b"", rows)


def bmp1(inside):
    """inside: H x W bool, True for black (index 0); False is white (index 1)."""
    height, width = inside.shape
    stride = ((width + 31) // 32) * 4
    bits = np.packbits(~inside[::-1], axis=1)  # bit set = white
    rows = [bits[y].tobytes().ljust(stride, b"\0") for y in range(height)]
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    return _file(width, height, 1, palette, rows)
