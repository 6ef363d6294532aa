#!/usr/bin/env python3
"""Draws the pictures the skin gallery hands to the engine's picture buttons and status bar.

Run with Debian's python3 and python3-pil:  /usr/bin/python3 tools/assets/gallery_pictures.py
Outputs (committed), 32-bit RGBA PNG in assets/gallery/:
  star.png (32 x 32): a gold star, the glass button's one picture;
  play_normal.png, play_hover.png, play_pressed.png, play_disabled.png (96 x 36): a rounded
      blue plate with a play mark and three level bars, one picture per button state;
  palette.png (16 x 16): a painter's palette for the status bar's picture cell.
Each is drawn again for 125, 150 and 200 % display scaling as <name>@125.png and so on (each
side times the scale, halves rounded up), from its shapes rather than resized.
"""
import math
import pathlib

from PIL import Image

from glyphs import PERCENTS, Pen, clean, file_name

OUT = pathlib.Path(__file__).resolve().parents[2] / "assets" / "gallery"


def layer(size, rgb, alpha):
    """A flat colour with `alpha` (a coverage mask) as its opacity."""
    out = Image.new("RGBA", size, rgb + (0,))
    out.putalpha(alpha)
    return out


def vertical_gradient(size, top, bottom, alpha):
    out = Image.new("RGBA", size, (0, 0, 0, 0))
    px = out.load()
    mask = alpha.load()
    for y in range(size[1]):
        t = y / max(1, size[1] - 1)
        rgb = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
        for x in range(size[0]):
            px[x, y] = rgb + (mask[x, y],)
    return out


def star(percent=100):
    points = []
    for i in range(10):
        r = 15.0 if i % 2 == 0 else 6.4
        a = math.pi / 2 + i * math.pi / 5
        points.append((16 + r * math.cos(a), 16.6 - r * math.sin(a)))
    rim = Pen((32, 32), percent)
    rim.polygon(points)
    body_points = [(16 + (x - 16) * 0.86, 16.6 + (y - 16.6) * 0.86) for x, y in points]
    body = Pen((32, 32), percent)
    body.polygon(body_points)
    size = rim.size
    out = Image.new("RGBA", size, (0, 0, 0, 0))
    out.alpha_composite(layer(size, (120, 72, 8), rim.coverage()))
    out.alpha_composite(vertical_gradient(size, (255, 236, 120), (236, 150, 20), body.coverage()))
    return clean(out)


PLAY_SIZE = (96, 36)
PLAY_LOOKS = {
    # plate top, plate bottom, rim, mark, offset of the content
    "normal": ((96, 156, 226), (36, 92, 170), (20, 52, 104), (255, 255, 255), 0),
    "hover": ((140, 196, 250), (60, 130, 214), (24, 70, 140), (255, 255, 220), 0),
    "pressed": ((30, 80, 150), (70, 130, 205), (14, 36, 80), (230, 236, 245), 1),
    "disabled": ((196, 198, 204), (150, 152, 160), (110, 112, 120), (236, 236, 236), 0),
}


def play(look, percent=100):
    top, bottom, rim_rgb, mark_rgb, shift = PLAY_LOOKS[look]
    rim = Pen(PLAY_SIZE, percent)
    rim.rounded(0.5, 0.5, 95.5, 35.5, 9)
    plate = Pen(PLAY_SIZE, percent)
    plate.rounded(1.5, 1.5, 94.5, 34.5, 8)
    mark = Pen(PLAY_SIZE, percent)
    mark.polygon([(22 + shift, 9 + shift), (38 + shift, 18 + shift), (22 + shift, 27 + shift)])
    for i, height in enumerate((8, 14, 20)):
        x = 50 + i * 10 + shift
        mark.rounded(x, 28 - height + shift, x + 6, 28 + shift, 1.5)
    size = rim.size
    out = Image.new("RGBA", size, (0, 0, 0, 0))
    out.alpha_composite(layer(size, rim_rgb, rim.coverage()))
    out.alpha_composite(vertical_gradient(size, top, bottom, plate.coverage()))
    gloss = Pen(PLAY_SIZE, percent)
    gloss.rounded(4, 3, 92, 16, 6)
    out.alpha_composite(layer(size, (255, 255, 255),
                              gloss.coverage().point(lambda a: round(a * 0.22))))
    out.alpha_composite(layer(size, mark_rgb, mark.coverage()))
    return clean(out)


def palette(percent=100):
    board = Pen((16, 16), percent)
    size = board.size
    board.ellipse(0.5, 1.5, 15.5, 14.5)
    board.ellipse(9.0, 8.5, 13.0, 12.5, 0)  # the thumb hole
    out = Image.new("RGBA", size, (0, 0, 0, 0))
    out.alpha_composite(layer(size, (150, 104, 52), board.coverage()))
    inner = Pen((16, 16), percent)
    inner.ellipse(1.5, 2.5, 14.5, 13.5)
    inner.ellipse(8.0, 7.5, 14.0, 13.5, 0)
    out.alpha_composite(layer(size, (222, 176, 110), inner.coverage()))
    for (x, y), rgb in (((4.5, 5.5), (220, 40, 40)), ((8.0, 4.5), (40, 160, 60)),
                        ((11.5, 5.5), (40, 90, 220)), ((4.5, 9.5), (250, 210, 40))):
        dot = Pen((16, 16), percent)
        dot.ellipse(x - 1.6, y - 1.6, x + 1.6, y + 1.6)
        out.alpha_composite(layer(size, rgb, dot.coverage()))
    return clean(out)


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    for percent in PERCENTS:
        star(percent).save(OUT / file_name("star", percent), optimize=True)
        for look in PLAY_LOOKS:
            play(look, percent).save(OUT / file_name(f"play_{look}", percent), optimize=True)
        palette(percent).save(OUT / file_name("palette", percent), optimize=True)


if __name__ == "__main__":
    main()
