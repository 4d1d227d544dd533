#!/usr/bin/python3
"""Writes data/banner.jpg (347 x 190): the quest team's banner for the access gate and the
completion window. Background: a darkened crop of the level-1 forest photograph; lettering in the
embedded faces (Roboto Black, DejaVu Sans) from the unpacked Debian packages.
Usage: banner.py CACHE OUT_DIR
"""
import sys
from pathlib import Path

from PIL import Image, ImageDraw, ImageEnhance, ImageFilter, ImageFont

PHOTO = "plasma-workspace-wallpapers/usr/share/wallpapers/Path/contents/images/2560x1600.jpg"
BLACK = "fonts-roboto-unhinted/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/Roboto-Black.ttf"
SANS = "fonts-dejavu-core/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
SIZE = (347, 190)
SCALE = 3  # drawn larger, then reduced: smooth edges at the final size


def centred(draw, y, text, font, **style):
    left, _, right, _ = draw.textbbox((0, 0), text, font=font, stroke_width=style.get("stroke_width", 0))
    draw.text(((SIZE[0] * SCALE - (right - left)) / 2 - left, y), text, font=font, **style)


def main(cache, out_dir):
    cache = Path(cache)
    w, h = SIZE[0] * SCALE, SIZE[1] * SCALE
    photo = Image.open(cache / PHOTO).convert("RGB")
    photo = photo.crop((700, 300, 700 + 1460, 300 + 800)).resize((w, h), Image.LANCZOS)
    photo = ImageEnhance.Brightness(photo.filter(ImageFilter.GaussianBlur(4))).enhance(0.45)
    draw = ImageDraw.Draw(photo)

    # Scope reticle behind the name.
    cx, cy, r = w // 2, int(h * 0.44), int(h * 0.36)
    draw.ellipse((cx - r, cy - r, cx + r, cy + r), outline=(120, 255, 60), width=3 * SCALE)
    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        draw.line((cx + dx * r * 0.35, cy + dy * r * 0.35, cx + dx * r * 1.15, cy + dy * r * 1.15),
                  fill=(120, 255, 60), width=2 * SCALE)

    name = ImageFont.truetype(str(cache / BLACK), 74 * SCALE)
    centred(draw, int(h * 0.17) + 3 * SCALE, "VORTEL", name, fill=(0, 0, 0))
    centred(draw, int(h * 0.17), "VORTEL", name, fill=(255, 255, 255), stroke_width=2 * SCALE,
            stroke_fill=(0, 90, 0))
    caption = ImageFont.truetype(str(cache / SANS), 15 * SCALE)
    centred(draw, int(h * 0.74), "ГОРОДСКОЙ КВЕСТ  •  ЭТАП 5", caption, fill=(255, 230, 90))
    draw.rectangle((0, 0, w - 1, h - 1), outline=(120, 255, 60), width=2 * SCALE)

    out = Path(out_dir)
    out.mkdir(parents=True, exist_ok=True)
    photo.resize(SIZE, Image.LANCZOS).save(out / "banner.jpg", format="JPEG", quality=92)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
