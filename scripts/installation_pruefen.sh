#!/usr/bin/env bash
# Checks an installation as a newcomer would meet it:
#   bash scripts/installation_pruefen.sh [build directory]
# installs the build into a temporary prefix, moves the prefix (the programs
# find their data from their own place), runs the installed velko-rechnen on
# an installed example with a fresh home directory (no ~/.velko: the
# installed catalogues, said once on standard error), writes the example as
# PDF, and checks the desktop entry, the icon and the manual pages.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
arbeit=$(mktemp -d "${TMPDIR:-/tmp}/velko_installation.XXXXXX")
trap 'rm -rf "$arbeit"' EXIT
fehler() { echo "FEHLER (Installation): $*" >&2; exit 1; }

bash scripts/installieren.sh "$build" "$arbeit/prefix" >/dev/null
prefix="$arbeit/verschoben mit Leerzeichen"
mv "$arbeit/prefix" "$prefix"
daten="$prefix/share/velko"
for f in bin/velko-rechnen share/velko/verwaltung/material.dat share/velko/verwaltung/querschnitte.dat \
         share/velko/verwaltung/standard.col share/velko/verwaltung/velko_logo.xpm \
         share/velko/hilfe/hilfe.html share/velko/beispiele/rahmen.sysdat \
         share/man/man1/velko.1 share/man/man1/velko-rechnen.1; do
  [ -f "$prefix/$f" ] || fehler "$f fehlt"
done

mkdir "$arbeit/home"
rc=0
HOME="$arbeit/home" "$prefix/bin/velko-rechnen" --pdf "$arbeit/rahmen.pdf" "$daten/beispiele/rahmen.sysdat" \
  >"$arbeit/rahmen.list" 2>"$arbeit/fehler.txt" || rc=$?
[ "$rc" -eq 0 ] || { cat "$arbeit/fehler.txt" >&2; fehler "velko-rechnen endet mit $rc"; }
hinweis="velko-rechnen: keine Pfadeinstellungen in $arbeit/home/.velko, die Kataloge kommen aus '$daten/verwaltung'"
[ "$(grep -c "^velko-rechnen:" "$arbeit/fehler.txt")" -eq 1 ] && grep -qxF "$hinweis" "$arbeit/fehler.txt" ||
  { cat "$arbeit/fehler.txt" >&2; fehler "kein (oder mehr als ein) Hinweis auf die installierten Kataloge"; }
grep -q "Extrema im System" "$arbeit/rahmen.list" || fehler "keine Ergebnisliste"
[ "$(head -c 5 "$arbeit/rahmen.pdf")" = "%PDF-" ] || fehler "rahmen.pdf ist kein PDF"
[ ! -e "$arbeit/home/.velko" ] || fehler "velko-rechnen hat ~/.velko angelegt"

# The window program, its desktop entry and icon come together (or not at
# all, where XForms is missing).
if [ -e "$prefix/bin/velko" ] || [ -e "$prefix/share/applications/velko.desktop" ]; then
  [ -x "$prefix/bin/velko" ] || fehler "bin/velko fehlt"
  desktop-file-validate "$prefix/share/applications/velko.desktop" || fehler "velko.desktop ungültig"
  [ -f "$prefix/share/icons/hicolor/48x48/apps/velko.png" ] || fehler "Programmsymbol fehlt"
fi
# Every picture of the help page is installed with it.
grep -o 'src="[^"]*"' "$daten/hilfe/hilfe.html" | sed 's/^src="//; s/"$//' | while read -r bild; do
  [ -f "$daten/hilfe/$bild" ] || fehler "hilfe.html zeigt $bild, das fehlt"
done
for seite in velko velko-rechnen; do
  warnungen=$(groff -man -ww -z "$prefix/share/man/man1/$seite.1" 2>&1)
  [ -z "$warnungen" ] || fehler "$seite.1: $warnungen"
done
echo "Installation: ok ($prefix)"
