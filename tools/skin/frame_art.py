"""The window frame's pictures: the main picture, its mask, the caption-button sheet (skin picture 0),
the pop-up menu frame (1), the menu item (2) and the hint frame (3)."""

import numpy as np

import art
import raster as rs

W = H = 150
CLIENT_RECT = (5, 27, 145, 142)
CORNER_RADIUS = 7
CAPTION = (28, 4, 85, 21)
CLOSE = (108, 5, 125, 22)
MINIMIZE = (129, 5, 148, 26)
MAXIMIZE = (85, 5, 104, 26)
SYSMENU = (10, 10, 23, 23)
FRAMES = 6


def caption_bar(width):
    """The 27 rows above the client area: gradient, a highlight under the outer edge, a dark seam."""
    bar = rs.vgradient(width, 27, art.BAR_TOP, art.BAR_BOTTOM)
    rs.hline(bar, 0, width, 0, art.OUTER)
    rs.hline(bar, 0, width, 1, art.BAR_HILITE, alpha=0.75)
    rs.hline(bar, 0, width, 2, art.BAR_HILITE, alpha=0.25)
    rs.hline(bar, 0, width, 26, art.FRAME_INNER)
    return bar


def bar_slice(top, w, h):
    return caption_bar(w)[top:top + h].copy()


def caption_glyph_button(name, w, h, t, down=False):
    """A caption button drawn straight on the bar: only the glyph at rest (t = 0), a soft rounded
    highlight growing with t, a darker pressed look when down."""
    img = bar_slice(5, w, h)
    if down:
        rs.fill_rounded(img, 0, 0, w, h, 4, (0, 0, 0), alpha=0.28)
        rs.frame_rounded(img, 0, 0, w, h, 4, art.WHITE, alpha=0.30)
        art.glyph(img, 0, 0, w, h, name, art.WHITE, dx=0.5, dy=0.5)
        return img
    if t > 0:
        rs.fill_rounded(img, 0, 0, w, h, 4, art.WHITE, alpha=0.20 * t)
        rs.frame_rounded(img, 0, 0, w, h, 4, art.WHITE, alpha=0.42 * t)
    art.glyph(img, 0, 0, w, h, name, art.mix((190, 201, 221), art.WHITE, t))
    return img


CLOSE_LOOKS = {
    "normal": ((176, 74, 74), (138, 46, 50), (92, 26, 30), (246, 232, 232)),
    "hot": ((236, 104, 96), (198, 56, 56), (120, 28, 30), (255, 255, 255)),
    "down": ((148, 40, 44), (178, 62, 62), (90, 20, 24), (255, 236, 236)),
    "disabled": ((100, 110, 130), (78, 88, 108), (50, 58, 76), (150, 160, 178)),
}


def close_button(state):
    w, h = CLOSE[2] - CLOSE[0], CLOSE[3] - CLOSE[1]
    top, bottom, border, mark = CLOSE_LOOKS[state]
    img = bar_slice(5, w, h)
    rs.gradient_rounded(img, 0, 0, w, h, 3.5, top, bottom)
    rs.blend(img, 0, 0, np.clip(rs.rounded_rect_cov(w, h, 2.5, 1.0) - rs.rounded_rect_cov(w, h, 1.5, 2.0), 0, 1)
             * (np.arange(h)[:, None] < h // 2), art.WHITE, 0.35)
    rs.frame_rounded(img, 0, 0, w, h, 3.5, border)
    shift = 0.5 if state == "down" else 0.0
    art.glyph(img, 0, 0, w, h, "close", mark, dx=shift, dy=shift)
    return img


SYSMENU_LOOKS = {
    "normal": ((255, 208, 92), (230, 148, 30), (128, 78, 12)),
    "hot": ((255, 230, 140), (252, 180, 64), (150, 96, 20)),
    "down": ((214, 142, 34), (244, 186, 80), (110, 64, 8)),
}


def sysmenu_button(state):
    w, h = SYSMENU[2] - SYSMENU[0], SYSMENU[3] - SYSMENU[1]
    top, bottom, border = SYSMENU_LOOKS[state]
    img = bar_slice(10, w, h)
    rs.gradient_rounded(img, 0, 0, w, h, 3, top, bottom)
    rs.frame_rounded(img, 0, 0, w, h, 3, border)
    art.glyph(img, 0, 0, w, h, "bolt", (36, 42, 58), dx=0.5 if state == "down" else 0.0)
    return img


def strip(name, w, h):
    return np.concatenate([caption_glyph_button(name, w, h, k / (FRAMES - 1)) for k in range(FRAMES)], axis=1)


def main_picture():
    img = rs.new_image(W, H, art.FRAME)
    img[0:27] = caption_bar(W)
    left, top, right, bottom = CLIENT_RECT
    img[top:bottom, left:right] = art.CLIENT
    # Side and bottom borders: outer edge, body, a dark seam along the client area.
    img[27:, 0] = art.OUTER
    img[27:, W - 1] = art.OUTER
    img[27:bottom, left - 1] = art.FRAME_INNER
    img[27:bottom, right] = art.FRAME_INNER
    img[27:, 1] = art.mix(art.FRAME, art.BAR_HILITE, 0.35)
    img[bottom, left - 1:right + 1] = art.FRAME_INNER
    img[bottom + 1:H - 1, 1:W - 1] = rs.vgradient(W - 2, H - bottom - 2, (50, 62, 88), (36, 45, 66))
    img[bottom + 1, 1:W - 1] = art.mix(art.FRAME, art.BAR_HILITE, 0.25)
    img[H - 1, :] = art.OUTER
    img[0:27, 0] = art.OUTER
    img[0:27, W - 1] = art.OUTER
    img[2:26, 1] = art.mix(img[2, 2], art.BAR_HILITE, 0.3)
    # Rounded top corners: the outer edge follows the arc; outside it the mask cuts the window.
    tall = rs.rounded_rect_cov(W, 2 * CORNER_RADIUS + 2, CORNER_RADIUS)[:CORNER_RADIUS + 1]
    ring = tall - rs.rounded_rect_cov(W, 2 * CORNER_RADIUS + 2, CORNER_RADIUS - 1, 1.0)[:CORNER_RADIUS + 1]
    corner = img[:CORNER_RADIUS + 1]
    corner[:] = corner * tall[:, :, None] + np.asarray(art.OUTER) * (1 - tall[:, :, None])
    rs.blend(img, 0, 0, np.clip(ring, 0, 1), art.OUTER)
    # Caption objects at rest, exactly as frame 1 of their animations and their normal looks.
    for rect, sprite in ((MAXIMIZE, caption_glyph_button("max", 19, 21, 0)),
                         (MINIMIZE, caption_glyph_button("min", 19, 21, 0)),
                         (CLOSE, close_button("normal")), (SYSMENU, sysmenu_button("normal"))):
        img[rect[1]:rect[3], rect[0]:rect[2]] = sprite
    return img


def mask_picture():
    """Black (inside) everywhere except outside the arcs of the two rounded top corners."""
    inside = np.ones((H, W), dtype=bool)
    r = CORNER_RADIUS
    for y in range(r):
        for x in range(r):
            dx, dy = r - (x + 0.5), r - (y + 0.5)
            if dx * dx + dy * dy > r * r:
                inside[y, x] = False
                inside[y, W - 1 - x] = False
    return inside


def button_sheet():
    """Skin picture 0 (185 x 114): caption-button states and animation strips, main-menu-bar items."""
    sheet = art.Sheet(185, 114, art.FRAME)
    rects = {}
    rects["min_strip"] = sheet.put(strip("min", 19, 21), 0, 0)
    rects["min_down"] = sheet.put(caption_glyph_button("min", 19, 21, 1, down=True), 116, 0)
    rects["close_hot"] = sheet.put(close_button("hot"), 2, 28)
    rects["close_disabled"] = sheet.put(close_button("disabled"), 21, 28)
    rects["close_down"] = sheet.put(close_button("down"), 40, 28)
    rects["sys_hot"] = sheet.put(sysmenu_button("hot"), 60, 30)
    rects["sys_down"] = sheet.put(sysmenu_button("down"), 75, 30)
    rects["max_strip"] = sheet.put(strip("max", 19, 21), 0, 50)
    rects["max_down"] = sheet.put(caption_glyph_button("max", 19, 21, 1, down=True), 116, 50)
    rects["restore_strip"] = sheet.put(strip("restore", 19, 21), 0, 74)
    rects["restore_down"] = sheet.put(caption_glyph_button("restore", 19, 21, 1, down=True), 116, 74)
    # Main-menu-bar item (light, like the tool bars) and its small caption buttons.
    light = rs.new_image(46, 20, art.PANEL)
    rects["mbitem"] = sheet.put(light, 138, 0)
    rects["mbitem_hot"] = sheet.put(art.face(46, 20, "hot", 3, background=art.PANEL), 138, 22)
    rects["mbitem_down"] = sheet.put(art.face(46, 20, "down", 3, background=art.PANEL), 138, 50)
    sheet.img[97:114, :] = art.PANEL
    x = 2
    for name, g in (("mbsys", "bolt"), ("mbclose", "close"), ("mbmax", "max"), ("mbmin", "min")):
        for state in ("normal", "hot", "down"):
            sprite = art.face(13, 13, state, 2, background=art.PANEL) if state != "normal" \
                else rs.new_image(13, 13, art.PANEL)
            art.glyph(sprite, 0, 0, 13, 13, g, art.TEXT)
            rects[f"{name}_{state}"] = sheet.put(sprite, x, 99)
            x += 15
    return sheet.img, rects


def popup_picture():
    """Skin picture 1 (146 x 257): the pop-up menu frame around the items area (2, 2, 144, 255)."""
    img = rs.new_image(146, 257, art.MENU_BG)
    rs.outline(img, 0, 0, 146, 257, (22, 28, 42))
    rs.outline(img, 1, 1, 144, 255, (138, 158, 194))
    rs.hline(img, 2, 144, 254, (70, 88, 122))
    return img


def menu_item_picture():
    """Skin picture 2 (65 x 115): the menu item (1, 1, 64, 24) and the divider (2, 44, 63, 46)."""
    img = rs.new_image(65, 115, art.MENU_BG)
    item = rs.vgradient(63, 23, art.MENU_TOP, art.MENU_BOTTOM)
    rs.hline(item, 0, 63, 0, (132, 154, 192), alpha=0.7)
    rs.hline(item, 0, 63, 22, (84, 104, 142), alpha=0.6)
    img[1:24, 1:64] = item
    img[44, 2:63] = (64, 80, 112)
    img[45, 2:63] = (140, 160, 196)
    return img


def hint_picture():
    """Skin picture 3 (117 x 100): the hint window's frame, a light cream note with a dark edge."""
    img = rs.new_image(117, 100, (253, 248, 224))  # flat: its edges and middle are tiled
    rs.outline(img, 0, 0, 117, 100, (118, 108, 78))
    rs.outline(img, 1, 1, 115, 98, (255, 255, 250))
    return img
