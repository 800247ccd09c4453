#!/usr/bin/env bash
# A material named with umlauts typed in the material editor keeps them:
# shown again in its input after "Erzeugen", stored again by "Werte
# übernehmen", and written to material.dat at exit as ISO 8859-1 bytes.
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$1"
gui_installieren
# The umlauts get keys of their own before the program starts: xdotool
# would otherwise map each onto a spare key for a moment, and a program
# slow to take the new map in reads the key as it was (a lost letter).
freie=($(xmodmap -pke | awk 'NF == 3 && $3 == "=" { print $2 }' | tail -n 3))
[ "${#freie[@]}" -eq 3 ] || gui_fehler "keine freien Tasten für die Umlaute"
xmodmap -e "keycode ${freie[0]} = udiaeresis" -e "keycode ${freie[1]} = odiaeresis" \
        -e "keycode ${freie[2]} = ssharp"
velko_starten
haupt=$(fenster_warten "$HAUPTTITEL") || exit 1

POPUP_EINTRAEGE=4 menue_waehlen "$haupt" Datenbank 3   # Datenbank / Material
material=$(fenster_warten "Material") || exit 1
p=$(objekt Material Bezeichnung) || gui_fehler "keine Eingabe 'Bezeichnung'"
klicken "$material" $p
xdotool key End
xdotool key --repeat 60 BackSpace
xdotool key P r udiaeresis f s t o f f space G r odiaeresis ssharp e
eingabe "$material" Material E-Modul "2.1e8"
knopf "$material" Material Erzeugen
# The new entry is the one shown: applying the fields writes its name back
# from the input, which must still hold the umlauts.
eingabe "$material" Material Querkontraktion "0.25"
knopf "$material" Material "Werte übernehmen"
knopf "$material" Material "Schließen"
warten_bis 10 fenster_weg "Material" || gui_fehler "Materialeditor bleibt offen"

POPUP_EINTRAEGE=3 menue_waehlen "$haupt" Programm 3   # Programm / Beenden
warten_bis 20 bash -c "! kill -0 $VELKO_PID" || gui_fehler "Programm endet nicht"
datei="$HOME/Velko/verwaltung/material.dat"
grep -q "$(printf 'Pr\374fstoff_Gr\366\337e')" "$datei" ||
  gui_fehler "Name nicht in ISO 8859-1 gespeichert: $(grep -a 'stoff' "$datei" | od -c | head -n 3)"
grep -A2 "$(printf 'Pr\374fstoff_Gr\366\337e')" "$datei" | grep -q '^0\.25' ||
  gui_fehler "Werte übernehmen hat den Eintrag nicht getroffen"
echo "umlaute: ok"
