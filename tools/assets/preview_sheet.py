"""A contact sheet of the skin pictures, each under a mock of the main window, with a readability
figure for the texts. Used by skins.py; the mock follows the window's real layout, colours and
caption, so a picture that fails here fails in the program.

The picture is shrunk the way the program's stretch does it: plain bilinear sampling at pixel
centres, without averaging first, so fine detail that would sparkle in the window sparkles here.
"""
import pathlib

import numpy as np
from PIL import Image, ImageDraw, ImageFont

ROOT = pathlib.Path(__file__).resolve().parents[2]
GLYPHS = ROOT / "assets" / "glyphs"
FONT_PATH = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"

W, H = 371, 255
ORANGE = (255, 128, 0)
BROWN = (192, 96, 0)
WHITE = (255, 255, 255)

# (text, window-space left, top, width, height, colour, size, bold, centred)
LABELS = [
    ("2025-12-9\n 星期二", 12, 46, 128, 32, BROWN, 16, True, True),
    ("9", 54, 87, 56, 40, ORANGE, 48, True, True),
    ("十月二十", 34, 126, 88, 32, BROWN, 16, True, True),
    ("乙巳年 [蛇年]", 18, 157, 128, 32, BROWN, 16, True, True),
    ("当前时间：", 167, 40, 64, 24, ORANGE, 14, False, False),
    ("关机时间：", 167, 73, 64, 24, ORANGE, 14, False, False),
    ("提醒时间：", 167, 108, 64, 24, ORANGE, 14, False, False),
    ("选择功能：", 167, 140, 64, 24, ORANGE, 14, False, False),
    ("距离关机：", 167, 174, 64, 24, ORANGE, 14, False, False),
    ("21:37:45", 235, 36, 124, 32, ORANGE, 16, False, False),
    ("22", 235, 73, 16, 24, ORANGE, 14, False, False),
    ("：", 269, 73, 8, 24, ORANGE, 14, False, False),
    ("30", 281, 73, 16, 24, ORANGE, 14, False, False),
    ("：", 316, 74, 8, 24, ORANGE, 14, False, False),
    ("00", 328, 73, 16, 24, ORANGE, 14, False, False),
    ("5", 264, 107, 16, 24, ORANGE, 14, False, False),
    ("分钟", 318, 108, 64, 24, ORANGE, 14, False, False),
    ("定时关机", 235, 142, 64, 24, ORANGE, 12, False, False),
    ("0时52分15秒", 240, 175, 119, 24, ORANGE, 14, False, False),
]
EDITS = [(231, 43, 129, 20), (231, 74, 19, 24), (277, 74, 34, 24), (325, 74, 19, 24),
         (231, 109, 72, 20), (231, 177, 129, 20)]
COMBO = (231, 144, 128, 20)
SPINS = [(249, 73, 19, 24), (296, 73, 19, 24), (343, 73, 19, 24)]
GROUPS = [(4, 29, 152, 174), (159, 28, 208, 176)]
BUTTONS = [("确定", 83, 220), ("退出", 254, 220)]


def shrink(path):
    """Bilinear samples at the window's pixel centres, as a stretch without prefilter gives."""
    src = np.asarray(Image.open(path).convert("RGB"), np.float32)
    sh, sw = src.shape[:2]
    xs = np.clip((np.arange(W) + 0.5) * sw / W - 0.5, 0, sw - 1)
    ys = np.clip((np.arange(H) + 0.5) * sh / H - 0.5, 0, sh - 1)
    x0 = np.minimum(xs.astype(int), sw - 2)
    y0 = np.minimum(ys.astype(int), sh - 2)
    fx = (xs - x0)[None, :, None]
    fy = (ys - y0)[:, None, None]
    a = src[y0][:, x0]
    b = src[y0][:, x0 + 1]
    c = src[y0 + 1][:, x0]
    d = src[y0 + 1][:, x0 + 1]
    out = (a * (1 - fx) + b * fx) * (1 - fy) + (c * (1 - fx) + d * fx) * fy
    return Image.fromarray(np.clip(out + 0.5, 0, 255).astype(np.uint8), "RGB")


def luminance(rgb):
    c = np.asarray(rgb, np.float64) / 255
    c = np.where(c <= 0.04045, c / 12.92, ((c + 0.055) / 1.055) ** 2.4)
    return c[..., 0] * 0.2126 + c[..., 1] * 0.7152 + c[..., 2] * 0.0722


def contrast(a, b):
    hi, lo = max(a, b), min(a, b)
    return (hi + 0.05) / (lo + 0.05)


def font(size, cache={}):
    if size not in cache:
        cache[size] = ImageFont.truetype(FONT_PATH, size)
    return cache[size]


def overlay(base, draw_fn):
    layer = Image.new("RGBA", base.size, (0, 0, 0, 0))
    draw_fn(ImageDraw.Draw(layer))
    base.alpha_composite(layer)


def vertical_gradient(size, top, bottom):
    w, h = size
    t = np.linspace(0, 1, h, dtype=np.float32)[:, None, None]
    arr = np.asarray(top, np.float32) * (1 - t) + np.asarray(bottom, np.float32) * t
    return Image.fromarray(np.repeat(arr, w, axis=1).astype(np.uint8), "RGBA")


def text_at(draw, label):
    text, x, y, w, h, colour, size, bold, centred = label
    fnt = font(size)
    lines = text.split("\n")
    stroke = 1 if bold and size >= 40 else 0
    line_h = size + 2
    top = y if len(lines) > 1 else y + (h - line_h) / 2
    for i, line in enumerate(lines):
        lw = draw.textlength(line, font=fnt)
        lx = x + (w - lw) / 2 if centred else x
        draw.text((lx, top + i * line_h), line, font=fnt, fill=colour + (255,),
                  stroke_width=stroke, stroke_fill=colour + (255,))


def mock_window(picture):
    """The main window as it will look under one picture."""
    img = picture.convert("RGBA")
    # Edits and the drop-down list: a thin dark frame; the picture shows through them.
    def controls(d):
        for x, y, w, h in EDITS + [COMBO]:
            d.rectangle([x, y, x + w - 1, y + h - 1], outline=(0, 0, 0, 80))
        for x, y, w, h in GROUPS:
            d.rounded_rectangle([x, y + 5, x + w - 1, y + h - 2], 5, outline=(0, 0, 0, 40))
            d.rounded_rectangle([x + 1, y + 6, x + w - 3, y + h - 3], 3,
                                outline=(255, 255, 255, 90))
    overlay(img, controls)
    arrows = {n: Image.open(GLYPHS / f"arrow_{n}.png") for n in ("up", "down", "combo")}
    for x, y, w, h in SPINS:
        plate = Image.new("RGBA", (w, h), (0, 0, 0, 0))
        ImageDraw.Draw(plate).rounded_rectangle([0, 0, w - 1, h - 1], 3,
                                                fill=(255, 255, 255, 160))
        hh = h // 2
        for top, start in ((0, 60), (hh, 20)):
            half = vertical_gradient((w - 1, hh - 1), (255, 255, 255, start), (0, 0, 0, 100))
            mask = Image.new("L", half.size, 0)
            ImageDraw.Draw(mask).rounded_rectangle([0, 0, w - 2, hh - 2], 3, fill=255)
            plate.paste(half, (0, top), mask)
            overlay(plate, lambda d, t=top: d.rounded_rectangle([0, t, w - 1, t + hh - 1], 3,
                                                                outline=(0, 0, 0, 100)))
            glyph = arrows["up" if top == 0 else "down"]
            plate.alpha_composite(glyph, ((w - 7) // 2, top + (hh - 4) // 2))
        img.alpha_composite(plate, (x, y))
    cx, cy, cw, ch = COMBO
    bw = 17
    bl = cx + cw - bw - 1
    face = vertical_gradient((bw - 2, ch - 5), (0, 0, 0, 30), (0, 0, 0, 100))
    img.alpha_composite(face, (bl + 1, cy + 3))
    overlay(img, lambda d: d.rounded_rectangle([bl, cy + 2, bl + bw - 1, cy + ch - 2], 4,
                                               outline=(0, 0, 0, 80)))
    img.alpha_composite(arrows["combo"], (bl + (bw - 7) // 2, cy + 2 + (ch - 4) // 2))
    # Push buttons keep a light face of their own.
    ok_icon = Image.open(ROOT / "assets" / "ok-preview.png").convert("RGBA")
    exit_icon = Image.open(ROOT / "assets" / "exit-preview.png").convert("RGBA")
    for (text, x, y), icon in zip(BUTTONS, (ok_icon, exit_icon)):
        overlay(img, lambda d, x=x, y=y: d.rounded_rectangle(
            [x, y, x + 55, y + 23], 3, fill=(240, 240, 240, 235), outline=(0, 0, 0, 110)))
        img.alpha_composite(icon.resize((16, 16)), (x + 5, y + 4))
        overlay(img, lambda d, x=x, y=y, text=text: d.text(
            (x + 24, y + 5), text, font=font(12), fill=ORANGE + (255,)))
    # Labels.
    overlay(img, lambda d: [text_at(d, label) for label in LABELS])
    # Caption: icon, white title with a grey halo, minimize and close buttons.
    app_icon = Image.open(ROOT / "assets" / "app-preview.png").convert("RGBA").resize((17, 17))
    img.alpha_composite(app_icon, (9, 5))

    def title(d):
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            d.text((29 + dx, 8 + dy), "远帆定时关机软件2.0", font=font(12),
                   fill=(128, 128, 128, 150))
    overlay(img, title)
    overlay(img, lambda d: d.text((29, 8), "远帆定时关机软件2.0", font=font(12),
                                  fill=WHITE + (255,), stroke_width=0))
    for name, x, w in (("minimize", 299, 26), ("close", 326, 38)):
        img.alpha_composite(vertical_gradient((w + 1, 17), (255, 255, 255, 50), (0, 0, 0, 0)),
                            (x - 1, 1))
        img.alpha_composite(Image.open(GLYPHS / f"{name}.png"), (x, 1))
        img.alpha_composite(vertical_gradient((1, 18), (0, 0, 0, 100 if name == "minimize"
                                                         else 60), (0, 0, 0, 0)), (x - 2, 1))
    # Window outline with its rounded corners.
    overlay(img, lambda d: (d.rounded_rectangle([0, 0, W - 1, H - 1], 7, outline=(0, 0, 0, 180)),
                            d.rounded_rectangle([1, 1, W - 3, H - 3], 6,
                                                outline=(255, 255, 255, 180))))
    return img.convert("RGB")


def readability(picture):
    """Worst contrast ratio of each text colour against the picture right around its strokes."""
    bg = np.asarray(picture.convert("RGB"), np.float64)
    worst = {}
    for label in LABELS:
        ink = Image.new("RGBA", (W, H), (0, 0, 0, 0))
        text_at(ImageDraw.Draw(ink), label)
        mask = np.asarray(ink)[..., 3] > 64
        if not mask.any():
            continue
        ys, xs = np.nonzero(mask)
        region = bg[max(0, ys.min() - 2):ys.max() + 3, max(0, xs.min() - 2):xs.max() + 3]
        lum = luminance(region).mean()
        ratio = contrast(lum, float(luminance(np.array(label[5]))))
        key = {ORANGE: "orange", BROWN: "brown"}[label[5]]
        if ratio < worst.get(key, 99.0):
            worst[key] = ratio
            worst[key + " at"] = label[0].split("\n")[0]
    top = luminance(bg[5:22, 29:160]).mean()
    worst["title"] = contrast(top, 1.0)
    return worst


def write(pictures, path):
    """pictures: {skin number: JPEG path}. Lays the mocks out two by two with captions."""
    numbers = sorted(pictures)
    cols = 2
    rows = (len(numbers) + cols - 1) // cols
    pad, caption_h = 12, 20
    sheet = Image.new("RGB", (cols * (W + pad) + pad, rows * (H + caption_h + pad) + pad),
                      (58, 60, 66))
    d = ImageDraw.Draw(sheet)
    for i, n in enumerate(numbers):
        picture = shrink(pictures[n])
        scores = readability(picture)
        x = pad + (i % cols) * (W + pad)
        y = pad + (i // cols) * (H + caption_h + pad)
        sheet.paste(mock_window(picture), (x, y + caption_h))
        size = Image.open(pictures[n]).size
        kb = pathlib.Path(pictures[n]).stat().st_size // 1024
        note = (f"皮肤{n}  {size[0]}x{size[1]}  {kb} KB   contrast: orange "
                f"{scores['orange']:.2f}, brown {scores['brown']:.2f}, title {scores['title']:.2f}")
        d.text((x, y + 3), note, font=font(11), fill=(230, 230, 230))
        print(note.replace("皮肤", "skin "), f"(worst: {scores['orange at']}, "
              f"{scores['brown at']})")
    sheet.save(path, optimize=True)
