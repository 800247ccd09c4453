#!/usr/bin/env bash
# An example opened from the command line is computed from the menu
# "Berechnen"; the message list ends with the success line.
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$1"
gui_installieren
system_starten "$HOME/Velko/projekte/beispiele/rahmen.sysdat"

POPUP_EINTRAEGE=4 menue_waehlen "$haupt" Berechnen 1   # Berechnen / Theorie I. Ordnung
warten_bis 20 meldung_ist "-> System nach Theorie I.Ordnung berechnet !" ||
  gui_fehler "letzte Meldung: $(letzte_meldung)"
for zeile in "Kernmodell erstellt ..." "Gleichungssystem gelöst ... " "Nachlaufrechnung durchgeführt ... "; do
  meldung_enthalten "$zeile" || gui_fehler "Meldung fehlt: $zeile"
done
# Lines are numbered from 0, right-aligned in four characters and two blanks.
head -n1 "$VELKO_MELDUNGSPROTOKOLL" | grep -qx '   0  System erzeugt.' || gui_fehler "erste Zeile: $(head -n1 "$VELKO_MELDUNGSPROTOKOLL")"
velko_laeuft || gui_fehler "velko ist beendet"
echo "berechnen: ok"
