#!/usr/bin/env bash
# The results window of a computed example and its print dialog: a print
# command that cannot be started is reported, and saving to a file writes
# the listing byte for byte (umlauts and line ends included).
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$1"
gui_installieren
system_starten "$HOME/Velko/projekte/beispiele/rahmen.sysdat"
POPUP_EINTRAEGE=4 menue_waehlen "$haupt" Berechnen 1   # Berechnen / Theorie I. Ordnung
warten_bis 20 meldung_ist "-> System nach Theorie I.Ordnung berechnet !" || gui_fehler "nicht berechnet"

POPUP_EINTRAEGE=3 menue_waehlen "$haupt" Ausgabe 1   # Ausgabe / Bildschirm, alle Stäbe
ergebnisse=$(fenster_warten "Ergebnisse") || exit 1

# A print command that does not exist: the program itself says so.
knopf "$ergebnisse" Ergebnisse Drucken
druck=$(fenster_warten "Ergebnisse drucken") || exit 1
eingabe "$druck" "Ergebnisse drucken" Eingabe#1 "velko-drucker-gibt-es-nicht -x"
knopf "$druck" "Ergebnisse drucken" Drucken
fenster_warten "Hinweis" >/dev/null || exit 1
meldung_ist "Drucke ..." || gui_fehler "letzte Meldung: $(letzte_meldung)"
hinweis_bestaetigen
warten_bis 10 fenster_weg "Ergebnisse drucken" || gui_fehler "Druckdialog bleibt offen"
velko_laeuft || gui_fehler "velko ist beendet"

# Saving to a file keeps the listing exactly as written.
liste="$HOME/rahmen.list"
knopf "$ergebnisse" Ergebnisse Drucken
druck=$(fenster_warten "Ergebnisse drucken") || exit 1
knopf "$druck" "Ergebnisse drucken" Datei
eingabe "$druck" "Ergebnisse drucken" Eingabe#2 "$liste"
knopf "$druck" "Ergebnisse drucken" Drucken
warten_bis 10 meldung_ist "Datei $liste geschrieben " || gui_fehler "letzte Meldung: $(letzte_meldung)"
[ -s "$liste" ] || gui_fehler "Liste nicht geschrieben"
grep -q "$(printf 'L\344nge')" "$liste" || gui_fehler "Umlaute der Liste verloren"
grep -q "$(printf '\r')" "$liste" || gui_fehler "Zeilenenden der Liste verloren"
cmp -s "$liste" "$HOME/Velko/tmp_datei" || gui_fehler "gespeicherte Liste weicht von der angezeigten ab"
velko_laeuft || gui_fehler "velko ist beendet"
echo "ergebnisse: ok"
