#!/usr/bin/env bash
# First run on a fresh home directory: the paths dialog appears, "OK" writes
# ~/.velko with its directories and the start-up goes on to the main window.
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$1"
VELKO_ZIEL="$HOME/Velko" bash "$GUI_QUELLEN/scripts/installieren.sh" "$(dirname "$VELKO")" >/dev/null
[ ! -e "$HOME/.velko" ] || gui_fehler ".velko gibt es schon"

velko_starten "$HOME/Velko/projekte/beispiele/rahmen.sysdat"
dialog=$(fenster_warten "Pfade") || exit 1
fenster_geometrie "$dialog"
[ "$FB" -eq 620 ] || gui_fehler "Erststart-Dialog hat die Breite $FB"
knopf "$dialog" Pfade OK

fenster_warten "$HAUPTTITEL" >/dev/null
warten_bis 10 fenster_weg "Pfade" || gui_fehler "Erststart-Dialog bleibt offen"
[ -f "$HOME/.velko" ] || gui_fehler ".velko fehlt"
erwartet=$(printf '%s\n' "$HOME/Velko" "$HOME/Velko/verwaltung" "$HOME/Velko/projekte" "$HOME/Velko" mozilla gv)
[ "$(cat "$HOME/.velko")" = "$erwartet" ] || gui_fehler ".velko: $(cat "$HOME/.velko")"
for d in "$HOME/Velko/verwaltung" "$HOME/Velko/projekte"; do
  [ -d "$d" ] || gui_fehler "Verzeichnis $d fehlt"
done
[ -f "$HOME/Velko/verwaltung/material.dat" ] || gui_fehler "material.dat fehlt"
# The file named on the command line opens after the first-run set-up too.
warten_bis 10 meldung_enthalten "System geladen !" || gui_fehler "Beispiel nicht geladen"
velko_laeuft || gui_fehler "velko ist beendet"
kill "$VELKO_PID"; wait "$VELKO_PID" 2>/dev/null

# "Abbrechen" ends the program and writes nothing.
export HOME="$GUI_TMP/home2"
mkdir -p "$HOME"
velko_starten
dialog=$(fenster_warten "Pfade") || exit 1
knopf "$dialog" Pfade Abbrechen
warten_bis 10 bash -c "! kill -0 $VELKO_PID" || gui_fehler "Abbrechen beendet das Programm nicht"
wait "$VELKO_PID"; status=$?
[ "$status" -eq 0 ] || gui_fehler "Exit-Status $status nach Abbrechen"
[ ! -e "$HOME/.velko" ] || gui_fehler ".velko trotz Abbrechen geschrieben"
echo "erststart: ok"
