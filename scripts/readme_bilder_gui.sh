#!/usr/bin/env bash
# Screenshot of the main window with a computed example for the README:
# doc/hauptfenster.png.  Runs the program under an Xvfb of its own with a
# temporary home directory; nothing of the user's set-up is touched.
#   bash scripts/readme_bilder_gui.sh [build directory]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ ! -x "$build/velko" ]; then
  cmake -S . -B "$build" >/dev/null
  cmake --build "$build" --target velko -j"$(nproc)"
fi
ziel="$PWD/doc/hauptfenster.png"
mkdir -p doc

set +eu
source tests/gui/gui_hilfe.sh
gui_start "$build/velko"
gui_installieren
velko_starten "$HOME/Velko/projekte/beispiele/rahmen.sysdat"
haupt=$(fenster_warten "$HAUPTTITEL") || exit 1
warten_bis 10 meldung_enthalten "System geladen !" || gui_fehler "Beispiel nicht geladen"
POPUP_EINTRAEGE=2 menue_waehlen "$haupt" Berechnen 1   # Berechnen / Theorie I. Ordnung
warten_bis 20 meldung_ist "-> System nach Theorie I.Ordnung berechnet !" || gui_fehler "nicht berechnet"
# Let the canvas finish drawing the diagrams before the picture is taken.
xdotool mousemove 1270 1010
sleep 0.5
import -window "$haupt" "$ziel.tmp.png" && mv "$ziel.tmp.png" "$ziel"
echo "geschrieben: $ziel"
