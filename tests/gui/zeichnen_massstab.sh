#!/usr/bin/env bash
# The scale window steers the view: the right arrow moves the drawing 50
# pixels to the right, a new "System" scale redraws at once, a scale of 0
# is taken as 1 (the frame shrinks to a few pixels instead of vanishing or
# hanging), and "Zoom alles" fits the frame into the canvas again.
#
#   zeichnen_massstab.sh <path of velko>
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$(realpath "$1")"
gui_installieren
beispiel="$HOME/Velko/projekte/beispiele/rahmen.sysdat"
system_starten "$beispiel"

# The canvas's place comes from the program; where a world point lands is
# worked out here from the example's stored view, so the view arithmetic
# is checked, not repeated.
fenster_geometrie "$haupt"
hx=$FX; hy=$FY
read -r lx ly breite hoehe < <(leinwand_lage)
mapfile -t massstab < "${beispiel%.sysdat}.massdat"
s=${massstab[0]}; x0=${massstab[5]}; y0=${massstab[6]}

pixel() {   # WX WY SCALE X0 Y0
  awk -v wx="$1" -v wy="$2" -v s="$3" -v x0="$4" -v y0="$5" -v b="$breite" -v h="$hoehe" 'BEGIN {
    ox = 0.5 * b + x0 * s; oy = -0.5 * h - y0 * s
    printf "%d %d\n", int(wx * s + ox), int(h - wy * s + oy) }'
}
# farbe X Y: colour of a canvas pixel, cropped from a grab of the screen.
farbe() {
  import -window root "$GUI_TMP/bild.png" 2>/dev/null || return 1
  convert "$GUI_TMP/bild.png" -crop "1x1+$(( hx + lx + $1 ))+$(( hy + ly + $2 ))" +repage txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1
}
farbe_ist() { [ "$(farbe "$1" "$2")" = "$3" ]; }
WEISS='#FFFFFF'

knopf "$haupt" "$HAUPTTITEL" Knopf#2    # second window toggle: "Fenster : Maßstab"
mass=$(fenster_warten "Velko")

# The right column at mid-height; the scale window stands over the left
# part of the canvas.
read -r rx ry < <(pixel 6 2 "$s" "$x0" "$y0")
warten_bis 5 farbe_ist "$rx" "$ry" "$WEISS" || gui_fehler "rechte Stütze nicht bei $rx,$ry"
knopf "$mass" Maßstab "@>"
warten_bis 5 farbe_ist "$(( rx + 50 ))" "$ry" "$WEISS" || gui_fehler "Pfeil nach rechts verschiebt nicht um 50 Pixel"
x0=$(awk -v x="$x0" -v s="$s" 'BEGIN { printf "%.2f", x + 50 / s }')

# The input below "System" holds the scale of the drawing.
systemmassstab() { eingabe "$mass" Maßstab Eingabe#5 "$1"; xdotool key Return; }
systemmassstab 120
read -r nx ny < <(pixel 6 2 120 "$x0" "$y0")
warten_bis 5 farbe_ist "$nx" "$ny" "$WEISS" || gui_fehler "neuer Maßstab 120 nicht gezeichnet (Stütze bei $nx,$ny: $(farbe "$nx" "$ny"))"

systemmassstab 0
# Taken as 1 pixel per metre: the whole frame lies within a few pixels of
# the world origin, nothing is drawn where the column stood.
warten_bis 5 farbe_ist "$nx" "$ny" '#000000' || \
  farbe_ist "$nx" "$ny" '#BFBFBF' || gui_fehler "Maßstab 0 zeichnet weiter bei $nx,$ny"
velko_laeuft || gui_fehler "velko hängt oder ist beendet nach Maßstab 0"

# "Zoom alles" from the icon bar: the frame fills the canvas with a
# 60-pixel margin; its middle lies at the canvas centre.
vorher=$(sichtbare_fenster)
knopf "$haupt" "$HAUPTTITEL" Knopf#1    # first window toggle: "Fenster : Icons"
icons=$(neues_fenster "$vorher") || gui_fehler "Iconleiste erscheint nicht"
knopf "$icons" Icons Knopf#5            # "Zoom alles"
zs=$(awk -v b="$breite" -v h="$hoehe" 'BEGIN { sx = (b - 120) / 6; sy = (h - 120) / 4; printf "%.2f", (sy > sx ? sx : sy) }')
read -r zx zy < <(pixel 6 2 "$zs" -3 -2)
warten_bis 5 farbe_ist "$zx" "$zy" "$WEISS" || gui_fehler "Zoom alles: rechte Stütze nicht bei $zx,$zy (Maßstab $zs)"
velko_laeuft || gui_fehler "velko ist beendet"
echo "ok"
