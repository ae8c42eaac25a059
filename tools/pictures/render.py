"""A small orthographic ray caster for the material pictures.

Scenes are built in view space, in units of output pixels: x to the right, y up, z towards the
viewer, the origin in the middle of the picture. Every primitive is intersected with one ray per
supersample, the nearest hit wins (a z-buffer), and a single shading pass afterwards lights the
surface with a studio environment: diffuse light, specular highlights, an environment reflection
with a Fresnel term, screen-space ambient occlusion and a soft shadow on a light backdrop. The
result is averaged down from the supersamples, so every edge is anti-aliased.
"""

import math

import numpy as np
from PIL import Image

FAR = -1.0e9


def normalize(v):
    v = np.asarray(v, dtype=np.float64)
    return v / np.linalg.norm(v, axis=-1, keepdims=True)


def rotate_x(points, angle):
    """Tilts world points towards the viewer: positive angles let the camera look down on them."""
    c, s = math.cos(angle), math.sin(angle)
    p = np.asarray(points, dtype=np.float64)
    out = p.copy()
    out[..., 1] = p[..., 1] * c - p[..., 2] * s
    out[..., 2] = p[..., 1] * s + p[..., 2] * c
    return out


def rotate_z(points, angle):
    c, s = math.cos(angle), math.sin(angle)
    p = np.asarray(points, dtype=np.float64)
    out = p.copy()
    out[..., 0] = p[..., 0] * c - p[..., 1] * s
    out[..., 1] = p[..., 0] * s + p[..., 1] * c
    return out


def box_blur(img, radius, axis):
    if radius < 1:
        return img
    pad = [(0, 0)] * img.ndim
    pad[axis] = (radius + 1, radius)
    padded = np.pad(img, pad, mode="edge")
    summed = np.cumsum(padded, axis=axis)
    n = img.shape[axis]
    hi = np.take(summed, np.arange(2 * radius + 1, 2 * radius + 1 + n), axis=axis)
    lo = np.take(summed, np.arange(0, n), axis=axis)
    return (hi - lo) / (2 * radius + 1)


def blur(img, sigma):
    """Three box passes per axis: close enough to a Gaussian of the given sigma."""
    radius = max(0, int(round(math.sqrt(12.0 * sigma * sigma / 3.0 + 1.0) / 2.0 - 0.5)))
    out = img.astype(np.float64)
    for axis in (0, 1):
        for _ in range(3):
            out = box_blur(out, radius, axis)
    return out


def value_noise(rng, shape, cells, octaves=4, persistence=0.5):
    """Smooth fractal noise in [-1, 1] (roughly), from random lattices resized bicubically."""
    h, w = shape
    total = np.zeros(shape)
    amplitude, norm = 1.0, 0.0
    for octave in range(octaves):
        gy = max(2, int(cells * h / max(h, w) * 2**octave) + 2)
        gx = max(2, int(cells * w / max(h, w) * 2**octave) + 2)
        grid = rng.uniform(-1.0, 1.0, (gy, gx)).astype(np.float32)
        layer = np.asarray(Image.fromarray(grid, "F").resize((w, h), Image.BICUBIC), dtype=np.float64)
        total += amplitude * layer
        norm += amplitude
        amplitude *= persistence
    return total / norm


class Material:
    """Surface parameters in linear light.

    metal: the reflectance at normal incidence is `color`; diffuse light is weak.
    dielectric: `color` is the diffuse albedo; `specular` is the reflectance.
    glass: `color` filters the backdrop seen through it, darker towards the silhouette.
    roughness widens the highlights and softens the reflected environment.
    grain roughens the normals with fine noise (a satin or pitted skin).
    """

    def __init__(self, color, metal=True, roughness=0.15, specular=0.04, grain=0.0, glass=False):
        self.color = np.asarray(color, dtype=np.float64)
        self.metal = metal
        self.roughness = roughness
        self.specular = specular
        self.grain = grain
        self.glass = glass


class Scene:
    def __init__(self, width, height, supersample=4):
        self.width, self.height, self.ss = width, height, supersample
        self.h, self.w = height * supersample, width * supersample
        self.z = np.full((self.h, self.w), FAR)
        self.normal = np.zeros((self.h, self.w, 3))
        self.normal[..., 2] = 1.0
        self.material = np.full((self.h, self.w), -1, dtype=np.int32)
        self.tint = np.ones((self.h, self.w))
        self.materials = []

    # Pixel grid in view units.
    def xs(self, j0, j1):
        return (np.arange(j0, j1) + 0.5) / self.ss - self.width / 2.0

    def ys(self, i0, i1):
        return self.height / 2.0 - (np.arange(i0, i1) + 0.5) / self.ss

    def add_material(self, material):
        self.materials.append(material)
        return len(self.materials) - 1

    def window(self, xmin, xmax, ymin, ymax):
        """The supersample index window covering a view-space box, or None when it is off-picture."""
        j0 = max(0, int(math.floor((xmin + self.width / 2.0) * self.ss)))
        j1 = min(self.w, int(math.ceil((xmax + self.width / 2.0) * self.ss)) + 1)
        i0 = max(0, int(math.floor((self.height / 2.0 - ymax) * self.ss)))
        i1 = min(self.h, int(math.ceil((self.height / 2.0 - ymin) * self.ss)) + 1)
        if j0 >= j1 or i0 >= i1:
            return None
        return i0, i1, j0, j1

    def commit(self, win, zhit, normal, mat, tint=None):
        i0, i1, j0, j1 = win
        zone = self.z[i0:i1, j0:j1]
        closer = zhit > zone
        if not closer.any():
            return
        zone[closer] = zhit[closer]
        self.normal[i0:i1, j0:j1][closer] = normal[closer]
        self.material[i0:i1, j0:j1][closer] = mat
        self.tint[i0:i1, j0:j1][closer] = 1.0 if tint is None else tint[closer]

    def capsule(self, a, b, radius, mat, tint=1.0):
        """A cylinder with round ends from a to b: the building block of every wire."""
        a = np.asarray(a, dtype=np.float64)
        b = np.asarray(b, dtype=np.float64)
        win = self.window(min(a[0], b[0]) - radius, max(a[0], b[0]) + radius,
                          min(a[1], b[1]) - radius, max(a[1], b[1]) + radius)
        if win is None:
            return
        i0, i1, j0, j1 = win
        x = self.xs(j0, j1)[None, :]
        y = self.ys(i0, i1)[:, None]
        # The ray (x, y, z0) + t (0, 0, -1), following the usual ray-capsule solution.
        z0 = 1.0e4
        ba = b - a
        oax, oay, oaz = x - a[0], y - a[1], z0 - a[2]
        baba = ba @ ba
        bard = -ba[2]
        baoa = ba[0] * oax + ba[1] * oay + ba[2] * oaz
        rdoa = -oaz
        oaoa = oax * oax + oay * oay + oaz * oaz
        qa = baba - bard * bard
        qb = baba * rdoa - baoa * bard
        qc = baba * oaoa - baoa * baoa - radius * radius * baba
        if qa < 1.0e-9:
            qa = 1.0e-9
        disc = qb * qb - qa * qc
        hit = disc >= 0.0
        if not hit.any():
            return
        sq = np.sqrt(np.maximum(disc, 0.0))
        t = (-qb - sq) / qa
        along = baoa + t * bard
        body = hit & (along > 0.0) & (along < baba)
        # The round ends: the sphere at a or at b, whichever end the hit fell beyond.
        endx = np.where(along <= 0.0, a[0], b[0])
        endy = np.where(along <= 0.0, a[1], b[1])
        endz = np.where(along <= 0.0, a[2], b[2])
        dx, dy = x - endx, y - endy
        d2 = dx * dx + dy * dy
        cap = hit & ~body & (d2 < radius * radius)
        zbody = z0 - t
        zcap = endz + np.sqrt(np.maximum(radius * radius - d2, 0.0))
        zhit = np.where(body, zbody, np.where(cap, zcap, FAR))
        px = np.broadcast_to(x, zhit.shape)
        py = np.broadcast_to(y, zhit.shape)
        s = np.clip((ba[0] * (px - a[0]) + ba[1] * (py - a[1]) + ba[2] * (zhit - a[2])) / baba, 0.0, 1.0)
        n = np.stack([px - (a[0] + s * ba[0]), py - (a[1] + s * ba[1]), zhit - (a[2] + s * ba[2])], axis=-1)
        n /= np.maximum(np.linalg.norm(n, axis=-1, keepdims=True), 1.0e-9)
        zhit = np.where(body | cap, zhit, FAR)
        tint_arr = None if np.isscalar(tint) and tint == 1.0 else np.broadcast_to(np.asarray(tint, float), zhit.shape)
        self.commit(win, zhit, n, mat, tint_arr)

    def tube(self, points, radius, mat, tints=None, keep=None):
        """A wire along a polyline; `keep` may drop segments that can never be seen."""
        points = np.asarray(points, dtype=np.float64)
        for k in range(len(points) - 1):
            if keep is not None and not keep[k]:
                continue
            tint = 1.0 if tints is None else tints[k]
            self.capsule(points[k], points[k + 1], radius, mat, tint)

    def cylinder(self, a, b, radius, mat, hole=0.0, hole_mat=None, bevel=0.0):
        """A capped cylinder (a disc of some thickness); the caps may have a hole in the middle, and their
        outer edge may be rounded over `bevel` units (only the shading: the outline stays sharp)."""
        a = np.asarray(a, dtype=np.float64)
        b = np.asarray(b, dtype=np.float64)
        win = self.window(min(a[0], b[0]) - radius, max(a[0], b[0]) + radius,
                          min(a[1], b[1]) - radius, max(a[1], b[1]) + radius)
        if win is None:
            return
        i0, i1, j0, j1 = win
        x = self.xs(j0, j1)[None, :]
        y = self.ys(i0, i1)[:, None]
        z0 = 1.0e4
        ba = b - a
        ocx, ocy, ocz = x - a[0], y - a[1], z0 - a[2]
        baba = ba @ ba
        bard = -ba[2]
        baoc = ba[0] * ocx + ba[1] * ocy + ba[2] * ocz
        k2 = baba - bard * bard
        k1 = baba * (-ocz) - baoc * bard
        k0 = baba * (ocx * ocx + ocy * ocy + ocz * ocz) - baoc * baoc - radius * radius * baba
        disc = k1 * k1 - k2 * k0
        hit = disc >= 0.0
        if not hit.any():
            return
        sq = np.sqrt(np.maximum(disc, 0.0))
        t = (-k1 - sq) / max(k2, 1.0e-9)
        along = baoc + t * bard
        body = hit & (along > 0.0) & (along < baba)
        axis = ba / math.sqrt(baba)
        tcap = (np.where(along < 0.0, 0.0, baba) - baoc) / (bard if abs(bard) > 1.0e-12 else 1.0e-12)
        cap = hit & ~body & (np.abs(k1 + k2 * tcap) < sq)
        tt = np.where(body, t, tcap)
        zhit = z0 - tt
        px = np.broadcast_to(x, zhit.shape)
        py = np.broadcast_to(y, zhit.shape)
        rel = np.stack([px - a[0], py - a[1], zhit - a[2]], axis=-1)
        height = rel @ axis
        radial = rel - height[..., None] * axis
        dist = np.linalg.norm(radial, axis=-1)
        n_body = radial / np.maximum(dist[..., None], 1.0e-9)
        sign = np.where(along < 0.0, -1.0, 1.0)[..., None]
        n = np.where(body[..., None], n_body, sign * axis)
        if bevel > 0.0:
            # Towards the rim the cap's normal turns outwards, and the side's normal turns towards the cap.
            cap_turn = np.clip((dist - (radius - bevel)) / bevel, 0.0, 1.0) * (math.pi / 2.0) * 0.8
            cap_n = sign * axis * np.cos(cap_turn)[..., None] + n_body * np.sin(cap_turn)[..., None]
            edge = np.minimum(height, math.sqrt(baba) - height)
            side_turn = np.clip(1.0 - edge / bevel, 0.0, 1.0) * (math.pi / 2.0) * 0.8
            toward = np.where(height[..., None] < math.sqrt(baba) / 2.0, -axis, axis)
            side_n = n_body * np.cos(side_turn)[..., None] + toward * np.sin(side_turn)[..., None]
            n = np.where(body[..., None], side_n, cap_n)
        zhit = np.where(body | cap, zhit, FAR)
        if hole > 0.0:
            inside = cap & (dist < hole)
            if hole_mat is None:
                zhit = np.where(inside, FAR, zhit)
                self.commit(win, zhit, n, mat)
                return
            self.commit(win, np.where(inside, FAR, zhit), n, mat)
            self.commit(win, np.where(inside, zhit, FAR), n, hole_mat)
            return
        self.commit(win, zhit, n, mat)

    def sphere(self, centre, radii, mat):
        """An ellipsoid whose axes are the view axes."""
        c = np.asarray(centre, dtype=np.float64)
        rx, ry, rz = radii
        win = self.window(c[0] - rx, c[0] + rx, c[1] - ry, c[1] + ry)
        if win is None:
            return
        i0, i1, j0, j1 = win
        x = (self.xs(j0, j1)[None, :] - c[0]) / rx
        y = (self.ys(i0, i1)[:, None] - c[1]) / ry
        d2 = x * x + y * y
        inside = d2 < 1.0
        zz = np.sqrt(np.maximum(1.0 - d2, 0.0))
        zhit = np.where(inside, c[2] + rz * zz, FAR)
        n = np.stack(np.broadcast_arrays(x / rx, y / ry, zz / rz), axis=-1)
        n = n / np.maximum(np.linalg.norm(n, axis=-1, keepdims=True), 1.0e-9)
        self.commit(win, zhit, n, mat)

    def heightfield(self, height, mat, base=0.0, tint=None):
        """A relief over the whole picture: `height` (supersampled) above `base`, nothing where it is <= 0."""
        gy, gx = np.gradient(height, 1.0 / self.ss)
        # Rows run downwards while y runs up, hence the sign of the y slope.
        n = np.stack([-gx, gy, np.ones_like(height)], axis=-1)
        n /= np.linalg.norm(n, axis=-1, keepdims=True)
        zhit = np.where(height > 0.0, base + height, FAR)
        self.commit((0, self.h, 0, self.w), zhit, n, mat, tint)


class Studio:
    """The light: a large soft box up to the left, a fill from the right, a bright ceiling and a floor."""

    def __init__(self):
        self.key = normalize([-0.55, 0.62, 0.56])
        self.fill = normalize([0.85, 0.15, 0.5])
        self.key_power = 1.0
        self.fill_power = 0.35
        self.ambient = 0.28

    def environment(self, r, roughness):
        """Radiance seen in direction r, blurred more for rougher surfaces.

        The studio: a tall soft box front left, a narrower strip light to the right, a bright ceiling,
        dark walls behind the camera's line of sight and a dark table: metals need the dark parts as
        much as the bright ones to look like metal.
        """
        soft = 0.08 + 1.2 * roughness
        up = np.clip(r[..., 1], -1.0, 1.0)
        azimuth = np.arctan2(r[..., 0], r[..., 2])
        sky = 0.18 + 0.5 * np.clip((up + soft * 0.5) / (0.9 + soft), 0.0, 1.0) ** 1.5
        floor = 0.30 - 0.15 * np.clip(-up, 0.0, 1.0) + 0.10 * roughness
        band = np.clip(up / (0.06 + soft * 0.5) + 0.5, 0.0, 1.0)
        band = band * band * (3.0 - 2.0 * band)
        env = floor + (sky - floor) * band
        # Walls behind the camera are darker than the bright studio in front of the object.
        env = env * (0.55 + 0.45 * np.clip(r[..., 2] + 0.6, 0.0, 1.0))

        def strip(center, half_width, low, high, power):
            w = half_width + 0.6 * roughness
            across = np.clip(1.0 - np.abs(azimuth - center) / w, 0.0, 1.0)
            across = across * across * (3.0 - 2.0 * across)
            rise = np.clip((up - low) / (0.08 + soft * 0.4), 0.0, 1.0) * np.clip((high - up) / (0.08 + soft * 0.4), 0.0, 1.0)
            return power * across * rise / (1.0 + 3.0 * roughness)

        env = env + strip(-0.65, 0.38, -0.35, 0.95, 3.6)
        env = env + strip(1.25, 0.14, -0.05, 0.8, 1.1)
        cos_key = np.clip(r @ self.key, -1.0, 1.0)
        width = 0.02 + 0.3 * roughness
        env = env + 1.5 * np.exp(-(1.0 - cos_key) / width) / (1.0 + 6.0 * roughness)
        return env


def schlick(f0, cos_theta):
    return f0 + (1.0 - f0) * ((1.0 - np.clip(cos_theta, 0.0, 1.0)) ** 5)[..., None]


def shade(scene, studio, rng, background, shadow_offset=(5.0, -4.0), shadow_sigma=4.0, shadow_strength=0.45,
          contact=None, ao_strength=0.9, ao_sigma=1.6):
    """Lights the scene; returns linear RGB at supersampled resolution."""
    ss = scene.ss
    mask = scene.material >= 0
    n = scene.normal.copy()
    for index, material in enumerate(scene.materials):
        if material.grain > 0.0:
            sel = scene.material == index
            if sel.any():
                for axis in (0, 1):
                    wiggle = value_noise(rng, mask.shape, 60, octaves=3) * material.grain
                    n[..., axis] = np.where(sel, n[..., axis] + wiggle, n[..., axis])
    n /= np.maximum(np.linalg.norm(n, axis=-1, keepdims=True), 1.0e-9)
    view = np.array([0.0, 0.0, 1.0])
    cos_v = np.clip(n[..., 2], 0.0, 1.0)
    refl = 2.0 * cos_v[..., None] * n - view

    # Screen-space occlusion: surfaces lying below their neighbourhood see less of the sky.
    zmin = scene.z[mask].min() if mask.any() else 0.0
    zfilled = np.where(mask, scene.z, zmin - 6.0)
    around = blur(zfilled, ao_sigma * ss)
    ao = np.exp(-ao_strength * np.clip(around - zfilled, 0.0, None) / 2.0)
    ao2 = np.exp(-0.5 * ao_strength * np.clip(blur(zfilled, 4.0 * ao_sigma * ss) - zfilled, 0.0, None) / 6.0)
    ao = ao * ao2

    # The backdrop, with the object's soft shadow cast down and to the right.
    shift_x, shift_y = int(round(shadow_offset[0] * ss)), int(round(-shadow_offset[1] * ss))
    cast = np.roll(np.roll(mask.astype(np.float64), shift_y, axis=0), shift_x, axis=1)
    if shift_y > 0:
        cast[:shift_y, :] = 0.0
    if shift_x > 0:
        cast[:, :shift_x] = 0.0
    shadow = blur(cast, shadow_sigma * ss) * shadow_strength
    if contact is not None:
        shadow = np.maximum(shadow, contact)
    back = background * (1.0 - np.clip(shadow, 0.0, 0.95))[..., None]

    out = np.zeros(mask.shape + (3,))
    for index, material in enumerate(scene.materials):
        sel = scene.material == index
        if not sel.any():
            continue
        nn, rr, cv = n[sel], refl[sel], cos_v[sel]
        occ = ao[sel][:, None]
        tint = scene.tint[sel][:, None]
        rough = material.roughness
        shininess = 2.0 / max(rough * rough, 1.0e-4)
        env = studio.environment(rr, rough)[:, None]
        light = np.zeros((nn.shape[0], 1))
        specular_term = np.zeros((nn.shape[0], 1))
        for direction, power in ((studio.key, studio.key_power), (studio.fill, studio.fill_power)):
            lambert = np.clip(nn @ direction, 0.0, None)[:, None]
            light += power * lambert
            half = normalize(direction + view)
            nh = np.clip(nn @ half, 0.0, None)[:, None]
            specular_term += power * (nh**shininess) * (shininess + 8.0) / 8.0 * 0.06
        if material.glass:
            fres = schlick(np.full(3, material.specular), cv)
            seen = back[sel] * material.color * (0.12 + 0.88 * cv**1.5)[:, None]
            col = seen * (1.0 - fres) + fres * env + material.specular * specular_term * 6.0
        elif material.metal:
            fres = schlick(material.color, cv)
            matte = min(rough, 0.8)
            lit = env * (0.35 + 0.65 * occ)
            # Light that reaches the dimmer parts has bounced off the metal more than once: deeper colour.
            deepen = material.color + (1.0 - material.color) * np.clip(lit, 0.0, 1.0) ** 0.5
            col = fres * deepen * (lit + specular_term) * (1.0 - 0.55 * matte)
            col = col + material.color * (0.08 + 0.5 * matte) * (light + studio.ambient) * occ
        else:
            fres = schlick(np.full(3, material.specular), cv)
            diffuse = material.color * (studio.ambient * occ + light * (0.55 + 0.45 * occ))
            col = diffuse * (1.0 - fres) + fres * env * occ + material.specular * specular_term * 4.0
        out[sel] = col * tint

    out[~mask] = back[~mask]
    return out


def backdrop(scene, top=(0.93, 0.93, 0.94), bottom=(0.74, 0.74, 0.76)):
    """A seamless studio backdrop: lighter at the top, slightly darker where it meets the table."""
    t = np.linspace(0.0, 1.0, scene.h)[:, None, None]
    t = t * t * (3.0 - 2.0 * t)
    top = np.asarray(top)[None, None, :]
    bottom = np.asarray(bottom)[None, None, :]
    grad = top + (bottom - top) * t
    xs = np.linspace(-1.0, 1.0, scene.w)[None, :, None]
    vignette = 1.0 - 0.06 * xs * xs
    return np.broadcast_to(grad * vignette, (scene.h, scene.w, 3)).copy()


def finish(linear, scene, rng, grain=1.2):
    """Averages the supersamples, encodes sRGB-like gamma and adds a little sensor grain."""
    ss = scene.ss
    h, w = scene.height, scene.width
    small = linear.reshape(h, ss, w, ss, 3).mean(axis=(1, 3))
    # A gentle shoulder keeps highlights from clipping harshly.
    small = small / (1.0 + 0.12 * np.maximum(small - 0.8, 0.0))
    encoded = np.clip(small, 0.0, 1.0) ** (1.0 / 2.2) * 255.0
    encoded += rng.normal(0.0, grain, encoded.shape)
    return np.clip(np.rint(encoded), 0, 255).astype(np.uint8)
