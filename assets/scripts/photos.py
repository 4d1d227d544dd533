#!/usr/bin/python3
"""Writes data/photo/level1.jpg .. level6.jpg: the hunt levels' photographs at their exact sizes.

Each comes from a photograph shipped in a Debian package (unpacked by sources.sh): the largest crop
of the target's aspect ratio around a chosen centre, scaled with Lanczos, saved as baseline JPEG.
Usage: photos.py CACHE OUT_DIR
"""
import sys
from pathlib import Path
from PIL import Image

PLASMA = "plasma-workspace-wallpapers/usr/share/wallpapers"
LOMIRI = "lomiri-wallpapers-16.04/usr/share/backgrounds"

# name, source, (width, height), crop centre as fractions of the source's width and height, and the
# crop's size as a fraction of the largest crop (below 1 to leave out empty sky)
PHOTOS = [
    ("level1", f"{PLASMA}/Path/contents/images/2560x1600.jpg", (1600, 1200), (0.5, 0.5), 1.0),
    ("level2", f"{PLASMA}/EveningGlow/contents/images/2560x1600.jpg", (1400, 933), (0.5, 0.5), 1.0),
    ("level3", f"{LOMIRI}/aitzgorri_by_Aitzol_Berasategi.jpg", (1824, 1224), (0.5, 0.5), 1.0),
    ("level4", f"{LOMIRI}/life_by_Aitzol_Berasategi.jpg", (1920, 1080), (0.5, 0.55), 1.0),
    ("level5", f"{LOMIRI}/sunset_by_Aitzol_Berasategi.jpg", (1400, 949), (0.45, 0.62), 0.72),
    ("level6", f"{LOMIRI}/picosdeeuropa_by_Aitzol_Berasategi.jpg", (2959, 1661), (0.5, 0.6), 1.0),
]


def crop_box(size, aspect, centre, scale):
    w, h = size
    cw, ch = (w, round(w / aspect)) if w / h < aspect else (round(h * aspect), h)
    cw, ch = round(cw * scale), round(ch * scale)
    left = min(max(round(centre[0] * w - cw / 2), 0), w - cw)
    top = min(max(round(centre[1] * h - ch / 2), 0), h - ch)
    return left, top, left + cw, top + ch


def main(cache, out_dir):
    out = Path(out_dir) / "photo"
    out.mkdir(parents=True, exist_ok=True)
    for name, source, size, centre, scale in PHOTOS:
        image = Image.open(Path(cache) / source).convert("RGB")
        image = image.crop(crop_box(image.size, size[0] / size[1], centre, scale)).resize(size, Image.LANCZOS)
        image.save(out / f"{name}.jpg", format="JPEG", quality=88, optimize=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
