#!/usr/bin/env python3
# -*- coding: utf-8 -*-
"""Рисува иконата на урока „Функционална релация“.

Две множества и стрелки от елементите на първото към елементите на второто:
на всеки елемент отляво съответства точно един отдясно. Една и съща рисунка
се записва като SVG и като PNG с размери от 16 до 256 пиксела (рисува се
четири пъти по-голяма и се смалява). Няма случайни елементи, затова всяко
пускане дава едни и същи файлове.

Пускане:  python3 packaging/icons/generate.py
"""

import math
import os

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
NAME = "bg.lesko.funkr"
SIZES = (16, 24, 32, 48, 64, 128, 256)
SS = 4  # колко пъти по-голямо се рисува PNG

UNIT = 256  # рисунката е в квадрат 256 × 256
BACK = (30, 90, 190)
SET = (255, 255, 255)
DOT = (20, 50, 120)
ARROW = (240, 140, 20)

BACKGROUND = (8, 8, 248, 248, 44)  # x0, y0, x1, y1, радиус на ъглите
SETS = ((70, 128, 46, 90), (186, 128, 46, 90))  # център x, y, полуоси
LEFT_DOTS = ((70, 72), (70, 128), (70, 184))
RIGHT_DOTS = ((186, 96), (186, 164))
ARROWS = ((0, 0), (1, 0), (2, 1))  # от коя точка отляво към коя отдясно
DOT_R = 12
LINE = 10
HEAD = 26


def arrow_parts(start, end):
    """Линията и върхът на стрелка, която спира до точката отдясно."""
    (x0, y0), (x1, y1) = start, end
    d = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / d, (y1 - y0) / d
    tip = (x1 - ux * (DOT_R + 3), y1 - uy * (DOT_R + 3))
    base = (tip[0] - ux * HEAD, tip[1] - uy * HEAD)
    half = HEAD * 0.5
    head = [tip, (base[0] - uy * half, base[1] + ux * half), (base[0] + uy * half, base[1] - ux * half)]
    line_start = (x0 + ux * (DOT_R + 2), y0 + uy * (DOT_R + 2))
    line_end = (base[0] + ux * 2, base[1] + uy * 2)
    return line_start, line_end, head


def arrows():
    for a, b in ARROWS:
        yield arrow_parts(LEFT_DOTS[a], RIGHT_DOTS[b])


def rgb(c):
    return "#%02x%02x%02x" % c


def write_svg(path):
    x0, y0, x1, y1, r = BACKGROUND
    out = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">' % (UNIT, UNIT, UNIT, UNIT),
        '  <rect x="%d" y="%d" width="%d" height="%d" rx="%d" fill="%s"/>' % (x0, y0, x1 - x0, y1 - y0, r, rgb(BACK)),
    ]
    for cx, cy, rx, ry in SETS:
        out.append('  <ellipse cx="%d" cy="%d" rx="%d" ry="%d" fill="%s"/>' % (cx, cy, rx, ry, rgb(SET)))
    for cx, cy in LEFT_DOTS + RIGHT_DOTS:
        out.append('  <circle cx="%d" cy="%d" r="%d" fill="%s"/>' % (cx, cy, DOT_R, rgb(DOT)))
    for (sx, sy), (ex, ey), head in arrows():
        out.append('  <line x1="%.1f" y1="%.1f" x2="%.1f" y2="%.1f" stroke="%s" stroke-width="%d"/>'
                   % (sx, sy, ex, ey, rgb(ARROW), LINE))
        points = " ".join("%.1f,%.1f" % p for p in head)
        out.append('  <polygon points="%s" fill="%s"/>' % (points, rgb(ARROW)))
    out.append("</svg>")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


def draw_png(size):
    k = size * SS / UNIT
    img = Image.new("RGBA", (size * SS, size * SS), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)

    def s(p):
        return (p[0] * k, p[1] * k)

    x0, y0, x1, y1, r = BACKGROUND
    d.rounded_rectangle((x0 * k, y0 * k, x1 * k, y1 * k), radius=r * k, fill=BACK)
    for cx, cy, rx, ry in SETS:
        d.ellipse(((cx - rx) * k, (cy - ry) * k, (cx + rx) * k, (cy + ry) * k), fill=SET)
    for cx, cy in LEFT_DOTS + RIGHT_DOTS:
        d.ellipse(((cx - DOT_R) * k, (cy - DOT_R) * k, (cx + DOT_R) * k, (cy + DOT_R) * k), fill=DOT)
    for start, end, head in arrows():
        d.line([s(start), s(end)], fill=ARROW, width=max(1, round(LINE * k)))
        d.polygon([s(p) for p in head], fill=ARROW)
    return img.resize((size, size), Image.LANCZOS)


def main():
    scalable = os.path.join(HERE, "hicolor", "scalable", "apps")
    os.makedirs(scalable, exist_ok=True)
    write_svg(os.path.join(scalable, NAME + ".svg"))
    for size in SIZES:
        folder = os.path.join(HERE, "hicolor", "%dx%d" % (size, size), "apps")
        os.makedirs(folder, exist_ok=True)
        draw_png(size).save(os.path.join(folder, NAME + ".png"), optimize=True)


if __name__ == "__main__":
    main()
