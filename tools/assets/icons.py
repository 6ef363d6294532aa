#!/usr/bin/env python3
"""Draws the program's icons: the 32 x 32 window/tray icon and the two 16 x 16 button icons.

Run with Debian's python3 and python3-pil:  /usr/bin/python3 tools/assets/icons.py
Outputs (committed, so the build needs no Python): assets/app.ico, assets/ok.ico, assets/exit.ico.
Each picture is drawn eight times larger and scaled down, which gives clean anti-aliased edges.
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


def app_icon():
    size = 32 * SCALE
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    # soft drop shadow
    shadow = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    ImageDraw.Draw(shadow).ellipse([2 * SCALE, 3 * SCALE, 31 * SCALE, 32 * SCALE],
                                   fill=(0, 0, 0, 110))
    img.alpha_composite(shadow.filter(ImageFilter.GaussianBlur(SCALE)))
    disc = radial_disc(29 * SCALE, (72, 170, 255), (14, 58, 140))
    img.alpha_composite(disc, (1 * SCALE, 1 * SCALE))
    d = ImageDraw.Draw(img)
    cx = cy = 15.5 * SCALE
    # bezel
    d.ellipse([1 * SCALE, 1 * SCALE, 30 * SCALE, 30 * SCALE], outline=(235, 245, 255, 255),
              width=int(1.6 * SCALE))
    # twelve hour ticks, the quarter ones longer
    for i in range(12):
        a = math.radians(i * 30)
        r1 = 12.2 * SCALE
        r0 = (10.2 if i % 3 == 0 else 11.2) * SCALE
        d.line([cx + r0 * math.sin(a), cy - r0 * math.cos(a), cx + r1 * math.sin(a),
                cy - r1 * math.cos(a)], fill=(220, 236, 255, 255),
               width=int((1.3 if i % 3 == 0 else 0.8) * SCALE))
    # orange power symbol in the middle: the clock that switches off
    power_symbol(d, cx, cy + 0.6 * SCALE, 6.2 * SCALE, int(2.1 * SCALE), (255, 150, 30, 255))
    return img.resize((32, 32), Image.LANCZOS)


def ok_icon():
    size = 16 * SCALE
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    img.alpha_composite(radial_disc(15 * SCALE, (120, 220, 110), (24, 130, 50)), (0, 0))
    d = ImageDraw.Draw(img)
    pts = [(3.8 * SCALE, 7.8 * SCALE), (6.4 * SCALE, 10.4 * SCALE), (11.4 * SCALE, 4.6 * SCALE)]
    d.line(pts, fill=(255, 255, 255, 255), width=int(2.2 * SCALE), joint="curve")
    for x, y in (pts[0], pts[2]):
        r = 1.1 * SCALE
        d.ellipse([x - r, y - r, x + r, y + r], fill=(255, 255, 255, 255))
    return img.resize((16, 16), Image.LANCZOS)


def exit_icon():
    size = 16 * SCALE
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    img.alpha_composite(radial_disc(15 * SCALE, (255, 140, 110), (190, 30, 30)), (0, 0))
    d = ImageDraw.Draw(img)
    power_symbol(d, 7.5 * SCALE, 8.0 * SCALE, 4.1 * SCALE, int(1.7 * SCALE), (255, 255, 255, 255))
    return img.resize((16, 16), Image.LANCZOS)


def write_ico(img, path):
    """A one-image .ico with a 32-bit BGRA DIB (readable by every Windows version and Wine)."""
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
    image = header + bytes(xor) + bytes(and_mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1,
                                                           32, len(image), 6 + 16)
    path.write_bytes(directory + image)


def main():
    ASSETS.mkdir(exist_ok=True)
    for name, img in (("app", app_icon()), ("ok", ok_icon()), ("exit", exit_icon())):
        write_ico(img, ASSETS / f"{name}.ico")
        img.save(ASSETS / f"{name}-preview.png")


if __name__ == "__main__":
    main()
