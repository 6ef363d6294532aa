#!/usr/bin/env python3
"""Draws the small glyphs of the skinned window: caption-button symbols and the arrow marks.

Run with Debian's python3 and python3-pil:  /usr/bin/python3 tools/assets/glyphs.py
Outputs (committed, so the build needs no Python), all 32-bit RGBA PNG in assets/glyphs/, each
drawn for 100 % display scaling as <name>.png and again, for the place it takes at 125, 150 and
200 %, as <name>@125.png, <name>@150.png and <name>@200.png (sizes below are the 100 % ones; a
scaled picture is each side times the scale, halves rounded up):
  help.png, menu.png, minimize.png, maximize.png, restore.png (26 x 18) and close.png (38 x 18):
      white symbols with a soft dark rim, so they read on any skin picture;
  arrow_up.png, arrow_down.png, arrow_combo.png (7 x 4), arrow_left.png, arrow_right.png (4 x 7):
      dark, anti-aliased marks for the light translucent faces of spinners and drop-down buttons;
  check_box.png, check_mark.png (13 x 13): the skinned check box's square (a light face in a
      dark rounded rim, translucent enough to let the skin tint it) and its tick, drawn over it;
  preview.png: every glyph enlarged on a dark, a light and a mid-toned ground, for review;
  preview_scaled.png: every glyph at each scale side by side, enlarged, for review.
Shapes are drawn SCALE times larger and box-filtered down, which gives exact pixel coverage.
A scaled glyph is drawn again from its shapes, not resized: straight edges of rectangles land on
whole pixels at every scale, and the rim grows with the symbol.
"""
import math
import pathlib

from PIL import Image, ImageChops, ImageDraw, ImageFilter

OUT = pathlib.Path(__file__).resolve().parents[2] / "assets" / "glyphs"
SCALE = 16
# Display scalings, in percent, that each glyph is drawn for; 100 keeps the plain file names.
PERCENTS = (100, 125, 150, 200)

CAPTION_SIZE = (26, 18)
CLOSE_SIZE = (38, 18)
SYMBOL_RGB = (255, 255, 255)
RIM_RGB = (16, 20, 32)
ARROW_RGB = (36, 38, 44)


def half_up(value):
    """Rounds as the program scales lengths: to the nearest integer, halves up."""
    return math.floor(value + 0.5)


def scaled_size(size, percent):
    """A 100 % size at `percent`, each side rounded as the program rounds the place it fills."""
    return tuple((side * percent * 2 + 100) // 200 for side in size)


class Pen:
    """Draws on a SCALE-times larger coverage mask in 100 % glyph pixel coordinates.

    `size` is the 100 % size; at another `percent` the mask is that scaled size and every
    coordinate and width is multiplied by the scale (zoom) as it is drawn."""

    def __init__(self, size, percent=100):
        # At 100 % the zoom is the integer 1, so every coordinate is computed exactly as before
        # there were scales and the 100 % files stay byte for byte the same.
        self.zoom = 1 if percent == 100 else percent / 100
        self.size = scaled_size(size, percent)
        self.mask = Image.new("L", (self.size[0] * SCALE, self.size[1] * SCALE), 0)
        self.draw = ImageDraw.Draw(self.mask)

    def _pt(self, x, y):
        return (round(x * self.zoom * SCALE), round(y * self.zoom * SCALE))

    def _edge(self, v):
        """A rectangle's edge on the scaled pixel grid: straight edges stay sharp at any scale."""
        return half_up(v * self.zoom) * SCALE

    def thickness(self, width):
        """A bar or frame width in whole scaled pixels, never thinner than one."""
        return max(1, half_up(width * self.zoom))

    def _fill_pixels(self, x0, y0, x1, y1, value):
        self.draw.rectangle([x0, y0, x1 - 1, y1 - 1], fill=value)

    def rect(self, x0, y0, x1, y1, value=255):
        """Fills the pixel-space rectangle [x0, x1) x [y0, y1)."""
        self._fill_pixels(self._edge(x0), self._edge(y0), self._edge(x1), self._edge(y1), value)

    def frame(self, x0, y0, x1, y1, side, top):
        """A window outline: `top` thick at the top (the title bar), `side` elsewhere."""
        left, upper, right, lower = (self._edge(v) for v in (x0, y0, x1, y1))
        side_px = self.thickness(side) * SCALE
        top_px = self.thickness(top) * SCALE
        self._fill_pixels(left, upper, right, lower, 255)
        self._fill_pixels(left + side_px, upper + top_px, right - side_px, lower - side_px, 0)

    def polygon(self, points, value=255):
        self.draw.polygon([self._pt(x, y) for x, y in points], fill=value)

    def line(self, x0, y0, x1, y1, width):
        self.draw.line([self._pt(x0, y0), self._pt(x1, y1)], fill=255,
                       width=round(width * self.zoom * SCALE))
        r = width / 2  # round caps
        for x, y in ((x0, y0), (x1, y1)):
            self.ellipse(x - r, y - r, x + r, y + r)

    def ellipse(self, x0, y0, x1, y1, value=255):
        self.draw.ellipse([*self._pt(x0, y0), *self._pt(x1, y1)], fill=value)

    def arc(self, x0, y0, x1, y1, start, end, width):
        self.draw.arc([*self._pt(x0, y0), *self._pt(x1, y1)], start, end, fill=255,
                      width=round(width * self.zoom * SCALE))

    def rounded(self, x0, y0, x1, y1, radius, value=255):
        self.draw.rounded_rectangle([*self._pt(x0, y0), *self._pt(x1, y1)],
                                    radius=round(radius * self.zoom * SCALE), fill=value)

    def coverage(self):
        """The mask at glyph size; a box filter turns sub-pixel area into alpha."""
        return self.mask.resize(self.size, Image.BOX)


def caption_glyph(pen):
    """White symbol over a soft dark rim: the rim is the symbol grown by a pixel, blurred.

    At a larger scale the rim grows, blurs and drops by as many pixels as the scale makes of
    one, so it keeps its look rather than becoming a thin line round a big symbol."""
    symbol = pen.coverage()
    grow = pen.thickness(1)
    grown = symbol.filter(ImageFilter.MaxFilter(2 * grow + 1))
    rim = grown.filter(ImageFilter.GaussianBlur(0.9 * pen.zoom))
    # Keep the rim faint but present right at the symbol's edge, and slightly lower than the
    # symbol, as light from above would cast it.
    rim = ImageChops.lighter(rim.point(lambda a: int(a * 0.55)),
                             ImageChops.offset(symbol, 0, grow).point(lambda a: int(a * 0.45)))
    rim_layer = Image.new("RGBA", pen.size, RIM_RGB + (0,))
    rim_layer.putalpha(rim)
    symbol_layer = Image.new("RGBA", pen.size, SYMBOL_RGB + (0,))
    symbol_layer.putalpha(symbol)
    out = Image.new("RGBA", pen.size, (0, 0, 0, 0))
    out.alpha_composite(rim_layer)
    out.alpha_composite(symbol_layer)
    return clean(out)


def clean(img):
    """Fully transparent pixels carry no colour, which keeps the files small and stable."""
    px = img.load()
    for y in range(img.height):
        for x in range(img.width):
            if px[x, y][3] == 0:
                px[x, y] = (0, 0, 0, 0)
    return img


def minimize(percent=100):
    pen = Pen(CAPTION_SIZE, percent)
    pen.rect(8, 11, 18, 13)
    return caption_glyph(pen)


def maximize(percent=100):
    pen = Pen(CAPTION_SIZE, percent)
    pen.frame(8, 4, 18, 14, side=1, top=2)
    return caption_glyph(pen)


def restore(percent=100):
    pen = Pen(CAPTION_SIZE, percent)
    pen.frame(10, 3, 19, 11, side=1, top=2)
    pen.rect(8, 6, 17, 15, 0)  # the front window hides what lies behind it
    pen.frame(7, 6, 16, 15, side=1, top=2)
    return caption_glyph(pen)


def menu(percent=100):
    pen = Pen(CAPTION_SIZE, percent)
    for top in (4, 8, 12):
        pen.rect(8, top, 18, top + 2)
    return caption_glyph(pen)


def close(percent=100):
    pen = Pen(CLOSE_SIZE, percent)
    pen.line(14.6, 4.6, 23.4, 13.4, 2.0)
    pen.line(14.6, 13.4, 23.4, 4.6, 2.0)
    return caption_glyph(pen)


def help_bubble(percent=100):
    """A white speech bubble with a dark question mark in it.

    The mark is painted rather than cut out: a hole would show a light skin through it and
    vanish."""
    pen = Pen(CAPTION_SIZE, percent)
    pen.rounded(6.0, 1.5, 20.0, 13.0, 3.5)
    pen.polygon([(8.5, 12.0), (12.5, 12.0), (7.2, 16.5)])  # the tail, pointing down-left
    bubble = caption_glyph(pen)
    mark = Pen(CAPTION_SIZE, percent)
    mark.arc(10.6, 3.2, 15.4, 7.8, 190, 420, 1.6)
    mark.line(13.0, 7.9, 13.0, 8.7, 1.6)
    mark.ellipse(12.1, 9.9, 13.9, 11.7)
    ink = Image.new("RGBA", mark.size, RIM_RGB + (0,))
    ink.putalpha(mark.coverage().point(lambda a: int(a * 0.85)))
    bubble.alpha_composite(ink)
    return clean(bubble)


def arrow(direction, percent=100):
    """A filled triangle as wide as its glyph, pointing `direction`, anti-aliased.

    The triangle is drawn pointing up in a 7 x 4 box and turned afterwards, so all four
    arrows have exactly the same weight."""
    pen = Pen((7, 4), percent)
    # The tip reaches a little above the box so the top row still reads as a point.
    pen.polygon([(3.5, -0.6), (7.0, 4.0), (0.0, 4.0)])
    alpha = pen.coverage().point(lambda a: min(255, int(255 * (a / 255) ** 0.75 + 0.5)))
    turn = {"up": None, "down": Image.FLIP_TOP_BOTTOM, "left": Image.ROTATE_90,
            "right": Image.ROTATE_270}[direction]
    if turn is not None:
        alpha = alpha.transpose(turn)
    out = Image.new("RGBA", alpha.size, ARROW_RGB + (0,))
    out.putalpha(alpha)
    return clean(out)


CHECK_SIZE = (13, 13)
CHECK_RIM_RGB = (52, 60, 78)
TICK_RGB = (24, 34, 56)


def check_box(percent=100):
    """A rounded square: a dark rim one pixel wide round a light face that fades downwards.

    At a larger scale the rim is as many whole pixels wide as the scale makes of one."""
    outer = Pen(CHECK_SIZE, percent)
    outer.rounded(0.5, 0.5, 12.5, 12.5, 2.2)
    inner = Pen(CHECK_SIZE, percent)
    rim = outer.thickness(1) / outer.zoom  # one scaled pixel, in 100 % units
    inner.rounded(0.5 + rim, 0.5 + rim, 12.5 - rim, 12.5 - rim, 2.2 - 0.8 * rim)
    rim_alpha = ImageChops.subtract(outer.coverage(), inner.coverage())
    face_alpha = inner.coverage()
    size = outer.size
    face = Image.new("RGBA", size, (0, 0, 0, 0))
    px = face.load()
    fa = face_alpha.load()
    for y in range(size[1]):
        # White at the top, a cool grey at the bottom.
        shade = round(255 - 34 * y / (size[1] - 1))
        for x in range(size[0]):
            px[x, y] = (shade, shade, min(255, shade + 6), round(fa[x, y] * 0.82))
    rim_layer = Image.new("RGBA", size, CHECK_RIM_RGB + (0,))
    rim_layer.putalpha(rim_alpha.point(lambda a: round(a * 0.85)))
    out = Image.new("RGBA", size, (0, 0, 0, 0))
    out.alpha_composite(face)
    out.alpha_composite(rim_layer)
    return clean(out)


def check_mark(percent=100):
    """The tick: a short stroke down to the bottom left third and a long one up to the right."""
    pen = Pen(CHECK_SIZE, percent)
    pen.line(3.4, 6.6, 5.6, 9.0, 1.7)
    pen.line(5.6, 9.0, 9.8, 3.6, 1.7)
    out = Image.new("RGBA", pen.size, TICK_RGB + (0,))
    out.putalpha(pen.coverage())
    return clean(out)


def glyphs(percent=100):
    return {
        "help": help_bubble(percent),
        "menu": menu(percent),
        "minimize": minimize(percent),
        "maximize": maximize(percent),
        "restore": restore(percent),
        "close": close(percent),
        "arrow_up": arrow("up", percent),
        "arrow_down": arrow("down", percent),
        "arrow_left": arrow("left", percent),
        "arrow_right": arrow("right", percent),
        "arrow_combo": arrow("down", percent),
        "check_box": check_box(percent),
        "check_mark": check_mark(percent),
    }


def file_name(name, percent):
    """The 100 % picture keeps its plain name; the others carry their scale."""
    return f"{name}.png" if percent == 100 else f"{name}@{percent}.png"


def preview(images):
    """Each glyph enlarged eight times on three grounds, nearest-neighbour so pixels show."""
    zoom = 8
    grounds = [(40, 56, 90), (236, 240, 246), (150, 160, 175)]
    cell_w = 40 * zoom
    cell_h = 20 * zoom
    sheet = Image.new("RGB", (cell_w * len(grounds), cell_h * len(images)), (0, 0, 0))
    for row, img in enumerate(images.values()):
        for col, ground in enumerate(grounds):
            cell = Image.new("RGBA", (40, 20), ground + (255,))
            if img.size == CHECK_SIZE:  # the tick lies on the box, as the painter draws it
                cell.alpha_composite(images["check_box"], (2, 3))
                cell.alpha_composite(img, (2, 3))
            elif img.width <= 7:  # arrows sit on a light translucent face, as in a spinner
                face = Image.new("RGBA", (13, 10), (255, 255, 255, 160))
                cell.alpha_composite(face, (2, 5))
                cell.alpha_composite(img, (2 + (13 - img.width) // 2, 5 + (10 - img.height) // 2))
            else:
                cell.alpha_composite(img, (1, 1))
            sheet.paste(cell.convert("RGB").resize((cell_w, cell_h), Image.NEAREST),
                        (col * cell_w, row * cell_h))
    return sheet


def preview_scaled(by_percent):
    """Each glyph at every scale, left to right, on a mid-toned ground, enlarged four times."""
    zoom = 4
    ground = (96, 110, 136, 255)
    cell = (80, 40)
    names = list(by_percent[100])
    sheet = Image.new("RGB", (cell[0] * zoom * len(PERCENTS), cell[1] * zoom * len(names)))
    for row, name in enumerate(names):
        for col, percent in enumerate(PERCENTS):
            tile = Image.new("RGBA", cell, ground)
            img = by_percent[percent][name]
            if name == "check_mark":
                tile.alpha_composite(by_percent[percent]["check_box"], (2, 2))
            tile.alpha_composite(img, (2, 2))
            sheet.paste(tile.convert("RGB").resize((cell[0] * zoom, cell[1] * zoom),
                                                   Image.NEAREST),
                        (col * cell[0] * zoom, row * cell[1] * zoom))
    return sheet


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    by_percent = {percent: glyphs(percent) for percent in PERCENTS}
    for percent, images in by_percent.items():
        for name, img in images.items():
            img.save(OUT / file_name(name, percent), optimize=True)
    preview(by_percent[100]).save(OUT / "preview.png", optimize=True)
    preview_scaled(by_percent).save(OUT / "preview_scaled.png", optimize=True)


if __name__ == "__main__":
    main()
