#!/usr/bin/env python3
"""Draws the program's icons: the 32 x 32 window/tray icon and the two 16 x 16 button icons.

Run with Debian's python3 and python3-pil:  /usr/bin/python3 tools/assets/icons.py
Outputs (committed, so the build needs no Python): assets/app.ico, assets/ok.ico, assets/exit.ico.
Each picture is drawn eight times larger and scaled down, which gives clean anti-aliased edges.
Each .ico holds its picture drawn for 100 % display scaling first, then drawn again for 125, 150
and 200 %: app.ico 32, 40, 48 and 64 pixels (the caption and the tray draw it down to their
smaller places, as they draw the 32-pixel one down to 16 today); ok.ico and exit.ico 16, 20, 24
and 32. None holds an image smaller than its 100 % one, so every place that asks for a size
below it keeps getting the 100 % picture drawn down, exactly as before.
"""
import math
import pathlib
import struct

from PIL import Image, ImageDraw, ImageFilter

ASSETS = pathlib.Path(__file__).resolve().parents[2] / "assets"
SCALE = 8


def radial_disc(size, inner, outer, centre_shift=(-0.18, -0.22)):
    """A disc filled with a soft radial gradient, lit from the upper left."""
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    px = img.load()
    c = size / 2
    lx, ly = c + centre_shift[0] * size, c + centre_shift[1] * size
    r = size / 2 - 0.5
    for y in range(size):
        for x in range(size):
            if (x + 0.5 - c) ** 2 + (y + 0.5 - c) ** 2 > r * r:
                continue
            t = min(1.0, math.hypot(x + 0.5 - lx, y + 0.5 - ly) / (size * 0.85))
            px[x, y] = tuple(int(inner[i] + (outer[i] - inner[i]) * t) for i in range(3)) + (255,)
    return img


def power_symbol(draw, cx, cy, radius, width, colour):
    """The IEC power symbol: an open ring with a bar through its gap."""
    box = [cx - radius, cy - radius, cx + radius, cy + radius]
    draw.arc(box, start=-50, end=230, fill=colour, width=width)
    draw.line([cx, cy - radius - width * 0.6, cx, cy - width * 0.2], fill=colour, width=width)
    for end_angle in (-50, 230):  # round the ring's open ends
        a = math.radians(end_angle)
        ex, ey = cx + (radius - width / 2) * math.cos(a), cy + (radius - width / 2) * math.sin(a)
        draw.ellipse([ex - width / 2, ey - width / 2, ex + width / 2, ey + width / 2], fill=colour)
    for ey in (cy - radius - width * 0.6, cy - width * 0.2):
        draw.ellipse([cx - width / 2, ey - width / 2, cx + width / 2, ey + width / 2], fill=colour)


# Display scalings, in percent, each icon is drawn for.
PERCENTS = (100, 125, 150, 200)


def app_icon(unit=SCALE):
    """The icon 32 * unit / SCALE pixels square: drawn at `unit` pixels per 100 % pixel."""
    size = 32 * unit
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    # soft drop shadow
    shadow = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    ImageDraw.Draw(shadow).ellipse([2 * unit, 3 * unit, 31 * unit, 32 * unit],
                                   fill=(0, 0, 0, 110))
    img.alpha_composite(shadow.filter(ImageFilter.GaussianBlur(unit)))
    disc = radial_disc(29 * unit, (72, 170, 255), (14, 58, 140))
    img.alpha_composite(disc, (1 * unit, 1 * unit))
    d = ImageDraw.Draw(img)
    cx = cy = 15.5 * unit
    # bezel
    d.ellipse([1 * unit, 1 * unit, 30 * unit, 30 * unit], outline=(235, 245, 255, 255),
              width=int(1.6 * unit))
    # twelve hour ticks, the quarter ones longer
    for i in range(12):
        a = math.radians(i * 30)
        r1 = 12.2 * unit
        r0 = (10.2 if i % 3 == 0 else 11.2) * unit
        d.line([cx + r0 * math.sin(a), cy - r0 * math.cos(a), cx + r1 * math.sin(a),
                cy - r1 * math.cos(a)], fill=(220, 236, 255, 255),
               width=int((1.3 if i % 3 == 0 else 0.8) * unit))
    # orange power symbol in the middle: the clock that switches off
    power_symbol(d, cx, cy + 0.6 * unit, 6.2 * unit, int(2.1 * unit), (255, 150, 30, 255))
    side = 32 * unit // SCALE
    return img.resize((side, side), Image.LANCZOS)


def ok_icon(unit=SCALE):
    size = 16 * unit
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    img.alpha_composite(radial_disc(15 * unit, (120, 220, 110), (24, 130, 50)), (0, 0))
    d = ImageDraw.Draw(img)
    pts = [(3.8 * unit, 7.8 * unit), (6.4 * unit, 10.4 * unit), (11.4 * unit, 4.6 * unit)]
    d.line(pts, fill=(255, 255, 255, 255), width=int(2.2 * unit), joint="curve")
    for x, y in (pts[0], pts[2]):
        r = 1.1 * unit
        d.ellipse([x - r, y - r, x + r, y + r], fill=(255, 255, 255, 255))
    side = 16 * unit // SCALE
    return img.resize((side, side), Image.LANCZOS)


def exit_icon(unit=SCALE):
    size = 16 * unit
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    img.alpha_composite(radial_disc(15 * unit, (255, 140, 110), (190, 30, 30)), (0, 0))
    d = ImageDraw.Draw(img)
    power_symbol(d, 7.5 * unit, 8.0 * unit, 4.1 * unit, int(1.7 * unit), (255, 255, 255, 255))
    side = 16 * unit // SCALE
    return img.resize((side, side), Image.LANCZOS)


def ico_image(img):
    """One icon image: a 32-bit BGRA DIB with its AND mask (readable by every Windows and Wine)."""
    w, h = img.size
    px = img.load()
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = px[x, y]
            xor += bytes((b, g, r, a))
    mask_stride = ((w + 31) // 32) * 4
    and_mask = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(mask_stride)
        for x in range(w):
            if px[x, y][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        and_mask += row
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0,
                         0, 0)
    return header + bytes(xor) + bytes(and_mask)


def write_ico(images, path):
    """An .ico of several sizes, in the order given (the 100 % image first)."""
    data = [ico_image(img) for img in images]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for img, image in zip(images, data):
        w, h = img.size
        directory += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    path.write_bytes(directory + b"".join(data))


def main():
    ASSETS.mkdir(exist_ok=True)
    for name, draw in (("app", app_icon), ("ok", ok_icon), ("exit", exit_icon)):
        # 8 pixels per 100 % pixel at 100 %, 10 at 125 %, 12 at 150 %, 16 at 200 %.
        images = [draw(SCALE * percent // 100) for percent in PERCENTS]
        write_ico(images, ASSETS / f"{name}.ico")
        images[0].save(ASSETS / f"{name}-preview.png")


if __name__ == "__main__":
    main()
