#!/usr/bin/env bash
# Screenshots of the canvas for the README: the portal frame example,
# computed, with supports and loads and one result diagram each (moment,
# shear force, normal force, deflected shape).  Runs the program under an
# Xvfb of its own; writes doc/zeichenflaeche_*.png.
#
#   scripts/readme_bilder_zeichnen.sh [build directory]   (default: build)
set -euo pipefail
quellen=$(cd "$(dirname "$0")/.." && pwd)
velko=$(realpath "${1:-$quellen/build}/velko")
ziel="$quellen/doc"
mkdir -p "$ziel"

source "$quellen/tests/gui/gui_hilfe.sh"
set +u
gui_start "$velko"
gui_installieren
system_starten "$HOME/Velko/projekte/beispiele/rahmen.sysdat"
POPUP_EINTRAEGE=4
menue_waehlen "$haupt" Berechnen 1
warten_bis 20 meldung_enthalten "Rechenzeit" || gui_fehler "Berechnung endet nicht"

fenster_geometrie "$haupt"
warten_bis 10 leinwand_lage || gui_fehler "Zeichenfläche nicht gezeichnet"
read -r lx ly lb lh < <(leinwand_lage)
leinwand="${lb}x${lh}+$(( FX + lx ))+$(( FY + ly ))"

# Check buttons of the drawing selection by their y position.
declare -A knopf=([Verschiebung]=50 [VBeschriften]=80 [Moment]=120 [Querkraft]=150 [Normalkraft]=180
                  [SKBeschriften]=210)
auswahl_oeffnen() { klicken "$haupt" 148 60; auswahl=$(fenster_warten "Velko"); }
auswahl_schliessen() { klicken "$haupt" 148 60; warten_bis 10 fenster_weg "Velko"; sleep 0.3; }
umschalten() { for k in "$@"; do klicken "$auswahl" 30 $(( ${knopf[$k]} + 15 )); sleep 0.1; done; }

# bild NAME SCHALTER...: switches the layers on, takes the canvas, and
# switches them off again.
bild() {
  local name=$1; shift
  auswahl_oeffnen; umschalten "$@"; auswahl_schliessen
  import -window root -crop "$leinwand" +repage "$ziel/zeichenflaeche_$name.png"
  echo "$ziel/zeichenflaeche_$name.png"
  auswahl_oeffnen; umschalten "$@"; auswahl_schliessen
}

bild moment Moment SKBeschriften
bild querkraft Querkraft SKBeschriften
bild normalkraft Normalkraft SKBeschriften
bild verschiebung Verschiebung VBeschriften
