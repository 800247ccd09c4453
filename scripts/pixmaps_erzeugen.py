#!/usr/bin/env python3
"""Draws the icon and logo pixmaps of the administration directory.

Every picture is built from a few simple shapes on a small canvas and
written as XPM 3; the desktop icon of the installation is written as PNG.
Run from the repository root:

    python3 scripts/pixmaps_erzeugen.py [target directory [icon directory]]

(default: daten/verwaltung and daten/desktop).  The output is
deterministic, so the committed files change only when this script does.
"""
import math
import os
import struct
import sys
import zlib

# Colours: one character each.  ' ' is transparent (XPM "None").
FARBEN = {
    ' ': 'None',
    'k': '#000000',  # black outline
    'w': '#FFFFFF',
    'g': '#C0C0C0',  # light grey
    'd': '#808080',  # dark grey
    'y': '#F0D040',  # folder yellow
    'o': '#C89020',  # folder shadow
    'b': '#3060C0',  # blue
    'l': '#90B8F0',  # light blue
    'r': '#D03020',  # red
    'n': '#208040',  # green
    'e': '#60C060',  # light green
    's': '#F0C8A0',  # skin
    'h': '#A07040',  # wood brown
    'f': '#F8F0D0',  # paper
}


class Bild:
    def __init__(self, breite, hoehe, grund=' '):
        self.b, self.h = breite, hoehe
        self.p = [[grund] * breite for _ in range(hoehe)]

    def punkt(self, x, y, c):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < self.b and 0 <= y < self.h:
            self.p[y][x] = c

    def rechteck(self, x0, y0, x1, y1, fuellung=None, rand='k'):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                if rand and (x in (x0, x1) or y in (y0, y1)):
                    self.punkt(x, y, rand)
                elif fuellung:
                    self.punkt(x, y, fuellung)

    def linie(self, x0, y0, x1, y1, c='k', dicke=1):
        n = int(max(abs(x1 - x0), abs(y1 - y0))) * 2 + 1
        r = (dicke - 1) / 2.0
        for i in range(n + 1):
            t = i / n
            x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            if dicke == 1:
                self.punkt(x, y, c)
            else:
                for dy in range(-int(r) - 1, int(r) + 2):
                    for dx in range(-int(r) - 1, int(r) + 2):
                        if dx * dx + dy * dy <= r * r + 0.25:
                            self.punkt(x + dx, y + dy, c)

    def kreis(self, cx, cy, r, fuellung=None, rand='k', dicke=1.0):
        for y in range(self.h):
            for x in range(self.b):
                d = math.hypot(x - cx, y - cy)
                if rand and r - dicke < d <= r:
                    self.p[y][x] = rand
                elif fuellung and d <= r - (dicke if rand else 0):
                    self.p[y][x] = fuellung

    def ellipse(self, cx, cy, rx, ry, fuellung, rand='k'):
        for y in range(self.h):
            for x in range(self.b):
                v = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
                if v <= 1.0:
                    aussen = ((x - cx) / (rx - 1.2)) ** 2 + ((y - cy) / (ry - 1.2)) ** 2 > 1.0 if rx > 1.2 and ry > 1.2 else True
                    self.p[y][x] = rand if (rand and aussen) else fuellung

    def vieleck(self, punkte, fuellung, rand='k'):
        # even-odd fill of the pixel centres, then the outline
        for y in range(self.h):
            for x in range(self.b):
                px, py = x + 0.0, y + 0.0
                innen = False
                j = len(punkte) - 1
                for i in range(len(punkte)):
                    xi, yi = punkte[i]
                    xj, yj = punkte[j]
                    if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
                        innen = not innen
                    j = i
                if innen:
                    self.p[y][x] = fuellung
        if rand:
            for i in range(len(punkte)):
                a, b = punkte[i], punkte[(i + 1) % len(punkte)]
                self.linie(a[0], a[1], b[0], b[1], rand)

    def text(self, x, y, text, c='k', skala=1):
        for z in text:
            muster = SCHRIFT.get(z)
            if muster is None:
                x += 4 * skala
                continue
            for zy, zeile in enumerate(muster):
                for zx, bit in enumerate(zeile):
                    if bit == '#':
                        for sy in range(skala):
                            for sx in range(skala):
                                self.punkt(x + zx * skala + sx, y + zy * skala + sy, c)
            x += (len(muster[0]) + 1) * skala

    def xpm(self, name):
        benutzt = sorted({c for zeile in self.p for c in zeile})
        zeilen = ['/* XPM */', 'static char *%s[] = {' % name,
                  '"%d %d %d 1",' % (self.b, self.h, len(benutzt))]
        zeilen += ['"%s c %s",' % (c, FARBEN[c]) for c in benutzt]
        zeilen += ['"%s",' % ''.join(z) for z in self.p]
        zeilen[-1] = zeilen[-1].rstrip(',')
        zeilen.append('};')
        return '\n'.join(zeilen) + '\n'

    def png(self):
        """8-bit RGBA, unfiltered rows; ' ' is fully transparent."""
        def rgba(c):
            if FARBEN[c] == 'None':
                return b'\0\0\0\0'
            return bytes.fromhex(FARBEN[c][1:]) + b'\xff'
        roh = b''.join(b'\0' + b''.join(rgba(c) for c in zeile) for zeile in self.p)

        def block(art, daten):
            inhalt = art + daten
            return struct.pack('>I', len(daten)) + inhalt + struct.pack('>I', zlib.crc32(inhalt))
        kopf = struct.pack('>IIBBBBB', self.b, self.h, 8, 6, 0, 0, 0)
        return (b'\x89PNG\r\n\x1a\n' + block(b'IHDR', kopf) +
                block(b'IDAT', zlib.compress(roh, 9)) + block(b'IEND', b''))


# 5 x 7 capitals and digits, enough for the labels drawn here.
SCHRIFT = {
    'V': ['#...#', '#...#', '#...#', '#...#', '.#.#.', '.#.#.', '..#..'],
    'E': ['#####', '#....', '#....', '####.', '#....', '#....', '#####'],
    'L': ['#....', '#....', '#....', '#....', '#....', '#....', '#####'],
    'K': ['#...#', '#..#.', '#.#..', '##...', '#.#..', '#..#.', '#...#'],
    'O': ['.###.', '#...#', '#...#', '#...#', '#...#', '#...#', '.###.'],
    'I': ['###', '.#.', '.#.', '.#.', '.#.', '.#.', '###'],
    'N': ['#...#', '##..#', '#.#.#', '#..##', '#...#', '#...#', '#...#'],
    'U': ['#...#', '#...#', '#...#', '#...#', '#...#', '#...#', '.###.'],
    'X': ['#...#', '#...#', '.#.#.', '..#..', '.#.#.', '#...#', '#...#'],
    'M': ['#...#', '##.##', '#.#.#', '#.#.#', '#...#', '#...#', '#...#'],
    'N': ['#...#', '##..#', '#.#.#', '#..##', '#...#', '#...#', '#...#'],
    'Q': ['.###.', '#...#', '#...#', '#...#', '#.#.#', '#..#.', '.##.#'],
    '1': ['..#..', '.##..', '..#..', '..#..', '..#..', '..#..', '.###.'],
    '2': ['.###.', '#...#', '....#', '...#.', '..#..', '.#...', '#####'],
}


# ------------------------------------------------------------------ icons

def oeffnen():
    b = Bild(32, 32)
    b.vieleck([(3, 8), (12, 8), (14, 11), (27, 11), (27, 26), (3, 26)], 'o')
    b.vieleck([(6, 14), (30, 14), (26, 26), (3, 26)], 'y')
    b.linie(17, 9, 25, 2, 'n', 2)   # an arrow out of the folder
    b.linie(25, 2, 25, 7, 'n', 2)
    b.linie(25, 2, 20, 2, 'n', 2)
    return b


def sichern():
    b = Bild(32, 32)
    b.vieleck([(4, 4), (25, 4), (28, 7), (28, 28), (4, 28)], 'b')
    b.rechteck(9, 4, 22, 12, 'g')
    b.rechteck(18, 6, 20, 10, 'd', None)
    b.rechteck(8, 17, 24, 28, 'w')
    for y in (20, 23, 26):
        b.linie(10, y, 22, y, 'd')
    return b


def cad():
    b = Bild(32, 32)
    b.linie(5, 24, 24, 9, 'k', 3)        # a bar
    b.rechteck(2, 21, 7, 26, 'y')        # its points
    b.rechteck(22, 6, 27, 11, 'y')
    b.vieleck([(20, 30), (30, 20), (31, 22), (22, 31)], 'h')  # pencil
    b.vieleck([(17, 31), (20, 30), (22, 31)], 'k')
    return b


def lupe():
    b = Bild(32, 32)
    b.kreis(13, 13, 10, 'l', 'k', 2.0)
    b.linie(20, 20, 28, 28, 'h', 4)
    b.linie(9, 13, 17, 13, 'k', 2)      # plus and minus: zoom in and out
    b.linie(13, 9, 13, 17, 'k', 2)
    return b


def erde():
    b = Bild(32, 32)
    b.kreis(15.5, 15.5, 13, 'b', 'k', 1.5)
    b.vieleck([(8, 8), (14, 6), (16, 11), (12, 15), (13, 20), (9, 19), (6, 13)], 'n', None)
    b.vieleck([(18, 14), (24, 12), (27, 17), (23, 24), (19, 21)], 'n', None)
    b.linie(3, 15.5, 28, 15.5, 'l')
    b.kreis(15.5, 15.5, 13, None, 'k', 1.5)
    return b


def hand():
    b = Bild(32, 32)
    # palm and four raised fingers, thumb to the left
    b.vieleck([(9, 16), (24, 16), (24, 25), (20, 30), (12, 30), (9, 25)], 's')
    for x in (10, 14, 18, 22):
        b.rechteck(x, 5 if x in (14, 18) else 8, x + 3, 17, 's')
    b.vieleck([(9, 25), (3, 17), (5, 15), (10, 19)], 's')
    return b


def rechner(zahl):
    b = Bild(32, 32)
    b.rechteck(5, 2, 26, 29, 'g')
    b.rechteck(8, 4, 23, 14, 'e')
    # the roman numeral of the theory order on the display
    breite = 4 * len(zahl) - 1
    b.text(16 - breite // 2, 6, zahl, 'k')
    for zeile in range(3):
        for spalte in range(4):
            x, y = 8 + spalte * 4, 17 + zeile * 4
            b.rechteck(x, y, x + 2, y + 2, 'w' if spalte < 3 else 'r')
    return b


def zeiger():
    b = Bild(32, 32)
    b.rechteck(3, 3, 28, 28, 'g', 'd')
    b.vieleck([(9, 6), (9, 25), (14, 20), (18, 28), (21, 27), (17, 19), (24, 19)], 'w')
    return b


def lineale():
    b = Bild(32, 32)
    b.vieleck([(2, 22), (22, 2), (29, 9), (9, 29)], 'y')
    for i in range(1, 10):
        x, y = 2 + 2 * i + 0.5, 22 - 2 * i + 0.5
        laenge = 4 if i % 2 == 0 else 2
        b.linie(x, y, x + laenge * 0.7, y + laenge * 0.7, 'k')
    return b


def checkliste():
    b = Bild(32, 32)
    b.rechteck(5, 2, 26, 29, 'f')
    for i, y in enumerate((6, 12, 18, 24)):
        b.rechteck(8, y, 11, y + 3, 'w')
        b.linie(14, y + 2, 23, y + 2, 'd')
        if i < 3:
            b.linie(8, y + 1, 10, y + 4, 'r', 1)
            b.linie(10, y + 4, 13, y - 1, 'r', 1)
    return b


def zeichnen():
    b = Bild(32, 32)
    b.rechteck(2, 4, 29, 27, 'w')
    # a portal frame with two fixed supports
    b.linie(8, 22, 8, 10, 'b', 2)
    b.linie(8, 10, 23, 10, 'b', 2)
    b.linie(23, 10, 23, 22, 'b', 2)
    b.vieleck([(8, 22), (5, 26), (11, 26)], 'e')
    b.vieleck([(23, 22), (20, 26), (26, 26)], 'e')
    # a moment curve
    for x in range(9, 23):
        t = (x - 8) / 15.0
        b.punkt(x, 10 - 5 * 4 * t * (1 - t) + 2, 'r')
    return b


def zeichnen_einstellungen():
    b = zeichnen()
    # a gear wheel over the lower right corner
    cx, cy = 23, 23
    for k in range(8):
        w = k * math.pi / 4
        b.linie(cx + 4 * math.cos(w), cy + 4 * math.sin(w), cx + 7.5 * math.cos(w), cy + 7.5 * math.sin(w), 'd', 3)
    b.kreis(cx, cy, 5.5, 'd', 'k', 1.0)
    b.kreis(cx, cy, 2, 'w', 'k', 1.0)
    return b


# ------------------------------------------------------------------ logos

def velko_logo():
    b = Bild(330, 100, 'w')
    # a two-bay frame with supports and a distributed load
    blau, rot = 'b', 'r'
    b.linie(20, 80, 20, 30, blau, 3)
    b.linie(20, 30, 120, 30, blau, 3)
    b.linie(70, 30, 70, 80, blau, 3)
    b.linie(120, 30, 120, 80, blau, 3)
    for x in (20, 70, 120):
        b.vieleck([(x, 80), (x - 7, 92), (x + 7, 92)], 'e')
        b.linie(x - 10, 93, x + 10, 93, 'k', 1)
    for x in range(25, 120, 12):
        b.linie(x, 10, x, 25, rot, 1)
        b.linie(x - 2, 22, x, 26, rot, 1)
        b.linie(x + 2, 22, x, 26, rot, 1)
    b.linie(20, 10, 120, 10, rot, 1)
    b.text(142, 29, 'VELKO', 'b', 6)
    return b


def programmsymbol():
    """The desktop icon: the frame of the logo on a white tile."""
    b = Bild(48, 48)
    b.vieleck([(3, 1), (44, 1), (46, 3), (46, 44), (44, 46), (3, 46), (1, 44), (1, 3)], 'w', 'g')
    blau, rot = 'b', 'r'
    b.linie(8, 35, 8, 18, blau, 3)
    b.linie(8, 18, 40, 18, blau, 3)
    b.linie(24, 18, 24, 35, blau, 3)
    b.linie(40, 18, 40, 35, blau, 3)
    for x in (8, 24, 40):
        b.vieleck([(x, 36), (x - 4, 42), (x + 4, 42)], 'e', 'n')
    b.linie(3, 43, 44, 43, 'k', 1)
    b.linie(8, 5, 40, 5, rot, 1)
    for x in range(10, 40, 6):
        b.linie(x, 5, x, 14, rot, 1)
        b.linie(x - 2, 12, x, 14, rot, 1)
        b.linie(x + 2, 12, x, 14, rot, 1)
    return b


def linux_logo():
    """A plain penguin."""
    b = Bild(90, 100, 'w')
    b.ellipse(45, 60, 30, 36, 'k', 'k')         # body
    b.ellipse(45, 66, 20, 27, 'w', 'w')         # belly
    b.kreis(45, 24, 18, 'k', 'k')               # head
    b.ellipse(38, 22, 5, 7, 'w', 'w')           # eyes
    b.ellipse(52, 22, 5, 7, 'w', 'w')
    b.kreis(39, 23, 2, 'k', None)
    b.kreis(51, 23, 2, 'k', None)
    b.vieleck([(37, 31), (53, 31), (45, 39)], 'y', 'o')  # beak
    b.ellipse(30, 94, 12, 5, 'y', 'o')          # feet
    b.ellipse(60, 94, 12, 5, 'y', 'o')
    return b


BILDER = {
    'Open.xpm': oeffnen,
    'Save.xpm': sichern,
    'CAD.xpm': cad,
    'magnify_3d.xpm': lupe,
    'earth_3d.xpm': erde,
    'hand_up_3d.xpm': hand,
    'Calculator.xpm': lambda: rechner('I'),
    'Calculator_II.xpm': lambda: rechner('II'),
    'pick_3d.xpm': zeiger,
    'rulers_3d.xpm': lineale,
    'checklist4_3d.xpm': checkliste,
    'Drawing.xpm': zeichnen,
    'Drawing2.xpm': zeichnen_einstellungen,
    'velko_logo.xpm': velko_logo,
    'linux.xpm': linux_logo,
}


SYMBOLE = {
    'velko.png': programmsymbol,
}


def main():
    ziel = sys.argv[1] if len(sys.argv) > 1 else 'daten/verwaltung'
    os.makedirs(ziel, exist_ok=True)
    for datei, zeichner in BILDER.items():
        name = os.path.splitext(datei)[0].replace('-', '_')
        with open(os.path.join(ziel, datei), 'w', encoding='ascii') as f:
            f.write(zeichner().xpm(name))
    symbolziel = sys.argv[2] if len(sys.argv) > 2 else 'daten/desktop'
    os.makedirs(symbolziel, exist_ok=True)
    for datei, zeichner in SYMBOLE.items():
        with open(os.path.join(symbolziel, datei), 'wb') as f:
            f.write(zeichner().png())


if __name__ == '__main__':
    main()
