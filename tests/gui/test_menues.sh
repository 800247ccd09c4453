#!/usr/bin/env bash
# Entries of the main window's menus: the second-order analysis computes and
# names the critical load factor, "Prozessor" sets the bar divisions the next run uses,
# a second System opens and closes through the submenu "System" and leaves
# the first one current, "Info" opens and closes, "neues Projekt" creates
# the project directory, "Pfade" saves a changed setting.
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$1"
gui_installieren
system_starten "$HOME/Velko/projekte/beispiele/rahmen.sysdat"

freiheitsgrade() { iconv -f ISO-8859-1 -t UTF-8 "$VELKO_MELDUNGSPROTOKOLL" | sed -n 's/.*Anzahl Freiheitsgrade : \([0-9]*\).*/\1/p' | tail -n1; }
berechnen() {
  local zeilen
  zeilen=$(wc -l <"$VELKO_MELDUNGSPROTOKOLL")
  POPUP_EINTRAEGE=4 menue_waehlen "$haupt" Berechnen 1
  warten_bis 20 meldung_ist "-> System nach Theorie I.Ordnung berechnet !" ||
    gui_fehler "nicht berechnet: $(letzte_meldung)"
  [ "$(wc -l <"$VELKO_MELDUNGSPROTOKOLL")" -gt "$zeilen" ] || gui_fehler "keine neuen Meldungen"
}

# Theorie II. Ordnung: computed, the critical load factor before the last line.
POPUP_EINTRAEGE=4 menue_waehlen "$haupt" Berechnen 2
warten_bis 20 meldung_ist "-> System nach Theorie II.Ordnung berechnet !" ||
  gui_fehler "nicht nach Theorie II. Ordnung berechnet: $(letzte_meldung)"
tail -n2 "$VELKO_MELDUNGSPROTOKOLL" | head -n1 | grep -q '  Verzweigungslastfaktor : 80\.488$' ||
  gui_fehler "kein Verzweigungslastfaktor: $(tail -n2 "$VELKO_MELDUNGSPROTOKOLL")"

berechnen
standard=$(freiheitsgrade)

# Prozessor: ten divisions per bar give more degrees of freedom.
POPUP_EINTRAEGE=5 menue_waehlen "$haupt" Einstellungen 5
prozessor=$(fenster_warten "Prozessor") || exit 1
eingabe "$prozessor" Prozessor Eingabe#1 10
knopf "$prozessor" Prozessor "Schließen"
warten_bis 10 fenster_weg "Prozessor" || gui_fehler "Prozessor bleibt offen"
berechnen
geteilt=$(freiheitsgrade)
[ "$geteilt" -gt "$standard" ] || gui_fehler "Stabteilungen ohne Wirkung: $standard -> $geteilt"

# A second System, then closing it: the example is current again.
untermenue_waehlen "$haupt" Datenbank 4 2 5 1                   # System / neues System
warten_bis 10 meldung_ist "System erzeugt." || gui_fehler "kein neues System: $(letzte_meldung)"
untermenue_waehlen "$haupt" Datenbank 4 2 5 5                   # System / System schließen
warten_bis 10 meldung_ist "System und Belastung gelöscht " || gui_fehler "nicht geschlossen: $(letzte_meldung)"
berechnen
[ "$(freiheitsgrade)" -eq "$geteilt" ] || gui_fehler "nach dem Schließen ist nicht das Beispiel aktuell"

# Info opens and closes.
POPUP_EINTRAEGE=3 menue_waehlen "$haupt" Programm 1
info=$(fenster_warten "Info") || exit 1
knopf "$info" Info "Schließen"
warten_bis 10 fenster_weg "Info" || gui_fehler "Info bleibt offen"

# neues Projekt
POPUP_EINTRAEGE=4 menue_waehlen "$haupt" Datenbank 1
projekt=$(fenster_warten "Projekt erzeugen") || exit 1
eingabe "$projekt" "Projekt erzeugen" Eingabe#1 "brueckenprojekt"
knopf "$projekt" "Projekt erzeugen" OK
warten_bis 10 fenster_weg "Projekt erzeugen" || gui_fehler "Eingabedialog bleibt offen"
[ -d "$HOME/Velko/projekte/brueckenprojekt" ] || gui_fehler "Projektverzeichnis fehlt"
meldung_enthalten "brueckenprojekt" || gui_fehler "keine Meldung zum Projekt"

# Pfade: a changed viewer is saved in .velko, the other settings stay.
vorher=$(head -n5 "$HOME/.velko")
POPUP_EINTRAEGE=5 menue_waehlen "$haupt" Einstellungen 3
pfade=$(fenster_warten "Pfade") || exit 1
eingabe "$pfade" Pfade Eingabe#6 "evince"
knopf "$pfade" Pfade Sichern
warten_bis 10 meldung_ist "Pfade geschrieben und Verzeichnisse erstellt" || gui_fehler "Pfade: $(letzte_meldung)"
[ "$(sed -n 6p "$HOME/.velko")" = "evince" ] || gui_fehler ".velko: $(cat "$HOME/.velko")"
[ "$(head -n5 "$HOME/.velko")" = "$vorher" ] || gui_fehler "andere Pfade verändert: $(cat "$HOME/.velko")"
knopf "$pfade" Pfade "Schließen"
warten_bis 10 fenster_weg "Pfade" || gui_fehler "Pfade bleibt offen"

velko_laeuft || gui_fehler "velko ist beendet"
echo "menues: ok"
