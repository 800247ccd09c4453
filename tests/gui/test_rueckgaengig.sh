#!/usr/bin/env bash
# Undo and redo in the window: an example opened, a bar deleted through the
# bar menu and a point moved through the point table; Ctrl+Z twice (once in
# the table, once on the canvas) and "System sichern als ..." writes the
# file as it was read; Ctrl+Y twice writes the edited one again.
#
#   test_rueckgaengig.sh <path of velko>
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$(realpath "$1")"
gui_installieren
beispiel="$HOME/Velko/projekte/beispiele/rahmen.sysdat"
system_starten "$beispiel"

# sichern_als NAME: "Datenbank / System / System sichern als ..." into
# $GUI_TMP/NAME.sysdat through the file selector.
sichern_als() {
  local vorher sel
  vorher=$(sichtbare_fenster)
  untermenue_waehlen "$haupt" Datenbank 4 2 5 4
  sel=$(neues_fenster "$vorher") || gui_fehler "keine Dateiauswahl"
  fenster_geometrie "$sel"
  zeiger_auf "$sel" $(( FB / 2 )) $(( FH / 2 ))
  warten_bis 5 popup_bereit "$sel" || gui_fehler "Dateiauswahl zeichnet sich nicht"
  xdotool windowfocus --sync "$sel"
  xdotool type --delay 5 "$GUI_TMP/$1.sysdat"
  xdotool key Return
  warten_bis 10 meldung_ist "$GUI_TMP/$1.sysdat geschrieben !" || gui_fehler "nicht gesichert: $(letzte_meldung)"
}

# The left column (x = 0, from 0 to 4 m) goes: marked by a click, then
# "Löschen / Quittieren" of the bar menu (the submenu has a title row).
read -r sx sy < <(leinwand_pixel 0 2)
klicken "$haupt" "$sx" "$sy"
pup=$(stabmenue_oeffnen "$haupt" "$sx" "$sy") || exit 1
popup_untermenue_waehlen "$pup" 9 9 3 2 3

# Point 3 (6/4) moves to x = 7 through the table "Punkte".
POPUP_EINTRAEGE=2 menue_waehlen "$haupt" Tabellen 2
tabelle=$(fenster_warten "Punkte")
eingabe "$tabelle" Punkte "Nr." 3
xdotool key Return
eingabe "$tabelle" Punkte X 7
xdotool key Return
sichern_als bearbeitet
grep -q '^ 3 7.000000 4.000000$' "$GUI_TMP/bearbeitet.sysdat" || gui_fehler "Punkt nicht verschoben"
[ "$(sed -n 7p "$GUI_TMP/bearbeitet.sysdat")" = " 4" ] || gui_fehler "Stab nicht gelöscht: $(sed -n 7p "$GUI_TMP/bearbeitet.sysdat")"

# Ctrl+Z in the table (its inputs were taken with Return), then on the canvas.
zeiger_auf "$tabelle" 185 20
xdotool key ctrl+z
warten_bis 5 meldung_ist "Rückgängig: Punkt 3 verschieben" || gui_fehler "nicht zurück: $(letzte_meldung)"
zeiger_auf "$haupt" $(leinwand_pixel -2 2)
xdotool key ctrl+z
warten_bis 5 meldung_ist "Rückgängig: Stab löschen" || gui_fehler "nicht zurück: $(letzte_meldung)"
sichern_als zurueck
cmp "$beispiel" "$GUI_TMP/zurueck.sysdat" || gui_fehler "nicht wie gelesen: $(diff "$beispiel" "$GUI_TMP/zurueck.sysdat" | head)"

zeiger_auf "$haupt" $(leinwand_pixel -2 2)
xdotool key ctrl+y
warten_bis 5 meldung_ist "Wiederhergestellt: Stab löschen" || gui_fehler "nicht wieder: $(letzte_meldung)"
xdotool key ctrl+y
warten_bis 5 meldung_ist "Wiederhergestellt: Punkt 3 verschieben" || gui_fehler "nicht wieder: $(letzte_meldung)"
sichern_als wieder
cmp "$GUI_TMP/bearbeitet.sysdat" "$GUI_TMP/wieder.sysdat" ||
  gui_fehler "nicht wie bearbeitet: $(diff "$GUI_TMP/bearbeitet.sysdat" "$GUI_TMP/wieder.sysdat" | head)"
velko_laeuft || gui_fehler "velko ist beendet"
echo "rueckgaengig: ok"
