#!/usr/bin/env bash
# Pictures of the help page (daten/hilfe/bilder/*.png), taken from the
# program itself under an Xvfb of its own with a temporary home directory:
# the worked example of the help (a simply supported beam of 6 m under
# 10 kN/m, drawn, supported, loaded and computed through the windows, as a
# user would) and the other windows of the menus.
#
#   bash scripts/hilfe_bilder.sh [build directory]
#
# Every step waits for what it changes (a message, a window, a colour); a
# picture that cannot be taken stops the script with the screen saved.
set -euo pipefail
quellen=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$quellen/build}")
if [ ! -x "$build/velko" ]; then
  cmake -S "$quellen" -B "$build" >/dev/null
  cmake --build "$build" --target velko -j"$(nproc)"
fi
ziel="$quellen/daten/hilfe/bilder"
mkdir -p "$ziel"

source "$quellen/tests/gui/gui_hilfe.sh"
# Every step checks its own result; with -e the cleanup on exit would stop
# at the first failing wait and leave Xvfb running, and with pipefail a
# "grep -q" that stops reading early would fail its pipe.
set +eu +o pipefail
gui_start "$build/velko"
gui_installieren
velko_starten
haupt=$(fenster_warten "$HAUPTTITEL") || exit 1

# ------------------------------------------------------------ helpers

# bild NAME WINDOW: the window as daten/hilfe/bilder/NAME.png.
bild() {
  sleep 0.3   # the last expose of the window
  import -window "$2" "png:$ziel/$1.png.tmp" && mv "$ziel/$1.png.tmp" "$ziel/$1.png" ||
    gui_fehler "Bild $1 nicht aufgenommen"
  echo "$ziel/$1.png"
}
# hauptbild NAME: the main window with the tool windows lying on it.
hauptbild() {
  sleep 0.3
  fenster_geometrie "$haupt"
  import -window root -crop "${FB}x${FH}+${FX}+${FY}" +repage "png:$ziel/$1.png.tmp" &&
    mv "$ziel/$1.png.tmp" "$ziel/$1.png" || gui_fehler "Bild $1 nicht aufgenommen"
  echo "$ziel/$1.png"
}
# gelb WINDOW X Y: a yellow pixel (set button, selected line) near (X, Y).
gelb() {
  fenster_geometrie "$1"
  import -window root -crop "9x9+$(( FX + $2 - 4 ))+$(( FY + $3 - 4 ))" +repage -depth 8 txt:- 2>/dev/null |
    grep -q '#FFFF00'
}
# setzen WINDOW X Y: clicks (X, Y) until it shows yellow there; a window
# may map before it takes clicks, and these clicks change nothing twice.
setzen() {
  local i
  for i in 1 2 3 4 5 6 7 8 9 10; do
    klicken "$1" "$2" "$3"
    warten_bis 1 gelb "$1" "$2" "$3" && return 0
  done
  gui_fehler "Klick bei $2,$3 wirkt nicht"
}
# eingeben WINDOW X Y TEXT: replaces an input's text (also "-3").
eingeben() {
  klicken "$1" "$2" "$3"
  xdotool key End
  for _ in $(seq 1 20); do xdotool key BackSpace; done
  xdotool type --delay 5 -- "$4"
}
# The canvas: the scale set below (100 pixels per metre, x = 3 m in the
# middle) puts a world point at these screen coordinates.
# Where the canvas lies on the screen, from the program's geometry log
# (written once a System is drawn).
leinwand_messen() {
  fenster_geometrie "$haupt"
  warten_bis 10 leinwand_lage || gui_fehler "Zeichenfläche nicht gezeichnet"
  read -r lx ly breite hoehe < <(leinwand_lage)
  lx=$(( FX + lx )); ly=$(( FY + ly ))
}
bildschirm() {
  awk -v wx="$1" -v wy="$2" -v b="$breite" -v h="$hoehe" -v lx="$lx" -v ly="$ly" \
    'BEGIN { s = 100; ox = 0.5 * b - 3 * s; oy = -0.5 * h; printf "%d %d\n", lx + int(wx * s + ox), ly + int(h - wy * s + oy) }'
}
# stabmenue EINTRAG: entry of the bar menu (nine entries) of the beam,
# marked first by a click.
stabmenue() {
  local vorher pup h x y
  read -r x y < <(bildschirm 4 0)
  xdotool mousemove "$x" "$y"; sleep 0.1; xdotool click 1; sleep 0.3
  vorher=$(sichtbare_fenster)
  xdotool mousemove "$x" "$y" mousedown 3
  pup=$(neues_fenster "$vorher") || { xdotool mouseup 3; gui_fehler "Stabmenü öffnet nicht"; }
  fenster_geometrie "$pup"
  h=$(( (FH - 2 * POPUP_RAND) / 9 ))
  sleep 0.2
  xdotool mousemove $(( FX + FB / 2 )) $(( FY + POPUP_RAND + ($1 - 1) * h + h / 2 ))
  sleep 0.2
  xdotool mouseup 3
}
# werkzeugfenster KNOPF: toggles tool window 1..5.
werkzeugfenster() {
  klicken "$haupt" $(( 28 + 40 * ($1 - 1) )) 60
}

# ------------------------------------------------------------ worked example

# 1. A new System, and the scale: 100 pixels per metre, the middle at x = 3 m,
#    moments 2 pixels per kNm.
untermenue_waehlen "$haupt" Datenbank 4 2 5 1                  # Datenbank / System / neues System
warten_bis 10 meldung_ist "System erzeugt." || gui_fehler "kein neues System"
leinwand_messen
werkzeugfenster 2
massstab=$(fenster_warten "Velko") || exit 1
eingeben "$massstab" 60 95 2;   xdotool key Return         # Schnittkraft
eingeben "$massstab" 60 375 100; xdotool key Return        # System
eingeben "$massstab" 40 442 -3;  xdotool key Return        # Position x
hauptbild beispiel_neu
werkzeugfenster 2
warten_bis 5 fenster_weg "Velko" || gui_fehler "Maßstab bleibt offen"

# 2. The beam from (0, 0) to (6, 0): S, then K for each point.
read -r mx my < <(bildschirm 3 2)
xdotool mousemove "$mx" "$my"; sleep 0.2; xdotool key s
warten_bis 5 meldung_ist "Punkt 1 festlegen !" || gui_fehler "kein Stabbeginn: $(letzte_meldung)"
punkt() {
  xdotool mousemove "$mx" "$my"; sleep 0.2; xdotool key k
  pd=$(fenster_warten "Punkt erzeugen") || exit 1
  eingeben "$pd" 225 25 "$1"
  eingeben "$pd" 325 25 "$2"
}
punkt 0 0
klicken "$pd" 110 77
warten_bis 5 meldung_ist "Punkt 2 festlegen" || gui_fehler "kein erster Punkt: $(letzte_meldung)"
punkt 6 0
bild beispiel_punkt "$pd"
klicken "$pd" 110 77
warten_bis 5 meldung_ist "ok" || gui_fehler "kein Stab: $(letzte_meldung)"

# 3. Material and cross-section of the new bar: S235, IPE 200.
zu=$(fenster_warten "Material / Querschnitt") || exit 1
setzen "$zu" 150 78
setzen "$zu" 500 78
# The first click into the fresh dialog selects without showing the entry:
# once more each, so the picture shows name and values.
klicken "$zu" 150 78; sleep 0.2; klicken "$zu" 500 78
bild beispiel_zuordnung "$zu"
klicken "$zu" 385 442
warten_bis 5 fenster_weg "Material / Querschnitt" || gui_fehler "Zuordnung bleibt offen"

# 4. Supports: end A fixed in x and y, end B in y.
stabmenue 5
fg=$(fenster_warten "Freiheitsgrade") || exit 1
setzen "$fg" 163 177                                        # A: X eingeprägt
setzen "$fg" 483 177                                        # A: Y eingeprägt
setzen "$fg" 112 25                                         # end B
setzen "$fg" 483 177                                        # B: Y eingeprägt
bild beispiel_freiheitsgrade "$fg"
klicken "$fg" 865 722
warten_bis 5 fenster_weg "Freiheitsgrade" || gui_fehler "Freiheitsgrade bleibt offen"

# 5. Load case 1 "Ausbau" (made active after its load is entered, below).
werkzeugfenster 3
lf=$(fenster_warten "Lastfälle") || exit 1
klicken "$lf" 75 240                                        # Erzeugen
lfe=$(fenster_warten "Lastfall erzeugen") || exit 1
eingeben "$lfe" 210 45 1
eingeben "$lfe" 300 95 Ausbau
bild beispiel_lastfall_erzeugen "$lfe"
klicken "$lfe" 380 225                                      # Lastfall erzeugen
klicken "$lfe" 120 225                                      # Schließen
warten_bis 5 fenster_weg "Lastfall erzeugen" || gui_fehler "Lastfall erzeugen bleibt offen"
klicken "$lf" 485 296
warten_bis 5 fenster_weg "Lastfälle" || gui_fehler "Lastfälle bleibt offen"

# 6. 10 kN/m over the whole beam.
stabmenue 6
ed=$(fenster_warten "Belastung editieren") || exit 1
lastart_waehlen "$ed" 2   # Streckenlast
eingeben "$ed" 260 144 Ausbau
eingeben "$ed" 230 184 10
eingeben "$ed" 230 224 10
eingeben "$ed" 230 344 0
klicken "$ed" 100 455                                       # Last eintragen
setzen "$ed" 790 40                                         # the load, shown in the sketch
bild beispiel_last "$ed"
klicken "$ed" 282 725
warten_bis 5 fenster_weg "Belastung editieren" || gui_fehler "Belastung bleibt offen"

# The load case made active by a click on its line.  The canvas shows its
# load once the window is closed; the first click into a fresh window may
# select the line without activating the load case, so the canvas decides.
lasten_sichtbar() {
  local x y
  read -r x y < <(bildschirm 1 0.6)
  import -window root -crop "400x30+$x+$y" +repage -depth 8 txt:- 2>/dev/null | grep -q '#00FFFF'
}
lastfaelle_oeffnen() {
  werkzeugfenster 3
  lf=$(fenster_warten "Lastfälle") || exit 1
}
lastfaelle_schliessen() {
  klicken "$lf" 485 296
  warten_bis 5 fenster_weg "Lastfälle" || gui_fehler "Lastfälle bleibt offen"
}
for _ in 1 2 3 4 5; do
  lastfaelle_oeffnen
  sleep 0.3
  gelb "$lf" 135 38 || setzen "$lf" 135 38
  lastfaelle_schliessen
  warten_bis 2 lasten_sichtbar && break
done
lasten_sichtbar || gui_fehler "Lastfall wird nicht aktiv"
lastfaelle_oeffnen
warten_bis 2 gelb "$lf" 135 38 || gui_fehler "der aktive Lastfall ist nicht markiert"
bild beispiel_lastfaelle "$lf"
lastfaelle_schliessen

# 7. Compute, and the moment diagram with its values and the reactions.
POPUP_EINTRAEGE=4 menue_waehlen "$haupt" Berechnen 1
warten_bis 20 meldung_ist "-> System nach Theorie I.Ordnung berechnet !" || gui_fehler "nicht berechnet: $(letzte_meldung)"
werkzeugfenster 4
auswahl=$(fenster_warten "Velko") || exit 1
for y in 135 225 295; do setzen "$auswahl" 31 "$y"; done    # Moment, SK beschriften, Lagergrößen
# The window over the canvas goes before the picture is taken.
werkzeugfenster 4
warten_bis 5 fenster_weg "Velko" || gui_fehler "Zeichenauswahl bleibt offen"
hauptbild beispiel_moment

# 8. The results of the bar, and the listing.
stabmenue 4
se=$(fenster_warten "Schnittgrößen / Verschiebungen ...") || exit 1
bild beispiel_stabergebnisse "$se"
klicken "$se" 940 715
warten_bis 5 fenster_weg "Schnittgrößen / Verschiebungen ..." || gui_fehler "Stabergebnisse bleiben offen"
POPUP_EINTRAEGE=3 menue_waehlen "$haupt" Ausgabe 1
liste=$(fenster_warten "Ergebnisse") || exit 1
# The pictures show what the help's hand checks say: max M = 45 kNm.
grep -q "max M : *45.00 kNm" "$HOME/Velko/tmp_datei" || gui_fehler "die Liste zeigt nicht max M = 45 kNm"
bild beispiel_liste "$liste"
klicken "$liste" 760 795
warten_bis 5 fenster_weg "Ergebnisse" || gui_fehler "Ergebnisse bleiben offen"

# ------------------------------------------------------------ other windows

POPUP_EINTRAEGE=3 menue_waehlen "$haupt" Ausgabe 3
ex=$(fenster_warten "Exportieren") || exit 1
bild exportieren "$ex"
klicken "$ex" 300 335                                       # Optionen
op=$(fenster_warten "Optionen") || exit 1
bild plotoptionen "$op"
klicken "$op" 470 450
warten_bis 5 fenster_weg "Optionen" || gui_fehler "Optionen bleiben offen"
klicken "$ex" 90 435
warten_bis 5 fenster_weg "Exportieren" || gui_fehler "Exportieren bleibt offen"

for knopf in 1 5; do
  werkzeugfenster "$knopf"
  w=$(fenster_warten "Velko") || exit 1
  bild "$([ "$knopf" = 1 ] && echo symbolleiste || echo zeicheneinstellungen)" "$w"
  werkzeugfenster "$knopf"
  warten_bis 5 fenster_weg "Velko" || gui_fehler "Werkzeugfenster $knopf bleibt offen"
done

POPUP_EINTRAEGE=4 menue_waehlen "$haupt" Datenbank 3             # Datenbank / Material
w=$(fenster_warten "Material") || exit 1
bild material "$w"
klicken "$w" 492 597
warten_bis 5 fenster_weg "Material" || gui_fehler "Material bleibt offen"

POPUP_EINTRAEGE=2 menue_waehlen "$haupt" Tabellen 1             # Tabellen / Stäbe
w=$(fenster_warten "Stäbe") || exit 1
bild stabtabelle "$w"
klicken "$w" 680 557
warten_bis 5 fenster_weg "Stäbe" || gui_fehler "Stäbe bleibt offen"

POPUP_EINTRAEGE=5 menue_waehlen "$haupt" Einstellungen 1             # Einstellungen / Raster / Fang
w=$(fenster_warten "Rastereinstellungen") || exit 1
bild raster "$w"
klicken "$w" 280 257
warten_bis 5 fenster_weg "Rastereinstellungen" || gui_fehler "Raster bleibt offen"

stabmenue 2                                                   # Geometrie / Topologie
w=$(fenster_warten "Stab") || exit 1
bild stabgeometrie "$w"
klicken "$w" 380 530
warten_bis 5 fenster_weg "Stab" || gui_fehler "Stab bleibt offen"

velko_laeuft || gui_fehler "velko ist beendet"
echo "Bilder in $ziel"
