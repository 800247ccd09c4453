#!/usr/bin/env bash
# Helpers for the tests that drive the program window: an Xvfb of their own,
# a temporary HOME, the program started in it, xdotool for mouse and keys.
# Every wait polls for the expected state (no fixed pauses); coordinates come
# from the program's geometry log (VELKO_GEOMETRIEPROTOKOLL), which names
# every object of a form shown and the canvas with its view.  Cleanup kills
# only the processes started here.
#
#   source tests/gui/gui_hilfe.sh; gui_start <path of velko>
#
# Sets: DISPLAY, HOME (a fresh one), GUI_TMP, VELKO, VELKO_PID,
# VELKO_MELDUNGSPROTOKOLL (the log of every message-list line),
# VELKO_GEOMETRIEPROTOKOLL (the log of forms and canvas), HAUPTTITEL
# (the main window's title with the version of generiert/version.h beside
# the program).

set -u

GUI_TMP=""
XVFB_PID=""
VELKO_PID=""
GUI_QUELLEN=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

gui_fehler() {
  echo "FEHLER: $*" >&2
  if [ -n "$GUI_TMP" ] && [ -n "${DISPLAY:-}" ] && command -v import >/dev/null; then
    import -window root "$GUI_TMP/fehler.png" 2>/dev/null && echo "Bildschirm: $GUI_TMP/fehler.png" >&2
    # Also when called in a command substitution: the folder stays.
    : >"$GUI_TMP/behalten"
  fi
  if [ -n "$GUI_TMP" ] && [ -s "${VELKO_MELDUNGSPROTOKOLL:-/nonexistent}" ]; then
    echo "--- Meldungen:" >&2; cat "$VELKO_MELDUNGSPROTOKOLL" >&2
  fi
  exit 1
}

# A report of AddressSanitizer, LeakSanitizer or UndefinedBehaviorSanitizer
# on the program's standard error (of every start in this test) fails the
# test, also when the test itself got through.
sanitizer_bericht() {
  [ -n "$GUI_TMP" ] && [ -f "$GUI_TMP/velko.err" ] &&
    grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: [A-Za-z]*Sanitizer' "$GUI_TMP/velko.err"
}

gui_aufraeumen() {
  local status=$?
  if [ -n "$VELKO_PID" ] && kill -0 "$VELKO_PID" 2>/dev/null; then
    kill "$VELKO_PID" 2>/dev/null; wait "$VELKO_PID" 2>/dev/null || true
  fi
  if [ -n "$XVFB_PID" ] && kill -0 "$XVFB_PID" 2>/dev/null; then
    kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null || true
  fi
  if sanitizer_bericht; then
    echo "FEHLER: Bericht eines Sanitizers:" >&2
    cat "$GUI_TMP/velko.err" >&2
    status=1
  fi
  if [ -n "$GUI_TMP" ] && [ -z "${GUI_BEHALTEN:-}" ] && [ ! -e "$GUI_TMP/behalten" ]; then rm -rf "$GUI_TMP"; fi
  exit "$status"
}

# warten_bis TIMEOUT_S COMMAND...: polls every 0.05 s until the command succeeds.
warten_bis() {
  local grenze=$(( $(date +%s%N) + $1 * 1000000000 )); shift
  while ! "$@" >/dev/null 2>&1; do
    [ "$(date +%s%N)" -lt "$grenze" ] || return 1
    sleep 0.05
  done
}

gui_start() {
  VELKO=$(realpath "$1" 2>/dev/null || echo "$1")
  [ -x "$VELKO" ] || { echo "velko fehlt: $VELKO" >&2; exit 1; }
  local version
  version=$(sed -n 's/.*PROGRAMMVERSION = "\(.*\)";.*/\1/p' "$(dirname "$VELKO")/generiert/version.h" 2>/dev/null)
  [ -n "$version" ] || { echo "generiert/version.h fehlt neben $VELKO" >&2; exit 1; }
  HAUPTTITEL="Velko $version"
  GUI_TMP=$(mktemp -d "${TMPDIR:-/tmp}/velko_gui.XXXXXX")
  trap gui_aufraeumen EXIT
  exec 3>"$GUI_TMP/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$GUI_TMP/xvfb.log" 2>&1 &
  XVFB_PID=$!
  exec 3>&-
  warten_bis 20 test -s "$GUI_TMP/display" || gui_fehler "Xvfb startet nicht"
  export DISPLAY=":$(head -n1 "$GUI_TMP/display")"
  warten_bis 20 xdpyinfo || gui_fehler "Display $DISPLAY antwortet nicht"
  export HOME="$GUI_TMP/home"
  mkdir -p "$HOME"
  export VELKO_MELDUNGSPROTOKOLL="$GUI_TMP/meldungen.txt"
  : >"$VELKO_MELDUNGSPROTOKOLL"
  export VELKO_GEOMETRIEPROTOKOLL="$GUI_TMP/geometrie.txt"
  : >"$VELKO_GEOMETRIEPROTOKOLL"
  unset LANG LC_ALL
}

# schriften_zuerst 75|100: puts the 75 dpi or the 100 dpi fonts first on
# the server's font path (both sets stay on it, each unscaled before
# scaled), as X servers differ in the order they come with.
schriften_zuerst() {
  local d=/usr/share/fonts/X11 erst=75dpi dann=100dpi
  [ "$1" = 100 ] && { erst=100dpi; dann=75dpi; }
  xset fp= "$d/misc,$d/$erst/:unscaled,$d/$dann/:unscaled,$d/Type1,$d/$erst,$d/$dann,built-ins" ||
    gui_fehler "Schriftpfad mit $erst zuerst nicht gesetzt"
}

# The build directory of $VELKO (the one holding CMakeCache.txt).
gui_bauverzeichnis() {
  local d
  d=$(dirname "$VELKO")
  while [ "$d" != / ] && [ ! -f "$d/CMakeCache.txt" ]; do d=$(dirname "$d"); done
  [ -f "$d/CMakeCache.txt" ] || gui_fehler "kein Build-Verzeichnis über $VELKO"
  echo "$d"
}

# gui_prefix_installieren PREFIX: cmake --install of $VELKO's build.
gui_prefix_installieren() {
  bash "$GUI_QUELLEN/scripts/installieren.sh" "$(gui_bauverzeichnis)" "$1" >/dev/null ||
    gui_fehler "Installation nach $1 gescheitert"
}

# Installs the build into $GUI_TMP/prefix and sets up $HOME/Velko as a
# first run with the proposed paths would (.velko, catalogues and colours in
# Velko/verwaltung, examples in Velko/projekte/beispiele), so a test can skip
# the first-run dialog.  Sets VELKO_PREFIX.
gui_installieren() {
  VELKO_PREFIX="$GUI_TMP/prefix"
  gui_prefix_installieren "$VELKO_PREFIX"
  local daten="$VELKO_PREFIX/share/velko"
  mkdir -p "$HOME/Velko/verwaltung" "$HOME/Velko/projekte/beispiele"
  cp "$daten/verwaltung/material.dat" "$daten/verwaltung/querschnitte.dat" \
     "$daten/verwaltung/standard.col" "$HOME/Velko/verwaltung/"
  cp "$daten/beispiele/"* "$HOME/Velko/projekte/beispiele/"
  printf '%s\n' "$daten" "$HOME/Velko/verwaltung" "$HOME/Velko/projekte" "$HOME/Velko" \
    "xdg-open" "gv" >"$HOME/.velko"
}

# Standard error of every start is kept (appended), so a sanitizer report
# of an earlier start in the same test is not lost.
velko_starten() {
  ( cd "$HOME" && exec "$VELKO" "$@" ) >"$GUI_TMP/velko.out" 2>>"$GUI_TMP/velko.err" &
  VELKO_PID=$!
}

# system_starten DATEI: starts the program on the System file and waits
# until it has read it and drawn the canvas.  Sets haupt, the main window.
system_starten() {
  velko_starten "$1"
  haupt=$(fenster_warten "$HAUPTTITEL") || exit 1
  warten_bis 20 meldung_enthalten "System geladen !" || gui_fehler "System nicht geladen"
  warten_bis 10 leinwand_lage || gui_fehler "Zeichenfläche nicht gezeichnet"
}

velko_laeuft() { kill -0 "$VELKO_PID" 2>/dev/null; }

# fenster NAME: the id of the visible window with exactly this title.
fenster() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
fenster_da() { [ -n "$(fenster "$1")" ]; }
fenster_weg() { [ -z "$(fenster "$1")" ]; }

fenster_warten() {
  warten_bis "${2:-20}" fenster_da "$1" || gui_fehler "Fenster '$1' erscheint nicht"
  fenster "$1"
}

# Window geometry: sets FX FY FB FH (position and size on the screen).
fenster_geometrie() {
  eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^X=/FX=/p;s/^Y=/FY=/p;s/^WIDTH=/FB=/p;s/^HEIGHT=/FH=/p')"
}

# fenster_zu ID: the window is no longer mapped.
fenster_zu() { ! xdotool search --onlyvisible --maxdepth 1 --name '' 2>/dev/null | grep -qx "$1"; }

# Number of mapped top-level windows (pop-ups included).
fensterzahl() { xdotool search --onlyvisible --maxdepth 1 --name '' 2>/dev/null | wc -l; }

# zeiger_auf WIN X Y: moves the pointer to (X, Y) of the window and waits
# until the server reports it there.
zeiger_ist() { [ "$(xdotool getmouselocation | sed 's/^x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/')" = "$1 $2" ]; }
zeiger_auf() {
  fenster_geometrie "$1"
  local ax=$(( FX + $2 )) ay=$(( FY + $3 ))
  xdotool mousemove "$ax" "$ay"
  warten_bis 5 zeiger_ist "$ax" "$ay" || gui_fehler "Zeiger nicht bei $ax,$ay"
}
# klicken WIN X Y [KNOPF]: a click at (X, Y) relative to the window, once
# the pointer is there.
klicken() {
  zeiger_auf "$1" "$2" "$3"
  xdotool click "${4:-1}"
}

# objekt_lage FORM NAME [N]: "X Y B H" of the object NAME of the form FORM
# as last shown (see objekt).
objekt_lage() {
  iconv -f ISO-8859-1 -t UTF-8 "$VELKO_GEOMETRIEPROTOKOLL" | awk -F'\t' -v f="$1" -v n="$2" -v k="${3:-1}" '
    $1 == "zeige" && $2 == f { i = 0; p = "" }
    $1 == "form" && $2 == f && $3 == n && ++i == k { p = $4 }
    END { if (p == "") exit 1; print p }'
}
# objekt FORM NAME [N]: "X Y", the middle of the object NAME of the form
# FORM (its title, or the name the log gives a tool window) as last shown,
# relative to the form's window.  NAME is the object's label, or its class
# and number among the unlabelled ones ("Eingabe#2"); N picks the N-th
# object of that name.
objekt() {
  iconv -f ISO-8859-1 -t UTF-8 "$VELKO_GEOMETRIEPROTOKOLL" | awk -F'\t' -v f="$1" -v n="$2" -v k="${3:-1}" '
    $1 == "zeige" && $2 == f { i = 0; p = "" }
    $1 == "form" && $2 == f && $3 == n && ++i == k {
      split($4, g, " "); p = int(g[1] + g[3] / 2) " " int(g[2] + g[4] / 2) }
    END { if (p == "") exit 1; print p }'
}
# knopf WIN FORM NAME [N]: clicks the object.
knopf() {
  local p
  p=$(objekt "$2" "$3" "${4:-1}") || gui_fehler "kein Objekt '$3' in '$2'"
  klicken "$1" $p
}
# eingabe WIN FORM NAME TEXT [N]: replaces the text of an input.
eingabe() {
  local p
  p=$(objekt "$2" "$3" "${5:-1}") || gui_fehler "keine Eingabe '$3' in '$2'"
  eingabe_ersetzen "$1" $p "$4"
}
# leinwand_pixel WX WY: "X Y" in the main window of the world point (WX, WY)
# as the canvas was last drawn.
leinwand_pixel() {
  awk -F'\t' -v wx="$1" -v wy="$2" '$1 == "leinwand" { l = $2; v = $3 }
    END { if (l == "") exit 1; split(l, g, " "); split(v, a, " ")
          printf "%d %d\n", g[1] + int(wx * a[1] + a[2]), g[2] + int(a[3] - wy * a[1]) }' "$VELKO_GEOMETRIEPROTOKOLL"
}
# leinwand_lage: "X Y B H" of the canvas inside the main window.
leinwand_lage() { awk -F'\t' '$1 == "leinwand" { l = $2 } END { if (l == "") exit 1; print l }' "$VELKO_GEOMETRIEPROTOKOLL"; }

# leinwand_vermessen: sets lx ly breite hoehe (the canvas in the main window
# haupt) and leinwand_x leinwand_y (its corner on the screen).
leinwand_vermessen() {
  fenster_geometrie "$haupt"
  read -r lx ly breite hoehe < <(leinwand_lage)
  leinwand_x=$(( FX + lx )); leinwand_y=$(( FY + ly ))
}
# rote_spalten_in B H X Y: the columns, counted from X, of the pure red
# (#FF0000) pixels in the screen rectangle B x H at (X, Y).
rote_spalten_in() {
  import -window root "$GUI_TMP/bild.png" 2>/dev/null || return 1
  convert "$GUI_TMP/bild.png" -crop "${1}x${2}+${3}+${4}" +repage txt:- | awk -F'[,:]' '/#FF0000/ { print $1 }'
}

# popup_bereit PUP: the pop-up has drawn itself (its middle is no longer
# the black of an unexposed window); from then on it follows the pointer.
popup_bereit() {
  local f
  f=$(import -window "$1" -crop "1x1+5+$(( FH / 2 ))" +repage txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -n1)
  [ -n "$f" ] && [ "$f" != "#000000" ] && [ "$f" != "#292929" ]
}

# fenster_steht ID: the window (a toolkit question, an alert) has been
# placed and sized and has drawn itself; it maps at a provisional place
# first.  Sets FX FY FB FH.
fenster_steht() {
  local a
  fenster_geometrie "$1" || return 1
  a="$FX $FY $FB $FH"
  sleep 0.2
  fenster_geometrie "$1" || return 1
  [ "$a" = "$FX $FY $FB $FH" ] && popup_bereit "$1"
}

# menue_waehlen WIN MENUE EINTRAG: opens the pull-down menu labelled MENUE
# of the main window and chooses the EINTRAG-th entry (1-based) of its
# pop-up, which has POPUP_EINTRAEGE entries.
menue_waehlen() {
  local win=$1 menue=$2 eintrag=$3 pup p
  p=$(objekt "$HAUPTTITEL" "$menue") || gui_fehler "kein Menü '$menue'"
  pup=$(popup_oeffnen "$win" $p 1) || gui_fehler "Menü '$menue' öffnet nicht"
  popup_eintrag_waehlen "$pup" "$eintrag" 1
}

# popup_auf_eintrag PUP EINTRAG: moves the pointer to the entry of an open
# pop-up (entries are equally high, POPUP_EINTRAEGE of them) and waits until
# the pop-up shows that entry raised.  The toolkit maps a pop-up (showing
# what lies beneath) before it grabs the pointer: a motion before the grab
# never reaches it, and a release before the grab closes it with nothing
# chosen.  It raises an entry only from the grab on, so the pointer is
# nudged by a pixel until the entry stands raised.
popup_auf_eintrag() {
  local pup=$1 eintrag=$2 n dx=0 grenze=$(( $(date +%s%N) + 5000000000 ))
  n=$(popup_eintraege)
  fenster_geometrie "$pup"
  local hoehe=$(( (FH - 2 * POPUP_RAND) / n ))
  local y=$(( POPUP_RAND + (eintrag - 1) * hoehe + hoehe / 2 ))
  while :; do
    xdotool mousemove $(( FX + FB / 2 + dx )) $(( FY + y ))
    warten_bis 5 zeiger_ist $(( FX + FB / 2 + dx )) $(( FY + y )) || return 1
    eintrag_erhaben "$pup" "$y" "$hoehe" && return 0
    [ "$(date +%s%N)" -lt "$grenze" ] || return 1
    dx=$(( 1 - dx ))
    sleep 0.05
  done
}

# eintrag_erhaben PUP Y HOEHE: the entry around row Y of the pop-up (FB and
# FH its size) is drawn raised: in two columns a light line above Y and a
# dark one below it, within half an entry.
eintrag_erhaben() {
  local x
  for x in $(( FB / 4 )) $(( 3 * FB / 4 )); do
    import -window "$1" -crop "1x${FH}+${x}+0" +repage -depth 8 txt:- 2>/dev/null |
      awk -F'[ ,:]+' -v y="$2" -v h=$(( $3 / 2 + 2 )) '
        /^[0-9]/ { r = $2; hell = hell || (r >= y - h && r < y && /#CCCCCC/)
                   dunkel = dunkel || (r > y && r <= y + h && /#595959/) }
        END { exit !(hell && dunkel) }' || return 1
  done
}

# popup_eintrag_waehlen PUP EINTRAG [KNOPF]: chooses the entry of an open
# pop-up by releasing the button on it.
popup_eintrag_waehlen() {
  popup_auf_eintrag "$1" "$2" || { xdotool mouseup "${3:-1}"; gui_fehler "Pop-up zeigt Eintrag $2 nicht an"; }
  xdotool mouseup "${3:-1}"
}
POPUP_RAND=${POPUP_RAND:-3}
POPUP_EINTRAEGE=""
popup_eintraege() { echo "${POPUP_EINTRAEGE:?Anzahl der Einträge setzen}"; }

# lastart_waehlen ED ART: chooses the load kind ART (1 Punktlast,
# 2 Streckenlast, 3 Temperatur) in the load editor ED.  Its pop-up opens on
# the press and has its title above the kinds.
lastart_waehlen() {
  local ed=$1 p pup
  p=$(objekt "Belastung editieren" Lastart) || gui_fehler "keine Lastart"
  pup=$(popup_oeffnen "$ed" $p 1) || gui_fehler "Lastart öffnet nicht"
  POPUP_EINTRAEGE=4 popup_eintrag_waehlen "$pup" $(( $2 + 1 )) 1
  warten_bis 5 fenster_zu "$pup" || gui_fehler "Lastart bleibt offen"
}

# neues_fenster VORHER: polls for a mapped top-level window that is not in
# the list VORHER (sorted ids) and prints its id.
neues_fenster() {
  local vorher=$1 neu grenze=$(( $(date +%s%N) + 5000000000 ))
  while :; do
    neu=$(comm -13 <(echo "$vorher") <(xdotool search --onlyvisible --maxdepth 1 --name '' 2>/dev/null | sort) | head -n1)
    [ -n "$neu" ] && { echo "$neu"; return 0; }
    [ "$(date +%s%N)" -lt "$grenze" ] || return 1
    sleep 0.05
  done
}
sichtbare_fenster() { xdotool search --onlyvisible --maxdepth 1 --name '' 2>/dev/null | sort; }

# popup_oeffnen WIN X Y KNOPF: presses KNOPF at (X, Y) of the window, keeps
# it held, and prints the id of the pop-up that opens.
popup_oeffnen() {
  local vorher pup
  vorher=$(sichtbare_fenster)
  zeiger_auf "$1" "$2" "$3"
  xdotool mousedown "$4"
  pup=$(neues_fenster "$vorher") || { xdotool mouseup "$4"; return 1; }
  echo "$pup"
}
# stabmenue_oeffnen WIN X Y: the bar menu (button 3) at (X, Y).
stabmenue_oeffnen() { popup_oeffnen "$1" "$2" "$3" 3 || gui_fehler "Stabmenü öffnet nicht"; }

# untermenue_waehlen WIN MENUE N EINTRAG UN UEINTRAG: opens the pull-down
# menu labelled MENUE and chooses in it as popup_untermenue_waehlen does.
untermenue_waehlen() {
  local win=$1 menue=$2 pup p
  p=$(objekt "$HAUPTTITEL" "$menue") || gui_fehler "kein Menü '$menue'"
  pup=$(popup_oeffnen "$win" $p 1) || gui_fehler "Menü '$menue' öffnet nicht"
  popup_untermenue_waehlen "$pup" "$3" "$4" "$5" "$6" 1
}

# popup_untermenue_waehlen PUP N EINTRAG UN UEINTRAG KNOPF: in the open
# pop-up PUP of N entries (the button KNOPF held) goes to entry EINTRAG,
# which opens a submenu of UN entries, and chooses entry UEINTRAG there.
popup_untermenue_waehlen() {
  local pup=$1 n=$2 eintrag=$3 un=$4 ueintrag=$5 knopf=$6 vorher unter hoehe y
  vorher=$(sichtbare_fenster)
  POPUP_EINTRAEGE=$n popup_auf_eintrag "$pup" "$eintrag" ||
    { xdotool mouseup "$knopf"; gui_fehler "Pop-up zeigt Eintrag $eintrag nicht an"; }
  unter=$(neues_fenster "$vorher") || { xdotool mouseup "$knopf"; gui_fehler "Untermenü öffnet nicht"; }
  # Into the submenu on the same height first, so no other entry is crossed.
  fenster_geometrie "$pup"
  hoehe=$(( (FH - 2 * POPUP_RAND) / n ))
  y=$(( FY + POPUP_RAND + (eintrag - 1) * hoehe + hoehe / 2 ))
  xdotool mousemove $(( FX + FB + 10 )) "$y"
  warten_bis 5 zeiger_ist $(( FX + FB + 10 )) "$y" || gui_fehler "Zeiger nicht im Untermenü"
  POPUP_EINTRAEGE=$un popup_eintrag_waehlen "$unter" "$ueintrag" "$knopf"
}

# hinweis_bestaetigen: closes the toolkit's alert ("Hinweis") with Return.
hinweis_bestaetigen() {
  local h
  h=$(fenster_warten "Hinweis") || exit 1
  xdotool windowfocus --sync "$h" key Return
  warten_bis 10 fenster_weg "Hinweis" || gui_fehler "Hinweis bleibt offen"
}

# eingabe_ersetzen WIN X Y TEXT: replaces the text of a one-line input.
eingabe_ersetzen() {
  klicken "$1" "$2" "$3"
  xdotool key End
  xdotool key --repeat 60 BackSpace
  xdotool type --delay 5 -- "$4"
}

# letzte_meldung: the text of the newest message-list line (without number).
letzte_meldung() { tail -n1 "$VELKO_MELDUNGSPROTOKOLL" | sed 's/^ *[0-9-]*  //'; }
meldung_ist() { [ "$(letzte_meldung | iconv -f ISO-8859-1 -t UTF-8)" = "$1" ]; }
meldung_enthalten() { iconv -f ISO-8859-1 -t UTF-8 "$VELKO_MELDUNGSPROTOKOLL" | grep -qF -- "$1"; }
