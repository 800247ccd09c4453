#!/usr/bin/env bash
# Screenshot of the envelope for the README: the portal frame example with
# three combinations (dead load alone, with wind from the left, with wind
# from the right), "Berechnen / Umhüllende aller Kombinationen", the moment
# envelope with its labels.  Runs the program under an Xvfb of its own;
# writes doc/zeichenflaeche_umhuellende.png.
#
#   scripts/readme_bilder_umhuellende.sh [build directory]   (default: build)
set -euo pipefail
quellen=$(cd "$(dirname "$0")/.." && pwd)
velko=$(realpath "${1:-$quellen/build}/velko")
ziel="$quellen/doc"
mkdir -p "$ziel"

source "$quellen/tests/gui/gui_hilfe.sh"
set +u
gui_start "$velko"
gui_installieren
beispiel="$HOME/Velko/projekte/beispiele/rahmen.sysdat"
datei="$HOME/Velko/projekte/kombinationen.sysdat"
# The example ends with its number of combinations, 0: three take its place.
{ head -c -3 "$beispiel"
  printf '3\n\n1\nEigengewicht\n1\n10000001 1.350000\n'
  printf '2\nWind_von_links\n2\n10000001 1.350000\n10000002 1.500000\n'
  printf '3\nWind_von_rechts\n2\n10000001 1.000000\n10000002 -1.500000\n\n'; } >"$datei"
system_starten "$datei"
POPUP_EINTRAEGE=4 menue_waehlen "$haupt" Berechnen 3   # Berechnen / Umhüllende aller Kombinationen
warten_bis 20 meldung_enthalten "aller Kombinationen berechnet" || gui_fehler "Umhüllende endet nicht"

fenster_geometrie "$haupt"
warten_bis 10 leinwand_lage || gui_fehler "Zeichenfläche nicht gezeichnet"
read -r lx ly lb lh < <(leinwand_lage)
leinwand="${lb}x${lh}+$(( FX + lx ))+$(( FY + ly ))"

# The frame fills the canvas ("Zoom alles"); the moments at a smaller
# scale than usual keep the curves on it.
vorher=$(sichtbare_fenster)
knopf "$haupt" "$HAUPTTITEL" Knopf#1     # "Fenster : Icons"
icons=$(neues_fenster "$vorher") || gui_fehler "Iconleiste erscheint nicht"
knopf "$icons" Icons Knopf#5             # "Zoom alles"
knopf "$haupt" "$HAUPTTITEL" Knopf#1
warten_bis 10 fenster_weg "Velko" || gui_fehler "Iconleiste bleibt offen"
knopf "$haupt" "$HAUPTTITEL" Knopf#2     # "Fenster : Maßstab"
mass=$(fenster_warten "Velko")
eingabe "$mass" Maßstab Eingabe#1 0.6; xdotool key Return
knopf "$haupt" "$HAUPTTITEL" Knopf#2
warten_bis 10 fenster_weg "Velko" || gui_fehler "Maßstab bleibt offen"

# Moment and its envelope with labels; the loads off, so that the curves
# read clearly.
knopf "$haupt" "$HAUPTTITEL" Knopf#4     # "Fenster : Zeichnen"
auswahl=$(fenster_warten "Velko")
for name in Moment "SK beschriften" "Umhüllende" Punktlasten Streckenlasten; do
  knopf "$auswahl" Zeichnen "$name"
done
knopf "$haupt" "$HAUPTTITEL" Knopf#4
warten_bis 10 fenster_weg "Velko" || gui_fehler "Zeichnen bleibt offen"
sleep 0.5   # the last expose
import -window root -crop "$leinwand" +repage "$ziel/zeichenflaeche_umhuellende.png"
echo "$ziel/zeichenflaeche_umhuellende.png"
