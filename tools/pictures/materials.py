"""The eight conductor pictures: five wire reels, a lump of magnesium, heating coils, a filament."""

import math

import numpy as np

from render import Material, Scene, Studio, backdrop, blur, finish, rotate_x, rotate_z, shade, value_noise

SUPERSAMPLE = 4

# Reflectance at normal incidence (linear light) and roughness of each metal's surface.
REEL_METALS = {
    "altin": dict(color=(1.00, 0.68, 0.22), roughness=0.10, grain=0.0),
    "gumus": dict(color=(0.93, 0.95, 0.98), roughness=0.07, grain=0.0),
    "bakir": dict(color=(0.97, 0.46, 0.26), roughness=0.11, grain=0.0),
    "cinko": dict(color=(0.50, 0.58, 0.70), roughness=0.30, grain=0.06),
    "aluminyum": dict(color=(0.72, 0.73, 0.74), roughness=0.62, grain=0.10),
}


def helix_around_axis(axis_points, radius, pitch, steps_per_turn):
    """Points of a coil wound around a curved axis (a polyline), with a frame carried along it."""
    axis_points = np.asarray(axis_points, dtype=np.float64)
    seg = np.diff(axis_points, axis=0)
    lengths = np.linalg.norm(seg, axis=1)
    s_axis = np.concatenate([[0.0], np.cumsum(lengths)])
    total = s_axis[-1]
    count = int(total / pitch * steps_per_turn) + 1
    s = np.linspace(0.0, total, count)
    centre = np.stack([np.interp(s, s_axis, axis_points[:, k]) for k in range(3)], axis=1)
    tangent = np.gradient(centre, axis=0)
    tangent /= np.linalg.norm(tangent, axis=1, keepdims=True)
    # Parallel transport of a normal keeps the coil from twisting where the axis bends.
    normal = np.zeros_like(tangent)
    ref = np.array([0.0, 0.0, 1.0]) if abs(tangent[0, 2]) < 0.9 else np.array([0.0, 1.0, 0.0])
    first = ref - (ref @ tangent[0]) * tangent[0]
    normal[0] = first / np.linalg.norm(first)
    for k in range(1, count):
        v = normal[k - 1] - (normal[k - 1] @ tangent[k]) * tangent[k]
        normal[k] = v / np.linalg.norm(v)
    binormal = np.cross(tangent, normal)
    phase = 2.0 * math.pi * s / pitch
    points = centre + radius * (np.cos(phase)[:, None] * normal + np.sin(phase)[:, None] * binormal)
    return points


def bezier(points, count):
    p = np.asarray(points, dtype=np.float64)
    t = np.linspace(0.0, 1.0, count)[:, None]
    n = len(p) - 1
    out = np.zeros((count, 3))
    for k in range(n + 1):
        out += math.comb(n, k) * (t**k) * ((1.0 - t) ** (n - k)) * p[k]
    return out


def render_reel(name, seed):
    """A plastic spool standing on the table, wound with bare wire, a loose end curling off it."""
    rng = np.random.default_rng(seed)
    width = height = 120
    scene = Scene(width, height, SUPERSAMPLE)
    metal = REEL_METALS[name]
    wire = scene.add_material(Material(metal["color"], metal=True, roughness=metal["roughness"], grain=metal["grain"]))
    plastic = scene.add_material(Material((0.03, 0.031, 0.035), metal=False, roughness=0.2, specular=0.09))
    hole = scene.add_material(Material((0.01, 0.01, 0.012), metal=False, roughness=0.6, specular=0.02))

    tilt = math.radians(27.0)
    flange_r, flange_t = 45.0, 5.0
    body_h = 44.0
    wire_r = 1.45
    wound_r = 35.0
    base_y = -6.0  # the spool's middle sits a little below the picture's centre

    def view(p):
        return rotate_x(np.asarray(p) + [0.0, base_y / math.cos(tilt), 0.0], tilt)

    top = body_h / 2.0
    scene.cylinder(view([0, top, 0]), view([0, top + flange_t, 0]), flange_r, plastic, hole=10.0, hole_mat=hole,
                   bevel=1.6)
    scene.cylinder(view([0, -top - flange_t, 0]), view([0, -top, 0]), flange_r, plastic, bevel=1.6)

    # The windings: one close helix between the flanges, each turn slightly uneven as wound by hand.
    turns = int(body_h / (2.0 * wire_r)) - 1
    steps = 72
    theta = np.linspace(0.0, 2.0 * math.pi * turns, turns * steps + 1)
    y = -top + wire_r + 0.15 + (body_h - 2.0 * wire_r - 0.3) * theta / theta[-1]
    wobble = 0.25 * np.interp(theta, np.linspace(0, theta[-1], turns * 3 + 1), rng.uniform(-1, 1, turns * 3 + 1))
    r = wound_r + wobble
    pts = np.stack([r * np.cos(theta), y, r * np.sin(theta)], axis=1)
    keep = np.sin(theta[:-1]) > -0.35
    tints = 1.0 - 0.06 * rng.random(len(theta))
    scene.tube(view(pts), wire_r, wire, tints=tints, keep=keep)

    # The free end leaves the top turn towards the front and drops over the lower flange to the table.
    th_end = theta[-1]
    start = pts[-1]
    tangent = np.array([-math.sin(th_end), 0.0, math.cos(th_end)])
    floor_y = -top - flange_t + wire_r
    ctrl = [start, start + 24.0 * tangent, [48.0, -6.0, 58.0], [52.0, floor_y, 52.0], [62.0, floor_y, 30.0], [90.0, floor_y, 10.0]]
    loose = bezier(ctrl, 160)
    scene.tube(view(loose), wire_r, wire)

    studio = Studio()
    back = backdrop(scene)
    # The spool's own shadow: a soft dark ellipse under the lower flange, pushed away from the light.
    cy = view([0, -top - flange_t, 0])
    contact = _ellipse_shadow(scene, cx=cy[0] + 6.0, cy=cy[1] - 1.0, rx=flange_r + 3.0,
                              ry=(flange_r + 3.0) * math.sin(tilt), sigma=3.5, strength=0.55)
    linear = shade(scene, studio, rng, back, shadow_offset=(4.0, -2.0), shadow_sigma=3.0, shadow_strength=0.25,
                   contact=contact)
    return finish(linear, scene, rng)


def _ellipse_shadow(scene, cx, cy, rx, ry, sigma, strength):
    x = scene.xs(0, scene.w)[None, :]
    y = scene.ys(0, scene.h)[:, None]
    inside = (((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 < 1.0).astype(np.float64)
    return blur(inside, sigma * scene.ss) * strength


def render_magnesium(seed):
    """A rough lump of magnesium: a faceted, chipped body with a dull silvery-grey, slightly oxidised skin."""
    rng = np.random.default_rng(seed)
    width, height = 173, 175
    scene = Scene(width, height, SUPERSAMPLE)
    metal = scene.add_material(Material((0.70, 0.71, 0.72), metal=True, roughness=0.42, grain=0.10))
    x = scene.xs(0, scene.w)[None, :]
    y = scene.ys(0, scene.h)[:, None] - 4.0
    x, y = np.broadcast_arrays(x, y)

    # A convex body cut from many planes: each plane touches a squashed dome at a random point.
    ax, ay, az = 60.0, 50.0, 46.0
    body = np.full(x.shape, 1.0e9)
    for _ in range(34):
        phi = rng.uniform(0.0, 2.0 * math.pi)
        elev = rng.uniform(0.05, 1.35)
        p = np.array([ax * math.cos(phi) * math.cos(elev), ay * math.sin(phi) * math.cos(elev), az * math.sin(elev)])
        nrm = np.array([p[0] / ax**2, p[1] / ay**2, p[2] / az**2])
        nrm = nrm / np.linalg.norm(nrm) + rng.normal(0.0, 0.12, 3)
        nrm[2] = max(nrm[2], 0.15)
        # The plane n . (q - p) = 0 solved for z.
        z = p[2] - (nrm[0] * (x - p[0]) + nrm[1] * (y - p[1])) / nrm[2]
        body = np.minimum(body, z)
    # Broken edges and a pitted skin.
    outline = value_noise(rng, x.shape, 5, octaves=4) * 9.0
    rough = value_noise(rng, x.shape, 22, octaves=4) * 1.6
    pits = np.clip(value_noise(rng, x.shape, 40, octaves=2) - 0.45, 0.0, None) * 4.0
    relief = body + outline + rough - pits
    for _ in range(6):
        cx, cy = rng.uniform(-50, 50), rng.uniform(-40, 40)
        rad = rng.uniform(8.0, 16.0)
        d2 = ((x - cx) ** 2 + (y - cy) ** 2) / rad**2
        relief -= np.where(d2 < 1.0, (1.0 - d2) * rad * 0.35, 0.0)
    relief = np.where(relief > 0.0, relief, -1.0)
    # Centre the lump whatever shape the planes cut, a little above the middle to leave room for the shadow.
    rows, cols = np.nonzero(relief > 0.0)
    shift_r = int(round(scene.h / 2.0 - 1.5 * scene.ss - (rows.min() + rows.max()) / 2.0))
    shift_c = int(round(scene.w / 2.0 - 2.0 * scene.ss - (cols.min() + cols.max()) / 2.0))
    relief = np.roll(np.roll(relief, shift_r, axis=0), shift_c, axis=1)
    # Oxidised patches darken the grey here and there.
    tint = 0.80 + 0.20 * np.clip(value_noise(rng, x.shape, 8, octaves=3) * 1.5 + 0.5, 0.0, 1.0)
    scene.heightfield(relief, metal, tint=tint)

    studio = Studio()
    back = backdrop(scene)
    linear = shade(scene, studio, rng, back, shadow_offset=(6.0, -5.0), shadow_sigma=5.0, shadow_strength=0.4,
                   ao_strength=0.6, ao_sigma=2.5)
    return finish(linear, scene, rng)


def render_krom(seed):
    """Chrome-nickel heating coils: two long springs of resistance wire with straight leads, lying on the table."""
    rng = np.random.default_rng(seed)
    width, height = 202, 189
    scene = Scene(width, height, SUPERSAMPLE)
    nichrome = scene.add_material(Material((0.64, 0.61, 0.56), metal=True, roughness=0.22, grain=0.04))
    tilt = math.radians(35.0)

    def view(p):
        return rotate_x(np.asarray(p), tilt)

    wire_r = 1.6
    for offset, bend in ((-50.0, 10.0), (4.0, -8.0), (58.0, 9.0)):
        # The coil's axis: a gentle curve across the table, drawn in table coordinates (x, depth).
        u = np.linspace(-1.0, 1.0, 60)
        ax = 80.0 * u
        az = offset + bend * (1.0 - u * u) + 8.0 * u
        axis = np.stack([ax, np.zeros_like(u), az], axis=1)
        axis = rotate_z(axis[:, [0, 2, 1]], math.radians(-18.0))[:, [0, 2, 1]]
        coil = helix_around_axis(axis, 9.5, 5.2, 28)
        coil[:, 1] += 9.5 + wire_r
        tints = 1.0 - 0.10 * np.abs(value_noise(rng, (1, len(coil)), 6, octaves=2)[0])
        scene.tube(view(coil), wire_r, nichrome, tints=tints)
        # Straight leads where the wire leaves the coil at both ends.
        for end, sign in ((coil[0], -1.0), (coil[-1], 1.0)):
            direction = axis[-1] - axis[-2] if sign > 0 else axis[0] - axis[1]
            direction = direction / np.linalg.norm(direction)
            foot = end + 18.0 * direction
            foot[1] = wire_r
            scene.tube(view(np.stack([end, foot, foot + 16.0 * direction])), wire_r, nichrome)

    studio = Studio()
    back = backdrop(scene)
    linear = shade(scene, studio, rng, back, shadow_offset=(3.0, -6.0), shadow_sigma=2.5, shadow_strength=0.5,
                   ao_strength=1.0, ao_sigma=2.0)
    return finish(linear, scene, rng)


def render_tungsten(seed):
    """A lamp's coiled tungsten filament, held by two lead wires and a support hook on a glass stem."""
    rng = np.random.default_rng(seed)
    width, height = 126, 144
    scene = Scene(width, height, SUPERSAMPLE)
    tungsten = scene.add_material(Material((0.66, 0.66, 0.68), metal=True, roughness=0.12))
    lead = scene.add_material(Material((0.68, 0.66, 0.63), metal=True, roughness=0.18))
    glass = scene.add_material(Material((0.90, 0.97, 0.95), roughness=0.04, specular=0.10, glass=True))
    tilt = math.radians(12.0)

    def view(p):
        return rotate_x(np.asarray(p, dtype=np.float64), tilt)

    left, right = np.array([-42.0, 36.0, 0.0]), np.array([42.0, 36.0, 0.0])
    # The filament hangs in a shallow arc between the lead tips.
    u = np.linspace(0.0, 1.0, 80)
    axis = left[None, :] + (right - left)[None, :] * u[:, None]
    axis[:, 1] -= 9.0 * np.sin(math.pi * u)
    axis[:, 2] += 3.0 * np.sin(math.pi * u)
    coil = helix_around_axis(axis, 5.0, 2.9, 24)
    scene.tube(view(coil), 1.05, tungsten)

    stem_top = np.array([0.0, -38.0, 0.0])
    scene.sphere(view(stem_top + [0.0, -2.0, 0.0]), (9.0, 6.0, 9.0), glass)
    scene.capsule(view(stem_top + [0.0, -6.0, 0.0]), view([0.0, -90.0, 0.0]), 5.5, glass)
    # Lead wires: from the stem up and out to the ends of the filament, with a small kink each.
    for tip, side in ((left, -1.0), (right, 1.0)):
        path = np.array([stem_top + [side * 4.0, 0.0, 0.0], stem_top + [side * 10.0, 22.0, 1.0],
                         tip + [side * 2.0, -14.0, 0.0], tip + [side * 2.0, 0.0, 0.0], tip + [side * 0.5, 1.5, 0.0]])
        scene.tube(view(bezier(path[:3], 24)), 1.1, lead)
        scene.tube(view(path[2:]), 1.1, lead)
        scene.tube(view(bezier([stem_top + [side * 4.0, 2.0, 0.0], stem_top + [side * 4.5, -30.0, 0.0],
                                [side * 4.5, -90.0, 0.0]], 12)), 1.1, lead)
    # The support hook catches the middle of the arc.
    mid = axis[len(axis) // 2]
    hook = [stem_top + [0.0, 2.0, 0.5], [0.0, -10.0, 2.0], mid + [0.0, -5.0, 0.0], mid + [0.0, 1.0, 0.0]]
    scene.tube(view(bezier(hook, 30)), 0.6, lead)

    studio = Studio()
    back = backdrop(scene)
    linear = shade(scene, studio, rng, back, shadow_offset=(5.0, -4.0), shadow_sigma=2.5, shadow_strength=0.3,
                   ao_strength=1.0, ao_sigma=1.5)
    return finish(linear, scene, rng)
