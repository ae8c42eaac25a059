#!/usr/bin/python3
"""Regenerates every picture of the program's resources: the eight material bitmaps, the two formula
drawings, the ohm sign, the transfer button's PNG and the program icon.

    /usr/bin/python3 tools/pictures/generate.py [--resources DIR] [--contact-sheet FILE.png]

All randomness comes from fixed seeds, so a run on the same package versions rewrites the same bytes.
"""

import argparse
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFont

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import encoders  # noqa: E402
import icons  # noqa: E402
import materials  # noqa: E402
import typeset  # noqa: E402

REPO = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))

# File name, renderer and seed of each material picture, in the selector's order.
MATERIALS = [
    ("altin.bmp", lambda: materials.render_reel("altin", 101)),
    ("gumus.bmp", lambda: materials.render_reel("gumus", 102)),
    ("bakir.bmp", lambda: materials.render_reel("bakir", 103)),
    ("cinko.bmp", lambda: materials.render_reel("cinko", 104)),
    ("aluminyum.bmp", lambda: materials.render_reel("aluminyum", 105)),
    ("magnezyum.bmp", lambda: materials.render_magnesium(23)),
    ("krom.bmp", lambda: materials.render_krom(107)),
    ("tungsten.bmp", lambda: materials.render_tungsten(108)),
]

DRAWINGS = [
    ("formula_resistance.bmp", typeset.resistance_formula),
    ("formula_voltagedrop.bmp", typeset.voltage_drop_formula),
    ("ohm_sign.bmp", typeset.ohm_sign),
]

ICON_SIZES = (48, 32, 24, 16)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    print(f"  {os.path.relpath(path, REPO)} ({len(data)} bytes)")


def build_icon():
    """Eight pictures: each size with alpha, then each size in 256 colours. Also returns how each looks."""
    entries, previews, rgbas = [], [], []
    for size in ICON_SIZES:
        rgba = icons.app_icon(size)
        entries.append((size, 32, encoders.icon_image_32(rgba)))
        previews.append((f"icon{size} 32-bit", rgba))
        rgbas.append(rgba)
    for size, rgba in zip(ICON_SIZES, rgbas):
        indices, palette, transparent = icons.palette_image(rgba)
        entries.append((size, 8, encoders.icon_image_8(indices, palette, transparent)))
        shown = np.zeros((size, size, 4), dtype=np.uint8)
        shown[..., :3] = np.asarray(palette, dtype=np.uint8)[indices]
        shown[..., 3] = np.where(transparent, 0, 255)
        previews.append((f"icon{size} 8-bit", shown))
    return encoders.ico(entries), previews


def contact_sheet(path, tiles):
    """All pictures on the window's face colour, the small ones also enlarged, each with its name."""
    label_font = ImageFont.truetype(os.path.join(typeset.FONT_DIR, "DejaVuSans.ttf"), 11)
    cells = []
    for name, image in tiles:
        scale = 1 if max(image.size) >= 100 else 3 if max(image.size) >= 30 else 4
        shown = image.resize((image.width * scale, image.height * scale), Image.NEAREST)
        label = f"{name} {image.width}x{image.height}" + (f" (x{scale})" if scale > 1 else "")
        cell_width = max(shown.width, int(label_font.getlength(label))) + 16
        cell = Image.new("RGBA", (cell_width, shown.height + 34), (240, 240, 240, 255))
        cell.alpha_composite(shown.convert("RGBA"), (8, 8))
        ImageDraw.Draw(cell).text((8, shown.height + 14), label, font=label_font, fill=(0, 0, 0, 255))
        cells.append(cell)
    rows, row, width = [], [], 0
    for cell in cells:
        if row and width + cell.width > 900:
            rows.append(row)
            row, width = [], 0
        row.append(cell)
        width += cell.width
    rows.append(row)
    sheet = Image.new("RGBA", (max(sum(c.width for c in r) for r in rows),
                               sum(max(c.height for c in r) for r in rows)), (240, 240, 240, 255))
    y = 0
    for r in rows:
        x = 0
        for cell in r:
            sheet.alpha_composite(cell, (x, y))
            x += cell.width
        y += max(c.height for c in r)
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    sheet.convert("RGB").save(path)
    print(f"  contact sheet: {path}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--resources", default=os.path.join(REPO, "resources"))
    parser.add_argument("--contact-sheet", default=None)
    args = parser.parse_args()
    pictures = os.path.join(args.resources, "pictures")
    tiles = []

    for name, render in MATERIALS:
        rgb = render()
        write(os.path.join(pictures, name), encoders.bmp24(rgb))
        tiles.append((name, Image.fromarray(rgb, "RGB")))
    for name, draw in DRAWINGS:
        image = draw()
        write(os.path.join(pictures, name), encoders.bmp24(np.asarray(image)))
        tiles.append((name, image))
    button = icons.transfer_button()
    write(os.path.join(pictures, "transfer.png"), encoders.png_rgba(button))
    tiles.append(("transfer.png", Image.fromarray(button, "RGBA")))
    data, previews = build_icon()
    write(os.path.join(args.resources, "vireltan.ico"), data)
    for name, rgba in previews:
        tiles.append((name, Image.fromarray(rgba, "RGBA")))

    if args.contact_sheet:
        contact_sheet(args.contact_sheet, tiles)


if __name__ == "__main__":
    main()
