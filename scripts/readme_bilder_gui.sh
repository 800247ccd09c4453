#!/usr/bin/env bash
# Screenshots of the window for the README, under an Xvfb of its own with a
# temporary home directory; nothing of the user's set-up is touched.
#
#   doc/hauptfenster.png          the main window with the computed portal frame
#   doc/symbole.png               supports, hinge and spring on the canvas
#                                 (the example "lagerarten")
#   doc/fenster_75dpi.png         the main window with its five tool windows
#   doc/fenster_100dpi.png          open, with the 75 dpi and with the
#                                   100 dpi fonts first on the font path
#   doc/dateiauswahl_75dpi.png    the file selector, both font sets
#   doc/dateiauswahl_100dpi.png
#   doc/frage_75dpi.png           the exit question over the main window,
#   doc/frage_100dpi.png            both font sets
#
#   bash scripts/readme_bilder_gui.sh [build directory]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ ! -x "$build/velko" ]; then
  cmake -S . -B "$build" >/dev/null
  cmake --build "$build" --target velko -j"$(nproc)"
fi
ziel="$PWD/doc"
mkdir -p "$ziel"

set +eu +o pipefail
source tests/gui/gui_hilfe.sh
gui_start "$build/velko"
gui_installieren
beispiele="$HOME/Velko/projekte/beispiele"

# bild NAME X Y B H: that part of the screen as doc/NAME.png.
bild() {
  sleep 0.5   # the last expose
  import -window root -crop "${4}x${5}+${2}+${3}" +repage "png:$ziel/$1.png.tmp" && mv "$ziel/$1.png.tmp" "$ziel/$1.png" ||
    gui_fehler "Bild $1 nicht aufgenommen"
  echo "geschrieben: $ziel/$1.png"
}
# Closes the program started last.
beenden() { kill "$VELKO_PID" 2>/dev/null; wait "$VELKO_PID" 2>/dev/null; }

# ------------------------------------------------------------ the computed frame
velko_starten "$beispiele/rahmen.sysdat"
haupt=$(fenster_warten "$HAUPTTITEL") || exit 1
warten_bis 10 meldung_enthalten "System geladen !" || gui_fehler "Beispiel nicht geladen"
POPUP_EINTRAEGE=4 menue_waehlen "$haupt" Berechnen 1   # Berechnen / Theorie I. Ordnung
warten_bis 20 meldung_ist "-> System nach Theorie I.Ordnung berechnet !" || gui_fehler "nicht berechnet"
xdotool mousemove 1270 1010
fenster_geometrie "$haupt"
bild hauptfenster "$FX" "$FY" "$FB" "$FH"
beenden

# ------------------------------------------------------------ both font sets
for satz in 75 100; do
  schriften_zuerst "$satz"
  : >"$VELKO_GEOMETRIEPROTOKOLL"
  VELKO_TESTAENDERUNG=1 velko_starten "$beispiele/lagerarten.sysdat"
  haupt=$(fenster_warten "$HAUPTTITEL") || exit 1
  warten_bis 10 meldung_enthalten "System geladen !" || gui_fehler "lagerarten nicht geladen"
  warten_bis 10 leinwand_lage || gui_fehler "Zeichenfläche nicht gezeichnet"
  fenster_geometrie "$haupt"
  hx=$FX; hy=$FY; rechts=$(( FX + FB )); unten=$(( FY + FH ))

  # The five tool windows, opened by their toggles: where they stand
  # decides the picture's size.
  for k in 1 2 3 4 5; do
    vorher=$(sichtbare_fenster)
    knopf "$haupt" "$HAUPTTITEL" "Knopf#$k"
    w=$(neues_fenster "$vorher") || gui_fehler "Werkzeugfenster $k erscheint nicht"
    fenster_geometrie "$w"
    (( FX + FB > rechts )) && rechts=$(( FX + FB ))
    (( FY + FH > unten )) && unten=$(( FY + FH ))
  done
  xdotool mousemove 1270 1010
  bild "fenster_${satz}dpi" "$hx" "$hy" $(( rechts - hx )) $(( unten - hy ))
  for k in 1 2 3 4 5; do knopf "$haupt" "$HAUPTTITEL" "Knopf#$k"; done
  warten_bis 10 fenster_weg "Velko" || gui_fehler "Werkzeugfenster bleiben offen"

  # The file selector of "System öffnen", closed with Escape.
  vorher=$(sichtbare_fenster)
  untermenue_waehlen "$haupt" Datenbank 4 2 5 2
  fs=$(neues_fenster "$vorher") || gui_fehler "keine Dateiauswahl"
  fenster_geometrie "$fs"
  bild "dateiauswahl_${satz}dpi" "$FX" "$FY" "$FB" "$FH"
  zeiger_auf "$fs" 20 20
  xdotool key Escape
  warten_bis 10 fenster_zu "$fs" || gui_fehler "Dateiauswahl bleibt offen"

  # "Beenden" with the changed System: the question over the main window.
  POPUP_EINTRAEGE=3 menue_waehlen "$haupt" Programm 3
  frage=$(fenster_warten "Auswahl") || exit 1
  fenster_geometrie "$haupt"
  bild "frage_${satz}dpi" "$FX" "$FY" "$FB" "$FH"
  knopf "$frage" Auswahl Abbruch
  warten_bis 10 fenster_weg "Auswahl" || gui_fehler "Frage bleibt offen"

  if [ "$satz" = 100 ]; then
    # The symbols without the loads over them: the example from x = -1 to
    # 15 m, y = 0.8 to -3.8 m.
    knopf "$haupt" "$HAUPTTITEL" "Knopf#4"
    auswahl=$(fenster_warten "Velko") || exit 1
    knopf "$auswahl" Zeichnen Streckenlasten
    knopf "$haupt" "$HAUPTTITEL" "Knopf#4"
    warten_bis 10 fenster_weg "Velko" || gui_fehler "Zeichnen bleibt offen"
    read -r x1 y1 < <(leinwand_pixel -1 0.8)
    read -r x2 y2 < <(leinwand_pixel 15 -3.8)
    fenster_geometrie "$haupt"
    bild symbole $(( FX + x1 )) $(( FY + y1 )) $(( x2 - x1 )) $(( y2 - y1 ))
  fi
  beenden
done
