"""What the source checks share: the C++ sources of the tree, and the way a
check reports its offences.

Build folders and hidden folders (the sanitizer build, .git) hold no
sources of the project and are skipped.
"""
import pathlib
import sys


def quelldateien(wurzel):
    """Yields (path, path relative to wurzel) of every .cpp and .h file."""
    for datei in sorted(wurzel.rglob("*")):
        if datei.suffix not in (".cpp", ".h") or not datei.is_file():
            continue
        rel = datei.relative_to(wurzel)
        if rel.parts[0].startswith("build") or rel.parts[0].startswith("."):
            continue
        yield datei, rel


def hauptprogramm(pruefen, zusammenfassung):
    """Runs pruefen on the source directory named on the command line (the
    tree above scripts/ by default), prints every offence, and returns the
    exit status: 1 when there is one, the count followed by zusammenfassung
    on standard error."""
    wurzel = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
    fehler = pruefen(wurzel.resolve())
    for f in fehler:
        print(f)
    if fehler:
        print(f"{len(fehler)} {zusammenfassung}", file=sys.stderr)
        return 1
    return 0
