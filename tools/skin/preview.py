#!/usr/bin/python3
"""Draws a rough preview of the skin (a window with a group box, edits, a combo box, a list and the
system menu) into a PNG, for the author's eye only: the composition follows the skin's tiling rules
closely enough to judge colours and seams, and uses whatever sans font is installed for text.

usage: preview.py SOURCEDIR OUT.png
"""

import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFont


def load(folder, name):
    return np.asarray(Image.open(os.path.join(folder, name)).convert("RGB"))


def tile_h(piece, width):
    reps = -(-width // piece.shape[1])
    return np.tile(piece, (1, reps, 1))[:, :width]


def tile_v(piece, height):
    reps = -(-height // piece.shape[0])
    return np.tile(piece, (reps, 1, 1))[:height]


def nine(src, rect, lt, rt, lb, rb, client, width, height):
    """Nine-piece composition with every edge and the middle tiled."""
    x0, y0, x1, y1 = rect
    s = src[y0:y1, x0:x1]
    sh, sw = s.shape[:2]
    cl, ct, cr, cb = client
    dx, dy = width - sw, height - sh
    out = np.zeros((height, width, 3), dtype=np.uint8)
    out[ct:cb + dy, cl:cr + dx] = tile_v(tile_h(s[ct:cb, cl:cr], cr + dx - cl), cb + dy - ct)
    out[0:ct, lt[0]:rt[0] + dx] = tile_h(s[0:ct, lt[0]:rt[0]], rt[0] + dx - lt[0])
    out[cb + dy:, lb[0]:rb[0] + dx] = tile_h(s[cb:, lb[0]:rb[0]], rb[0] + dx - lb[0])
    out[lt[1]:lb[1] + dy, 0:cl] = tile_v(s[lt[1]:lb[1], 0:cl], lb[1] + dy - lt[1])
    out[rt[1]:rb[1] + dy, cr + dx:] = tile_v(s[rt[1]:rb[1], cr:], rb[1] + dy - rt[1])
    out[0:ct, 0:lt[0]] = s[0:ct, 0:lt[0]]
    out[ct:lt[1], 0:cl] = s[ct:lt[1], 0:cl]
    out[0:ct, rt[0] + dx:] = s[0:ct, rt[0]:]
    out[ct:rt[1], cr + dx:] = s[ct:rt[1], cr:]
    out[lb[1] + dy:, 0:cl] = s[lb[1]:, 0:cl]
    out[cb + dy:, cl:lb[0]] = s[cb:, cl:lb[0]]
    out[cb + dy:, rb[0] + dx:] = s[cb:, rb[0]:]
    out[rb[1] + dy:cb + dy, cr + dx:] = s[rb[1]:cb, cr:]
    return out


def hstrip(src, rect, left, right, width):
    x0, y0, x1, y1 = rect
    s = src[y0:y1, x0:x1]
    sw = s.shape[1]
    out = tile_h(s[:, left:sw - right], width).copy()
    out[:, :left] = s[:, :left]
    out[:, width - right:] = s[:, sw - right:]
    return out


def main():
    folder, target = sys.argv[1], sys.argv[2]
    main_pic, mask = load(folder, "main.bmp"), load(folder, "mask.bmp")
    controls, popup, item = load(folder, "controls.bmp"), load(folder, "popup.bmp"), load(folder, "menuitem.bmp")
    W, H = 420, 300
    win = nine(main_pic, (0, 0, 150, 150), (30, 28), (81, 28), (6, 140), (127, 134), (5, 27, 145, 142), W, H)
    # Objects in the right-top zone move with the right edge.
    dx = W - 150
    win[0:27, 81 + dx:W] = main_pic[0:27, 81:150]
    shape = nine(mask, (0, 0, 150, 150), (30, 28), (81, 28), (6, 140), (127, 134), (5, 3, 145, 145), W, H)
    canvas = Image.new("RGB", (W + 180, H + 40), (120, 128, 140))
    window = Image.fromarray(win)
    canvas.paste(window, (20, 20), Image.fromarray(((shape[:, :, 0] < 128) * 255).astype(np.uint8)))
    draw = ImageDraw.Draw(canvas)
    try:
        bold = ImageFont.truetype("DejaVuSans-Bold.ttf", 13)
        regular = ImageFont.truetype("DejaVuSans.ttf", 11)
    except OSError:
        bold = regular = ImageFont.load_default()
    draw.text((20 + 31, 20 + 6), "Vireltan", font=bold, fill=(74, 89, 119))
    draw.text((20 + 30, 20 + 5), "Vireltan", font=bold, fill=(255, 255, 255))
    # A group box, an edit, a combo box and a list box on the client area.
    gb = nine(controls, (352, 75, 411, 127), (5, 17), (52, 17), (4, 47), (55, 48), (2, 17, 57, 50), 200, 120)
    canvas.paste(Image.fromarray(gb), (40, 70))
    draw.text((40 + 100 - 22, 70 + 2), "Direnç", font=regular, fill=(255, 255, 255))
    edit = hstrip(controls, ctl_rect(folder, "edit"), 3, 3, 120)
    canvas.paste(Image.fromarray(edit), (55, 100))
    draw.text((60, 103), "12,5", font=regular, fill=(0, 0, 0))
    combo = hstrip(controls, (318, 3, 376, 23), 2, 18, 140)
    canvas.paste(Image.fromarray(combo), (55, 130))
    draw.text((60, 133), "Bakır", font=regular, fill=(0, 0, 0))
    lb = nine(controls, ctl_rect(folder, "listbox"), (4, 4), (44, 4), (4, 44), (44, 44), (2, 2, 46, 46), 140, 90)
    canvas.paste(Image.fromarray(lb), (260, 70))
    # The system menu: frame picture with two items and a divider.
    menu = nine(popup, (0, 0, 146, 257), (8, 8), (138, 8), (8, 249), (138, 249), (2, 2, 144, 255), 120, 52)
    it = hstrip(item, (1, 1, 64, 24), 1, 1, 116)
    menu[2:25, 2:118] = it
    menu[25:27, 2:118] = hstrip(item, (2, 44, 63, 46), 0, 0, 116)
    menu[27:50, 2:118] = it
    canvas.paste(Image.fromarray(menu), (20 + 10, 20 + 23))
    draw.text((20 + 10 + 22, 20 + 23 + 6), "Minimize", font=regular, fill=(0, 0, 0))
    draw.text((20 + 10 + 22, 20 + 23 + 31), "Close      Alt+F4", font=regular, fill=(255, 255, 255))
    canvas = canvas.resize((canvas.width * 2, canvas.height * 2), Image.NEAREST)
    canvas.save(target)


def ctl_rect(folder, name):
    text = open(os.path.join(folder, "skin.ini"), encoding="latin-1").read()
    section = text.split(f"[{name}]", 1)[1]
    for line in section.splitlines():
        if line.startswith("skinrect="):
            return tuple(int(v) for v in line.split("=")[1].split(","))
    raise KeyError(name)


if __name__ == "__main__":
    main()
