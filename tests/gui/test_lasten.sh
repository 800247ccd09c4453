#!/usr/bin/env bash
# Load cases and the load editor of a bar: weighting through the shared
# input dialog, a refused load position, a load entered and shown in the
# sketch, and the canvas answering again once the editor is closed.
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$1"
gui_installieren
velko_starten "$HOME/Velko/projekte/beispiele/rahmen.sysdat"
haupt=$(fenster_warten "Velko 1.3.1.") || exit 1
warten_bis 10 meldung_enthalten "System geladen !" || gui_fehler "Beispiel nicht geladen"

klicken "$haupt" 108 60                                # window toggle 3
lf=$(fenster_warten "Lastfälle") || exit 1
klicken "$lf" 195 268                                  # Gewichten
ein=$(fenster_warten "Lastfall gewichten") || exit 1
klicken "$ein" 250 85
xdotool type "1.35"
klicken "$ein" 400 155
warten_bis 5 fenster_weg "Lastfall gewichten" || gui_fehler "Gewichten schließt nicht"
klicken "$lf" 480 296                                  # Schließen
warten_bis 5 fenster_weg "Lastfälle" || gui_fehler "Lastfälle bleibt offen"

# Bar pop-up of the marked left column, entry "Belastung".
stabmenue() {
  local vorher pup hoehe
  vorher=$(sichtbare_fenster)
  xdotool mousemove --window "$haupt" 387 450 mousedown 3
  pup=$(neues_fenster "$vorher") || { xdotool mouseup 3; gui_fehler "kein Stabmenü"; }
  fenster_geometrie "$pup"
  hoehe=$(( (FH - 2 * POPUP_RAND) / 9 ))
  sleep 0.1
  xdotool mousemove $(( FX + FB / 2 )) $(( FY + POPUP_RAND + 5 * hoehe + hoehe / 2 ))
  sleep 0.15
  xdotool mouseup 3
}
klicken "$haupt" 387 450
stabmenue
ed=$(fenster_warten "Belastung editieren") || exit 1

# The sketch (540 x 500 at 380, 240) shows the selected point load in cyan.
skizze_cyan() {
  fenster_geometrie "$ed"
  import -window root -crop 540x500+$(( FX + 380 ))+$(( FY + 240 )) "$GUI_TMP/skizze.png"
  [ "$(convert "$GUI_TMP/skizze.png" -fill black +opaque '#00FFFF' -fill white -opaque '#00FFFF' \
        -format '%[fx:mean>0]' info:)" = 1 ]
}
# The column's load belongs to the second load case ("Wind"), which a click
# adds to the selected ones (a second click takes it out again).  The editor
# may map before it takes clicks: repeat until the sketch shows the load
# (selecting the first load twice changes nothing).
erste_last_zeigen() { klicken "$ed" 450 53; sleep 0.2; klicken "$ed" 700 40; sleep 0.2; skizze_cyan; }
warten_bis 8 erste_last_zeigen || gui_fehler "Skizze zeigt die Last nicht"

eingabe_ersetzen "$ed" 230 344 "9"                     # Position beyond the 4 m bar
klicken "$ed" 100 455                                  # Last eintragen
fenster_warten "Warnung !" >/dev/null || exit 1
klicken "$(fenster "Warnung !")" 360 215
warten_bis 5 fenster_weg "Warnung !" || gui_fehler "Warnung bleibt offen"
eingabe_ersetzen "$ed" 230 344 "1"
klicken "$ed" 100 455
velko_laeuft || gui_fehler "velko ist beendet"

klicken "$ed" 282 725                                  # Schließen
warten_bis 5 fenster_weg "Belastung editieren" || gui_fehler "Editor bleibt offen"
# The canvas has its event handler back: the pop-up opens again.
stabmenue
fenster_warten "Belastung editieren" >/dev/null || exit 1
velko_laeuft || gui_fehler "velko ist beendet"
echo "lasten: ok"
