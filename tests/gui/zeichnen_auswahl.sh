#!/usr/bin/env bash
# Marking bars and zooming on the canvas, and a tooltip of the icon bar:
# a click marks the column under the pointer (drawn wider, in the colour of
# a selected bar, with a dark core), a click beside it unmarks it, a
# rectangle marks the whole frame, button 3 opens the bar menu; the zoom icon's tip appears after the
# delay, and a click in zoom mode centres and enlarges the picture.
#
#   zeichnen_auswahl.sh <path of velko>
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$(realpath "$1")"
gui_installieren
beispiel="$HOME/Velko/projekte/beispiele/rahmen.sysdat"
system_starten "$beispiel"

# The canvas's place comes from the program; where a world point lands is
# worked out here from the example's stored view (scale, centre), so the
# program's view arithmetic is checked, not repeated.
fenster_geometrie "$haupt"
hx=$FX; hy=$FY
read -r lx ly breite hoehe < <(leinwand_lage)
mapfile -t massstab < "${beispiel%.sysdat}.massdat"
s=${massstab[0]}; x0=${massstab[5]}; y0=${massstab[6]}

# pixel WX WY [SCALE X0 Y0]: canvas pixel of a world point ("x y").
pixel() {
  awk -v wx="$1" -v wy="$2" -v s="${3:-$s}" -v x0="${4:-$x0}" -v y0="${5:-$y0}" -v b="$breite" -v h="$hoehe" 'BEGIN {
    ox = 0.5 * b + x0 * s; oy = -0.5 * h - y0 * s
    printf "%d %d\n", int(wx * s + ox), int(h - wy * s + oy) }'
}
# bildschirmfarbe X Y: colour of a screen pixel as #RRGGBB (cropped from
# a whole grab: import's own -crop garbles the colours of a 1x1 grab).
bildschirmfarbe() {
  import -window root "$GUI_TMP/bild.png" 2>/dev/null || return 1
  convert "$GUI_TMP/bild.png" -crop "1x1+$1+$2" +repage txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1
}
# farbe X Y: colour of a canvas pixel.
farbe() { bildschirmfarbe $(( hx + lx + $1 )) $(( hy + ly + $2 )); }
farbe_ist() { [ "$(farbe "$1" "$2")" = "$3" ]; }
leinwand_klick() { klicken "$haupt" $(( lx + $1 )) $(( ly + $2 )) "${3:-1}"; }

WEISS='#FFFFFF'; GELB='#FFFF00'; SCHWARZ='#000000'
# A marked bar: yellow beside its axis, the background colour on it.
markiert() { farbe_ist "$(( $1 + 1 ))" "$2" "$GELB" && farbe_ist "$1" "$2" "$SCHWARZ"; }
read -r sx sy < <(pixel 0 2)      # left column at mid-height
read -r bx by < <(pixel 1.5 4)    # beam, left half

# ---------------------------------------------------------------- selection
warten_bis 5 farbe_ist "$sx" "$sy" "$WEISS" || gui_fehler "Stütze nicht weiß bei $sx,$sy: $(farbe "$sx" "$sy")"
leinwand_klick "$sx" "$sy"
warten_bis 5 markiert "$sx" "$sy" || gui_fehler "Klick markiert die Stütze nicht: $(farbe "$sx" "$sy") bei $sx $sy"
farbe_ist "$bx" "$by" "$WEISS" || gui_fehler "Klick markiert auch den Riegel"
leinwand_klick "$(( sx + 40 ))" "$sy"
warten_bis 5 farbe_ist "$sx" "$sy" "$WEISS" || gui_fehler "Klick daneben hebt die Markierung nicht auf"

leinwand_klick "$(( sx + 40 ))" "$sy" 3
warten_bis 5 meldung_ist "kein Stab markiert !" || gui_fehler "Knopf 3 ohne markierten Stab: $(letzte_meldung)"

# Rectangle from above left of the frame to below right of it, in steps
# the program sees one by one.
read -r ax ay < <(pixel -1 5.5)
read -r ex ey < <(pixel 7 -0.5)
zeiger_auf "$haupt" $(( lx + ax )) $(( ly + ay ))
xdotool mousedown 1
for t in 0.25 0.5 0.75 1; do
  zeiger_auf "$haupt" "$(awk -v a="$ax" -v e="$ex" -v t="$t" -v l="$lx" 'BEGIN { print int(l + a + t * (e - a)) }')" \
                      "$(awk -v a="$ay" -v e="$ey" -v t="$t" -v l="$ly" 'BEGIN { print int(l + a + t * (e - a)) }')"
done
xdotool mouseup 1
warten_bis 5 markiert "$sx" "$sy" || gui_fehler "Rechteck markiert die Stütze nicht"

# Button 3 on marked bars: the bar menu opens while the button is held (a
# new top-level window); released outside it, it closes with nothing chosen.
pup=$(stabmenue_oeffnen "$haupt" $(( lx + sx + 40 )) $(( ly + sy ))) || exit 1
fenster_geometrie "$pup"
warten_bis 5 popup_bereit "$pup" || { xdotool mouseup 3; gui_fehler "Stabmenü zeichnet sich nicht"; }
xdotool mousemove 5 1000
warten_bis 5 zeiger_ist 5 1000 || gui_fehler "Zeiger nicht außerhalb des Stabmenüs"
xdotool mouseup 3
warten_bis 5 fenster_zu "$pup" || gui_fehler "Stabmenü schließt nicht"
warten_bis 5 markiert "$sx" "$sy" || gui_fehler "Markierung nach dem Stabmenü verloren"
velko_laeuft || gui_fehler "velko ist beendet"

# ---------------------------------------------------------------- tooltip and zoom
vorher=$(sichtbare_fenster)
knopf "$haupt" "$HAUPTTITEL" Knopf#1    # first window toggle: "Fenster : Icons"
icons=$(neues_fenster "$vorher") || gui_fehler "Iconleiste erscheint nicht"
fenster_geometrie "$icons"
read -r zoom_x zoom_y zoom_b zoom_h < <(objekt_lage Icons Knopf#4)
# The tip starts at the middle of the icon, 5 pixels below it, light yellow.
tip_x=$(( FX + zoom_x + zoom_b / 2 + 5 )); tip_y=$(( FY + zoom_y + zoom_h + 5 + 5 ))
tip_da() {
  [ "$(bildschirmfarbe "$tip_x" "$tip_y")" = "#FFFFCC" ]
}
tip_weg() { ! tip_da; }
tips() { grep -c "^zeige	Tip$" "$VELKO_GEOMETRIEPROTOKOLL"; }
# In and out of the first icon before its delay ends: no tip for it.  The
# zoom icon, entered after it, must be the first and only tip shown, since a
# tip left pending would have come up before.
zeiger_auf "$icons" $(objekt Icons Knopf#1)
read -r _ leiste_y _ leiste_h < <(objekt_lage Icons Objekt#2)
zeiger_auf "$icons" 5 $(( leiste_y + leiste_h + 5 ))    # beside the icons
zeiger_auf "$icons" $(objekt Icons Knopf#4)
warten_bis 5 tip_da || gui_fehler "kein Tooltip unter dem Zoom-Symbol"
[ "$(tips)" = 1 ] || gui_fehler "$(tips) Tooltips gezeigt, erwartet nur den des Zoom-Symbols"
objekt_lage Tip "Ausschnitt vergrößern / verkleinern" >/dev/null || gui_fehler "der Tooltip ist nicht der des Zoom-Symbols"
klicken "$icons" $(objekt Icons Knopf#4)   # press the zoom icon
warten_bis 5 tip_weg || gui_fehler "Tooltip bleibt nach dem Klick"

read -r zx zy < <(pixel 3 2)                    # the middle of the frame
leinwand_klick "$zx" "$zy"
# Zoomed in by 1.2 about the click, which moves to the canvas centre.
neu_s=$(awk -v s="$s" 'BEGIN { printf "%.2f", s * 1.2 }')
read -r nx ny < <(pixel 0 2 "$neu_s" -3 -2)
warten_bis 5 markiert "$nx" "$ny" || gui_fehler "nach dem Zoom keine Stütze bei $nx,$ny: $(farbe "$nx" "$ny")"
velko_laeuft || gui_fehler "velko ist beendet"
echo "ok"
