#!/usr/bin/env bash
# Marking bars and zooming on the canvas, and a tooltip of the icon bar:
# a click marks the column under the pointer (drawn wider, in the colour of
# a selected bar, with a dark core), a click beside it unmarks it, a rectangle marks the whole
# frame, button 3 opens the bar menu; the zoom icon's tip appears after the
# delay, and a click in zoom mode centres and enlarges the picture.
#
#   zeichnen_auswahl.sh <path of velko>
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$(realpath "$1")"
gui_installieren
beispiel="$HOME/Velko/projekte/beispiele/rahmen.sysdat"
velko_starten "$beispiel"
haupt=$(fenster_warten "Velko 1.3.1.")
warten_bis 20 meldung_enthalten "System geladen" || gui_fehler "System nicht geladen"

fenster_geometrie "$haupt"
lx=$(( FX + 12 )); ly=$(( FY + 107 ))     # canvas inside its 2-pixel border
breite=$(( FB - 20 )); hoehe=$(( FH - 115 ))
mapfile -t massstab < "${beispiel%.sysdat}.massdat"
s=${massstab[0]}; x0=${massstab[5]}; y0=${massstab[6]}

# pixel WX WY [SCALE X0 Y0]: canvas pixel of a world point ("x y").
pixel() {
  awk -v wx="$1" -v wy="$2" -v s="${3:-$s}" -v x0="${4:-$x0}" -v y0="${5:-$y0}" -v b="$breite" -v h="$hoehe" 'BEGIN {
    ox = 0.5 * b + x0 * s; oy = -0.5 * h - y0 * s
    printf "%d %d\n", int(wx * s + ox), int(h - wy * s + oy) }'
}
# farbe X Y: colour of a canvas pixel as #RRGGBB.
farbe() {
  import -window root "$GUI_TMP/bild.png" 2>/dev/null || return 1
  convert "$GUI_TMP/bild.png" -crop "1x1+$(( lx + $1 ))+$(( ly + $2 ))" +repage txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1
}
farbe_ist() { [ "$(farbe "$1" "$2")" = "$3" ]; }
leinwand_klick() {   # X Y [BUTTON]
  xdotool mousemove "$(( lx + $1 ))" "$(( ly + $2 ))" && sleep 0.05 && xdotool click "${3:-1}"
}

WEISS='#FFFFFF'; GELB='#FFFF00'; SCHWARZ='#000000'
# A marked bar: yellow beside its axis, the background colour on it.
markiert() { farbe_ist "$(( $1 + 1 ))" "$2" "$GELB" && farbe_ist "$1" "$2" "$SCHWARZ"; }
read -r sx sy < <(pixel 0 2)      # left column at mid-height
read -r bx by < <(pixel 1.5 4)    # beam, left half

# ---------------------------------------------------------------- selection
warten_bis 5 farbe_ist "$sx" "$sy" "$WEISS" || gui_fehler "Stütze nicht weiß bei $sx,$sy: $(farbe "$sx" "$sy")"
leinwand_klick "$sx" "$sy"
warten_bis 5 markiert "$sx" "$sy" || gui_fehler "Klick markiert die Stütze nicht"
farbe_ist "$bx" "$by" "$WEISS" || gui_fehler "Klick markiert auch den Riegel"
leinwand_klick "$(( sx + 40 ))" "$sy"
warten_bis 5 farbe_ist "$sx" "$sy" "$WEISS" || gui_fehler "Klick daneben hebt die Markierung nicht auf"

leinwand_klick "$(( sx + 40 ))" "$sy" 3
warten_bis 5 meldung_ist "kein Stab markiert !" || gui_fehler "Knopf 3 ohne markierten Stab: $(letzte_meldung)"

# Rectangle from above left of the frame to below right of it.
read -r ax ay < <(pixel -1 5.5)
read -r ex ey < <(pixel 7 -0.5)
xdotool mousemove "$(( lx + ax ))" "$(( ly + ay ))" mousedown 1
for t in 0.25 0.5 0.75 1; do
  xdotool mousemove "$(awk -v a="$ax" -v e="$ex" -v t="$t" -v l="$lx" 'BEGIN { print int(l + a + t * (e - a)) }')" \
                    "$(awk -v a="$ay" -v e="$ey" -v t="$t" -v l="$ly" 'BEGIN { print int(l + a + t * (e - a)) }')"
  sleep 0.05
done
xdotool mouseup 1
warten_bis 5 markiert "$sx" "$sy" || gui_fehler "Rechteck markiert die Stütze nicht"

# Button 3 on marked bars: the bar menu opens while the button is held (a
# new top-level window); released outside it, it closes with nothing chosen.
vorher=$(fensterzahl)
xdotool mousemove "$(( lx + sx + 40 ))" "$(( ly + sy ))" mousedown 3
warten_bis 5 test "$(fensterzahl)" -gt "$vorher" || { xdotool mouseup 3; gui_fehler "Stabmenü öffnet nicht"; }
sleep 0.3
xdotool mousemove 5 1000 mouseup 3
warten_bis 5 test "$(fensterzahl)" -le "$vorher" || gui_fehler "Stabmenü schließt nicht"
warten_bis 5 markiert "$sx" "$sy" || gui_fehler "Markierung nach dem Stabmenü verloren"
velko_laeuft || gui_fehler "velko ist beendet"

# ---------------------------------------------------------------- tooltip and zoom
klicken "$haupt" 28 60          # first window toggle: "Fenster : Icons"
icons=$(fenster_warten "Velko")
fenster_geometrie "$icons"
# The tip starts at the middle of the icon, 5 pixels below it, light yellow.
tip_x=$(( FX + 15 + 20 + 5 )); tip_y=$(( FY + 105 + 40 + 5 + 5 ))
bildschirmfarbe() {
  import -window root "$GUI_TMP/bild.png" 2>/dev/null || return 1
  convert "$GUI_TMP/bild.png" -crop "1x1+$tip_x+$tip_y" +repage txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1
}
tip_da() { [ "$(bildschirmfarbe)" = "#FFFFCC" ]; }
tip_weg() { ! tip_da; }
# In and out again within the delay: no tip.
xdotool mousemove --window "$icons" 35 125; sleep 0.1; xdotool mousemove --window "$icons" 55 270
sleep 0.8
tip_weg || gui_fehler "Tooltip erscheint, obwohl der Zeiger vor der Verzögerung ging"
xdotool mousemove --window "$icons" 35 125     # the zoom icon at (15, 105)
warten_bis 5 tip_da || gui_fehler "kein Tooltip unter dem Zoom-Symbol"
klicken "$icons" 35 125                         # press the zoom icon
warten_bis 5 tip_weg || gui_fehler "Tooltip bleibt nach dem Klick"

read -r zx zy < <(pixel 3 2)                    # the middle of the frame
leinwand_klick "$zx" "$zy"
# Zoomed in by 1.2 about the click, which moves to the canvas centre.
neu_s=$(awk -v s="$s" 'BEGIN { printf "%.2f", s * 1.2 }')
read -r nx ny < <(pixel 0 2 "$neu_s" -3 -2)
warten_bis 5 markiert "$nx" "$ny" || gui_fehler "nach dem Zoom keine Stütze bei $nx,$ny: $(farbe "$nx" "$ny")"
velko_laeuft || gui_fehler "velko ist beendet"
echo "ok"
