#!/usr/bin/env bash
# First start of the installed program on a fresh home directory.  The
# prefix is moved after installing: the program finds its data from its own
# place.  The paths dialog proposes that installation, "OK" writes ~/.velko
# with its directories, copies catalogues and examples, and the start-up
# goes on to the main window (with its icons) and the example named on the
# command line.
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$1"
gui_prefix_installieren "$GUI_TMP/installiert"
prefix="$GUI_TMP/verschoben"
mv "$GUI_TMP/installiert" "$prefix"
VELKO="$prefix/bin/velko"
[ ! -e "$HOME/.velko" ] || gui_fehler ".velko gibt es schon"

velko_starten "$prefix/share/velko/beispiele/rahmen.sysdat"
dialog=$(fenster_warten "Pfade") || exit 1
fenster_geometrie "$dialog"
[ "$FB" -eq 620 ] || gui_fehler "Erststart-Dialog hat die Breite $FB"
knopf "$dialog" Pfade OK

haupt=$(fenster_warten "$HAUPTTITEL") || exit 1
warten_bis 10 fenster_weg "Pfade" || gui_fehler "Erststart-Dialog bleibt offen"
[ -f "$HOME/.velko" ] || gui_fehler ".velko fehlt"
browser=xdg-open
for b in xdg-open sensible-browser x-www-browser; do
  if command -v "$b" >/dev/null; then browser=$b; break; fi
done
erwartet=$(printf '%s\n' "$prefix/share/velko" "$HOME/Velko/verwaltung" "$HOME/Velko/projekte" "$HOME/Velko" \
  "$browser" gv)
[ "$(cat "$HOME/.velko")" = "$erwartet" ] || gui_fehler ".velko: $(cat "$HOME/.velko")"
for f in verwaltung/material.dat verwaltung/querschnitte.dat verwaltung/standard.col \
         projekte/beispiele/rahmen.sysdat projekte/beispiele/rahmen.massdat; do
  [ -f "$HOME/Velko/$f" ] || gui_fehler "$f fehlt"
done
# The file named on the command line opens after the first-run set-up too.
warten_bis 10 meldung_enthalten "System geladen !" || gui_fehler "Beispiel nicht geladen"
# The window toggles show the installed icons, not their stand-in numbers.
fenster_geometrie "$haupt"
read -r kx ky _ kh < <(objekt_lage "$HAUPTTITEL" Knopf#1)
read -r lx _ lb _ < <(objekt_lage "$HAUPTTITEL" Knopf#5)
import -window root "$GUI_TMP/bild.png"
farben=$(convert "$GUI_TMP/bild.png" -crop "$(( lx + lb - kx ))x$kh+$(( FX + kx ))+$(( FY + ky ))" +repage -format %k info:)
[ "$farben" -gt 10 ] || gui_fehler "Fensterknöpfe ohne Symbole ($farben Farben)"
velko_laeuft || gui_fehler "velko ist beendet"
kill "$VELKO_PID"; wait "$VELKO_PID" 2>/dev/null

# "Abbrechen" ends the program and writes nothing.
export HOME="$GUI_TMP/home2"
mkdir -p "$HOME"
velko_starten
dialog=$(fenster_warten "Pfade") || exit 1
knopf "$dialog" Pfade Abbrechen
warten_bis 10 bash -c "! kill -0 $VELKO_PID" || gui_fehler "Abbrechen beendet das Programm nicht"
wait "$VELKO_PID"; status=$?
[ "$status" -eq 0 ] || gui_fehler "Exit-Status $status nach Abbrechen"
[ ! -e "$HOME/.velko" ] || gui_fehler ".velko trotz Abbrechen geschrieben"
echo "erststart: ok"
