#!/usr/bin/env bash
# Drawing bars on the canvas: the S key starts a bar, a click fixes the
# first point, a second click the end; the same first point twice is
# refused.  The K key opens "Punkt erzeugen", where "r" makes the typed
# coordinates relative to the first point.  The tables open and close.
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$1"
gui_installieren
velko_starten "$HOME/Velko/projekte/beispiele/rahmen.sysdat"
haupt=$(fenster_warten "$HAUPTTITEL") || exit 1
warten_bis 10 meldung_enthalten "System geladen !" || gui_fehler "Beispiel nicht geladen"

# Left of the middle, where the assignment dialog of a new bar does not cover the canvas.
xdotool mousemove --window "$haupt" 120 300; sleep 0.2; xdotool key s
warten_bis 5 meldung_ist "Punkt 1 festlegen !" || gui_fehler "kein Beginn: $(letzte_meldung)"
klicken "$haupt" 120 300
warten_bis 5 meldung_ist "Punkt 2 festlegen" || gui_fehler "kein erster Punkt: $(letzte_meldung)"
klicken "$haupt" 120 300
warten_bis 5 meldung_ist "Punkt 2 erneut festlegen" || gui_fehler "gleicher Punkt angenommen: $(letzte_meldung)"
xdotool mousemove --window "$haupt" 150 400; sleep 0.1
klicken "$haupt" 180 500
warten_bis 5 meldung_ist "ok" || gui_fehler "kein Stab: $(letzte_meldung)"

xdotool mousemove --window "$haupt" 100 650; sleep 0.2; xdotool key s
warten_bis 5 meldung_ist "Punkt 1 festlegen !" || gui_fehler "kein zweiter Beginn: $(letzte_meldung)"
klicken "$haupt" 100 650
warten_bis 5 meldung_ist "Punkt 2 festlegen" || gui_fehler "kein erster Punkt: $(letzte_meldung)"
xdotool mousemove --window "$haupt" 110 640; sleep 0.2; xdotool key k
pd=$(fenster_warten "Punkt erzeugen") || exit 1
eingabe_ersetzen "$pd" 125 25 r
eingabe_ersetzen "$pd" 225 25 2
eingabe_ersetzen "$pd" 325 25 0
klicken "$pd" 110 77
warten_bis 5 fenster_weg "Punkt erzeugen" || gui_fehler "Punktdialog bleibt offen"
warten_bis 5 meldung_ist "ok" || gui_fehler "kein Stab aus dem Punktdialog: $(letzte_meldung)"

for eintrag in 1 2; do
  POPUP_EINTRAEGE=2 menue_waehlen "$haupt" 335 17 "$eintrag"
  titel=$([ "$eintrag" = 1 ] && echo "Stäbe" || echo "Punkte")
  tabelle=$(fenster_warten "$titel") || exit 1
  if [ "$eintrag" = 1 ]; then klicken "$tabelle" 680 557; else klicken "$tabelle" 185 457; fi   # Schließen
  warten_bis 5 fenster_weg "$titel" || gui_fehler "$titel bleibt offen"
done
velko_laeuft || gui_fehler "velko ist beendet"
