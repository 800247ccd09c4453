#!/usr/bin/env bash
# The envelope of all combinations on the canvas: the portal frame with two
# combinations, wind from the left and from the right, computed through
# "Berechnen / Umhüllende aller Kombinationen"; with "Moment" and
# "Umhüllende" switched on, the maximum and the minimum curve lie on both
# sides of the left column in the "Moment" colour (red).
#
#   test_umhuellende.sh <path of velko>
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$(realpath "$1")"
gui_installieren
beispiel="$HOME/Velko/projekte/beispiele/rahmen.sysdat"
[ -s "$beispiel" ] || gui_fehler "Beispiel fehlt: $beispiel"
# The example ends with its number of combinations, 0: two take its place.
datei="$HOME/Velko/projekte/wind.sysdat"
tail -c 3 "$beispiel" | od -c | grep -q '0  \\n  \\n' || gui_fehler "Beispiel endet nicht mit 0 Kombinationen"
{ head -c -3 "$beispiel"
  printf '2\n\n1\nWind_von_links\n1\n10000002 1.000000\n2\nWind_von_rechts\n1\n10000002 -1.000000\n\n'; } >"$datei"
system_starten "$datei"
leinwand_vermessen
# The left column stands at x = 0 from y = 0 to 4; near its foot, where the
# wind moments are largest, the curves lie on either side of it.
read -r stuetze oben < <(leinwand_pixel 0 1.2)
read -r rechts unten < <(leinwand_pixel 3 0.2)
stuetze=$(( stuetze - lx )); oben=$(( oben - ly )); unten=$(( unten - ly )); rechts=$(( rechts - lx ))

# Red pixels of the band beside the column: their columns (relative).
rote_spalten() { rote_spalten_in "$breite" $(( unten - oben )) "$leinwand_x" $(( leinwand_y + oben )); }
beide_seiten_rot() {
  rote_spalten | awk -v s="$stuetze" -v r="$rechts" '
    { if ($1 < s - 3 && $1 > s - (r - s)) links++
      if ($1 > s + 3 && $1 < r) rechts_++ }
    END { exit !(links > 0 && rechts_ > 0) }'
}
kein_rot() { [ -z "$(rote_spalten)" ]; }

POPUP_EINTRAEGE=4 menue_waehlen "$haupt" Berechnen 3   # Berechnen / Umhüllende aller Kombinationen
warten_bis 20 meldung_enthalten "Umhüllende aller Kombinationen berechnet" || gui_fehler "Umhüllende endet nicht"
meldung_enthalten "Kombination 2 (Wind_von_rechts)" || meldung_enthalten "Kombination 2 (Wind von rechts)" \
  || gui_fehler "keine Zeile für Kombination 2"

schalten() {
  knopf "$haupt" "$HAUPTTITEL" Knopf#4     # "Fenster : Zeichnen"
  auswahl=$(fenster_warten "Velko")
  for name in "$@"; do knopf "$auswahl" Zeichnen "$name"; done
  knopf "$haupt" "$HAUPTTITEL" Knopf#4
  warten_bis 10 fenster_weg "Velko" || gui_fehler "Zeichnen bleibt offen"
}
# "Moment" alone shows nothing: there are no results of a single run.
schalten Moment
warten_bis 5 kein_rot || gui_fehler "Moment ohne Ergebnisse gezeichnet"
schalten "Umhüllende"
warten_bis 10 beide_seiten_rot || gui_fehler "keine Kurven auf beiden Seiten der Stütze (Spalte $stuetze, Zeilen $oben bis $unten)"
velko_laeuft || gui_fehler "velko ist beendet"
echo "ok"
