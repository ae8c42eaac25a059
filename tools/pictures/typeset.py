"""The two formula drawings and the ohm sign.

The window shows these pictures transparently: the colour of the bottom-left pixel is left out. So
each drawing has a uniform background of exactly that colour, the light grey of the window face,
and the text's anti-aliased edges are blended against it, so they sit cleanly on the window.
"""

import os

from PIL import Image, ImageDraw, ImageFont

# The system button-face colour: the window's background behind the transparent pictures.
BACKGROUND = (240, 240, 240)
INK = (16, 24, 64)

FONT_DIR = "/usr/share/fonts/truetype/dejavu"


def font(name, size):
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


class Run:
    """A piece of text in one font; a line is a list of runs set on a common baseline."""

    def __init__(self, text, face, gap_after=0.0):
        self.text, self.face, self.gap_after = text, face, gap_after

    def width(self):
        return self.face.getlength(self.text) + self.gap_after


def line_width(runs):
    return sum(run.width() for run in runs)


def draw_line(draw, runs, x, baseline):
    for run in runs:
        draw.text((x, baseline), run.text, font=run.face, fill=INK, anchor="ls")
        x += run.width()


def fraction(size, left, numerator, denominator, bar_thickness=1, left_gap=6, pad=6, axis_nudge=0):
    """`left` = numerator / denominator, with a rule between the two, centred in a picture of `size`."""
    width, height = size
    image = Image.new("RGB", size, BACKGROUND)
    draw = ImageDraw.Draw(image)
    top_w, bottom_w, left_w = line_width(numerator), line_width(denominator), line_width(left)
    bar_w = max(top_w, bottom_w) + 2 * pad
    total = left_w + left_gap + bar_w
    x0 = round((width - total) / 2.0)
    # The fraction bar sits on the maths axis: about half the height of an "x" above the left side's baseline.
    x_height = -left[0].face.getbbox("x", anchor="ls")[1]
    axis = height // 2 + axis_nudge
    left_baseline = axis + round(x_height / 2.0)
    draw_line(draw, left, x0, left_baseline)
    bar_x0 = x0 + left_w + left_gap
    draw.rectangle([bar_x0, axis, bar_x0 + bar_w - 1, axis + bar_thickness - 1], fill=INK)
    gap = 4
    descent_top = max(run.face.getbbox(run.text, anchor="ls")[3] for run in numerator)
    draw_line(draw, numerator, bar_x0 + (bar_w - top_w) / 2.0, axis - gap - descent_top)
    ascent_bottom = max(-run.face.getbbox(run.text, anchor="ls")[1] for run in denominator)
    draw_line(draw, denominator, bar_x0 + (bar_w - bottom_w) / 2.0, axis + bar_thickness + gap + ascent_bottom)
    return image


def resistance_formula():
    """Direnç = (Özdirenç ∗ uzunluk) / Kesit, 286 × 59."""
    regular = font("DejaVuSans.ttf", 15)
    bold = font("DejaVuSans-Bold.ttf", 15)
    star = font("DejaVuSans.ttf", 15)
    left = [Run("Direnç", bold, 6), Run("=", regular)]
    numerator = [Run("Özdirenç", regular, 5), Run("∗", star, 5), Run("uzunluk", regular)]
    denominator = [Run("Kesit", regular)]
    return fraction((286, 59), left, numerator, denominator, left_gap=8)


def voltage_drop_formula():
    """%e = (K ∗ L ∗ P) / S, 158 × 69."""
    upright = font("DejaVuSerif.ttf", 17)
    italic = font("DejaVuSerif-Italic.ttf", 17)
    star = font("DejaVuSans.ttf", 16)
    left = [Run("%", upright, 1), Run("e", italic, 6), Run("=", upright)]
    numerator = [Run("K", italic, 4), Run("∗", star, 4), Run("L", italic, 4), Run("∗", star, 4), Run("P", italic)]
    denominator = [Run("S", italic)]
    return fraction((158, 69), left, numerator, denominator, left_gap=8, pad=5)


def ohm_sign():
    """The ohm sign in 21 × 17, sized to stand beside the window's bold 11-pixel labels."""
    image = Image.new("RGB", (21, 17), BACKGROUND)
    draw = ImageDraw.Draw(image)
    face = font("DejaVuSans-Bold.ttf", 14)
    left, top, right, bottom = face.getbbox("Ω", anchor="ls")
    x = (21 - (right - left)) / 2.0 - left
    baseline = 13
    draw.text((x, baseline), "Ω", font=face, fill=(0, 0, 0), anchor="ls")
    return image
