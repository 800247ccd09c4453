#!/usr/bin/env bash
# "Beenden" with a modified System asks; "Abbruch" keeps the program
# running, "Speichern und Beenden" writes the System and ends the program,
# unless the save fails: then the program keeps running with its changes.
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$1"
gui_installieren
ordner="$HOME/Velko/projekte/kopie"
datei="$ordner/rahmen.sysdat"
mkdir -p "$ordner"
cp "$HOME/Velko/projekte/beispiele/rahmen.sysdat" "$datei"
touch -d '2001-01-01' "$datei"
VELKO_TESTAENDERUNG=1 system_starten "$datei"

# The question, centred on the main window; its buttons by their labels.
antworten() {
  frage=$(fenster_warten "Auswahl") || exit 1
  warten_bis 10 fenster_steht "$frage" || gui_fehler "Frage steht nicht still"
  fenster_geometrie "$frage"
  local fx=$FX fy=$FY fb=$FB fh=$FH
  fenster_geometrie "$haupt"
  local dx=$(( 2 * fx + fb - 2 * FX - FB )) dy=$(( 2 * fy + fh - 2 * FY - FH ))
  [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] || gui_fehler "Frage nicht mittig über dem Hauptfenster ($dx, $dy)"
}

POPUP_EINTRAEGE=3 menue_waehlen "$haupt" Programm 3   # Programm / Beenden
antworten
knopf "$frage" Auswahl Abbruch
warten_bis 10 fenster_weg "Auswahl" || gui_fehler "Frage bleibt offen"
velko_laeuft || gui_fehler "Abbruch hat das Programm beendet"
[ "$(stat -c %Y "$datei")" -lt 1000000000 ] || gui_fehler "Abbruch hat gespeichert"

# "System schließen" asks as well; "Abbruch" keeps the System.
zeilen=$(wc -l <"$VELKO_MELDUNGSPROTOKOLL")
untermenue_waehlen "$haupt" Datenbank 4 2 5 5                 # System / System schließen
antworten
knopf "$frage" Auswahl Abbruch
warten_bis 10 fenster_weg "Auswahl" || gui_fehler "Frage bleibt offen"
[ "$(wc -l <"$VELKO_MELDUNGSPROTOKOLL")" -eq "$zeilen" ] || gui_fehler "System trotz Abbruch geschlossen: $(letzte_meldung)"

# A save that fails (its directory is gone) must not end the program.
mv "$ordner" "$ordner.weg"
POPUP_EINTRAEGE=3 menue_waehlen "$haupt" Programm 3
antworten
knopf "$frage" Auswahl "Speichern und Beenden"
warten_bis 10 meldung_ist "Fehler beim Schreiben !" || gui_fehler "kein Schreibfehler gemeldet: $(letzte_meldung)"
warten_bis 10 fenster_weg "Auswahl" || gui_fehler "Frage bleibt offen"
velko_laeuft || gui_fehler "fehlgeschlagenes Speichern hat das Programm beendet"
mv "$ordner.weg" "$ordner"

POPUP_EINTRAEGE=3 menue_waehlen "$haupt" Programm 3
antworten
knopf "$frage" Auswahl "Speichern und Beenden"
warten_bis 20 bash -c "! kill -0 $VELKO_PID" || gui_fehler "Programm läuft nach Speichern und Beenden weiter"
wait "$VELKO_PID"; status=$?
[ "$status" -eq 0 ] || gui_fehler "Exit-Status $status"
[ "$(stat -c %Y "$datei")" -gt 1000000000 ] || gui_fehler "System nicht gespeichert"
head -n1 "$datei" | grep -qx 'V 1' || gui_fehler "gespeicherte Datei: $(head -n1 "$datei")"
meldung_enthalten "$datei geschrieben !" || gui_fehler "keine Meldung über das Schreiben"
echo "beenden: ok"
