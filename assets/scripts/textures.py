#!/usr/bin/python3
"""Writes data/texture/planks.jpg, stonewall.jpg and metal.jpg: tiling textures drawn from seeded
noise (our own artwork, no source picture). Each wraps at its edges because the game tiles it.
Usage: textures.py OUT_DIR
"""
import sys
from pathlib import Path

import numpy as np

from imaging import fractal_noise, periodic_noise, save_rgb

JPEG = {"format": "JPEG", "quality": 92}


def planks(rng):
    """226 x 225: five horizontal boards with grain, end joints with nails, and bullet holes."""
    w, h, boards = 226, 225, 5
    board_h = h / boards
    y = np.arange(h)[:, None].repeat(w, axis=1)
    x = np.arange(w)[None, :].repeat(h, axis=0)
    board = np.minimum((y / board_h).astype(int), boards - 1)
    tone = np.array([rng.uniform(0.85, 1.12) for _ in range(boards)])[board]
    grain = fractal_noise(w, h, 2, 45, 4, rng)
    streaks = 0.5 + 0.5 * np.sin(grain * 40)
    fine = periodic_noise(w, h, 113, 75, rng)
    shade = tone * (0.72 + 0.22 * streaks + 0.12 * fine)
    colour = np.stack([150 * shade, 104 * shade, 62 * shade], axis=2)

    within = y - board * board_h  # row inside the board
    colour[within < 2] *= 0.25  # the gap between boards
    colour[(within >= 2) & (within < 4)] *= 1.15  # lit upper edge
    colour[within > board_h - 3] *= 0.7  # shadowed lower edge
    for b in range(boards):
        joint = int(rng.uniform(0, w))
        rows = (board == b)
        colour[rows & (np.abs((x - joint + w // 2) % w - w // 2) < 1)] *= 0.3
        for side in (-7, 7):
            for offset in (0.3, 0.7):
                nail_x, nail_y = (joint + side) % w, b * board_h + offset * board_h
                colour[(x - nail_x) ** 2 + (y - nail_y) ** 2 < 4] = (55, 50, 45)

    for hole_x, hole_y in [(48, 30), (161, 72), (95, 118), (190, 168), (30, 196)]:
        d = np.hypot(x - hole_x, y - hole_y)
        angle = np.arctan2(y - hole_y, x - hole_x)
        splinter = 7.5 + 2.5 * np.sin(angle * 7 + hole_x) + 1.5 * np.sin(angle * 13 + hole_y)
        colour[d < splinter] = colour[d < splinter] * 0.5 + np.array([200, 160, 110]) * 0.5
        colour[d < 5.5] *= 0.4
        colour[d < 4.0] = (14, 10, 6)
    return colour


def stonewall(rng):
    """300 x 225: five courses of irregular stones in running bond, bevelled, in lighter mortar."""
    w, h, courses = 300, 225, 5
    course_h = h / courses
    y = np.arange(h)[:, None].repeat(w, axis=1).astype(float)
    x = np.arange(w)[None, :].repeat(h, axis=0).astype(float)
    grit = fractal_noise(w, h, 10, 8, 4, rng)
    rough = fractal_noise(w, h, 30, 22, 2, rng)  # ragged stone outlines
    speckle = periodic_noise(w, h, 150, 112, rng)
    colour = np.stack([155 + 40 * grit, 150 + 40 * grit, 140 + 40 * grit], axis=2)  # mortar
    for c in range(courses):
        top, bottom = c * course_h + 2, (c + 1) * course_h - 2
        start = rng.uniform(0, w)
        edges = [0.0]
        while edges[-1] < w - 60:
            edges.append(edges[-1] + rng.uniform(48, 92))
        edges[-1] = w
        for left, right in zip(edges, edges[1:]):
            cx, half_w = start + (left + right) / 2, (right - left) / 2 - 2.5
            cy, half_h = (top + bottom) / 2, (bottom - top) / 2
            dx = np.abs((x - cx + w / 2) % w - w / 2)  # wraps across the tile's edge
            dy = np.abs(y - cy)
            corner = 7.0
            qx, qy = np.maximum(dx - half_w + corner, 0), np.maximum(dy - half_h + corner, 0)
            outside = np.hypot(qx, qy) - corner + np.minimum(np.maximum(dx - half_w, dy - half_h), 0)
            stone = outside + 3.0 * (rough - 0.5) < 0
            grey = rng.uniform(92, 140)
            base = grey * np.array([1.0, rng.uniform(0.94, 1.0), rng.uniform(0.84, 0.95)])
            depth = np.clip(-outside / 6, 0, 1)  # 0 at the rim, 1 inside
            # Light from the top left: the upper-left rim is bright, the lower-right dark.
            side = ((y - cy) / half_h + ((x - cx + w / 2) % w - w / 2) / half_w) * (1 - depth)
            shade = (0.7 + 0.35 * grit + 0.25 * speckle) * (1 - 0.35 * side)
            colour[stone] = (base * shade[..., None])[stone]
    return colour


def metal(rng):
    """300 x 225: brushed steel, streaks along x with a broad sheen and a few scratches."""
    w, h = 300, 225
    streaks = fractal_noise(w, h, 3, 112, 3, rng)
    fine = periodic_noise(w, h, 150, 225, rng)
    y = np.arange(h)[:, None]
    x = np.arange(w)[None, :]
    sheen = 0.5 + 0.5 * np.cos(2 * np.pi * (x / w + y / h))
    grey = 120 + 55 * streaks + 14 * fine + 30 * sheen
    colour = np.stack([grey, grey * 1.01, grey * 1.04], axis=2)
    for _ in range(7):
        x0, y0 = rng.uniform(0, w), rng.uniform(0, h)
        length, slope = rng.uniform(30, 90), rng.uniform(-0.25, 0.25)
        t = np.linspace(0, length, int(length * 2))
        xs, ys = ((x0 + t) % w).astype(int), ((y0 + slope * t) % h).astype(int)
        colour[ys, xs] += 35
    return colour


def main(out_dir):
    out = Path(out_dir) / "texture"
    save_rgb(planks(np.random.default_rng(226)), out / "planks.jpg", **JPEG)
    save_rgb(stonewall(np.random.default_rng(300)), out / "stonewall.jpg", **JPEG)
    save_rgb(metal(np.random.default_rng(225)), out / "metal.jpg", **JPEG)


if __name__ == "__main__":
    main(sys.argv[1])
