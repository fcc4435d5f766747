#!/usr/bin/env python3
# -*- coding: utf-8 -*-
"""Рисува картинките към урока „Функционална релация“.

Всяка картинка се рисува в три пъти по-голям мащаб и се смалява до крайния
размер, за да са линиите и буквите гладки. Няма случайни елементи, затова при
всяко пускане се получават едни и същи файлове.

Пускане:  python3 lesson/pictures/generate.py
"""

import json
import math
import os

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
FONT_DIR = "/usr/share/fonts/truetype/liberation2"
SS = 3  # колко пъти по-голямо се рисува

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
GRAY = (120, 120, 120)
LIGHT = (225, 225, 225)
BLUE = (30, 90, 190)
LBLUE = (215, 230, 250)
RED = (200, 40, 40)
LRED = (250, 220, 220)
GREEN = (30, 140, 60)
LGREEN = (215, 240, 220)
ORANGE = (220, 120, 20)
LORANGE = (253, 232, 205)
YELLOW = (255, 244, 190)
VIOLET = (120, 60, 160)
LVIOLET = (232, 220, 245)

_fonts = {}


def font(size, style="sans"):
    files = {
        "sans": "LiberationSans-Regular.ttf",
        "bold": "LiberationSans-Bold.ttf",
        "serif": "LiberationSerif-Regular.ttf",
        "italic": "LiberationSerif-Italic.ttf",
        "mono": "LiberationMono-Regular.ttf",
        "monob": "LiberationMono-Bold.ttf",
    }
    key = (size, style)
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(os.path.join(FONT_DIR, files[style]), int(round(size * SS)))
    return _fonts[key]


class Canvas:
    """Платно с координати в крайни пиксели."""

    def __init__(self, w, h, bg=WHITE):
        self.w, self.h = w, h
        self.img = Image.new("RGB", (w * SS, h * SS), bg)
        self.d = ImageDraw.Draw(self.img)

    @staticmethod
    def _p(pt):
        return (pt[0] * SS, pt[1] * SS)

    def line(self, p1, p2, color=BLACK, width=1.0, dash=None):
        if dash is None:
            self.d.line([self._p(p1), self._p(p2)], fill=color, width=max(1, int(round(width * SS))))
            return
        on, off = dash
        x1, y1 = p1
        x2, y2 = p2
        length = math.hypot(x2 - x1, y2 - y1)
        if length == 0:
            return
        ux, uy = (x2 - x1) / length, (y2 - y1) / length
        t = 0.0
        while t < length:
            e = min(t + on, length)
            self.line((x1 + ux * t, y1 + uy * t), (x1 + ux * e, y1 + uy * e), color, width)
            t += on + off

    def polyline(self, pts, color=BLACK, width=1.0):
        self.d.line([self._p(p) for p in pts], fill=color, width=max(1, int(round(width * SS))), joint="curve")

    def arrow(self, p1, p2, color=BLACK, width=1.5, head=8.0, dash=None):
        x1, y1 = p1
        x2, y2 = p2
        ang = math.atan2(y2 - y1, x2 - x1)
        bx, by = x2 - head * 0.8 * math.cos(ang), y2 - head * 0.8 * math.sin(ang)
        self.line(p1, (bx, by), color, width, dash)
        self.head(p2, ang, color, head)

    def head(self, tip, ang, color=BLACK, head=8.0):
        x2, y2 = tip
        a1, a2 = ang + math.radians(155), ang - math.radians(155)
        pts = [(x2, y2), (x2 + head * math.cos(a1), y2 + head * math.sin(a1)),
               (x2 + head * math.cos(a2), y2 + head * math.sin(a2))]
        self.d.polygon([self._p(p) for p in pts], fill=color)

    def curve_arrow(self, p1, p2, bend, color=BLACK, width=1.5, head=8.0):
        """Дъга от p1 до p2 (квадратична крива), bend е отместването на средата."""
        x1, y1 = p1
        x2, y2 = p2
        mx, my = (x1 + x2) / 2, (y1 + y2) / 2
        length = math.hypot(x2 - x1, y2 - y1)
        nx, ny = -(y2 - y1) / length, (x2 - x1) / length
        cx, cy = mx + nx * bend, my + ny * bend
        pts = []
        steps = 40
        for i in range(steps + 1):
            t = i / steps
            pts.append(((1 - t) ** 2 * x1 + 2 * (1 - t) * t * cx + t * t * x2,
                        (1 - t) ** 2 * y1 + 2 * (1 - t) * t * cy + t * t * y2))
        tip = pts[-1]
        prev = pts[-4]
        ang = math.atan2(tip[1] - prev[1], tip[0] - prev[0])
        self.polyline(pts[:-3], color, width)
        self.head(tip, ang, color, head)

    def rect(self, box, fill=None, outline=BLACK, width=1.0, radius=0):
        b = [box[0] * SS, box[1] * SS, box[2] * SS, box[3] * SS]
        w = max(1, int(round(width * SS))) if outline is not None else 0
        if radius:
            self.d.rounded_rectangle(b, radius=radius * SS, fill=fill, outline=outline, width=w)
        else:
            self.d.rectangle(b, fill=fill, outline=outline, width=w)

    def ellipse(self, box, fill=None, outline=BLACK, width=1.0):
        b = [box[0] * SS, box[1] * SS, box[2] * SS, box[3] * SS]
        self.d.ellipse(b, fill=fill, outline=outline, width=max(1, int(round(width * SS))))

    def circle(self, c, r, fill=None, outline=BLACK, width=1.0):
        self.ellipse((c[0] - r, c[1] - r, c[0] + r, c[1] + r), fill, outline, width)

    def polygon(self, pts, fill=None, outline=BLACK, width=1.0):
        self.d.polygon([self._p(p) for p in pts], fill=fill, outline=outline,
                       width=max(1, int(round(width * SS))))

    def text(self, xy, s, size=12, style="sans", color=BLACK, anchor="mm"):
        self.d.text(self._p(xy), s, font=font(size, style), fill=color, anchor=anchor)

    def text_width(self, s, size=12, style="sans"):
        return self.d.textlength(s, font=font(size, style)) / SS

    def result(self):
        return self.img.resize((self.w, self.h), Image.LANCZOS)


def save_jpg(canvas, name):
    canvas.result().save(os.path.join(HERE, name), "JPEG", quality=90, subsampling=0, optimize=True)


def save_gif(canvas, name):
    img = canvas.result().quantize(colors=64, method=Image.MEDIANCUT, dither=Image.NONE)
    img.save(os.path.join(HERE, name), "GIF", optimize=True)


class Axes:
    """Координатна система: математически координати -> пиксели."""

    def __init__(self, cv, box, xr, yr):
        self.cv = cv
        self.x0, self.y0, self.x1, self.y1 = box
        self.xmin, self.xmax = xr
        self.ymin, self.ymax = yr

    def p(self, x, y):
        px = self.x0 + (x - self.xmin) / (self.xmax - self.xmin) * (self.x1 - self.x0)
        py = self.y1 - (y - self.ymin) / (self.ymax - self.ymin) * (self.y1 - self.y0)
        return (px, py)

    def draw(self, xticks, yticks, size=9, grid=True, xlabels=None, ylabels=None):
        cv = self.cv
        if grid:
            for x in xticks:
                cv.line(self.p(x, self.ymin), self.p(x, self.ymax), LIGHT, 0.8)
            for y in yticks:
                cv.line(self.p(self.xmin, y), self.p(self.xmax, y), LIGHT, 0.8)
        cv.arrow(self.p(self.xmin, 0), self.p(self.xmax, 0), BLACK, 1.0, 6)
        cv.arrow(self.p(0, self.ymin), self.p(0, self.ymax), BLACK, 1.0, 6)
        for x in (xlabels if xlabels is not None else xticks):
            if x == 0:
                continue
            px, py = self.p(x, 0)
            cv.line((px, py - 2), (px, py + 2), BLACK, 1)
            cv.text((px, py + 3), str(x), size, color=BLACK, anchor="mt")
        for y in (ylabels if ylabels is not None else yticks):
            if y == 0:
                continue
            px, py = self.p(0, y)
            cv.line((px - 2, py), (px + 2, py), BLACK, 1)
            cv.text((px - 4, py), str(y), size, color=BLACK, anchor="rm")
        ox, oy = self.p(0, 0)
        cv.text((ox - 3, oy + 3), "0", size, color=BLACK, anchor="rt")
        ex, ey = self.p(self.xmax, 0)
        cv.text((ex - 2, ey - 4), "x", size + 2, "italic", anchor="rb")
        tx, ty = self.p(0, self.ymax)
        cv.text((tx + 6, ty + 1), "y", size + 2, "italic", anchor="lt")

    def plot(self, f, a, b, color=BLUE, width=2.0, steps=200):
        pts = []
        for i in range(steps + 1):
            x = a + (b - a) * i / steps
            pts.append(self.p(x, f(x)))
        self.cv.polyline(pts, color, width)


def set_oval(cv, box, label, items, color, fill, size=15):
    """Овал с етикет отгоре и елементи, подредени отгоре надолу; връща центровете им."""
    x0, y0, x1, y1 = box
    cv.ellipse(box, fill=fill, outline=color, width=2)
    cv.text(((x0 + x1) / 2, y0 - 4), label, size + 1, "bold", color, anchor="mb")
    cx = (x0 + x1) / 2
    n = len(items)
    top, bottom = y0 + (y1 - y0) * 0.2, y1 - (y1 - y0) * 0.2
    centers = []
    for i, s in enumerate(items):
        cy = top + (bottom - top) * (i / (n - 1) if n > 1 else 0.5)
        cv.text((cx, cy), s, size, "sans", BLACK)
        centers.append((cx, cy))
    return centers


def shorten(p1, p2, a, b):
    """Скъсява отсечката p1-p2 с a пиксела в началото и с b в края."""
    x1, y1 = p1
    x2, y2 = p2
    L = math.hypot(x2 - x1, y2 - y1)
    ux, uy = (x2 - x1) / L, (y2 - y1) / L
    return (x1 + ux * a, y1 + uy * a), (x2 - ux * b, y2 - uy * b)


# ---------------------------------------------------------------- 1
def g01():
    """Функция от X в Y, функционална релация и релация, която не е функционална."""
    cv = Canvas(840, 300)
    cv.line((280, 10), (280, 290), LIGHT, 2)
    cv.line((560, 10), (560, 290), LIGHT, 2)

    def panel(dx, title, arrows, color, caption):
        cv.text((dx + 140, 18), title, 18, "bold", color)
        xs = set_oval(cv, (dx + 30, 60, dx + 110, 240), "X", ["1", "2", "3", "4"], BLUE, LBLUE)
        ys = set_oval(cv, (dx + 170, 60, dx + 250, 240), "Y", ["5", "6", "7", "9"], ORANGE, LORANGE)
        for a, b in arrows:
            p, q = shorten(xs[a], ys[b], 12, 12)
            cv.arrow(p, q, color, 2, 9)
        for i, line in enumerate(caption):
            cv.text((dx + 140, 262 + 20 * i), line, 13, color=color if i == 0 else BLACK)

    panel(0, "Функция от X в Y", [(0, 0), (1, 2), (2, 0), (3, 3)], GREEN,
          ["на всяко x от X – точно една стойност", "f(1) = 5, f(2) = 7, f(3) = 5, f(4) = 9"])
    panel(280, "Функционална релация", [(0, 0), (1, 2), (2, 0)], ORANGE,
          ["на всяко x – най-много една стойност;", "не е функция от X в Y: 4 няма стойност"])
    panel(560, "Не е функционална", [(0, 0), (0, 1), (1, 2), (3, 3)], RED,
          ["на 1 съответстват две стойности:", "двойките (1, 5) и (1, 6)"])
    save_jpg(cv, "g01.jpg")


# ---------------------------------------------------------------- 2
def g02():
    """Графика на линейната функция y = 2x + 3."""
    cv = Canvas(200, 160)
    ax = Axes(cv, (12, 10, 190, 150), (-4.5, 3.5), (-4.5, 9.5))
    ax.draw([-4, -3, -2, -1, 1, 2, 3], list(range(-4, 10)), size=8,
            ylabels=[-4, -2, 3, 5, 9])
    ax.plot(lambda x: 2 * x + 3, -3.6, 3.2, BLUE, 2)
    # правата минава през надписа -2: той остава върху нея, на бял фон
    px, py = ax.p(-2, 0)
    half = cv.text_width("-2", 8) / 2 + 1
    cv.rect((px - half, py + 3, px + half, py + 12), fill=WHITE, outline=None)
    cv.text((px, py + 3), "-2", 8, anchor="mt")
    for x in (-1, 0, 1, 3):
        cv.circle(ax.p(x, 2 * x + 3), 2.5, fill=RED, outline=RED)
    cv.text((52, 22), "y = 2x + 3", 12, "bold", BLUE)
    save_jpg(cv, "g02.jpg")


# ---------------------------------------------------------------- 3
def g03():
    """Графика на квадратната функция y = x^2 - 4x + 3."""
    cv = Canvas(200, 160)
    ax = Axes(cv, (12, 10, 190, 150), (-1.5, 5.5), (-2.5, 8.5))
    ax.draw(list(range(-1, 6)), list(range(-2, 9)), size=8,
            xlabels=[1, 2, 3, 4, 5], ylabels=[3, 8])
    ax.plot(lambda x: x * x - 4 * x + 3, -0.75, 4.75, BLUE, 2)
    for x in (1, 3):
        cv.circle(ax.p(x, 0), 3, fill=RED, outline=RED)
    cv.circle(ax.p(2, -1), 3, fill=GREEN, outline=GREEN)
    cv.circle(ax.p(0, 3), 2.5, fill=RED, outline=RED)
    cv.text((128, 18), "y = x^2 - 4x + 3", 11, "bold", BLUE)
    cv.text((128, 33), "нули: 1 и 3", 10, color=RED)
    cv.text((128, 46), "връх: (2, -1)", 10, color=GREEN)
    save_jpg(cv, "g03.jpg")


# ---------------------------------------------------------------- 4
def g04():
    """Извадка от кодовата таблица ASCII."""
    cv = Canvas(480, 360)
    cv.text((240, 20), "Кодова таблица ASCII (извадка)", 18, "bold", BLACK)
    cells = [(" ", 32, GRAY, LIGHT)]
    cells += [(chr(c), c, BLUE, LBLUE) for c in range(48, 58)]
    cells += [(chr(c), c, GREEN, LGREEN) for c in range(65, 91)]
    cells += [(chr(c), c, ORANGE, LORANGE) for c in range(97, 123)]
    cols, rows = 9, 7
    x0, y0, cw, ch = 12, 42, 50.6, 38
    for i, (s, code, col, fill) in enumerate(cells):
        r, c = divmod(i, cols)
        bx, by = x0 + c * cw, y0 + r * ch
        cv.rect((bx + 1, by + 1, bx + cw - 1, by + ch - 1), fill=fill, outline=col, width=1)
        sx, sy = bx + cw * 0.27, by + ch / 2
        if s == " ":
            # видим знак за интервал
            cv.line((sx - 7, sy + 5), (sx + 7, sy + 5), col, 2)
            cv.line((sx - 7, sy + 5), (sx - 7, sy), col, 2)
            cv.line((sx + 7, sy + 5), (sx + 7, sy), col, 2)
        else:
            cv.text((sx, sy), s, 17, "monob", col)
        cv.text((bx + cw * 0.69, sy), str(code), 12.5, "sans", BLACK)
    ly = y0 + rows * ch + 16
    legend = [("интервал 32", GRAY), ("цифри 48–57", BLUE),
              ("главни 65–90", GREEN), ("малки 97–122", ORANGE)]
    lx = 14
    for s, col in legend:
        cv.rect((lx, ly - 6, lx + 12, ly + 6), fill=col, outline=col)
        cv.text((lx + 17, ly), s, 12, "sans", BLACK, anchor="lm")
        lx += 22 + cv.text_width(s, 12)
    cv.text((240, ly + 24), "Главната и малката буква се различават с 32:  'A' = 65, 'a' = 97.",
            12, "sans", BLACK)
    save_gif(cv, "g04.gif")


# ---------------------------------------------------------------- 5
def g05():
    """Графика на зададената по части функция от задача 4."""
    cv = Canvas(400, 300)
    ax = Axes(cv, (20, 58, 390, 292), (-5.5, 8.5), (-8.5, 11.8))
    ax.draw(list(range(-5, 9)), list(range(-8, 11, 2)), size=10)
    ax.plot(lambda x: 2 * x + 1, -4.75, 0, RED, 2.5)
    ax.plot(lambda x: x * x, 0, 3, GREEN, 2.5)
    ax.plot(lambda x: 10 - x, 3, 8.5, BLUE, 2.5)
    # отворени и затворени краища
    cv.circle(ax.p(0, 1), 4, fill=WHITE, outline=RED, width=2)
    cv.circle(ax.p(0, 0), 4, fill=GREEN, outline=GREEN)
    cv.circle(ax.p(3, 9), 4, fill=GREEN, outline=GREEN)
    cv.circle(ax.p(3, 7), 4, fill=WHITE, outline=BLUE, width=2)
    cv.text((12, 12), "f(x) = 2x + 1, ако x < 0", 14, "bold", RED, anchor="lm")
    cv.text((12, 30), "f(x) = x^2, ако 0 <= x <= 3", 14, "bold", GREEN, anchor="lm")
    cv.text((12, 48), "f(x) = 10 - x, ако x > 3", 14, "bold", BLUE, anchor="lm")
    cv.circle((246, 14), 4, fill=GREEN, outline=GREEN)
    cv.text((255, 14), "точката е от графиката", 11, anchor="lm")
    cv.circle((246, 32), 4, fill=WHITE, outline=BLACK, width=2)
    cv.text((255, 32), "точката не е от графиката", 11, anchor="lm")
    save_jpg(cv, "g05.jpg")


# ---------------------------------------------------------------- 6
def g06():
    """Блок-схема на алгоритъм: модул на числото a."""
    cv = Canvas(220, 172)  # колкото полето за картина в прозореца със задачите
    cx = 66
    ink = (40, 40, 40)

    def oval(y, s):
        cv.ellipse((cx - 32, y, cx + 32, y + 17), fill=LGREEN, outline=GREEN, width=1.2)
        cv.text((cx, y + 8.5), s, 10.5, "bold", GREEN)

    def slanted(y, s, x=cx, w=88, h=18, skew=7):
        cv.polygon([(x - w / 2 + skew, y), (x + w / 2 + skew, y), (x + w / 2 - skew, y + h), (x - w / 2 - skew, y + h)],
                   fill=LORANGE, outline=ORANGE, width=1.2)
        cv.text((x, y + h / 2), s, 10.5, "sans", BLACK)

    def down(y1, y2, x=cx):
        cv.arrow((x, y1), (x, y2), ink, 1.1, 5)

    gap = 11
    oval(3, "Начало")
    down(20, 20 + gap)
    slanted(20 + gap, "Въведи a")
    down(38 + gap, 38 + 2 * gap)
    # ромб: условие
    dy, dh, dw = 38 + 2 * gap, 32, 84
    cv.polygon([(cx, dy), (cx + dw / 2, dy + dh / 2), (cx, dy + dh), (cx - dw / 2, dy + dh / 2)],
               fill=YELLOW, outline=ORANGE, width=1.2)
    cv.text((cx, dy + dh / 2), "a < 0 ?", 10.5, "bold", BLACK)
    # да: действие вдясно
    rx0, rx1, ry = 136, 206, dy + dh / 2
    cv.arrow((cx + dw / 2, ry), (rx0, ry), ink, 1.1, 5)
    cv.text((cx + dw / 2 + 6, ry - 3), "да", 10, "bold", GREEN, anchor="lb")
    cv.rect((rx0, ry - 10, rx1, ry + 10), fill=LBLUE, outline=BLUE, width=1.2, radius=2)
    cv.text(((rx0 + rx1) / 2, ry), "a = -a", 10.5, "bold", BLACK)
    # двата клона се събират над изхода
    my = dy + dh + 14
    cv.line(((rx0 + rx1) / 2, ry + 10), ((rx0 + rx1) / 2, my), ink, 1.1)
    cv.arrow(((rx0 + rx1) / 2, my), (cx + 1, my), ink, 1.1, 5)
    cv.line((cx, dy + dh), (cx, my), ink, 1.1)
    cv.text((cx - 4, dy + dh + 5), "не", 10, "bold", RED, anchor="rm")
    down(my, my + gap - 2)
    slanted(my + gap - 2, "Изведи a")
    down(my + gap + 16, my + 2 * gap + 16)
    oval(my + 2 * gap + 16, "Край")
    # легенда на блоковете
    lx, ly = 134, 124
    for i, (shape, s) in enumerate((("oval", "начало, край"), ("slanted", "вход, изход"),
                                    ("diamond", "условие"), ("rect", "действие"))):
        y = ly + 13 * i
        if shape == "oval":
            cv.ellipse((lx, y - 4.5, lx + 16, y + 4.5), fill=LGREEN, outline=GREEN, width=1)
        elif shape == "slanted":
            cv.polygon([(lx + 3, y - 4.5), (lx + 17, y - 4.5), (lx + 13, y + 4.5), (lx - 1, y + 4.5)],
                       fill=LORANGE, outline=ORANGE, width=1)
        elif shape == "diamond":
            cv.polygon([(lx + 8, y - 5), (lx + 16, y), (lx + 8, y + 5), (lx, y)], fill=YELLOW, outline=ORANGE, width=1)
        else:
            cv.rect((lx, y - 4.5, lx + 16, y + 4.5), fill=LBLUE, outline=BLUE, width=1)
        cv.text((lx + 21, y), s, 10, "sans", BLACK, anchor="lm")
    save_jpg(cv, "g06.jpg")


# ---------------------------------------------------------------- 7
def g07():
    """Класове на еквивалентност и гранични стойности върху числовата ос."""
    cv = Canvas(600, 220)
    cv.text((300, 16), "Класове на еквивалентност и гранични стойности", 17, "bold")
    cv.text((300, 38), "f(x) = 2x + 1 при x < 0;   f(x) = x^2 при 0 <= x <= 3;   f(x) = 10 - x при x > 3",
            12, color=BLACK)
    y = 130
    # нелинейна скала: краищата са свити
    marks = {-1001: 22, -1000: 40, -5: 120, -1: 200, 0: 250, 2: 300, 3: 350, 4: 400,
             7: 470, 1000: 550, 1001: 572}

    def X(v):
        return marks[v]

    # класове
    cv.rect((X(-1000), y - 40, X(-1) + 24, y - 8), fill=LRED, outline=RED, width=1.2, radius=3)
    cv.text(((X(-1000) + X(-1) + 24) / 2, y - 24), "клас 1: x < 0", 13, "bold", RED)
    cv.rect((X(0) - 8, y - 40, X(3) + 8, y - 8), fill=LGREEN, outline=GREEN, width=1.2, radius=3)
    cv.text(((X(0) + X(3)) / 2, y - 24), "клас 2: 0 <= x <= 3", 12, "bold", GREEN)
    cv.rect((X(4) - 24, y - 40, X(1000), y - 8), fill=LBLUE, outline=BLUE, width=1.2, radius=3)
    cv.text(((X(4) - 24 + X(1000)) / 2, y - 24), "клас 3: x > 3", 13, "bold", BLUE)
    # ос
    cv.line((8, y), (X(-1000), y), GRAY, 2, dash=(4, 3))
    cv.line((X(-1000), y), (X(1000), y), BLACK, 2)
    cv.line((X(1000), y), (592, y), GRAY, 2, dash=(4, 3))
    cv.head((594, y), 0, BLACK, 8)
    cv.text((590, y - 6), "x", 13, "italic", anchor="mb")
    for x0, x1 in ((X(-1000) + 16, X(-5) - 16), (X(7) + 16, X(1000) - 16)):
        cv.text(((x0 + x1) / 2, y - 1), "...", 12, color=GRAY, anchor="mb")
    # точки
    bound = [-1000, -1, 0, 3, 4, 1000]
    rep = [-5, 2, 7]
    for v in bound:
        cv.circle((X(v), y), 5, fill=ORANGE, outline=ORANGE)
        cv.text((X(v), y + 10), str(v), 13, "bold", ORANGE, anchor="mt")
    for v in rep:
        cv.circle((X(v), y), 5, fill=VIOLET, outline=VIOLET)
        cv.text((X(v), y + 10), str(v), 13, "bold", VIOLET, anchor="mt")
    for v in (-1001, 1001):
        cv.line((X(v), y - 4), (X(v), y + 4), GRAY, 1.5)
        cv.line((X(v), y + 6), (X(v), y + 26), GRAY, 0.8)
        cv.text((X(v), y + 28), str(v), 11, color=GRAY, anchor="mt")
    # легенда
    ly = 192
    cv.circle((30, ly), 5, fill=VIOLET, outline=VIOLET)
    cv.text((40, ly), "представител на клас", 12, anchor="lm")
    cv.circle((210, ly), 5, fill=ORANGE, outline=ORANGE)
    cv.text((220, ly), "гранична стойност", 12, anchor="lm")
    cv.text((370, ly), "-1001 и 1001 – недопустими данни", 12, color=GRAY, anchor="lm")
    save_jpg(cv, "g07.jpg")


# ---------------------------------------------------------------- 8
def g08():
    """Таблица от стойности на f(x) = 2x + 3."""
    cv = Canvas(200, 150)
    cv.text((100, 14), "Таблица на f(x) = 2x + 3", 12, "bold", BLUE)
    xs = [-2, -1, 0, 1, 2, 5]
    x0, y0, cw0, cw, rh = 8, 32, 44, 24.6, 24
    cells_x = ["x"] + [str(v) for v in xs]
    cells_y = ["f(x)"] + [str(2 * v + 3) for v in xs]
    for r, row in enumerate((cells_x, cells_y)):
        for c, s in enumerate(row):
            bx = x0 if c == 0 else x0 + cw0 + (c - 1) * cw
            w = cw0 if c == 0 else cw
            fill = (LBLUE if r == 0 else LORANGE) if c == 0 else WHITE
            cv.rect((bx, y0 + r * rh, bx + w, y0 + (r + 1) * rh), fill=fill, outline=GRAY, width=1)
            cv.text((bx + w / 2, y0 + r * rh + rh / 2), s, 12, "bold" if c == 0 else "sans")
    cv.text((78, 100), "аргумент x", 11, color=BLACK, anchor="rm")
    cv.arrow((84, 100), (112, 100), GREEN, 1.3, 6)
    cv.text((118, 100), "стойност f(x)", 11, color=BLACK, anchor="lm")
    cv.text((100, 120), "f(5) = 2 * 5 + 3 = 13", 12, "bold", ORANGE)
    cv.text((100, 138), "на всяко x – точно една стойност", 10, color=GRAY)
    save_jpg(cv, "g08.jpg")


# ---------------------------------------------------------------- 9
def g09():
    """Съставна функция h(x) = g(f(x))."""
    cv = Canvas(560, 260)
    cv.text((280, 16), "Съставна функция  h(x) = g(f(x))", 17, "bold")
    items = ["1", "2", "3", "4"]
    a = set_oval(cv, (40, 60, 110, 230), "X", items, BLUE, LBLUE)
    b = set_oval(cv, (245, 60, 315, 230), "Y", items, ORANGE, LORANGE)
    c = set_oval(cv, (450, 60, 520, 230), "Z", items, GREEN, LGREEN)
    f = [1, 1, 2, 4]
    g = [4, 3, 2, 1]
    for i, v in enumerate(f):
        p, q = shorten(a[i], b[v - 1], 12, 12)
        cv.arrow(p, q, ORANGE, 2, 9)
    for i, v in enumerate(g):
        p, q = shorten(b[i], c[v - 1], 12, 12)
        cv.arrow(p, q, GREEN, 2, 9)
    cv.text((178, 52), "f", 18, "italic", ORANGE)
    cv.text((382, 52), "g", 18, "italic", GREEN)
    cv.text((280, 248), "h(1) = g(1) = 4,  h(2) = g(1) = 4,  h(3) = g(2) = 3,  h(4) = g(4) = 1", 12)
    save_jpg(cv, "g09.jpg")


# ---------------------------------------------------------------- 10
def g10():
    """Функция и нейната обратна функция."""
    cv = Canvas(220, 172)  # колкото полето за картина: щракване го показва в отделен прозорец
    cv.text((110, 10), "Обратна функция", 13, "bold")
    # Y е подредено по f(1), f(2), f(3), затова всяка стрелка е хоризонтална.
    f = {1: 2, 2: 3, 3: 1}
    xs = set_oval(cv, (12, 38, 62, 138), "X", ["1", "2", "3"], BLUE, LBLUE, size=14)
    ys = set_oval(cv, (158, 38, 208, 138), "Y", [str(f[x]) for x in (1, 2, 3)], ORANGE, LORANGE, size=14)
    for (x0, y), (x1, _) in zip(xs, ys):
        cv.arrow((x0 + 13, y - 5), (x1 - 13, y - 5), BLUE, 1.6, 7)
        cv.arrow((x1 - 13, y + 5), (x0 + 13, y + 5), RED, 1.6, 7)
    cv.text((110, 36), "f", 15, "italic", BLUE)
    cv.text((110, 144), "g", 15, "italic", RED)
    cv.text((110, 163), "g обръща стрелките на f: g(f(x)) = x", 11, color=BLACK)
    save_jpg(cv, "g10.jpg")


# ---------------------------------------------------------------- 11
def g11():
    """Решето на Ератостен: простите числа до 100."""
    cv = Canvas(400, 440)
    cv.text((200, 18), "Решето на Ератостен", 18, "bold")
    cv.text((200, 40), "простите числа до 100", 13, color=GRAY)
    n = 100
    prime = [True] * (n + 1)
    prime[0] = prime[1] = False
    for i in range(2, 11):
        if prime[i]:
            for j in range(i * i, n + 1, i):
                prime[j] = False
    x0, y0, s = 20, 56, 36
    for k in range(1, n + 1):
        r, c = divmod(k - 1, 10)
        bx, by = x0 + c * s, y0 + r * s
        if prime[k]:
            cv.rect((bx + 1, by + 1, bx + s - 1, by + s - 1), fill=LGREEN, outline=GREEN, width=1.5)
            cv.text((bx + s / 2, by + s / 2), str(k), 15, "bold", GREEN)
        else:
            cv.rect((bx + 1, by + 1, bx + s - 1, by + s - 1), fill=WHITE, outline=LIGHT, width=1)
            cv.text((bx + s / 2, by + s / 2), str(k), 13, "sans", GRAY)
            if k > 1:
                cv.line((bx + 7, by + s - 7), (bx + s - 7, by + 7), (220, 150, 150), 1)
    cv.text((200, 428), "Простите числа до 100 са 25, а съставните са зачертани.", 12)
    save_jpg(cv, "g11.jpg")


# ---------------------------------------------------------------- 12
def g12():
    """Числа близнаци."""
    cv = Canvas(200, 150)
    cv.text((100, 12), "Числа близнаци", 13, "bold")
    cv.text((100, 28), "прости числа p и p + 2", 10, color=GRAY)
    pairs = [(3, 5), (5, 7), (11, 13), (17, 19), (29, 31), (41, 43)]
    for i, (p, q) in enumerate(pairs):
        col, row = divmod(i, 3)
        cx = 52 + col * 98
        cy = 56 + row * 34
        for dx, v in ((-25, p), (25, q)):
            cv.rect((cx + dx - 14, cy - 10, cx + dx + 14, cy + 10), fill=LGREEN, outline=GREEN,
                    width=1.2, radius=3)
            cv.text((cx + dx, cy), str(v), 12, "bold", GREEN)
        cv.curve_arrow((cx - 20, cy - 11), (cx + 20, cy - 11), -6, ORANGE, 1, 4)
        cv.text((cx, cy + 2), "+2", 9, "bold", ORANGE)
    save_jpg(cv, "g12.jpg")


# ---------------------------------------------------------------- 13
def g13():
    """Квадрати със страни – числата на Фибоначи, и спирала."""
    cv = Canvas(200, 140)
    cv.text((100, 10), "0, 1, 1, 2, 3, 5, 8, 13, ...", 11, "bold", VIOLET)
    u = 12.5
    ox, oy = 19, 22   # горен ляв ъгъл на правоъгълника 13 x 8
    # квадрати (в единици): (x, y, страна), y отгоре надолу
    squares = [(5, 0, 8), (0, 0, 5), (0, 5, 3), (3, 6, 2), (4, 5, 1), (3, 5, 1)]
    fills = [LORANGE, LBLUE, LGREEN, LVIOLET, YELLOW, LRED]
    for (x, y, s), fl in zip(squares, fills):
        cv.rect((ox + x * u, oy + y * u, ox + (x + s) * u, oy + (y + s) * u), fill=fl, outline=GRAY, width=1)
        cv.text((ox + (x + s / 2) * u, oy + (y + s / 2) * u), str(s), 9 + s * 1.2, "bold", BLACK)
    # спирала от четвъртинки окръжности
    # център, радиус, начален и краен ъгъл (по часовниковата стрелка от оста x)
    arcs = [((5, 8), 8, 270, 360),
            ((5, 5), 5, 180, 270),
            ((3, 5), 3, 90, 180),
            ((3, 6), 2, 0, 90),
            ((4, 6), 1, 270, 360),
            ((4, 6), 1, 180, 270)]
    for (cx, cy), r, a0, a1 in arcs:
        box = [(ox + (cx - r) * u) * SS, (oy + (cy - r) * u) * SS,
               (ox + (cx + r) * u) * SS, (oy + (cy + r) * u) * SS]
        cv.d.arc(box, a0, a1, fill=RED, width=int(1.8 * SS))
    save_jpg(cv, "g13.jpg")


# ---------------------------------------------------------------- 14
def g14():
    """Графика на y = log_2 x."""
    cv = Canvas(200, 160)
    ax = Axes(cv, (14, 22, 192, 150), (-1.2, 17.5), (-2.6, 4.8))
    ax.draw([1, 2, 4, 8, 16], [-2, -1, 1, 2, 3, 4], size=8, xlabels=[2, 4, 8, 16], ylabels=[-1, 1, 2, 3, 4])
    ax.plot(lambda x: math.log2(x), 0.17, 17.2, BLUE, 2, steps=400)
    for k in range(0, 5):
        cv.circle(ax.p(2 ** k, k), 2.5, fill=RED, outline=RED)
    w1 = cv.text_width("y = log", 12, "bold")
    w2 = cv.text_width("2", 8, "bold")
    w3 = cv.text_width(" x", 12, "bold")
    left = 100 - (w1 + w2 + w3) / 2
    cv.text((left, 9), "y = log", 12, "bold", BLUE, anchor="lm")
    cv.text((left + w1, 13), "2", 8, "bold", BLUE, anchor="lm")
    cv.text((left + w1 + w2, 9), " x", 12, "bold", BLUE, anchor="lm")
    cv.text((146, 118), "дефиниционна", 10, color=RED)
    cv.text((146, 130), "област: x > 0", 10, color=RED)
    save_jpg(cv, "g14.jpg")


# ---------------------------------------------------------------- 15
def g15():
    """Съвършени числа: 6 и 28."""
    cv = Canvas(200, 150)
    cv.text((100, 12), "Съвършени числа", 13, "bold")
    cv.text((100, 28), "сума на делителите, по-малки от числото", 9.5, color=GRAY)

    def row(y, divs, total):
        widths = [17 if d < 10 else 22 for d in divs]
        gap, tw = 12, 26
        xs = (200 - (sum(widths) + gap * len(divs) + tw)) / 2
        for i, (d, w) in enumerate(zip(divs, widths)):
            cv.rect((xs, y - 10, xs + w, y + 10), fill=LGREEN, outline=GREEN, width=1.2, radius=3)
            cv.text((xs + w / 2, y), str(d), 12, "bold", GREEN)
            xs += w
            sign = "+" if i < len(divs) - 1 else "="
            cv.text((xs + gap / 2, y), sign, 12, "bold")
            xs += gap
        cv.rect((xs, y - 11, xs + tw, y + 11), fill=LORANGE, outline=ORANGE, width=1.5, radius=3)
        cv.text((xs + tw / 2, y), str(total), 13, "bold", ORANGE)

    row(58, [1, 2, 3], 6)
    row(98, [1, 2, 4, 7, 14], 28)
    cv.text((100, 134), "следват 496 и 8128", 10.5, color=BLACK)
    save_jpg(cv, "g15.jpg")


# ---------------------------------------------------------------- 16
def g16():
    """Таблица на тестовете: очакван и получен резултат."""
    cv = Canvas(420, 300)
    cv.text((210, 18), "Оценка на резултата", 18, "bold")
    cv.text((210, 40), "програма за f(x) от задача 4, в която е написано x <= 0 вместо x < 0", 11, color=GRAY)
    head = ["№", "Вход", "Очакван", "Получен", "Оценка"]
    widths = [36, 66, 82, 82, 124]
    tests = [(1, -5, -9, -9), (2, -1, -1, -1), (3, 0, 0, 1), (4, 3, 9, 9), (5, 4, 6, 6), (6, 1000, -990, -990)]
    x0, y0, rh = 15, 54, 30
    x = x0
    for h, w in zip(head, widths):
        cv.rect((x, y0, x + w, y0 + rh), fill=LBLUE, outline=BLUE, width=1)
        cv.text((x + w / 2, y0 + rh / 2), h, 13, "bold", BLUE)
        x += w
    ok = 0
    for r, (no, inp, exp, got) in enumerate(tests, 1):
        good = exp == got
        ok += good
        vals = [str(no), str(inp), str(exp), str(got), "Верен" if good else "Грешен отговор"]
        x = x0
        y = y0 + r * rh
        for c, (v, w) in enumerate(zip(vals, widths)):
            fill = WHITE
            col = BLACK
            if c == 4:
                fill = LGREEN if good else LRED
                col = GREEN if good else RED
            elif c == 3 and not good:
                col = RED
            cv.rect((x, y, x + w, y + rh), fill=fill, outline=GRAY, width=1)
            cv.text((x + w / 2, y + rh / 2), v, 13, "bold" if c == 4 or (c == 3 and not good) else "sans", col)
            x += w
    cv.text((210, y0 + 7 * rh + 18), "Успешни тестове: %d от %d" % (ok, len(tests)), 14, "bold",
            RED if ok < len(tests) else GREEN)
    save_jpg(cv, "g16.jpg")


# ---------------------------------------------------------------- 17
def g17():
    """Проверка за просто число с пробни делители, докато d * d <= n."""
    cv = Canvas(440, 310)
    cv.text((220, 16), "Просто ли е числото? Пробни делители", 16, "bold")
    cv.text((220, 38), "проверяваме d = 2, 3, 4, ..., докато d * d <= n", 12, color=GRAY)

    def column(x0, n, note, note_color):
        cv.text((x0 + 95, 62), "n = %d" % n, 15, "bold", BLUE)
        head = ["d", "d * d", "n % d"]
        widths = [40, 70, 80]
        y0, rh = 76, 22
        x = x0
        for h, w in zip(head, widths):
            cv.rect((x, y0, x + w, y0 + rh), fill=LBLUE, outline=BLUE, width=1)
            cv.text((x + w / 2, y0 + rh / 2), h, 12, "bold", BLUE)
            x += w
        d = 2
        r = 1
        while d * d <= n:
            found = n % d == 0
            x = x0
            for v, w in zip((d, d * d, n % d), widths):
                cv.rect((x, y0 + r * rh, x + w, y0 + (r + 1) * rh), fill=LRED if found else WHITE,
                        outline=GRAY, width=1)
                cv.text((x + w / 2, y0 + r * rh + rh / 2), str(v), 12, "bold" if found else "sans",
                        RED if found else BLACK)
                x += w
            if found:
                break
            d += 1
            r += 1
        for i, line in enumerate(note):
            cv.text((x0 + 95, y0 + (r + 1) * rh + 14 + 17 * i), line, 12, "bold" if i == 0 else "sans",
                    note_color if i == 0 else BLACK)

    column(20, 91, ["91 = 7 * 13: не е просто", "делителят 7 е намерен при d = 7"], RED)
    column(230, 49, ["49 = 7 * 7: не е просто", "с d * d < n делителят 7 се пропуска"], RED)
    cv.text((220, 294), "Ако няма делител до корен квадратен от n, числото n >= 2 е просто.", 11.5, "bold", GREEN)
    save_jpg(cv, "g17.jpg")


# ---------------------------------------------------------------- значка на кръжока
def sponsor():
    """Значка на училищния кръжок."""
    cv = Canvas(240, 160, bg=(245, 248, 255))
    cv.rect((4, 4, 236, 156), fill=None, outline=BLUE, width=2.5, radius=14)
    cv.circle((58, 80), 40, fill=BLUE, outline=(20, 60, 140), width=2)
    cv.circle((58, 80), 32, fill=None, outline=YELLOW, width=1.5)
    cv.text((58, 72), "f(x)", 21, "italic", WHITE)
    cv.text((58, 95), "{ }", 13, "monob", YELLOW)
    cv.text((166, 50), "Кръжок по", 15, "bold", BLUE)
    cv.text((166, 70), "информатика", 15, "bold", BLUE)
    cv.line((110, 88), (222, 88), ORANGE, 2)
    cv.text((166, 106), "„Млади", 13, "sans", (60, 60, 60))
    cv.text((166, 124), "програмисти“", 13, "sans", (60, 60, 60))
    save_jpg(cv, "sponsor.jpg")


DRAWINGS = {
    "g01.jpg": g01, "g02.jpg": g02, "g03.jpg": g03, "g04.gif": g04, "g05.jpg": g05, "g06.jpg": g06,
    "g07.jpg": g07, "g08.jpg": g08, "g09.jpg": g09, "g10.jpg": g10, "g11.jpg": g11, "g12.jpg": g12,
    "g13.jpg": g13, "g14.jpg": g14, "g15.jpg": g15, "g16.jpg": g16, "g17.jpg": g17, "sponsor.jpg": sponsor,
}


def save_captions():
    """Надписите на картинките за екранните четци: първият ред на описанието на всяка рисунка."""
    captions = {name: draw.__doc__.strip().splitlines()[0] for name, draw in DRAWINGS.items()}
    with open(os.path.join(HERE, "captions.json"), "w", encoding="utf-8") as f:
        json.dump(captions, f, ensure_ascii=False, indent=2)
        f.write("\n")


def main():
    for draw in DRAWINGS.values():
        draw()
    save_captions()


if __name__ == "__main__":
    main()
