#!/usr/bin/env bash
# A long session as a user would have it, for the sanitizer build: every
# example is opened and computed; the tables, the results listing with its
# print dialog, the export dialog, every dialog of the bar menu and of the
# menus, and the tool windows are opened and closed; bars are divided and
# deleted; Systems are switched, created and closed (some with their windows
# still open).  Rounds repeat until the time is up; then the program is
# ended through "Beenden" and must exit with 0 and without a report of a
# sanitizer (which the helpers check on every start).
#
#   sitzung.sh <path of velko> [seconds, default 60]
source "$(dirname "$0")/gui_hilfe.sh"
DAUER=${2:-60}
gui_start "$1"
gui_installieren
beispiele="$HOME/Velko/projekte/beispiele"
velko_starten
haupt=$(fenster_warten "$HAUPTTITEL") || exit 1

# ------------------------------------------------------------ helpers

meldungen() { wc -l <"$VELKO_MELDUNGSPROTOKOLL"; }
leinwandzeilen() { grep -c '^leinwand' "$VELKO_GEOMETRIEPROTOKOLL"; }
mehr_als() { [ "$($1)" -gt "$2" ]; }

# schliessen TITEL KNOPF: presses the button of the window until it is gone
# (a window that maps before it takes clicks gets the click again).
schliessen() {
  local titel=$1 knopf_name=$2 id
  id=$(fenster_warten "$titel") || exit 1
  versuch() { knopf "$id" "$titel" "$knopf_name"; warten_bis 2 fenster_weg "$titel"; }
  warten_bis 20 versuch || gui_fehler "'$titel' schließt nicht mit '$knopf_name'"
  velko_laeuft || gui_fehler "velko endet beim Schließen von '$titel'"
}

# An entry of a main-window menu, then its window closed with a button.
menue_dialog() {   # MENUE ANZAHL EINTRAG TITEL KNOPF
  POPUP_EINTRAEGE=$2 menue_waehlen "$haupt" "$1" "$3"
  schliessen "$4" "$5"
}

# The question about unsaved changes, answered with its second button
# ("Schließen" or "Beenden"), when one comes within WARTEN seconds.  It is
# clicked once it stands still (it is placed and sized after it maps) and
# again until it is gone.  False when no question came.
frage_beantworten() {   # WARTEN
  local frage
  warten_bis "$1" fenster_da "Auswahl" || return 1
  frage=$(fenster "Auswahl")
  warten_bis 10 fenster_steht "$frage" || gui_fehler "Frage steht nicht still"
  antworten() {
    velko_laeuft || return 0
    fenster_zu "$frage" && return 0
    klicken "$frage" $(( FB / 2 )) $(( FH - 34 ))
    warten_bis 2 fenster_zu "$frage"
  }
  warten_bis 20 antworten || gui_fehler "Frage bleibt offen"
}

datei_oeffnen() {   # PATH
  local fs n
  n=$(meldungen)
  untermenue_waehlen "$haupt" Datenbank 4 2 5 2                  # System / System öffnen
  fs=$(fenster_warten FileSelector) || exit 1
  fenster_geometrie "$fs"
  klicken "$fs" $(( FB / 2 )) $(( FH - 30 ))                      # the file name input
  xdotool type --delay 2 "$1"
  xdotool key Return
  warten_bis 10 fenster_weg FileSelector || gui_fehler "Dateiauswahl bleibt offen"
  warten_bis 20 meldung_ist "System geladen !" || gui_fehler "$1 nicht geladen: $(letzte_meldung)"
}

# The whole System on the canvas: icon "Alles" of the icon bar.
alles_zeigen() {
  local icons n
  knopf "$haupt" "$HAUPTTITEL" Knopf#1
  icons=$(fenster_warten Velko) || exit 1
  n=$(leinwandzeilen)
  knopf "$icons" Icons Knopf#5
  warten_bis 10 mehr_als leinwandzeilen "$n" || gui_fehler "Zeichenfläche nicht neu gezeichnet"
  knopf "$haupt" "$HAUPTTITEL" Knopf#1
  warten_bis 10 fenster_weg Velko || gui_fehler "Icons bleiben offen"
}

# A quarter along the first bar of a system file (world coordinates; a
# point that stays on a piece when the bar is divided in two): the
# tokens are V, version, id, point count, points (number x y), degree-of-
# freedom count, six tokens each, bar count, then the bar (number, six
# degrees of freedom, its two points).
stabstelle() {
  awk 'BEGIN { RS = "[ \t\r\n]+" } NF { t[++n] = $0 }
       END { i = 4; np = t[i]
             for (k = 0; k < np; k++) { nr = t[++i]; x[nr] = t[++i]; y[nr] = t[++i] }
             i += 1 + 6 * t[i + 1]; i += 1 + 1 + 6
             a = t[++i]; b = t[++i]
             printf "%f %f\n", 0.75 * x[a] + 0.25 * x[b], 0.75 * y[a] + 0.25 * y[b] }' "$1"
}

# The bar menu at (SX, SY) and an entry of it, or of its submenu.
stabmenue() {   # EINTRAG
  local pup
  pup=$(stabmenue_oeffnen "$haupt" "$SX" "$SY") || exit 1
  POPUP_EINTRAEGE=9 popup_eintrag_waehlen "$pup" "$1" 3
}
stab_untermenue() {   # EINTRAG UNTERANZAHL UNTEREINTRAG
  local pup
  pup=$(stabmenue_oeffnen "$haupt" "$SX" "$SY") || exit 1
  popup_untermenue_waehlen "$pup" 9 "$1" "$2" "$3" 3
}

# A run of an example must succeed; after edits (a deleted piece may leave
# a mechanism) it only has to end with one of its messages.
berechnen() {
  POPUP_EINTRAEGE=4 menue_waehlen "$haupt" Berechnen 1
  warten_bis 30 meldung_ist "-> System nach Theorie I.Ordnung berechnet !" ||
    gui_fehler "nicht berechnet: $(letzte_meldung)"
}
lauf_beendet() {
  [ "$(meldungen)" -gt "$1" ] &&
    letzte_meldung | iconv -f ISO-8859-1 -t UTF-8 | grep -qE '^(-> System nach|Fehler beim|es existier|keine St)'
}
berechnen_versuchen() {
  local n
  n=$(meldungen)
  POPUP_EINTRAEGE=4 menue_waehlen "$haupt" Berechnen 1
  warten_bis 30 lauf_beendet "$n" || gui_fehler "Lauf endet nicht: $(letzte_meldung)"
}

# Entry N of the systems choice (ANZAHL entries, oldest first).
system_waehlen() {   # N ANZAHL
  local cx cy cb ch vorher pup hoehe x y
  read -r cx cy cb ch < <(objekt_lage "$HAUPTTITEL" Auswahl#1)
  vorher=$(sichtbare_fenster)
  klicken "$haupt" $(( cx + cb - 10 )) $(( cy + ch / 2 ))
  pup=$(neues_fenster "$vorher") || gui_fehler "Systemauswahl öffnet nicht"
  fenster_geometrie "$pup"
  warten_bis 5 popup_bereit "$pup" || gui_fehler "Systemauswahl zeichnet sich nicht"
  hoehe=$(( (FH - 2 * POPUP_RAND) / $2 ))
  x=$(( FX + FB / 2 )) y=$(( FY + POPUP_RAND + ($1 - 1) * hoehe + hoehe / 2 ))
  xdotool mousemove "$x" "$y"
  warten_bis 5 zeiger_ist "$x" "$y" || gui_fehler "Zeiger nicht auf dem System"
  xdotool click 1
  warten_bis 5 fenster_zu "$pup" || gui_fehler "Systemauswahl bleibt offen"
}

system_schliessen() {
  local n
  n=$(meldungen)
  untermenue_waehlen "$haupt" Datenbank 4 2 5 5                  # System / System schließen
  frage_beantworten 3 || true
  warten_bis 10 meldung_ist "System und Belastung gelöscht " || gui_fehler "nicht geschlossen: $(letzte_meldung)"
}

# Everything once with the current System, whose first bar lies at (WX, WY).
alles_mit_dem_system() {   # WX WY
  alles_zeigen
  read -r SX SY < <(leinwand_pixel "$1" "$2")
  berechnen
  menue_dialog Tabellen 2 1 "Stäbe" "Schließen"
  menue_dialog Tabellen 2 2 "Punkte" "Schließen"
  POPUP_EINTRAEGE=3 menue_waehlen "$haupt" Ausgabe 1
  ergebnisse=$(fenster_warten "Ergebnisse") || exit 1
  knopf "$ergebnisse" Ergebnisse Drucken
  schliessen "Ergebnisse drucken" "Abbrechen"
  schliessen "Ergebnisse" "Schließen"
  # Export to a file without a name: the toolkit's alert, then cancelled.
  POPUP_EINTRAEGE=3 menue_waehlen "$haupt" Ausgabe 3
  export=$(fenster_warten "Exportieren") || exit 1
  knopf "$export" Exportieren "  Datei"
  eingabe "$export" Exportieren Eingabe#2 ""
  knopf "$export" Exportieren OK
  hinweis_bestaetigen
  schliessen "Exportieren" "Abbrechen"

  klicken "$haupt" "$SX" "$SY"                                     # mark the bar
  stabmenue 2; schliessen "Stab" "Abbruch"
  stabmenue 3; schliessen "Material / Querschnitt" "Schließen"
  stabmenue 4; schliessen "Schnittgrößen / Verschiebungen ..." "Schließen"
  stabmenue 5; schliessen "Freiheitsgrade" "Schließen"
  stabmenue 6; schliessen "Belastung editieren" "Schließen"

  menue_dialog Einstellungen 5 1 "Rastereinstellungen" "Schließen"
  menue_dialog Einstellungen 5 2 "Standardwerte Stab erzeugen" "Schließen"
  menue_dialog Einstellungen 5 3 "Pfade" "Schließen"
  menue_dialog Einstellungen 5 5 "Prozessor" "Schließen"
  menue_dialog Datenbank 4 3 "Material" "Schließen"
  menue_dialog Datenbank 4 4 "Querschnitte" "Schließen"
  menue_dialog Programm 3 1 "Info" "Schließen"

  # The tool windows, on and off.
  for k in 1 2 4 5; do
    knopf "$haupt" "$HAUPTTITEL" "Knopf#$k"
    warten_bis 10 fenster_da Velko || gui_fehler "Werkzeugfenster $k erscheint nicht"
    knopf "$haupt" "$HAUPTTITEL" "Knopf#$k"
    warten_bis 10 fenster_weg Velko || gui_fehler "Werkzeugfenster $k bleibt offen"
  done
  knopf "$haupt" "$HAUPTTITEL" Knopf#3
  fenster_warten "Lastfälle" >/dev/null || exit 1
  knopf "$haupt" "$HAUPTTITEL" Knopf#3
  warten_bis 10 fenster_weg "Lastfälle" || gui_fehler "Lastfälle bleibt offen"

  # Edits: the marked bar divided in two, computed, and one piece deleted.
  stab_untermenue 8 3 1                                             # Stab teilen / 2 x
  berechnen_versuchen
  klicken "$haupt" "$SX" "$SY"
  stab_untermenue 9 3 2                                             # Löschen: title, Quittieren
  velko_laeuft || gui_fehler "velko endet nach dem Löschen"
}

# ------------------------------------------------------------ rounds

ende=$(( $(date +%s) + DAUER ))
runde=0
offen=0   # Systems open; one stays from each round into the next
while :; do
  runde=$(( runde + 1 ))
  for datei in "$beispiele"/*.sysdat; do
    datei_oeffnen "$datei"
    offen=$(( offen + 1 ))
    read -r wx wy < <(stabstelle "$datei")
    alles_mit_dem_system "$wx" "$wy"
  done
  # Back to the first System and to the last; a new one comes and goes.
  system_waehlen 1 "$offen"
  berechnen_versuchen
  system_waehlen "$offen" "$offen"
  untermenue_waehlen "$haupt" Datenbank 4 2 5 1                    # System / neues System
  warten_bis 10 meldung_ist "System erzeugt." || gui_fehler "kein neues System"
  system_schliessen
  # The first System closes with its table and listing still open.
  system_waehlen 1 "$offen"
  berechnen_versuchen
  POPUP_EINTRAEGE=2 menue_waehlen "$haupt" Tabellen 1
  fenster_warten "Stäbe" >/dev/null || exit 1
  POPUP_EINTRAEGE=3 menue_waehlen "$haupt" Ausgabe 1
  fenster_warten "Ergebnisse" >/dev/null || exit 1
  system_schliessen
  warten_bis 10 fenster_weg "Stäbe" || gui_fehler "Tabelle bleibt nach dem Schließen offen"
  warten_bis 10 fenster_weg "Ergebnisse" || gui_fehler "Ergebnisse bleiben nach dem Schließen offen"
  offen=$(( offen - 1 ))
  # The others, except one that stays into the next round (or the end).
  while [ "$offen" -gt 1 ]; do system_schliessen; offen=$(( offen - 1 )); done
  echo "Runde $runde fertig ($(meldungen) Meldungen)"
  [ "$(date +%s)" -lt "$ende" ] || break
done

# The end, with a listing open: "Beenden" without saving.
POPUP_EINTRAEGE=3 menue_waehlen "$haupt" Ausgabe 1
fenster_warten "Ergebnisse" >/dev/null || exit 1
POPUP_EINTRAEGE=3 menue_waehlen "$haupt" Programm 3
# One question for each System with changes.
grenze=$(( $(date +%s) + 120 ))
while velko_laeuft && [ "$(date +%s)" -lt "$grenze" ]; do frage_beantworten 1 || true; done
warten_bis 30 bash -c "! kill -0 $VELKO_PID" || gui_fehler "Programm endet nicht"
wait "$VELKO_PID"; status=$?
VELKO_PID=""
[ "$status" -eq 0 ] || gui_fehler "Exit-Status $status"
# Every question was answered without saving.
! meldung_enthalten " geschrieben !" || gui_fehler "die Sitzung hat ein System gesichert"
echo "sitzung: $runde Runden in $DAUER s, ok"
