#!/usr/bin/env bash
# A temperature load entered in the load editor ("Lastart" "Temperatur",
# inputs dT and dTM) reaches the saved file.
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$1"
gui_installieren
datei="$HOME/Velko/projekte/beispiele/einfeldtraeger.sysdat"
system_starten "$datei"

# The beam from (0, 0) to (6, 0): marked by a click, then its pop-up
# (nine entries), entry "Belastung".
read -r sx sy < <(leinwand_pixel 2 0)
klicken "$haupt" "$sx" "$sy"
pup=$(stabmenue_oeffnen "$haupt" "$sx" "$sy") || exit 1
POPUP_EINTRAEGE=9 popup_eintrag_waehlen "$pup" 6 3
ed=$(fenster_warten "Belastung editieren") || exit 1

lastart_waehlen "$ed" 3   # Temperatur

eingabe "$ed" "Belastung editieren" Name "Sonne" 3
eingabe "$ed" "Belastung editieren" dT "25"
eingabe "$ed" "Belastung editieren" dTM "-8.5"
knopf "$ed" "Belastung editieren" "Last eintragen"
knopf "$ed" "Belastung editieren" "Schließen"
warten_bis 5 fenster_weg "Belastung editieren" || gui_fehler "Editor bleibt offen"

untermenue_waehlen "$haupt" Datenbank 4 2 5 3              # System / System sichern
warten_bis 10 meldung_enthalten "$datei geschrieben !" || gui_fehler "nicht gespeichert: $(letzte_meldung)"
# The block after the last section: one load of load case 10000001 on bar 0.
block=$(sed -n '/^TEMPERATUR$/,$p' "$datei" | sed '3d' | tr '\n' ' ')
[ "$block" = "TEMPERATUR 1 10000001 Sonne 0 25.000000 -8.500000 " ] || gui_fehler "Block in der Datei: '$block'"
velko_laeuft || gui_fehler "velko ist beendet"
echo "temperatur: ok"
