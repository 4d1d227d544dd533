"""Small numpy helpers shared by the texture, rifle and icon scripts: seamless noise and saving."""
from pathlib import Path

import numpy as np
from PIL import Image


def periodic_noise(width, height, cells_x, cells_y, rng):
    """Smooth value noise in [0, 1] that wraps at the picture's edges, so tiles join without seams."""
    grid = rng.random((cells_y, cells_x))
    xs = np.arange(width) * cells_x / width
    ys = np.arange(height) * cells_y / height
    x0, y0 = np.floor(xs).astype(int), np.floor(ys).astype(int)
    fx, fy = xs - x0, ys - y0
    fx, fy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    x1, y1 = (x0 + 1) % cells_x, (y0 + 1) % cells_y
    top = grid[y0][:, x0] * (1 - fx) + grid[y0][:, x1] * fx
    bottom = grid[y1][:, x0] * (1 - fx) + grid[y1][:, x1] * fx
    return top * (1 - fy)[:, None] + bottom * fy[:, None]


def fractal_noise(width, height, cells_x, cells_y, octaves, rng):
    """Octaves of periodic noise, each twice as fine and half as strong, normalised to [0, 1]."""
    total = np.zeros((height, width))
    amplitude, weight = 1.0, 0.0
    for octave in range(octaves):
        scale = 2 ** octave
        total += amplitude * periodic_noise(width, height, cells_x * scale, cells_y * scale, rng)
        weight += amplitude
        amplitude /= 2
    return total / weight


def save_rgb(pixels, path, **options):
    """Saves an (h, w, 3) float array in 0..255 as an RGB picture (format from the suffix or options)."""
    Path(path).parent.mkdir(parents=True, exist_ok=True)
    Image.fromarray(np.clip(pixels, 0, 255).round().astype(np.uint8), "RGB").save(path, **options)


def downsample_rgba(rgba, factor):
    """Averages factor x factor blocks of a straight-alpha (h, w, 4) float array, premultiplied while
    averaging so transparent pixels do not darken the edges; returns an 8-bit RGBA picture."""
    h, w = rgba.shape[0] // factor, rgba.shape[1] // factor
    alpha = rgba[..., 3:4] / 255.0
    premultiplied = np.concatenate([rgba[..., :3] * alpha, alpha], axis=2)
    blocks = premultiplied.reshape(h, factor, w, factor, 4).mean(axis=(1, 3))
    a = blocks[..., 3:4]
    rgb = np.where(a > 0, blocks[..., :3] / np.maximum(a, 1e-9), 0)
    out = np.concatenate([rgb, a * 255.0], axis=2)
    return Image.fromarray(np.clip(out, 0, 255).round().astype(np.uint8), "RGBA")
