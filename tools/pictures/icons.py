"""The transfer button's picture and the program icon.

Both are drawn as vector shapes at eight times their size and averaged down, in premultiplied
alpha, so the edges are soft and there is no dark fringe where they fade out.
"""

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

from render import blur

OVERSAMPLE = 8


def coverage(size, draw_shape, grow=0):
    """A shape's coverage (0..1) on a canvas of size × size, drawn by `draw_shape(draw, scale)`;
    `grow` widens it by that many oversampled pixels all round (for outlines)."""
    big = size * OVERSAMPLE
    image = Image.new("L", (big, big), 0)
    draw_shape(ImageDraw.Draw(image), OVERSAMPLE)
    if grow > 0:
        image = image.filter(ImageFilter.MaxFilter(2 * grow + 1))
    return np.asarray(image, dtype=np.float64) / 255.0


def over(dst, colour, alpha):
    """Paints premultiplied `colour` (h, w, 3 in 0..1) with `alpha` (h, w) over premultiplied dst (h, w, 4)."""
    a = alpha[..., None]
    dst[..., :3] = colour * a + dst[..., :3] * (1.0 - a)
    dst[..., 3:] = a + dst[..., 3:] * (1.0 - a)


def shrink(premultiplied, size):
    big = premultiplied.reshape(size, OVERSAMPLE, size, OVERSAMPLE, 4).mean(axis=(1, 3))
    alpha = big[..., 3:]
    rgb = np.where(alpha > 1.0e-6, big[..., :3] / np.maximum(alpha, 1.0e-6), 0.0)
    out = np.concatenate([rgb, alpha], axis=-1)
    return np.clip(np.rint(out * 255.0), 0, 255).astype(np.uint8)


def grid(size):
    big = size * OVERSAMPLE
    t = (np.arange(big) + 0.5) / big
    return np.meshgrid(t, t)


def glossy_disc(canvas, size, centre, radius, light, dark, rim):
    """A round glass-like badge: a diagonal gradient, a darker rim, and a bright gloss over its top."""
    u, v = grid(size)
    cx, cy = centre
    disc = coverage(size, lambda d, s: d.ellipse([(cx - radius) * size * s, (cy - radius) * size * s,
                                                  (cx + radius) * size * s, (cy + radius) * size * s], fill=255))
    inner_r = radius - max(1.0 / size, 0.035)
    inner = coverage(size, lambda d, s: d.ellipse([(cx - inner_r) * size * s, (cy - inner_r) * size * s,
                                                   (cx + inner_r) * size * s, (cy + inner_r) * size * s], fill=255))
    over(canvas, np.broadcast_to(np.asarray(rim), canvas.shape[:2] + (3,)), disc)
    t = np.clip(((u - cx) * 0.5 + (v - cy) * 0.9) / (2.0 * radius) + 0.5, 0.0, 1.0)[..., None]
    fill = np.asarray(light) * (1.0 - t) + np.asarray(dark) * t
    over(canvas, fill, inner)
    gloss_r = inner_r * 0.82
    gloss = coverage(size, lambda d, s: d.ellipse([(cx - gloss_r) * size * s, (cy - inner_r * 0.96) * size * s,
                                                   (cx + gloss_r) * size * s, (cy + inner_r * 0.25) * size * s],
                                                  fill=255))
    fade = np.clip(1.0 - (v - (cy - inner_r)) / (inner_r * 1.2), 0.0, 1.0)
    over(canvas, np.ones(canvas.shape[:2] + (3,)), gloss * fade * 0.55)


def drop_shadow(canvas, size, shape_alpha, offset, sigma, strength):
    shifted = np.roll(np.roll(shape_alpha, int(offset[1] * OVERSAMPLE), axis=0), int(offset[0] * OVERSAMPLE), axis=1)
    soft = blur(shifted, sigma * OVERSAMPLE) * strength
    over(canvas, np.zeros(canvas.shape[:2] + (3,)), np.clip(soft, 0.0, 1.0))


def transfer_button():
    """32 × 32: a green glossy button with a white arrow pointing down to the voltage-drop panel."""
    size = 32
    canvas = np.zeros((size * OVERSAMPLE, size * OVERSAMPLE, 4))
    centre, radius = (0.5, 0.48), 0.43
    disc = coverage(size, lambda d, s: d.ellipse([(centre[0] - radius) * size * s, (centre[1] - radius) * size * s,
                                                  (centre[0] + radius) * size * s, (centre[1] + radius) * size * s],
                                                 fill=255))
    drop_shadow(canvas, size, disc, (0.6, 1.0), 0.9, 0.45)
    glossy_disc(canvas, size, centre, radius, light=(0.45, 0.85, 0.35), dark=(0.05, 0.42, 0.08), rim=(0.02, 0.25, 0.04))
    # The arrow: a shaft and a head, in unit coordinates of the button.
    arrow = [(0.41, 0.22), (0.59, 0.22), (0.59, 0.47), (0.74, 0.47), (0.50, 0.76), (0.26, 0.47), (0.41, 0.47)]
    shape = coverage(size, lambda d, s: d.polygon([(x * size * s, y * size * s) for x, y in arrow], fill=255))
    drop_shadow(canvas, size, shape, (0.0, 0.8), 0.6, 0.5)
    u, v = grid(size)
    shade = (1.0 - 0.18 * np.clip((v - 0.22) / 0.54, 0.0, 1.0))[..., None]
    over(canvas, np.ones(canvas.shape[:2] + (3,)) * shade, shape)
    return shrink(canvas, size)


BOLT = [(0.56, 0.09), (0.80, 0.09), (0.62, 0.39), (0.78, 0.39), (0.35, 0.92), (0.45, 0.53), (0.27, 0.53)]


def app_icon(size):
    """The program icon at one size: a yellow lightning bolt over a blue conductor badge."""
    canvas = np.zeros((size * OVERSAMPLE, size * OVERSAMPLE, 4))
    margin = 0.5 / size if size <= 16 else 1.0 / size
    radius = 0.5 - margin - (0.5 / size if size > 16 else 0.0)
    centre = (0.5, 0.5 - (0.5 / size if size > 16 else 0.0))
    disc = coverage(size, lambda d, s: d.ellipse([(centre[0] - radius) * size * s, (centre[1] - radius) * size * s,
                                                  (centre[0] + radius) * size * s, (centre[1] + radius) * size * s],
                                                 fill=255))
    if size > 16:
        drop_shadow(canvas, size, disc, (0.3, 0.8), 0.7, 0.4)
    glossy_disc(canvas, size, centre, radius, light=(0.30, 0.58, 0.95), dark=(0.03, 0.16, 0.48), rim=(0.01, 0.07, 0.25))
    # A conductor across the badge: a copper bar the bolt strikes.
    bar_h = max(0.11, 2.0 / size)
    bar = coverage(size, lambda d, s: d.rectangle([0.12 * size * s, (0.70 - bar_h / 2) * size * s,
                                                   0.88 * size * s, (0.70 + bar_h / 2) * size * s], fill=255))
    u, v = grid(size)
    bar_shade = np.clip(1.0 - np.abs(v - 0.68) / bar_h, 0.0, 1.0)[..., None]
    copper = np.asarray((0.55, 0.25, 0.10)) + np.asarray((0.45, 0.45, 0.35)) * bar_shade
    over(canvas, copper, bar * disc)
    outline = max(1.0, 0.04 * size) * OVERSAMPLE
    body = coverage(size, lambda d, s: d.polygon([(x * size * s, y * size * s) for x, y in BOLT], fill=255))
    edge = coverage(size, lambda d, s: d.polygon([(x * size * s, y * size * s) for x, y in BOLT], fill=255),
                    grow=int(round(outline * 0.8)))
    if size > 16:
        drop_shadow(canvas, size, edge, (0.6, 0.8), 0.6, 0.5)
    over(canvas, np.broadcast_to(np.asarray((0.45, 0.18, 0.0)), canvas.shape[:2] + (3,)), edge)
    t = np.clip((v - 0.09) / 0.83, 0.0, 1.0)[..., None]
    gold = np.asarray((1.0, 0.97, 0.55)) * (1.0 - t) + np.asarray((1.0, 0.62, 0.08)) * t
    over(canvas, gold, body)
    return shrink(canvas, size)


def palette_image(rgba):
    """The 256-colour version of an icon picture: half-transparent edges are blended over a light grey
    (where such icons are mostly shown), pixels below half opacity become transparent via the mask."""
    rgb = rgba[..., :3].astype(np.float64)
    alpha = rgba[..., 3:].astype(np.float64) / 255.0
    blended = rgb * alpha + np.asarray((236.0, 236.0, 236.0)) * (1.0 - alpha)
    transparent = rgba[..., 3] < 128
    solid = np.clip(np.rint(blended), 0, 255).astype(np.uint8)
    solid[transparent] = 0
    image = Image.fromarray(solid, "RGB").quantize(colors=256, method=Image.Quantize.MEDIANCUT,
                                                   dither=Image.Dither.NONE)
    palette = image.getpalette()[: 3 * 256]
    triples = [tuple(palette[k: k + 3]) for k in range(0, len(palette), 3)]
    return np.asarray(image, dtype=np.uint8), triples, transparent
