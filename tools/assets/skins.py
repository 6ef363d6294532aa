#!/usr/bin/env python3
"""Paints the eight skin pictures the main window can wear, and a preview sheet of them.

Run with Debian's python3, python3-pil and python3-numpy:
    /usr/bin/python3 tools/assets/skins.py            # all eight pictures and the sheet
    /usr/bin/python3 tools/assets/skins.py --quick 8  # a 640-pixel-wide draft, to a temp dir
Outputs (committed, so the build needs no Python): assets/skins/skin1.jpg .. skin8.jpg (baseline
JPEG, YCbCr, quality 85) and assets/skins/preview.png, each picture under a mock of the window.

Every picture is stretched over the 371 x 255 window whatever its own size, so each scene is
drawn in the window's proportions: x runs from 0 to RATIO, y from 0 (top) to 1 (bottom).
Labels in orange and brown sit on almost all of it, the white title on the top tenth. The
scenes therefore keep the text area light and calm and put their deeper colour in the caption
band and below the panels; nothing finer than a few pixels at window size, because a plain
bilinear shrink would turn fine detail into sparkle.
"""
import argparse
import math
import pathlib
import sys
import tempfile

import numpy as np
from PIL import Image

import preview_sheet  # beside this script, which Python puts first on the path

ROOT = pathlib.Path(__file__).resolve().parents[2]
OUT = ROOT / "assets" / "skins"

WINDOW_W, WINDOW_H = 371, 255
RATIO = WINDOW_W / WINDOW_H

SIZES = {
    1: (500, 417),
    2: (1920, 1080),
    3: (1920, 1080),
    4: (2880, 1800),
    5: (1440, 900),
    6: (3000, 2500),
    7: (1920, 1200),
    8: (2560, 1600),
}


# ----------------------------------------------------------------------------------------------
# Building blocks. Images are float32 arrays (height, width, 3) of sRGB values in 0..1.


class Frame:
    """Pixel grid of one picture in window-shaped coordinates."""

    def __init__(self, width, height, seed):
        self.w, self.h = width, height
        self.x = ((np.arange(width, dtype=np.float32) + 0.5) / width * RATIO)[None, :]
        self.y = ((np.arange(height, dtype=np.float32) + 0.5) / height)[:, None]
        self.rng = np.random.default_rng(seed)
        self.px = 1.0 / height  # one pixel, in y units

    def noise(self, cells, octaves=1, gain=0.5, stretch=1.0):
        """Smooth value noise, `cells` lattice cells per unit height; mean 0, spread about 1.

        stretch > 1 draws the features out along x (streaks), < 1 along y (rays)."""
        total = np.zeros((self.h, self.w), np.float32)
        amp = 1.0
        for _ in range(octaves):
            gy = max(2, int(round(cells)) + 1)
            gx = max(2, int(round(cells * RATIO / stretch)) + 1)
            lattice = self.rng.random((gy, gx), dtype=np.float32)
            field = Image.fromarray(lattice, "F").resize((self.w, self.h), Image.BICUBIC)
            total += amp * np.asarray(field)
            amp *= gain
            cells *= 2
        total -= total.mean()
        return total / (total.std() + 1e-6)

    def profile(self, cells, octaves=3, gain=0.5):
        """A smooth 1-D curve along x (shape (1, width)), mean 0, spread about 1."""
        total = np.zeros(self.w, np.float64)
        amp = 1.0
        for _ in range(octaves):
            knots = self.rng.random(int(cells * RATIO) + 2)
            t = self.x[0] / RATIO * (len(knots) - 1)
            i = np.minimum(t.astype(int), len(knots) - 2)
            f = t - i
            f = f * f * (3 - 2 * f)
            total += amp * (knots[i] * (1 - f) + knots[i + 1] * f)
            amp *= gain
            cells *= 2
        total -= total.mean()
        return (total / (total.std() + 1e-9)).astype(np.float32)[None, :]


def rgb(hex_colour):
    return np.array([int(hex_colour[i:i + 2], 16) / 255 for i in (1, 3, 5)], np.float32)


def smoothstep(e0, e1, t):
    t = np.clip((t - e0) / (e1 - e0), 0.0, 1.0)
    return t * t * (3 - 2 * t)


def ramp(t, stops):
    """Colours along `t` through (position, colour) stops, interpolated smoothly."""
    t = np.asarray(t, np.float32)
    out = np.zeros(t.shape + (3,), np.float32)
    pos = [p for p, _ in stops]
    for c in range(3):
        out[..., c] = np.interp(t, pos, [col[c] for _, col in stops])
    return out


def mix(a, b, t):
    t = np.asarray(t, np.float32)
    if t.ndim == 2:
        t = t[..., None]
    return a + (b - a) * t


def screen(base, light, amount):
    """Adds light the way overlapping projections do: never past white."""
    amount = np.asarray(amount, np.float32)
    if amount.ndim == 2:
        amount = amount[..., None]
    return 1 - (1 - base) * (1 - light * amount)


def glow(f, cx, cy, rx, ry=None, power=2.0):
    """A soft radial falloff: 1 at (cx, cy), about 0 beyond the radii."""
    ry = rx if ry is None else ry
    d2 = ((f.x - cx) / rx) ** 2 + ((f.y - cy) / ry) ** 2
    return np.exp(-(d2 ** (power / 2)))


def band(f, ridge, softness):
    """0 above the ridge curve, 1 below it, with an edge `softness` tall."""
    return smoothstep(-softness, softness, f.y - ridge)


def bokeh(img, f, discs, blend="screen", rim_strength=0.35):
    """Out-of-focus light discs: soft edge, faint brighter rim, laid over the image.

    discs: (x, y, radius, colour, strength) in frame coordinates. "screen" only brightens
    (light on a darker ground); "mix" tints (blossom on a pale sky)."""
    for cx, cy, r, colour, strength in discs:
        x0 = max(0, int((cx - r * 1.1) / RATIO * f.w))
        x1 = min(f.w, int((cx + r * 1.1) / RATIO * f.w) + 1)
        y0 = max(0, int((cy - r * 1.1) * f.h))
        y1 = min(f.h, int((cy + r * 1.1) * f.h) + 1)
        if x0 >= x1 or y0 >= y1:
            continue
        xs = f.x[:, x0:x1]
        ys = f.y[y0:y1, :]
        d = np.sqrt((xs - cx) ** 2 + (ys - cy) ** 2) / r
        edge = 0.06 + 0.02 * r  # bigger discs are further out of focus
        disc = smoothstep(1.0, 1.0 - edge, d)
        rim = np.exp(-(((d - (1.0 - edge * 1.4)) / (edge * 0.9)) ** 2)) * rim_strength
        inner = 0.78 + 0.22 * d * d  # a lens disc is a little brighter towards its edge
        amount = np.clip(disc * inner + rim * disc, 0, 1) * strength
        if blend == "screen":
            img[y0:y1, x0:x1] = screen(img[y0:y1, x0:x1], colour, amount)
        else:
            img[y0:y1, x0:x1] = mix(img[y0:y1, x0:x1], colour, amount)
    return img


def save_jpeg(img, path, seed):
    """Dithers to 8 bits (no banding in the long gradients) and writes a baseline JPEG."""
    rng = np.random.default_rng(seed)
    dither = (rng.random(img.shape[:2], dtype=np.float32) - rng.random(img.shape[:2],
                                                                       dtype=np.float32))
    out = np.clip(img * 255 + dither[..., None] * 0.9 + 0.5, 0, 255).astype(np.uint8)
    Image.fromarray(out, "RGB").save(path, "JPEG", quality=85, optimize=True, progressive=False,
                                     subsampling="4:2:0")


# ----------------------------------------------------------------------------------------------
# The scenes.


def zenith(img, f, colour, strength=1.0, depth=0.075):
    """Deepens the sky towards the top edge, under the white title; the labels below it are
    left on the light part."""
    return mix(img, colour, strength * np.exp(-f.y / depth))


def shaded_band(f, ridge, lit, shade, tilt, broad=0.6):
    """Colour of a landform whose sunny and shady sides follow the slope of its ridge.

    The boundary between them leans by `tilt` as it runs down from the crest, as the edge of a
    dune's slip face does, instead of dropping straight down."""
    slope = np.gradient(ridge[0]) * f.w / RATIO
    light_1d = smoothstep(-broad, broad, slope)
    shifted = f.x + tilt * (f.y - ridge)
    light = np.interp(shifted, f.x[0], light_1d).astype(np.float32)
    return mix(shade, lit, light)


def skin1_blossom(f):
    """Spring blossom: a pale spring sky, blurred pink blossom drifting in from the corners."""
    img = ramp(f.y, [(0.0, rgb("#9fc0e6")), (0.3, rgb("#cfe1f3")), (0.6, rgb("#e3edf8")),
                     (1.0, rgb("#f1f1f7"))])
    img = zenith(img, f, rgb("#4f80c0"), 0.95)
    img = mix(img, rgb("#fbf1f5"), 0.55 * glow(f, 0.6, 0.62, 0.85, 0.45))
    img = mix(img, rgb("#fff8ea"), 0.45 * glow(f, 1.2, 0.3, 0.5, 0.3))  # spring sun
    img = mix(img, rgb("#c9e2b0"), 0.65 * smoothstep(0.78, 1.02, f.y))  # a blurred meadow
    rng = f.rng
    # Far blossom all over, so faint and soft that it only stirs the light behind the labels.
    haze = [(rng.uniform(0, RATIO), rng.uniform(0.1, 1.0), rng.uniform(0.08, 0.16),
             [rgb("#f9d3e1"), rgb("#ffffff")][rng.integers(2)], rng.uniform(0.1, 0.2))
            for _ in range(26)]
    img = bokeh(img, f, haze, blend="mix", rim_strength=0.0)
    petals = [rgb("#f5a9c3"), rgb("#f9cadb"), rgb("#fdebf1"), rgb("#ef8fb2"), rgb("#f7b9cf")]
    corners = [(1.46, -0.02, 0.5, 0.3), (-0.02, 1.04, 0.5, 0.45), (1.5, 1.05, 0.36, 0.5),
               (0.75, 1.08, 0.3, 0.3)]
    # Blossom gathers in three corners: far blossom big and faint, near blossom smaller.
    for size, strength, count in ((0.15, 0.3, 24), (0.085, 0.5, 60), (0.04, 0.65, 80)):
        discs = []
        for _ in range(count):
            cx, cy, spread, squash = corners[rng.integers(len(corners))]
            a = rng.uniform(0, 2 * math.pi)
            d = spread * rng.random() ** 0.7
            discs.append((cx + d * math.cos(a), cy + d * math.sin(a) * squash,
                          size * rng.uniform(0.6, 1.2), petals[rng.integers(len(petals))],
                          strength * rng.uniform(0.6, 1.0)))
        img = bokeh(img, f, discs, blend="mix", rim_strength=0.12)
    strays = [(rng.uniform(0.2, 1.3), rng.uniform(0.25, 0.8), rng.uniform(0.012, 0.025),
               petals[rng.integers(len(petals))], 0.3) for _ in range(7)]
    return bokeh(img, f, strays, blend="mix", rim_strength=0.12)


def skin2_dawn_hills(f):
    """Dawn over misty hills: periwinkle sky warming to peach, ranges fading into mist."""
    img = ramp(f.y, [(0.0, rgb("#a9b4de")), (0.22, rgb("#c3c9e8")), (0.42, rgb("#e8d8e4")),
                     (0.6, rgb("#fbe3d0"))])
    img = zenith(img, f, rgb("#3f5c96"), 0.95)
    img = mix(img, rgb("#fff3dc"), 0.75 * glow(f, 1.08, 0.6, 0.45, 0.22))
    streaks = smoothstep(0.4, 1.6, f.noise(5, octaves=3, stretch=6.0))
    img = mix(img, rgb("#f8dde3"), 0.35 * streaks * smoothstep(0.2, 0.3, f.y) *
              smoothstep(0.58, 0.4, f.y))
    layers = [(0.57, 0.025, rgb("#dcd6ec")), (0.63, 0.03, rgb("#d1cee9")),
              (0.7, 0.035, rgb("#c5c6e5")), (0.82, 0.04, rgb("#8e96c4")),
              (0.9, 0.04, rgb("#626b9e"))]
    for base, amp, colour in layers:
        ridge = base + amp * f.profile(2.5, octaves=4) - 0.02 * np.sin(f.x * 2.1 + base * 9)
        mist = mix(colour, rgb("#f3e9f0"), 0.75)
        layer = mix(colour, mist, smoothstep(ridge, ridge + 0.09, f.y))
        img = mix(img, layer, band(f, ridge, 0.6 * f.px))
    return img


def skin3_sea_sunset(f):
    """Sea at sunset: lilac and rose sky over a calm sea, the sun setting low in the middle.

    The horizon lies under the panels, so the sun sets in the open space between the two
    buttons and its glow rises behind the labels."""
    horizon = 0.865
    sun_x, sun_y, sun_r = 0.77, horizon - 0.022, 0.04
    img = ramp(f.y, [(0.0, rgb("#b7a6d6")), (0.2, rgb("#d6c5e6")), (0.42, rgb("#f0cee0")),
                     (0.7, rgb("#fcdacf")), (horizon, rgb("#ffd6a6"))])
    img = zenith(img, f, rgb("#4c4f8c"), 0.9)
    img = mix(img, rgb("#ffe6bd"), 0.7 * glow(f, sun_x, sun_y, 0.75, 0.3))
    clouds = smoothstep(0.3, 1.6, f.noise(4, octaves=4, stretch=8.0))
    lit = mix(rgb("#e9a9c6"), rgb("#ffc9a6"), glow(f, sun_x, sun_y, 0.7, 0.5))
    img = mix(img, lit, 0.65 * clouds * smoothstep(0.2, 0.32, f.y) * smoothstep(0.8, 0.55, f.y))
    high = smoothstep(0.5, 1.8, f.noise(6, octaves=3, stretch=10.0))
    img = mix(img, rgb("#8f7fbf"), 0.45 * high * smoothstep(0.2, 0.02, f.y))
    img = screen(img, rgb("#fff0d0"), 0.9 * glow(f, sun_x, sun_y, 0.1, 0.08, power=1.2))
    d = np.sqrt((f.x - sun_x) ** 2 + (f.y - sun_y) ** 2)
    img = mix(img, rgb("#fffaee"), smoothstep(sun_r + 0.004, sun_r - 0.002, d))
    sea = ramp(f.y, [(horizon, rgb("#e9c9cf")), (0.92, rgb("#b0a0c6")), (1.0, rgb("#77709f"))])
    swell = f.noise(16, octaves=2, stretch=9.0)
    sea = sea * (1 + 0.035 * swell[..., None])
    path = glow(f, sun_x, horizon, 0.06, 1.0) * smoothstep(1.02, horizon, f.y)
    glitter = smoothstep(0.1, 1.3, f.noise(20, octaves=2, stretch=10.0))
    sea = screen(sea, rgb("#ffe7c0"), 0.9 * path * (0.35 + 0.65 * glitter))
    img = mix(img, sea, band(f, horizon, 0.6 * f.px))
    return img


def skin4_polar_light(f):
    """Polar light over snow: ribbons of green and violet light above rolling snowfields."""
    img = ramp(f.y, [(0.0, rgb("#9cb9da")), (0.25, rgb("#c4d7ea")), (0.55, rgb("#e2ecf5")),
                     (0.75, rgb("#f0f3f8"))])
    img = zenith(img, f, rgb("#203f70"), 0.95, depth=0.08)
    rays = 0.55 + 0.45 * smoothstep(-1.3, 1.3, f.noise(2.5, octaves=3, stretch=0.1))
    for base, amp, low, high, strength, spread in (
            (0.34, 0.06, rgb("#6fe0b6"), rgb("#a99cec"), 0.75, 0.16),
            (0.47, 0.045, rgb("#8fe8cb"), rgb("#d6aee9"), 0.55, 0.12)):
        edge = base + amp * f.profile(2.2, octaves=3)
        above = edge - f.y
        curtain = np.where(above > 0, np.exp(-above / spread), np.exp(above / 0.01))
        colour = mix(low, high, smoothstep(0.0, spread * 1.5, above))
        img = mix(img, colour, strength * curtain * rays * smoothstep(0.12, 0.24, f.y))
        hem = np.exp(-((above - 0.008) / 0.014) ** 2)  # the lower hem glows brightest
        img = screen(img, rgb("#e6fff4"), 0.55 * strength * hem * rays)
    snow = [(0.72, 0.025, rgb("#f7f9fd"), rgb("#d6e0ef")),
            (0.8, 0.035, rgb("#f1f5fb"), rgb("#bccbe4")),
            (0.9, 0.03, rgb("#e4ecf7"), rgb("#97abcf"))]
    for base, amp, lit, shade in snow:
        ridge = base + amp * f.profile(1.6, octaves=2)
        layer = shaded_band(f, ridge, lit, shade, tilt=-1.5, broad=0.8)
        layer = mix(layer, shade, 0.5 * smoothstep(ridge + 0.02, ridge + 0.12, f.y))
        img = mix(img, layer, band(f, ridge, 0.8 * f.px))
    return img


def skin5_lavender(f):
    """Lavender field: rows of lilac running to a hazy horizon under a summer sky."""
    horizon = 0.58
    img = ramp(f.y, [(0.0, rgb("#9fbde6")), (0.25, rgb("#c6d8f0")), (horizon, rgb("#f6efec"))])
    img = zenith(img, f, rgb("#3f6db3"), 0.95)
    clouds = smoothstep(0.2, 1.4, f.noise(3, octaves=4))
    img = mix(img, rgb("#fbfcfe"), 0.6 * clouds * smoothstep(0.12, 0.3, f.y) *
              smoothstep(0.56, 0.35, f.y))
    trees = horizon - 0.008 - 0.014 * smoothstep(-0.5, 1.5, f.profile(9, octaves=2))
    img = mix(img, rgb("#aebcae"), band(f, trees, 1.2 * f.px))
    depth = np.maximum(f.y - horizon, 1e-4)
    across = (f.x - 0.95) / depth  # rows run to a vanishing point right of centre
    rows = 0.5 + 0.5 * np.cos(across * 2 * math.pi * 0.9)
    period_px = depth / 0.9 * WINDOW_H  # row spacing at the window's size
    rows = 0.5 + (rows - 0.5) * smoothstep(4, 10, period_px)
    flowers = mix(rgb("#b197db"), rgb("#8465c0"), smoothstep(0.7, 1.0, f.y))
    ground = mix(rgb("#b5c49a"), rgb("#7d9163"), smoothstep(0.7, 1.0, f.y))
    field = mix(ground, flowers, 0.25 + 0.75 * rows)
    field = field * (1 + 0.05 * f.noise(6, octaves=3)[..., None])
    field = mix(field, rgb("#f0e8f3"), 0.85 * smoothstep(0.86, horizon + 0.02, f.y))
    img = mix(img, field, band(f, horizon, 0.6 * f.px))
    return img


def skin6_leaf_light(f):
    """Sunlight through leaves: soft green ground and out-of-focus discs of warm light."""
    t = np.clip((f.x / RATIO) * 0.4 + f.y * 0.6, 0, 1)
    img = ramp(t, [(0.0, rgb("#8fb886")), (0.2, rgb("#b6d3a5")), (0.45, rgb("#d9eac6")),
                   (0.75, rgb("#eff3d9")), (1.0, rgb("#c8dcaa"))])
    img = mix(img, rgb("#7a9e6c"), 0.7 * smoothstep(0.8, 1.0, f.y))
    img = mix(img, rgb("#fbf7dc"), 0.5 * glow(f, 1.05, 0.4, 0.45, 0.35))
    img = zenith(img, f, rgb("#365f3e"), 0.95)
    rng = f.rng
    crisp, soft = [], []
    for _ in range(110):
        x = rng.uniform(-0.05, RATIO + 0.05)
        y = rng.uniform(-0.05, 1.05)
        r = rng.uniform(0.02, 0.1)
        colour = [rgb("#fff4c4"), rgb("#ffffff"), rgb("#e6f7b9"), rgb("#ffe3a8")][
            rng.integers(4)]
        # Under the panels the light stays faint; it gathers in the corners and along the edges.
        edge_dist = min(x, RATIO - x, y * 1.4, (1 - y) * 1.6)
        inner = edge_dist > 0.16
        strength = rng.uniform(0.15, 0.45) * (0.35 if inner else 1.0)
        (soft if inner else crisp).append((x, y, r, colour, strength))
    img = bokeh(img, f, soft)
    return bokeh(img, f, crisp)


def skin7_dunes(f):
    """Desert dunes under a pale sky: sunlit faces on the left, rose shade on the right."""
    horizon = 0.6
    img = ramp(f.y, [(0.0, rgb("#98bfe3")), (0.25, rgb("#c6dbee")), (horizon, rgb("#f5e9dd"))])
    img = zenith(img, f, rgb("#2f67a3"), 0.95)
    img = mix(img, rgb("#fffaf0"), 0.5 * glow(f, 0.25, 0.45, 0.6, 0.25))
    dunes = [(0.58, 0.03, rgb("#f3e1d2"), rgb("#e6cec6")),
             (0.66, 0.045, rgb("#f3ddc5"), rgb("#dfc2b8")),
             (0.78, 0.06, rgb("#eecca6"), rgb("#cda397")),
             (0.9, 0.05, rgb("#e2b486"), rgb("#b3826e"))]
    for base, amp, lit, shade in dunes:
        ridge = base + amp * (f.profile(1.4, octaves=2) + 0.7 * np.abs(f.profile(2.2)))
        layer = shaded_band(f, ridge, lit, shade, tilt=0.9, broad=0.35)
        layer = mix(layer, lit * 0.97, 0.4 * smoothstep(ridge + 0.03, ridge + 0.15, f.y))
        img = mix(img, layer, band(f, ridge, 0.6 * f.px))
    return img


def skin8_silk(f):
    """Silk waves: pearl-blue cloth in long diagonal folds with a soft rose sheen."""
    warp = 0.08 * f.noise(1.2, octaves=2)
    s = f.y - f.x * 0.5 + 0.1 * np.sin(f.x * 2.2 + 0.6) + warp
    height = (np.sin(s * 2 * math.pi * 0.9) * 0.6 + np.sin(s * 2 * math.pi * 1.9 + 1.3) * 0.3 +
              np.sin(s * 2 * math.pi * 3.7 + 0.4) * 0.1)
    gy, gx = np.gradient(height)
    gx *= f.w / RATIO / 5.0
    gy *= f.h / 5.0
    norm = np.sqrt(gx * gx + gy * gy + 1)
    nx, ny, nz = -gx / norm, -gy / norm, 1 / norm
    lx, ly, lz = -0.5, -0.55, 0.67
    diffuse = np.clip(nx * lx + ny * ly + nz * lz, 0, 1)
    hx, hy, hz = lx, ly, lz + 1
    hn = math.sqrt(hx * hx + hy * hy + hz * hz)
    gloss = np.clip((nx * hx + ny * hy + nz * hz) / hn, 0, 1) ** 30
    shade = smoothstep(0.2, 1.0, diffuse)
    lit = mix(rgb("#c2d0ee"), rgb("#f7f8fd"), shade)
    deep = mix(rgb("#3c4f8a"), rgb("#8ea3d6"), shade)
    depth = np.exp(-f.y / 0.08) * 0.9 + smoothstep(0.8, 1.0, f.y) * 0.75
    img = mix(lit, deep, depth)
    # Shot silk: the weave turns from blue to rose across the folds and along the cloth.
    tint = smoothstep(-0.9, 0.9, np.sin(s * 2 * math.pi * 0.45 + 0.8) + 0.6 * f.noise(1.0))
    img = mix(img, img * rgb("#fde6f0"), 0.6 * tint)
    img = screen(img, rgb("#ffffff"), 0.6 * gloss)
    return img


SCENES = {
    1: skin1_blossom,
    2: skin2_dawn_hills,
    3: skin3_sea_sunset,
    4: skin4_polar_light,
    5: skin5_lavender,
    6: skin6_leaf_light,
    7: skin7_dunes,
    8: skin8_silk,
}


# ----------------------------------------------------------------------------------------------
# Driver.


def render(number, scale=1.0):
    w, h = SIZES[number]
    f = Frame(max(8, int(w * scale)), max(8, int(h * scale)), seed=number * 7919)
    return np.clip(SCENES[number](f), 0, 1)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--quick", type=int, nargs="*",
                        help="draft these skins 640 pixels wide into a temporary directory")
    args = parser.parse_args(argv)
    if args.quick:
        out = pathlib.Path(tempfile.gettempdir()) / "skins-quick"
        out.mkdir(exist_ok=True)
        pictures = {}
        for n in args.quick:
            img = render(n, 640 / SIZES[n][0])
            save_jpeg(img, out / f"skin{n}.jpg", n)
            pictures[n] = out / f"skin{n}.jpg"
        preview_sheet.write(pictures, out / "preview.png")
        print(out / "preview.png")
        return
    OUT.mkdir(parents=True, exist_ok=True)
    pictures = {}
    for n in SIZES:
        save_jpeg(render(n), OUT / f"skin{n}.jpg", n)
        pictures[n] = OUT / f"skin{n}.jpg"
    preview_sheet.write(pictures, OUT / "preview.png")


if __name__ == "__main__":
    main(sys.argv[1:])
