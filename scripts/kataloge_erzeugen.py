#!/usr/bin/env python3
"""Writes the master catalogues material.dat and querschnitte.dat.

Values from the usual section tables (rolled I sections after EN 10365,
strong axis) and material tables (EN 1993-1-1, EN 1992-1-1, EN 338,
EN 14080).  Units of the files: kN/m^2, m^2, m^4, m.  Run from the
repository root:

    python3 scripts/kataloge_erzeugen.py [target directory]

Entries are written with the highest number first: the program enters every
entry it reads at the front of its list, so the lists then show 1, 2, 3, ...
"""
import os
import sys

# number, name, E [kN/m^2], Poisson's ratio, thermal expansion [1/K]
MATERIALIEN = [
    (1, 'Baustahl S235', 2.1e8, 0.3, 1.2e-5),
    (2, 'Baustahl S355', 2.1e8, 0.3, 1.2e-5),
    (3, 'Beton C20/25', 3.0e7, 0.2, 1.0e-5),
    (4, 'Beton C30/37', 3.3e7, 0.2, 1.0e-5),
    (5, 'Nadelholz C24', 1.1e7, 0.35, 5.0e-6),
    (6, 'Brettschichtholz GL24h', 1.15e7, 0.35, 5.0e-6),
]
STANDARDMATERIAL = 1

# Rolled sections: name, height h [mm], area A [cm^2], Iy [cm^4]
WALZPROFILE = [
    ('IPE 200', 200, 28.5, 1943),
    ('HEB 200', 200, 78.1, 5696),
    ('IPE 100', 100, 10.3, 171),
    ('IPE 120', 120, 13.2, 318),
    ('IPE 140', 140, 16.4, 541),
    ('IPE 160', 160, 20.1, 869),
    ('IPE 180', 180, 23.9, 1317),
    ('IPE 220', 220, 33.4, 2772),
    ('IPE 240', 240, 39.1, 3892),
    ('IPE 270', 270, 45.9, 5790),
    ('IPE 300', 300, 53.8, 8356),
    ('IPE 330', 330, 62.6, 11770),
    ('IPE 360', 360, 72.7, 16270),
    ('IPE 400', 400, 84.5, 23130),
    ('HEA 100', 96, 21.2, 349),
    ('HEA 120', 114, 25.3, 606),
    ('HEA 140', 133, 31.4, 1033),
    ('HEA 160', 152, 38.8, 1673),
    ('HEA 180', 171, 45.3, 2510),
    ('HEA 200', 190, 53.8, 3692),
    ('HEA 220', 210, 64.3, 5410),
    ('HEA 240', 230, 76.8, 7763),
    ('HEA 260', 250, 86.8, 10450),
    ('HEA 280', 270, 97.3, 13670),
    ('HEA 300', 290, 112.5, 18260),
    ('HEB 100', 100, 26.0, 450),
    ('HEB 120', 120, 34.0, 864),
    ('HEB 140', 140, 43.0, 1509),
    ('HEB 160', 160, 54.3, 2492),
    ('HEB 180', 180, 65.3, 3831),
    ('HEB 220', 220, 91.0, 8091),
    ('HEB 240', 240, 106.0, 11260),
    ('HEB 260', 260, 118.4, 14920),
    ('HEB 280', 280, 131.4, 19270),
    ('HEB 300', 300, 149.1, 25170),
]

# Solid rectangles: name, width b [cm], height h [cm]
RECHTECKE = [
    ('Holz 8/16', 8, 16),
    ('Holz 10/20', 10, 20),
    ('Holz 12/24', 12, 24),
    ('Holz 16/32', 16, 32),
    ('Beton 20/40', 20, 40),
    ('Beton 25/50', 25, 50),
    ('Beton 30/50', 30, 50),
    ('Beton 30/60', 30, 60),
    ('Platte 100/20', 100, 20),
]
STANDARDQUERSCHNITT = 1


def querschnitte():
    eintraege = []
    for name, h, a, i in WALZPROFILE:
        eintraege.append((name, a * 1e-4, i * 1e-8, h / 2000.0))
    for name, b, h in RECHTECKE:
        bm, hm = b / 100.0, h / 100.0
        eintraege.append((name, bm * hm, bm * hm ** 3 / 12.0, hm / 2.0))
    return [(n + 1,) + e for n, e in enumerate(eintraege)]


def token(name):
    return name.replace(' ', '_')


def main():
    ziel = sys.argv[1] if len(sys.argv) > 1 else 'daten/verwaltung'
    os.makedirs(ziel, exist_ok=True)
    with open(os.path.join(ziel, 'material.dat'), 'w', encoding='latin-1') as f:
        f.write('%d\n%d\n' % (STANDARDMATERIAL, len(MATERIALIEN)))
        for nummer, name, e, nu, alpha in reversed(MATERIALIEN):
            f.write('%d\n %s\n%e\n%f\n%f\n' % (nummer, token(name), e, nu, alpha))
    qs = querschnitte()
    with open(os.path.join(ziel, 'querschnitte.dat'), 'w', encoding='latin-1') as f:
        f.write('%d\n%d\n' % (STANDARDQUERSCHNITT, len(qs)))
        for nummer, name, a, i, maxy in reversed(qs):
            f.write('%d\n %s\n%e\n%e\n%f\n' % (nummer, token(name), a, i, maxy))


if __name__ == '__main__':
    main()
