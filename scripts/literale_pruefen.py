#!/usr/bin/env python3
"""Finds string and character literals with non-ASCII bytes that are not
converted to ISO 8859-1.

The sources are UTF-8, every byte the user sees is ISO 8859-1.  A literal
with an umlaut is written readably and carries the suffix _l1
(core/latin1.h), which converts it at compile time with any compiler; a
literal without the suffix would reach files, listings and the toolkit as
UTF-8.  Comments may be UTF-8 freely.  A character literal cannot carry the
suffix: write "ä"_l1[0].

Sources that are not valid UTF-8 are offences too.

Prints every offence and exits with status 1 when there is one.

    python3 scripts/literale_pruefen.py [source directory]
"""
import re
import sys

from quellen import hauptprogramm, quelldateien

PRAEFIX = re.compile(r'(u8|u|U|L)?R?$')
SUFFIX = re.compile(r'[A-Za-z_][A-Za-z0-9_]*')


def literale(text):
    """Yields (line, kind, body, suffix) of every string and character
    literal of a C++ source, comments skipped."""
    i, n, zeile = 0, len(text), 1
    while i < n:
        c = text[i]
        if c == '\n':
            zeile += 1
            i += 1
        elif text.startswith('//', i):
            while i < n and text[i] != '\n':
                i += 1
        elif text.startswith('/*', i):
            ende = text.find('*/', i + 2)
            ende = n if ende < 0 else ende + 2
            zeile += text.count('\n', i, ende)
            i = ende
        elif c == 'R' and i + 1 < n and text[i + 1] == '"' and PRAEFIX.search(text[max(0, i - 2):i + 1]):
            # Raw string R"trenner( ... )trenner"
            klammer = text.find('(', i + 2)
            trenner = text[i + 2:klammer]
            ende = text.find(')' + trenner + '"', klammer)
            ende = n if ende < 0 else ende + len(trenner) + 2
            start = zeile
            koerper = text[klammer + 1:ende - len(trenner) - 2]
            zeile += text.count('\n', i, ende)
            m = SUFFIX.match(text, ende)
            yield start, 'Zeichenkette', koerper, m.group(0) if m else ''
            i = m.end() if m else ende
        elif c in '"\'':
            # A quote inside a number like 1'000 is a digit separator.
            if c == "'" and i > 0 and text[i - 1].isalnum() and not PRAEFIX.fullmatch(text[max(0, i - 2):i]):
                i += 1
                continue
            j = i + 1
            while j < n and text[j] != c and text[j] != '\n':
                j += 2 if text[j] == '\\' else 1
            koerper = text[i + 1:j]
            m = SUFFIX.match(text, j + 1)
            yield zeile, 'Zeichenkette' if c == '"' else 'Zeichen', koerper, m.group(0) if m else ''
            i = m.end() if m else j + 1
        else:
            i += 1


def pruefen(wurzel):
    fehler = []
    for datei, rel in quelldateien(wurzel):
        roh = datei.read_bytes()
        try:
            roh.decode("utf-8")
        except UnicodeDecodeError as e:
            # A Latin-1 byte in a UTF-8 source: one compiler takes it as it
            # stands, the other refuses it; _l1 would convert it wrongly.
            zeile = roh.count(b"\n", 0, e.start) + 1
            fehler.append(f"{rel}:{zeile}: kein UTF-8 (Byte 0x{roh[e.start]:02X})")
            continue
        text = roh.decode("utf-8")
        if text.isascii():
            continue
        for zeile, art, koerper, suffix in literale(text):
            if koerper.isascii():
                continue
            if art == 'Zeichen':
                fehler.append(f"{rel}:{zeile}: Zeichen außerhalb von ASCII: '{koerper}' als \"{koerper}\"_l1[0] schreiben")
            elif suffix != '_l1':
                fehler.append(f"{rel}:{zeile}: Zeichenkette ohne _l1: \"{koerper}\"")
    return fehler


if __name__ == "__main__":
    sys.exit(hauptprogramm(pruefen, "Literale ohne Umwandlung nach ISO 8859-1"))
