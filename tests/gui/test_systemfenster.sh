#!/usr/bin/env bash
# The windows of a System close with it: after "System schließen" the bar
# and point tables, the results listing and the per-bar results window of
# the example are gone, and the listing of the System that stays open
# survives the closing of another one.  Ending the program with a listing
# open frees it (the sanitizer build checks the exit for leaks).
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$1"
gui_installieren
beispiel="$HOME/Velko/projekte/beispiele/rahmen.sysdat"

starten() {
  system_starten "$beispiel"
  POPUP_EINTRAEGE=4 menue_waehlen "$haupt" Berechnen 1
  warten_bis 20 meldung_ist "-> System nach Theorie I.Ordnung berechnet !" || gui_fehler "nicht berechnet"
}

# "Beenden" (asks nothing: no System has changes); the program ends with 0.
beenden() {
  POPUP_EINTRAEGE=3 menue_waehlen "$haupt" Programm 3
  warten_bis 20 bash -c "! kill -0 $VELKO_PID" || gui_fehler "Programm endet nicht"
  wait "$VELKO_PID"; local status=$?
  VELKO_PID=""
  [ "$status" -eq 0 ] || gui_fehler "Exit-Status $status: $(cat "$GUI_TMP/velko.err")"
}

starten
# The left column marked, its results window opened from the bar menu.
read -r sx sy < <(leinwand_pixel 0 2)
klicken "$haupt" "$sx" "$sy"
pup=$(stabmenue_oeffnen "$haupt" "$sx" "$sy") || exit 1
POPUP_EINTRAEGE=9 popup_eintrag_waehlen "$pup" 4 3
ergebnis=$(fenster_warten "Schnittgrößen / Verschiebungen ...") || exit 1
# Centred on the main window it covers the menu bar: out of the way.
xdotool windowmove --sync "$ergebnis" 0 600
POPUP_EINTRAEGE=2 menue_waehlen "$haupt" Tabellen 1
fenster_warten "Stäbe" >/dev/null || exit 1
POPUP_EINTRAEGE=2 menue_waehlen "$haupt" Tabellen 2
fenster_warten "Punkte" >/dev/null || exit 1
POPUP_EINTRAEGE=3 menue_waehlen "$haupt" Ausgabe 1
fenster_warten "Ergebnisse" >/dev/null || exit 1

untermenue_waehlen "$haupt" Datenbank 4 2 5 5                   # System / System schließen
warten_bis 10 meldung_ist "System und Belastung gelöscht " || gui_fehler "nicht geschlossen: $(letzte_meldung)"
for titel in "Stäbe" "Punkte" "Ergebnisse" "Schnittgrößen / Verschiebungen ..."; do
  warten_bis 10 fenster_weg "$titel" || gui_fehler "'$titel' bleibt nach dem Schließen des Systems offen"
done
velko_laeuft || gui_fehler "velko ist beendet: $(cat "$GUI_TMP/velko.err")"
beenden

# Another System comes and goes: the example's listing stays, and it is
# still open when the program ends.
starten
POPUP_EINTRAEGE=3 menue_waehlen "$haupt" Ausgabe 1
fenster_warten "Ergebnisse" >/dev/null || exit 1
untermenue_waehlen "$haupt" Datenbank 4 2 5 1                   # System / neues System
warten_bis 10 meldung_ist "System erzeugt." || gui_fehler "kein neues System: $(letzte_meldung)"
untermenue_waehlen "$haupt" Datenbank 4 2 5 5                   # System / System schließen
warten_bis 10 meldung_ist "System und Belastung gelöscht " || gui_fehler "nicht geschlossen: $(letzte_meldung)"
fenster_da "Ergebnisse" || gui_fehler "die Ergebnisse des Beispiels sind mit dem anderen System verschwunden"
beenden
echo "systemfenster: ok"
