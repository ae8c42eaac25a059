"""Small anti-aliased raster primitives over numpy float images (H x W x 3, values 0..255).

Everything is computed from closed-form coverage on a fixed supersampling grid, so the same inputs
always give the same pixels: the generator's output is reproducible byte for byte.
"""

import numpy as np

SS = 4  # supersampling factor per axis for shape coverage


def new_image(width, height, colour):
    img = np.zeros((height, width, 3), dtype=np.float64)
    img[:, :] = colour
    return img


def _sample_grid(x0, y0, x1, y1):
    """Sub-pixel sample centres of the pixel box [x0,x1) x [y0,y1)."""
    offs = (np.arange(SS) + 0.5) / SS
    xs = (np.arange(x0, x1)[:, None] + offs[None, :]).ravel()
    ys = (np.arange(y0, y1)[:, None] + offs[None, :]).ravel()
    return np.meshgrid(xs, ys)


def _coverage(inside, w, h):
    """Average a supersampled boolean grid back to per-pixel coverage."""
    return inside.reshape(h, SS, w, SS).mean(axis=(1, 3))


def blend(img, x0, y0, cov, colour, alpha=1.0):
    """Blend `colour` over img at (x0, y0) with per-pixel coverage `cov` (h x w)."""
    h, w = cov.shape
    H, W = img.shape[:2]
    cx0, cy0 = max(0, -x0), max(0, -y0)
    cx1, cy1 = min(w, W - x0), min(h, H - y0)
    if cx1 <= cx0 or cy1 <= cy0:
        return
    a = (cov[cy0:cy1, cx0:cx1] * alpha)[:, :, None]
    region = img[y0 + cy0:y0 + cy1, x0 + cx0:x0 + cx1]
    region[:] = region * (1 - a) + np.asarray(colour, dtype=np.float64) * a


def rounded_rect_cov(w, h, radius, inset=0.0):
    """Coverage of a rounded rectangle filling a w x h box (shrunk by `inset` on every side)."""
    X, Y = _sample_grid(0, 0, w, h)
    left, top, right, bottom = inset, inset, w - inset, h - inset
    r = max(0.0, min(radius, (right - left) / 2, (bottom - top) / 2))
    cx = np.clip(X, left + r, right - r)
    cy = np.clip(Y, top + r, bottom - r)
    inside = (X >= left) & (X <= right) & (Y >= top) & (Y <= bottom)
    if r > 0:
        inside &= (X - cx) ** 2 + (Y - cy) ** 2 <= r * r
    return _coverage(inside, w, h)


def fill_rounded(img, x, y, w, h, radius, colour, alpha=1.0, inset=0.0):
    blend(img, x, y, rounded_rect_cov(w, h, radius, inset), colour, alpha)


def vgradient(w, h, top, bottom):
    t = np.linspace(0.0, 1.0, h)[:, None, None] if h > 1 else np.zeros((1, 1, 1))
    g = np.asarray(top, dtype=np.float64) * (1 - t) + np.asarray(bottom, dtype=np.float64) * t
    return np.broadcast_to(g, (h, w, 3)).copy()


def hgradient(w, h, left, right):
    return vgradient(h, w, left, right).transpose(1, 0, 2).copy()


def paste(img, x, y, src, mask=None):
    """Copy src into img at (x, y); with a coverage mask, blend it instead."""
    h, w = src.shape[:2]
    if mask is None:
        img[y:y + h, x:x + w] = src
    else:
        a = mask[:, :, None]
        img[y:y + h, x:x + w] = img[y:y + h, x:x + w] * (1 - a) + src * a


def gradient_rounded(img, x, y, w, h, radius, top, bottom, inset=0.0):
    paste(img, x, y, vgradient(w, h, top, bottom), rounded_rect_cov(w, h, radius, inset))


def frame_rounded(img, x, y, w, h, radius, colour, width=1.0, alpha=1.0):
    """A rounded outline `width` pixels thick along the inside of the box."""
    outer = rounded_rect_cov(w, h, radius)
    inner = rounded_rect_cov(w, h, max(0.0, radius - width), inset=width)
    blend(img, x, y, np.clip(outer - inner, 0, 1), colour, alpha)


def hline(img, x0, x1, y, colour, alpha=1.0):
    c = np.asarray(colour, dtype=np.float64)
    img[y, x0:x1] = img[y, x0:x1] * (1 - alpha) + c * alpha


def vline(img, x, y0, y1, colour, alpha=1.0):
    c = np.asarray(colour, dtype=np.float64)
    img[y0:y1, x] = img[y0:y1, x] * (1 - alpha) + c * alpha


def rect(img, x, y, w, h, colour):
    img[y:y + h, x:x + w] = colour


def outline(img, x, y, w, h, colour):
    hline(img, x, x + w, y, colour)
    hline(img, x, x + w, y + h - 1, colour)
    vline(img, x, y, y + h, colour)
    vline(img, x + w - 1, y, y + h, colour)


def segments_cov(w, h, segments, thickness):
    """Coverage of thick line segments [(x0, y0, x1, y1), ...] (coordinates in pixels)."""
    X, Y = _sample_grid(0, 0, w, h)
    inside = np.zeros_like(X, dtype=bool)
    for x0, y0, x1, y1 in segments:
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy
        t = np.zeros_like(X) if length2 == 0 else np.clip(((X - x0) * dx + (Y - y0) * dy) / length2, 0, 1)
        px, py = x0 + t * dx, y0 + t * dy
        inside |= (X - px) ** 2 + (Y - py) ** 2 <= (thickness / 2) ** 2
    return _coverage(inside, w, h)


def polygon_cov(w, h, points):
    """Coverage of a polygon (even-odd rule)."""
    X, Y = _sample_grid(0, 0, w, h)
    inside = np.zeros_like(X, dtype=bool)
    n = len(points)
    for i in range(n):
        (xa, ya), (xb, yb) = points[i], points[(i + 1) % n]
        if ya == yb:
            continue
        crosses = (Y >= min(ya, yb)) & (Y < max(ya, yb))
        xint = xa + (Y - ya) * (xb - xa) / (yb - ya)
        inside ^= crosses & (X < xint)
    return _coverage(inside, w, h)


def ellipse_cov(w, h, cx, cy, rx, ry):
    X, Y = _sample_grid(0, 0, w, h)
    return _coverage(((X - cx) / rx) ** 2 + ((Y - cy) / ry) ** 2 <= 1.0, w, h)


def draw_segments(img, x, y, w, h, segments, thickness, colour, alpha=1.0):
    blend(img, x, y, segments_cov(w, h, segments, thickness), colour, alpha)


def draw_polygon(img, x, y, w, h, points, colour, alpha=1.0):
    blend(img, x, y, polygon_cov(w, h, points), colour, alpha)


def to_bytes(img):
    """Round to 8-bit RGB."""
    return np.clip(np.floor(img + 0.5), 0, 255).astype(np.uint8)
