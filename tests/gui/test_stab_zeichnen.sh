#!/usr/bin/env bash
# Drawing bars on the canvas: the S key starts a bar, a click fixes the
# first point, a second click the end; the same first point twice is
# refused.  The K key opens "Punkt erzeugen", where "r" makes the typed
# coordinates relative to the first point.  The tables open and close.
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$1"
gui_installieren
system_starten "$HOME/Velko/projekte/beispiele/rahmen.sysdat"

# taste WX WY KEY: a key with the pointer over the world point (keys go to
# the window under the pointer).
taste() { zeiger_auf "$haupt" $(leinwand_pixel "$1" "$2"); xdotool key "$3"; }
# punkt WX WY: a click on the world point.
punkt() { klicken "$haupt" $(leinwand_pixel "$1" "$2"); }

# Left of the frame, where the assignment dialog of a new bar does not
# cover the canvas.
taste -4 1 s
warten_bis 5 meldung_ist "Punkt 1 festlegen !" || gui_fehler "kein Beginn: $(letzte_meldung)"
punkt -4 1
warten_bis 5 meldung_ist "Punkt 2 festlegen" || gui_fehler "kein erster Punkt: $(letzte_meldung)"
punkt -4 1
warten_bis 5 meldung_ist "Punkt 2 erneut festlegen" || gui_fehler "gleicher Punkt angenommen: $(letzte_meldung)"
punkt -3 -1
warten_bis 5 meldung_ist "ok" || gui_fehler "kein Stab: $(letzte_meldung)"

taste -4 -2 s
warten_bis 5 meldung_ist "Punkt 1 festlegen !" || gui_fehler "kein zweiter Beginn: $(letzte_meldung)"
punkt -4 -2
warten_bis 5 meldung_ist "Punkt 2 festlegen" || gui_fehler "kein erster Punkt: $(letzte_meldung)"
taste -4 -2 k
pd=$(fenster_warten "Punkt erzeugen") || exit 1
eingabe "$pd" "Punkt erzeugen" "Punkt Nr." r
eingabe "$pd" "Punkt erzeugen" X 2
eingabe "$pd" "Punkt erzeugen" Y 0
knopf "$pd" "Punkt erzeugen" "Punkt erzeugen"
warten_bis 5 fenster_weg "Punkt erzeugen" || gui_fehler "Punktdialog bleibt offen"
warten_bis 5 meldung_ist "ok" || gui_fehler "kein Stab aus dem Punktdialog: $(letzte_meldung)"

for eintrag in 1 2; do
  POPUP_EINTRAEGE=2 menue_waehlen "$haupt" Tabellen "$eintrag"
  titel=$([ "$eintrag" = 1 ] && echo "Stäbe" || echo "Punkte")
  tabelle=$(fenster_warten "$titel") || exit 1
  knopf "$tabelle" "$titel" "Schließen"
  warten_bis 5 fenster_weg "$titel" || gui_fehler "$titel bleibt offen"
done
velko_laeuft || gui_fehler "velko ist beendet"
