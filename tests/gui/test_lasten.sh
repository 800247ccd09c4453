#!/usr/bin/env bash
# Load cases and the load editor of a bar: weighting through the shared
# input dialog, a refused load position, a load entered and shown in the
# sketch, and the canvas answering again once the editor is closed.
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$1"
gui_installieren
system_starten "$HOME/Velko/projekte/beispiele/rahmen.sysdat"

knopf "$haupt" "$HAUPTTITEL" Knopf#3                   # window toggle 3
lf=$(fenster_warten "Lastfälle") || exit 1
knopf "$lf" "Lastfälle" Gewichten
ein=$(fenster_warten "Lastfall gewichten") || exit 1
eingabe "$ein" "Lastfall gewichten" Eingabe#1 "1.35"
knopf "$ein" "Lastfall gewichten" OK
warten_bis 5 fenster_weg "Lastfall gewichten" || gui_fehler "Gewichten schließt nicht"
knopf "$lf" "Lastfälle" "Schließen"
warten_bis 5 fenster_weg "Lastfälle" || gui_fehler "Lastfälle bleibt offen"

# The left column of the frame, at mid-height.
read -r sx sy < <(leinwand_pixel 0 2)
# Bar pop-up of the marked left column (nine entries), entry "Belastung".
stabmenue() {
  local pup
  pup=$(stabmenue_oeffnen "$haupt" "$sx" "$sy") || exit 1
  POPUP_EINTRAEGE=9 popup_eintrag_waehlen "$pup" 6 3
}
klicken "$haupt" "$sx" "$sy"
stabmenue
ed=$(fenster_warten "Belastung editieren") || exit 1
# Centred on the main window once it is mapped: the pictures below must
# not be taken at its first place.
warten_bis 10 fenster_steht "$ed" || gui_fehler "Lasteditor steht nicht still"

# The sketch shows the selected point load in cyan.
skizze_cyan() {
  local x y b h
  read -r x y b h < <(objekt_lage "Belastung editieren" Zeichenfenster) || return 1
  fenster_geometrie "$ed"
  import -window root -crop "${b}x${h}+$(( FX + x ))+$(( FY + y ))" "$GUI_TMP/skizze.png"
  [ "$(convert "$GUI_TMP/skizze.png" -fill black +opaque '#00FFFF' -fill white -opaque '#00FFFF' \
        -format '%[fx:mean>0]' info:)" = 1 ]
}
# The column's load belongs to the second load case ("Wind"); the first is
# selected when the editor opens, drawn yellow, which tells where the lines
# of the lists lie.
read -r fx fy fb fh < <(objekt_lage "Belastung editieren" Lastfälle)
read -r lx ly lb lh < <(objekt_lage "Belastung editieren" Lasten)
gelbe_zeilen() {   # "first last" pixel rows of yellow in the list of load cases
  fenster_geometrie "$ed"
  import -window root "$GUI_TMP/bild.png" 2>/dev/null || return 1
  convert "$GUI_TMP/bild.png" -crop "${fb}x${fh}+$(( FX + fx ))+$(( FY + fy ))" +repage txt:- |
    awk -F'[,:]' '/#FFFF00/ { if (a == "" || $2 < a) a = $2; if ($2 > e) e = $2 }
                  END { if (a == "") exit 1; print a, e }'
}
warten_bis 5 gelbe_zeilen || gui_fehler "kein Lastfall gewählt"
read -r oben unten < <(gelbe_zeilen)
zeile=$(( unten - oben + 1 ))
# A click adds "Wind" to the selected load cases (a second click would take
# it out again): click until it is drawn selected, the editor may map
# before it takes clicks.  A line drawn selected must list its loads, also
# when the press and the release came together while the editor was busy.
wind_gewaehlt() { local u; u=$(gelbe_zeilen | cut -d' ' -f2) && [ "$u" -ge $(( unten + zeile - 2 )) ]; }
wind_klicken() { klicken "$ed" $(( fx + fb / 2 )) $(( fy + oben + zeile + zeile / 2 )); }
wind_waehlen() { wind_gewaehlt || { wind_klicken; warten_bis 3 wind_gewaehlt; }; }
# The list of loads shows text (dark pixels inside its frame).
lasten_gelistet() {
  fenster_geometrie "$ed"
  import -window root "$GUI_TMP/bild.png" 2>/dev/null || return 1
  [ "$(convert "$GUI_TMP/bild.png" -crop "$(( lb - 10 ))x$(( lh - 10 ))+$(( FX + lx + 5 ))+$(( FY + ly + 5 ))" \
        +repage -format '%[fx:minima.intensity<0.5]' info:)" = 1 ]
}
warten_bis 20 wind_waehlen || gui_fehler "Lastfall Wind nicht gewählt"
warten_bis 10 lasten_gelistet || gui_fehler "Lastfall Wind gewählt, seine Lasten nicht gelistet"
# Then the first load of the list until the sketch shows it (selecting it
# twice changes nothing).
erste_last_zeigen() { klicken "$ed" $(( lx + lb / 2 )) $(( ly + oben + zeile / 2 )); warten_bis 3 skizze_cyan; }
warten_bis 15 erste_last_zeigen || gui_fehler "Skizze zeigt die Last nicht"

eingabe "$ed" "Belastung editieren" Position "9"          # beyond the 4 m bar
knopf "$ed" "Belastung editieren" "Last eintragen"
warnung=$(fenster_warten "Warnung !") || exit 1
knopf "$warnung" "Warnung !" OK
warten_bis 5 fenster_weg "Warnung !" || gui_fehler "Warnung bleibt offen"
eingabe "$ed" "Belastung editieren" Position "1"
knopf "$ed" "Belastung editieren" "Last eintragen"
velko_laeuft || gui_fehler "velko ist beendet"

knopf "$ed" "Belastung editieren" "Schließen"
warten_bis 5 fenster_weg "Belastung editieren" || gui_fehler "Editor bleibt offen"
# The canvas has its event handler back: the pop-up opens again.
stabmenue
fenster_warten "Belastung editieren" >/dev/null || exit 1
velko_laeuft || gui_fehler "velko ist beendet"
echo "lasten: ok"
