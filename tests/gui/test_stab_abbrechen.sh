#!/usr/bin/env bash
# Escape while a bar is being drawn: after the first point and with the
# rubber band out, Escape leaves bar drawing, and saving again writes the
# file byte for byte as before (no point, bar or record left behind).
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$1"
gui_installieren
datei="$HOME/Velko/projekte/beispiele/rahmen.sysdat"
system_starten "$datei"

gesichert() { [ "$(grep -c 'rahmen.sysdat geschrieben !' "$VELKO_MELDUNGSPROTOKOLL")" -ge "$1" ]; }
untermenue_waehlen "$haupt" Datenbank 4 2 5 3                # System / System sichern
warten_bis 10 gesichert 1 || gui_fehler "nicht gesichert: $(letzte_meldung)"
cp "$datei" "$GUI_TMP/vorher.sysdat"

# Left of the frame (x = 0 to 6 m), in free space: the first point is a new one.
zeiger_auf "$haupt" $(leinwand_pixel -3 3)
xdotool key s
warten_bis 5 meldung_ist "Punkt 1 festlegen !" || gui_fehler "kein Beginn: $(letzte_meldung)"
klicken "$haupt" $(leinwand_pixel -3 3)
warten_bis 5 meldung_ist "Punkt 2 festlegen" || gui_fehler "kein erster Punkt: $(letzte_meldung)"
zeiger_auf "$haupt" $(leinwand_pixel -2.5 2)
zeiger_auf "$haupt" $(leinwand_pixel -2 1)
xdotool key Escape
warten_bis 5 meldung_ist "Stab erzeugen abgebrochen" || gui_fehler "nicht abgebrochen: $(letzte_meldung)"
# Back in selection mode: a click marks nothing and draws no bar, so the
# next message is the one of saving.
klicken "$haupt" $(leinwand_pixel -1.5 0.5)

untermenue_waehlen "$haupt" Datenbank 4 2 5 3
warten_bis 10 gesichert 2 || gui_fehler "nicht wieder gesichert: $(letzte_meldung)"
[ "$(tail -n2 "$VELKO_MELDUNGSPROTOKOLL" | head -n1 | sed 's/^ *[0-9-]*  //')" = "Stab erzeugen abgebrochen" ] ||
  gui_fehler "der Klick hat etwas bewirkt: $(tail -n3 "$VELKO_MELDUNGSPROTOKOLL")"
cmp -s "$GUI_TMP/vorher.sysdat" "$datei" || gui_fehler "die Datei hat sich geändert: $(diff "$GUI_TMP/vorher.sysdat" "$datei" | head -5)"
velko_laeuft || gui_fehler "velko ist beendet"
echo "stab_abbrechen: ok"
