"""The skin's palette, the shared element drawings (faces, fields, headers, glyphs) and the sheet
packer that places sprites on a skin picture."""

import numpy as np

import raster as rs

# Palette: a dark slate frame and caption, a light client area, white fields, blue accents.
OUTER = (18, 24, 36)
FRAME = (44, 55, 78)
FRAME_INNER = (26, 33, 48)
BAR_TOP = (76, 93, 127)
BAR_BOTTOM = (34, 43, 64)
BAR_HILITE = (122, 140, 176)
CLIENT = (236, 238, 242)
PANEL = (244, 246, 249)
TEXT = (28, 36, 52)
GREY_TEXT = (150, 156, 168)
WHITE = (255, 255, 255)
FIELD_BORDER = (132, 146, 170)
FIELD_BORDER_HOT = (64, 118, 196)
FIELD_BORDER_FLAT = (176, 186, 204)
SEL_TOP = (96, 144, 218)
SEL_BOTTOM = (56, 106, 188)
HEADER_TOP = (74, 90, 123)
HEADER_BOTTOM = (44, 55, 80)
HEADER_BORDER = (28, 36, 54)
MENU_TOP = (108, 130, 168)
MENU_BOTTOM = (90, 111, 150)
MENU_BG = (96, 118, 156)
KEY = (255, 0, 255)  # transparent colour of grips and markers
ACCENT = (40, 96, 184)

# Button faces by state: (top, bottom, border).
FACES = {
    "normal": ((252, 253, 254), (221, 226, 234), (120, 134, 160)),
    "hot": ((238, 245, 255), (194, 214, 243), (70, 120, 196)),
    "down": ((170, 193, 230), (204, 220, 244), (48, 88, 156)),
    "disabled": ((243, 244, 246), (234, 236, 239), (190, 196, 206)),
}


def mix(a, b, t):
    return tuple(x * (1 - t) + y * t for x, y in zip(a, b))


def face(w, h, state, radius=3.0, background=CLIENT):
    """A raised button face: rounded outline, vertical gradient, a light line under the top edge."""
    img = background.copy() if isinstance(background, np.ndarray) else rs.new_image(w, h, background)
    if state == "flat":
        return img
    top, bottom, border = FACES[state]
    rs.gradient_rounded(img, 0, 0, w, h, radius, top, bottom)
    if state != "down":
        inner = rs.rounded_rect_cov(w, h, max(0.0, radius - 1), inset=1.0)
        inner2 = rs.rounded_rect_cov(w, h, max(0.0, radius - 2), inset=2.0)
        band = np.clip(inner - inner2, 0, 1)
        band[h // 2:, :] = 0  # highlight only along the upper half
        rs.blend(img, 0, 0, band, WHITE, 0.6)
    rs.frame_rounded(img, 0, 0, w, h, radius, border)
    return img


def field(w, h, border=FIELD_BORDER, fill=WHITE, radius=2.0, shadow=True, background=CLIENT):
    """A sunken field: white interior, one-pixel border, a faint shadow under the top edge."""
    img = rs.new_image(w, h, background)
    rs.fill_rounded(img, 0, 0, w, h, radius, fill)
    if shadow:
        rs.hline(img, 2, w - 2, 1, TEXT, alpha=0.07)
    rs.frame_rounded(img, 0, 0, w, h, radius, border)
    return img


def header(w, h, radius=3.0, background=CLIENT, bottom_radius=0.0):
    """A dark caption band like the window's caption bar, rounded at the top."""
    img = rs.new_image(w, h, background)
    tall = rs.rounded_rect_cov(w, h + int(radius) + 2, radius)[:h]
    rs.paste(img, 0, 0, rs.vgradient(w, h, HEADER_TOP, HEADER_BOTTOM), tall)
    inner = rs.rounded_rect_cov(w, h + int(radius) + 2, max(0, radius - 1), inset=1.0)[:h]
    band = np.clip(inner - rs.rounded_rect_cov(w, h + int(radius) + 2, max(0, radius - 2), inset=2.0)[:h], 0, 1)
    band[3:, :] = 0
    rs.blend(img, 0, 0, band, BAR_HILITE, 0.7)
    outer = np.clip(tall - rs.rounded_rect_cov(w, h + int(radius) + 2, max(0, radius - 1), inset=1.0)[:h], 0, 1)
    rs.blend(img, 0, 0, outer, HEADER_BORDER)
    return img


def _arrow(img, x, y, w, h, direction, rows, colour, alpha, pressed):
    """A pixel-exact triangle of `rows` rows (7-5-3-1 or 5-3-1 pixels), so arrows stay crisp."""
    cx, cy = x + w // 2 + pressed, y + h // 2 + pressed
    for i in range(rows):
        half = rows - 1 - i if direction in ("down", "right") else i
        line = cy - rows // 2 + i if direction in ("up", "down") else cx - rows // 2 + i
        if direction in ("up", "down"):
            rs.hline(img, cx - half, cx + half + 1, line, colour, alpha)
        else:
            rs.vline(img, line, cy - half, cy + half + 1, colour, alpha)


# Glyphs, drawn centred in a w x h box at (x, y) of img.
def glyph(img, x, y, w, h, name, colour, alpha=1.0, dx=0.0, dy=0.0):
    cx, cy = w / 2 + dx, h / 2 + dy
    segs, poly, thick = [], None, 1.0
    arrows = {"up": 4, "down": 4, "left": 4, "right": 4, "smallup": 3, "smalldown": 3, "smallleft": 3,
              "smallright": 3}
    if name in arrows:
        _arrow(img, x, y, w, h, name.replace("small", ""), arrows[name], colour, alpha, dx > 0 or dy > 0)
        return
    if name == "close":
        r = 3.3
        segs, thick = [(cx - r, cy - r, cx + r, cy + r), (cx + r, cy - r, cx - r, cy + r)], 1.7
    elif name == "min":
        segs, thick = [(cx - 4, cy + 2.5, cx + 4, cy + 2.5)], 2.0
    elif name == "max":
        segs = [(cx - 4.5, cy - 3.0, cx + 4.5, cy - 3.0), (cx - 4.5, cy - 3.5, cx - 4.5, cy + 4.0),
                (cx + 4.5, cy - 3.5, cx + 4.5, cy + 4.0), (cx - 4.5, cy + 4.0, cx + 4.5, cy + 4.0)]
        thick = 1.1
        rs.blend(img, x, y, rs.segments_cov(w, h, [(cx - 4.5, cy - 3.6, cx + 4.5, cy - 3.6)], 1.6), colour, alpha)
    elif name == "restore":
        segs = [(cx - 4.5, cy - 1, cx + 2.5, cy - 1), (cx - 4.5, cy - 1, cx - 4.5, cy + 4.5),
                (cx + 2.5, cy - 1, cx + 2.5, cy + 4.5), (cx - 4.5, cy + 4.5, cx + 2.5, cy + 4.5),
                (cx - 2, cy - 4, cx + 5, cy - 4), (cx + 5, cy - 4, cx + 5, cy + 2), (cx - 2, cy - 4, cx - 2, cy - 1)]
        thick = 1.1
    elif name == "check":
        segs, thick = [(cx - 3.5, cy, cx - 1, cy + 2.8), (cx - 1, cy + 2.8, cx + 3.8, cy - 3)], 1.9
    elif name == "dots":
        for k in (-3.5, 0, 3.5):
            rs.blend(img, x, y, rs.ellipse_cov(w, h, cx + k, cy + 2, 1.1, 1.1), colour, alpha)
        return
    elif name == "hgrip":  # three horizontal lines
        segs, thick = [(cx - 3, cy + k, cx + 3, cy + k) for k in (-2, 0, 2)], 1.0
    elif name == "vgrip":
        segs, thick = [(cx + k, cy - 3, cx + k, cy + 3) for k in (-2, 0, 2)], 1.0
    elif name == "bolt":
        poly = [(cx + 1.2, cy - 5.2), (cx - 3.2, cy + 0.8), (cx - 0.2, cy + 0.8), (cx - 1.4, cy + 5.4),
                (cx + 3.4, cy - 0.8), (cx + 0.4, cy - 0.8)]
    else:
        raise ValueError(name)
    if poly:
        rs.blend(img, x, y, rs.polygon_cov(w, h, poly), colour, alpha)
    if segs:
        rs.blend(img, x, y, rs.segments_cov(w, h, segs, thick), colour, alpha)


def dotted_grip(w, h, colour=(140, 152, 176), background=KEY, step=3):
    """A grip of small raised dots on the transparent key colour."""
    img = rs.new_image(w, h, background)
    for yy in range(1, h - 1, step):
        for xx in range(1, w - 1, step):
            img[yy, xx] = colour
            if yy + 1 < h and xx + 1 < w:
                img[yy + 1, xx + 1] = WHITE
    return img


class Slot:
    """A sprite's place on a sheet, known once the sheet is packed."""

    def __init__(self, w, h):
        self.w, self.h, self.rect = w, h, None


class Sheet:
    """A skin picture that receives sprites: at fixed places at once, the others by a skyline packer
    when `finish` runs (tallest first, which keeps the shelves tight)."""

    def __init__(self, width, height, background, gap=2):
        self.img = rs.new_image(width, height, background)
        self.width, self.height, self.gap = width, height, gap
        self.skyline = np.zeros(width, dtype=int)
        self.pending = []
        self.seen = {}

    def reserve(self, x0, y0, x1, y1):
        self.skyline[x0:min(self.width, x1 + self.gap)] = np.maximum(self.skyline[x0:x1 + self.gap], y1 + self.gap)

    def put(self, sprite, x=None, y=None):
        h, w = sprite.shape[:2]
        if x is None:
            key = (w, h, rs.to_bytes(sprite).tobytes())
            if key not in self.seen:  # identical pictures share one place
                self.seen[key] = Slot(w, h)
                self.pending.append((sprite, self.seen[key]))
            return self.seen[key]
        return self._draw(sprite, x, y)

    def _draw(self, sprite, x, y):
        h, w = sprite.shape[:2]
        assert x + w <= self.width and y + h <= self.height, f"sprite {w}x{h} does not fit at {x},{y}"
        self.img[y:y + h, x:x + w] = sprite
        return (x, y, x + w, y + h)

    def finish(self):
        order = sorted(range(len(self.pending)), key=lambda i: (-self.pending[i][1].h, -self.pending[i][1].w, i))
        for i in order:
            sprite, slot = self.pending[i]
            best = None
            for cx in range(0, self.width - slot.w + 1):
                top = int(self.skyline[cx:cx + slot.w].max())
                if best is None or top < best[0]:
                    best = (top, cx)
            y, x = best
            self.skyline[x:min(self.width, x + slot.w + self.gap)] = y + slot.h + self.gap
            slot.rect = self._draw(sprite, x, y)
        self.pending = []
        return self.img
