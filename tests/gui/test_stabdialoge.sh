#!/usr/bin/env bash
# The windows of the bar menu that take over the event handler: the
# degree-of-freedom editor and the per-bar results window open on the
# marked column, close again without taking the program down, and leave
# the canvas reacting; the assignment dialog opens and closes.
#
#   test_stabdialoge.sh <path of velko>
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$(realpath "$1")"
gui_installieren
beispiel="$HOME/Velko/projekte/beispiele/rahmen.sysdat"
velko_starten "$beispiel"
haupt=$(fenster_warten "$HAUPTTITEL")
warten_bis 20 meldung_enthalten "System geladen" || gui_fehler "System nicht geladen"

fenster_geometrie "$haupt"
lx=$(( FX + 12 )); ly=$(( FY + 107 ))
breite=$(( FB - 20 )); hoehe=$(( FH - 115 ))
mapfile -t massstab < "${beispiel%.sysdat}.massdat"
read -r sx sy < <(awk -v s="${massstab[0]}" -v x0="${massstab[5]}" -v y0="${massstab[6]}" -v b="$breite" -v h="$hoehe" \
  'BEGIN { ox = 0.5 * b + x0 * s; oy = -0.5 * h - y0 * s; printf "%d %d\n", int(ox), int(h - 2 * s + oy) }')
leinwand_klick() { xdotool mousemove "$(( lx + $1 ))" "$(( ly + $2 ))" && sleep 0.1 && xdotool click "${3:-1}"; }

# stabmenue EINTRAG: chooses an entry of the bar menu (nine entries).
stabmenue() {
  local vorher pup h
  vorher=$(sichtbare_fenster)
  xdotool mousemove "$(( lx + sx + 40 ))" "$(( ly + sy ))" mousedown 3
  pup=$(neues_fenster "$vorher") || { xdotool mouseup 3; gui_fehler "Stabmenü öffnet nicht"; }
  fenster_geometrie "$pup"
  h=$(( (FH - 2 * POPUP_RAND) / 9 ))
  sleep 0.2
  xdotool mousemove $(( FX + FB / 2 )) $(( FY + POPUP_RAND + ($1 - 1) * h + h / 2 ))
  sleep 0.2
  xdotool mouseup 3
}

# oeffnen_schliessen EINTRAG TITEL X Y: opens the window, closes it with
# the button at (X, Y) of the window.
oeffnen_schliessen() {
  stabmenue "$1"
  local w
  w=$(fenster_warten "$2") || exit 1
  sleep 0.3
  klicken "$w" "$3" "$4"
  warten_bis 10 fenster_weg "$2" || gui_fehler "'$2' schließt nicht"
  velko_laeuft || gui_fehler "velko endet beim Schließen von '$2': $(cat "$GUI_TMP/velko.err")"
}

leinwand_klick "$sx" "$sy"
sleep 0.3
oeffnen_schliessen 5 "Freiheitsgrade" 865 722
oeffnen_schliessen 4 "Schnittgrößen / Verschiebungen ..." 940 715
oeffnen_schliessen 3 "Material / Querschnitt" 385 442

# The canvas has its handler back: a click beside the bar unmarks it, and
# button 3 then reports that no bar is marked.
leinwand_klick "$(( sx + 40 ))" "$sy"
sleep 0.3
leinwand_klick "$(( sx + 60 ))" "$sy" 3
warten_bis 5 meldung_ist "kein Stab markiert !" || gui_fehler "Zeichenfläche reagiert nicht: $(letzte_meldung)"
echo "OK"
