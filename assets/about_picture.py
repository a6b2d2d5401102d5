#!/usr/bin/python3
"""Draws the About dialog's picture, assets/about.bmp: 90 x 134 pixels, 24-bit colour.

A signal wave that dies away above a Pi attenuator, in light strokes on a blue-green ground.
Plain Python, no image library: every pixel is sampled 4 x 4 times against the shapes and the
result written as an uncompressed BMP. The picture is committed; run this again after changing
the drawing:

    assets/about_picture.py [output file, default: about.bmp next to this script]
"""

import math
import os
import struct
import sys

WIDTH, HEIGHT = 90, 134
SAMPLES = 4

TOP, BOTTOM = (18, 42, 92), (12, 112, 118)
WAVE = (255, 226, 120)
NETWORK = (240, 244, 248)
RESISTOR = (255, 190, 90)


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def zigzag(ax, ay, bx, by, teeth=5, depth=3.5):
    """The corners of a resistor's zigzag from a to b."""
    length = math.hypot(bx - ax, by - ay)
    ux, uy = (bx - ax) / length, (by - ay) / length
    points = [(ax, ay)]
    for i in range(1, 2 * teeth):
        along = length * i / (2 * teeth)
        side = depth if i % 2 else -depth
        points.append((ax + ux * along - uy * side, ay + uy * along + ux * side))
    points.append((bx, by))
    return points


def polyline(points):
    return list(zip(points, points[1:]))


def wave_points():
    points = []
    for step in range(0, 161):
        x = 6 + 78 * step / 160
        envelope = 17 * math.exp(-(x - 6) / 26)
        points.append((x, 42 - envelope * math.sin((x - 6) / 4.2)))
    return points


# Each shape: (segments, half stroke width, colour); later shapes lie over earlier ones.
RAIL_TOP, RAIL_BOTTOM = 80.0, 116.0
SHUNT_LEFT, SHUNT_RIGHT = 22.0, 68.0
SHAPES = [
    (polyline(wave_points()), 1.1, WAVE),
    (
        polyline([(8, RAIL_TOP), (33, RAIL_TOP)])
        + polyline([(57, RAIL_TOP), (82, RAIL_TOP)])
        + polyline([(8, RAIL_BOTTOM), (82, RAIL_BOTTOM)])
        + polyline([(SHUNT_LEFT, RAIL_TOP), (SHUNT_LEFT, 88)])
        + polyline([(SHUNT_LEFT, 108), (SHUNT_LEFT, RAIL_BOTTOM)])
        + polyline([(SHUNT_RIGHT, RAIL_TOP), (SHUNT_RIGHT, 88)])
        + polyline([(SHUNT_RIGHT, 108), (SHUNT_RIGHT, RAIL_BOTTOM)]),
        0.75,
        NETWORK,
    ),
    (
        polyline(zigzag(33, RAIL_TOP, 57, RAIL_TOP))
        + polyline(zigzag(SHUNT_LEFT, 88, SHUNT_LEFT, 108))
        + polyline(zigzag(SHUNT_RIGHT, 88, SHUNT_RIGHT, 108)),
        0.85,
        RESISTOR,
    ),
]
TERMINALS = [(6.5, RAIL_TOP), (83.5, RAIL_TOP), (6.5, RAIL_BOTTOM), (83.5, RAIL_BOTTOM)]
JOINTS = [(SHUNT_LEFT, RAIL_TOP), (SHUNT_RIGHT, RAIL_TOP),
          (SHUNT_LEFT, RAIL_BOTTOM), (SHUNT_RIGHT, RAIL_BOTTOM)]


def background(y):
    t = y / (HEIGHT - 1)
    return tuple(top + (bottom - top) * t for top, bottom in zip(TOP, BOTTOM))


def colour_at(px, py):
    colour = background(py)
    for segments, half_width, ink in SHAPES:
        if any(segment_distance(px, py, *a, *b) <= half_width for a, b in segments):
            colour = ink
    for cx, cy in TERMINALS:
        distance = math.hypot(px - cx, py - cy)
        if distance <= 2.6:
            colour = NETWORK if distance >= 1.5 else background(py)
    for cx, cy in JOINTS:
        if math.hypot(px - cx, py - cy) <= 1.6:
            colour = NETWORK
    return colour


def pixel(x, y):
    total = [0.0, 0.0, 0.0]
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            sample = colour_at(x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES)
            for channel in range(3):
                total[channel] += sample[channel]
    return [round(value / SAMPLES**2) for value in total]


def bmp(rows):
    """An uncompressed 24-bit BMP: rows bottom first, blue-green-red, padded to 4 bytes."""
    stride = (WIDTH * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for red, green, blue in row:
            line += bytes((blue, green, red))
        pixels += line + bytes(stride - len(line))
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(pixels), 0, 0, header_size)
    info_header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels),
                              3780, 3780, 0, 0)
    return file_header + info_header + bytes(pixels)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "about.bmp")
    rows = [[pixel(x, y) for x in range(WIDTH)] for y in range(HEIGHT)]
    with open(output, "wb") as file:
        file.write(bmp(rows))


if __name__ == "__main__":
    main()
