#!/usr/bin/python3
"""Writes data/rifle.png (282 x 897, with alpha): the rifle under the scope view, seen from behind
and above. The telescope's rear end (the eyepiece) sits at picture pixel (166, 175), where the game
puts the scope's centre; the telescope points up, away from the player, and the stock hangs down
towards the player, widening with perspective. Our own drawing: shaded cylinders built from
width profiles, rendered four times larger and averaged down for smooth edges.
Usage: rifle.py OUT_DIR
"""
import sys
from pathlib import Path

import numpy as np

from imaging import fractal_noise, downsample_rgba

W, H, SS = 282, 897, 4
EYE_X, EYE_Y = 166, 175
LIGHT = np.array([-0.45, 0.89])  # from the upper left, towards the viewer (x, z)


class Canvas:
    def __init__(self):
        self.rgba = np.zeros((H * SS, W * SS, 4))
        self.y = (np.arange(H * SS)[:, None] + 0.5) / SS
        self.x = (np.arange(W * SS)[None, :] + 0.5) / SS

    def paint(self, mask, rgb):
        self.rgba[mask, :3] = rgb[mask] if rgb.ndim == 3 else rgb
        self.rgba[mask, 3] = 255

    def cylinder(self, ys, centres, half_widths, colour, shine=0.5, texture=None):
        """A part that is round across its width: row y spans centre(y) +- half_width(y)."""
        y = self.y[:, 0]
        inside_rows = (y >= ys[0]) & (y <= ys[-1])
        c = np.interp(y, ys, centres)[:, None]
        hw = np.interp(y, ys, half_widths)[:, None]
        u = (self.x - c) / np.maximum(hw, 1e-6)
        mask = inside_rows[:, None] & (np.abs(u) <= 1)
        nz = np.sqrt(np.clip(1 - u * u, 0, 1))
        diffuse = np.clip(u * LIGHT[0] + nz * LIGHT[1], 0, 1)
        highlight = np.clip(u * -0.3 + nz * 0.95, 0, 1) ** 24
        shade = 0.28 + 0.72 * diffuse
        if texture is not None:
            shade = shade * texture
        rgb = np.asarray(colour)[None, None, :] * shade[..., None] + 255 * shine * highlight[..., None]
        self.paint(mask, rgb)

    def disc(self, cx, cy, rx, ry, colour, shine=0.4):
        u, v = (self.x - cx) / rx, (self.y - cy) / ry
        r2 = u * u + v * v
        mask = r2 <= 1
        nz = np.sqrt(np.clip(1 - r2, 0, 1))
        shade = 0.3 + 0.7 * np.clip(u * LIGHT[0] - v * 0.3 + nz * LIGHT[1], 0, 1)
        highlight = np.clip(-u * 0.4 - v * 0.4 + nz * 0.82, 0, 1) ** 16
        rgb = np.asarray(colour)[None, None, :] * shade[..., None] + 255 * shine * highlight[..., None]
        self.paint(mask, rgb)

    def rod(self, x0, y0, x1, y1, radius, colour):
        dx, dy = x1 - x0, y1 - y0
        t = np.clip(((self.x - x0) * dx + (self.y - y0) * dy) / (dx * dx + dy * dy), 0, 1)
        px, py = x0 + t * dx, y0 + t * dy
        d = np.hypot(self.x - px, self.y - py)
        mask = d <= radius
        across = ((self.x - px) * -dy + (self.y - py) * dx) / np.hypot(dx, dy) / radius
        shade = 0.3 + 0.7 * np.clip(-across * 0.5 + np.sqrt(np.clip(1 - across ** 2, 0, 1)) * 0.85, 0, 1)
        self.paint(mask, np.asarray(colour)[None, None, :] * shade[..., None])


def main(out_dir):
    rng = np.random.default_rng(897)
    canvas = Canvas()
    wood_grain = fractal_noise(W * SS, H * SS, 24, 3, 4, rng)
    wood = 0.78 + 0.3 * (0.5 + 0.5 * np.sin(wood_grain * 30))
    steel, black, walnut = (70, 73, 78), (34, 35, 38), (128, 74, 38)

    # Stock: the pistol grip behind the receiver, then the butt widening towards the player.
    canvas.cylinder([300, 370, 430, 600, 860, 897], [166, 165, 162, 156, 150, 150],
                    [19, 21, 40, 76, 110, 108], walnut, shine=0.25, texture=wood)
    canvas.cylinder([862, 897], [150, 150], [110, 108], (28, 28, 28), shine=0.1)  # butt pad
    # Receiver and bolt under the scope.
    canvas.cylinder([150, 330], [EYE_X, EYE_X], [21, 21], steel)
    canvas.rod(186, 262, 236, 286, 4.5, steel)
    canvas.disc(240, 289, 10, 10, steel)
    # Telescope: objective bell at the top, tube, eyepiece bell ending at the scope's centre.
    canvas.cylinder([0, 38, 56, 120, 145, EYE_Y + 22], [EYE_X] * 6, [34, 34, 19, 19, 30, 30], black)
    for ring_y in (66, 116):
        canvas.cylinder([ring_y, ring_y + 14], [EYE_X, EYE_X], [24, 24], steel, shine=0.3)
    canvas.disc(EYE_X, 92, 12, 12, black)  # elevation turret seen from above
    canvas.cylinder([84, 100], [EYE_X + 26, EYE_X + 26], [7, 7], black)  # windage turret
    canvas.disc(EYE_X, EYE_Y + 22, 27, 8, (25, 40, 60), shine=0.6)  # eyepiece glass

    out = Path(out_dir)
    out.mkdir(parents=True, exist_ok=True)
    downsample_rgba(canvas.rgba, SS).save(out / "rifle.png", format="PNG", optimize=True)


if __name__ == "__main__":
    main(sys.argv[1])
