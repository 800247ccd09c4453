#!/usr/bin/env bash
# The moment diagram on the canvas: opens the portal frame example,
# computes it, switches "Moment" on in the drawing selection and looks for
# the "Moment" colour (red) on the canvas beside both columns, where their
# moment ordinates lie; switching it off again must take the red away.
#
#   zeichnen_moment.sh <path of velko>
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$(realpath "$1")"
gui_installieren
beispiel="$HOME/Velko/projekte/beispiele/rahmen.sysdat"
[ -s "$beispiel" ] || gui_fehler "Beispiel fehlt: $beispiel"
system_starten "$beispiel"

# ---------------------------------------------------------------- the view
# Where the program put the canvas and how it maps the world onto it.
leinwand_vermessen
# The columns stand at world x = 0 and x = 6 (from y = 0 to 4); their
# moment ordinates at mid-height (y = 2) lie beside them.
read -r links zeile < <(leinwand_pixel 0 2)
read -r rechts _ < <(leinwand_pixel 6 2)
stuetze_links=$(( links - lx )); stuetze_rechts=$(( rechts - lx )); zeile=$(( zeile - ly ))

# rote_spalten: canvas columns (relative) of pure red pixels in that row.
rote_spalten() { rote_spalten_in "$breite" 1 "$leinwand_x" $(( leinwand_y + zeile )); }
# Red more than 3 pixels beside each column, within half the frame's
# width of it: the diagram, not a bar.
diagramm_rot() {
  rote_spalten | awk -v l="$stuetze_links" -v r="$stuetze_rechts" '
    function abs(v) { return v < 0 ? -v : v }
    { if (abs($1 - l) > 3 && abs($1 - l) < (r - l) / 2) nl++
      if (abs($1 - r) > 3 && abs($1 - r) < (r - l) / 2) nr++ }
    END { exit !(nl > 0 && nr > 0) }'
}
kein_rot() { [ -z "$(rote_spalten)" ]; }

# ---------------------------------------------------------------- compute
POPUP_EINTRAEGE=4
menue_waehlen "$haupt" Berechnen 1
warten_bis 20 meldung_enthalten "Rechenzeit" || gui_fehler "Berechnung endet nicht"
warten_bis 5 kein_rot || gui_fehler "rot auf der Zeichenfläche, bevor das Moment eingeschaltet ist"

# ---------------------------------------------------------------- switch on "Moment"
# The drawing selection stands over the canvas; it is closed again (its
# toggle released) before the canvas is looked at.
moment_umschalten() {
  knopf "$haupt" "$HAUPTTITEL" Knopf#4     # fourth window toggle: "Fenster : Zeichnen"
  auswahl=$(fenster_warten "Velko")
  knopf "$auswahl" Zeichnen Moment
  knopf "$haupt" "$HAUPTTITEL" Knopf#4
  warten_bis 10 fenster_weg "Velko" || gui_fehler "Zeichnen bleibt offen"
}
moment_umschalten
warten_bis 10 diagramm_rot || gui_fehler "kein Momentenverlauf neben den Stützen (Zeile $zeile, Stützen bei $stuetze_links und $stuetze_rechts)"

# ... and off again: the canvas is redrawn without it.
moment_umschalten
warten_bis 10 kein_rot || gui_fehler "Momentenverlauf bleibt nach dem Ausschalten"
velko_laeuft || gui_fehler "velko ist beendet"
echo "ok"
