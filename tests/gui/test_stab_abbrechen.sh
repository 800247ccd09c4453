#!/usr/bin/env bash
# Escape while a bar is being drawn: after the first point and with the
# rubber band out, Escape leaves bar drawing, and saving again writes the
# file byte for byte as before (no point, bar or record left behind).
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$1"
gui_installieren
datei="$HOME/Velko/projekte/beispiele/rahmen.sysdat"
velko_starten "$datei"
haupt=$(fenster_warten "Velko 1.3.1.") || exit 1
warten_bis 10 meldung_enthalten "System geladen !" || gui_fehler "Beispiel nicht geladen"

gesichert() { [ "$(grep -c 'rahmen.sysdat geschrieben !' "$VELKO_MELDUNGSPROTOKOLL")" -ge "$1" ]; }
untermenue_waehlen "$haupt" 140 17 4 2 5 3                   # System / System sichern
warten_bis 10 gesichert 1 || gui_fehler "nicht gesichert: $(letzte_meldung)"
cp "$datei" "$GUI_TMP/vorher.sysdat"

# Left of the frame, in free space: the first point is a new one.
xdotool mousemove --window "$haupt" 120 300; sleep 0.2; xdotool key s
warten_bis 5 meldung_ist "Punkt 1 festlegen !" || gui_fehler "kein Beginn: $(letzte_meldung)"
klicken "$haupt" 120 300
warten_bis 5 meldung_ist "Punkt 2 festlegen" || gui_fehler "kein erster Punkt: $(letzte_meldung)"
xdotool mousemove --window "$haupt" 160 380; sleep 0.1
xdotool mousemove --window "$haupt" 180 420; sleep 0.1
xdotool key Escape
warten_bis 5 meldung_ist "Stab erzeugen abgebrochen" || gui_fehler "nicht abgebrochen: $(letzte_meldung)"
# Back in selection mode: a click marks nothing and draws no bar.
klicken "$haupt" 200 450
sleep 0.2
meldung_ist "Stab erzeugen abgebrochen" || gui_fehler "der Klick hat etwas bewirkt: $(letzte_meldung)"

untermenue_waehlen "$haupt" 140 17 4 2 5 3
warten_bis 10 gesichert 2 || gui_fehler "nicht wieder gesichert: $(letzte_meldung)"
cmp -s "$GUI_TMP/vorher.sysdat" "$datei" || gui_fehler "die Datei hat sich geändert: $(diff "$GUI_TMP/vorher.sysdat" "$datei" | head -5)"
velko_laeuft || gui_fehler "velko ist beendet"
echo "stab_abbrechen: ok"
