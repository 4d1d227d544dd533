#!/usr/bin/python3
"""Writes data/icon/app-30.png, app-64.png and app-256.png: the program's icon, a scope reticle
over a dark green disc (our own drawing). Each size is drawn at 8 times its size and averaged down,
so the small ones stay crisp instead of being shrunk from the large one.
Usage: icons.py OUT_DIR
"""
import sys
from pathlib import Path

import numpy as np

from imaging import downsample_rgba

SS = 8


def icon(size):
    n = size * SS
    y, x = np.mgrid[0:n, 0:n]
    u, v = (x + 0.5) / n * 2 - 1, (y + 0.5) / n * 2 - 1  # -1 .. 1 across the icon
    r = np.hypot(u, v)
    rgba = np.zeros((n, n, 4))

    def paint(mask, colour):
        rgba[mask] = colour

    glow = 0.5 + 0.5 * np.clip(1 - np.hypot(u + 0.35, v + 0.35), 0, 1)
    disc = r <= 0.96
    rgba[disc, 0] = 20 * glow[disc]
    rgba[disc, 1] = 95 * glow[disc]
    rgba[disc, 2] = 30 * glow[disc]
    rgba[disc, 3] = 255
    line = max(0.07, 2.2 / size)  # never thinner than about one pixel
    paint((r > 0.96 - line * 1.2) & (r <= 0.96), (10, 10, 10, 255))
    paint(np.abs(r - 0.62) < line / 2, (140, 255, 70, 255))
    arms = ((np.abs(u) < line / 2) | (np.abs(v) < line / 2)) & (r > 0.18) & (r < 0.9)
    paint(arms, (140, 255, 70, 255))
    paint(r < max(0.1, 1.6 / size), (255, 40, 30, 255))
    return downsample_rgba(rgba, SS)


def main(out_dir):
    out = Path(out_dir) / "icon"
    out.mkdir(parents=True, exist_ok=True)
    for size in (30, 64, 256):
        icon(size).save(out / f"app-{size}.png", format="PNG", optimize=True)


if __name__ == "__main__":
    main(sys.argv[1])
