#!/usr/bin/python3
"""Writes data/fire.jpg: the 3 x 3 red particle dot, lossless with alpha (a PNG, despite the name).

The game wants these premultiplied ARGB pixels exactly. PNG stores straight alpha, so each red is
stored as the straight value that premultiplies back to the wanted one with round(c * a / 255),
the rounding Qt uses when it converts to premultiplied.
Usage: fire.py OUT_DIR
"""
import sys
from pathlib import Path
from PIL import Image

CORNER, SIDE, CENTRE = (27, 25), (205, 203), (255, 255)  # (alpha, premultiplied red)
PIXELS = [CORNER, SIDE, CORNER,
          SIDE, CENTRE, SIDE,
          CORNER, SIDE, CORNER]


def straight(alpha, premultiplied):
    fits = [c for c in range(256) if (c * alpha + 127) // 255 == premultiplied]
    assert fits, (alpha, premultiplied)
    return min(fits, key=lambda c: abs(c * alpha / 255 - premultiplied))


def main(out_dir):
    image = Image.new("RGBA", (3, 3))
    image.putdata([(straight(a, r), 0, 0, a) for a, r in PIXELS])
    image.save(Path(out_dir) / "fire.jpg", format="PNG", optimize=True)


if __name__ == "__main__":
    main(sys.argv[1])
