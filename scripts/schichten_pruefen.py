#!/usr/bin/env python3
"""Checks that every source includes only its own layer and the layers below.

    core <- analysis, files <- output <- workspace <- gui, cli

Also: the toolkit (forms.h, Xlib) is included by gui/xforms.h only, the current
System is read in gui/ and cli/ only, and no function is linked in weakly.
Prints every offence and exits with status 1 when there is one.

    python3 scripts/schichten_pruefen.py [source directory]
"""
import re
import sys

from quellen import hauptprogramm, quelldateien

# What each folder may include besides itself.
ERLAUBT = {
    "core": set(),
    "analysis": {"core"},
    "files": {"core"},
    "output": {"core", "analysis", "files"},
    "workspace": {"core", "analysis", "files", "output"},
    "gui": {"core", "analysis", "files", "output", "workspace"},
    "cli": {"core", "analysis", "files", "output"},
}
# Test folders may use what their layer uses, plus the shared test helpers.
TESTS = {
    "core": {"tests"},
    "analysis": {"files", "bench", "tests"},
    "files": {"analysis", "beispiele", "tests"},
    "output": {"tests"},
    "workspace": {"tests"},
    "cli": {"core", "files", "bench", "tests"},
}
# Headers of the toolkit; only gui/xforms.h includes them (it removes
# Xlib's macro Status after them).
TOOLKIT = re.compile(r'#\s*include\s*<(forms\.h|X11/[^>]*)>')
EIGENES = re.compile(r'#\s*include\s*"([a-z_]+)/[^"]*"')
AKTUELL = re.compile(r'\bAktuellesSystem\b')
SCHWACH = re.compile(r'__attribute__\s*\(\(\s*weak')


def ohne_kommentare(text):
    """The text with comments blanked, line breaks kept."""
    text = re.sub(r'/\*.*?\*/', lambda m: re.sub(r'[^\n]', ' ', m.group(0)), text, flags=re.S)
    return re.sub(r'//[^\n]*', '', text)


def ordner_von(pfad):
    teile = pfad.parts
    if teile[0] == "tests" and len(teile) > 2:
        return "tests", teile[1]
    return teile[0], None


def pruefen(wurzel):
    fehler = []
    for datei, rel in quelldateien(wurzel):
        ordner, testordner = ordner_von(rel)
        text = ohne_kommentare(datei.read_text(encoding="utf-8", errors="replace"))
        zeilen = text.split("\n")
        for nr, zeile in enumerate(zeilen, 1):
            ort = f"{rel}:{nr}"
            if SCHWACH.search(zeile):
                fehler.append(f"{ort}: schwach gebundene Funktion")
            m = EIGENES.search(zeile)
            if m:
                ziel = m.group(1)
                if ordner in ERLAUBT and ziel != ordner and ziel not in ERLAUBT[ordner]:
                    fehler.append(f"{ort}: {ordner}/ darf {ziel}/ nicht einbinden")
                if ordner == "tests" and testordner in TESTS:
                    darf = ERLAUBT[testordner] | TESTS[testordner] | {testordner}
                    if ziel not in darf:
                        fehler.append(f"{ort}: tests/{testordner}/ darf {ziel}/ nicht einbinden")
            if TOOLKIT.search(zeile) and rel.as_posix() != "gui/xforms.h":
                fehler.append(f"{ort}: das Toolkit nur über gui/xforms.h einbinden")
            if AKTUELL.search(zeile) and ordner in ERLAUBT and ordner not in ("gui", "cli") \
                    and rel.stem != "programm":
                fehler.append(f"{ort}: das aktuelle System ist Sache von gui/")
    return fehler


if __name__ == "__main__":
    sys.exit(hauptprogramm(pruefen, "Verstöße gegen die Schichten"))
