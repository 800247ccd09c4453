#!/usr/bin/env bash
# The windows of the bar menu that take over the event handler: the
# degree-of-freedom editor and the per-bar results window open on the
# marked column, close again without taking the program down, and leave
# the canvas reacting; the assignment dialog opens and closes.
#
#   test_stabdialoge.sh <path of velko>
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$(realpath "$1")"
gui_installieren
beispiel="$HOME/Velko/projekte/beispiele/rahmen.sysdat"
system_starten "$beispiel"

# The left column at mid-height, and a point beside it.
read -r sx sy < <(leinwand_pixel 0 2)
read -r nx ny < <(leinwand_pixel 0.7 2)

# stabmenue EINTRAG: chooses an entry of the bar menu (nine entries).
stabmenue() {
  local pup
  pup=$(stabmenue_oeffnen "$haupt" "$nx" "$ny") || exit 1
  POPUP_EINTRAEGE=9 popup_eintrag_waehlen "$pup" "$1" 3
}

# oeffnen_schliessen EINTRAG TITEL: opens the window and closes it with its
# button "Schließen"; a window that maps before it takes clicks gets the
# click again until it is gone.
oeffnen_schliessen() {
  stabmenue "$1"
  DIALOG_TITEL=$2
  DIALOG=$(fenster_warten "$2") || exit 1
  schliessen() { knopf "$DIALOG" "$DIALOG_TITEL" "Schließen"; warten_bis 1 fenster_weg "$DIALOG_TITEL"; }
  warten_bis 10 schliessen || gui_fehler "'$2' schließt nicht"
  velko_laeuft || gui_fehler "velko endet beim Schließen von '$2': $(cat "$GUI_TMP/velko.err")"
}

klicken "$haupt" "$sx" "$sy"
oeffnen_schliessen 5 "Freiheitsgrade"
oeffnen_schliessen 4 "Schnittgrößen / Verschiebungen ..."
oeffnen_schliessen 3 "Material / Querschnitt"

# The canvas has its handler back: a click beside the bar unmarks it, and
# button 3 then reports that no bar is marked.
klicken "$haupt" "$nx" "$ny"
read -r wx wy < <(leinwand_pixel 1 2)
klicken "$haupt" "$wx" "$wy" 3
warten_bis 5 meldung_ist "kein Stab markiert !" || gui_fehler "Zeichenfläche reagiert nicht: $(letzte_meldung)"
echo "OK"
