#!/usr/bin/env bash
# Helpers for the tests that drive the program window: an Xvfb of their own,
# a temporary HOME, the program started in it, xdotool for mouse and keys.
# Every wait polls for the expected state; cleanup kills only the processes
# started here.
#
#   source tests/gui/gui_hilfe.sh; gui_start <path of velko>
#
# Sets: DISPLAY, HOME (a fresh one), GUI_TMP, VELKO, VELKO_PID,
# VELKO_MELDUNGSPROTOKOLL (the log of every message-list line).

set -u

GUI_TMP=""
XVFB_PID=""
VELKO_PID=""
GUI_QUELLEN=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

gui_fehler() {
  echo "FEHLER: $*" >&2
  if [ -n "$GUI_TMP" ] && [ -n "${DISPLAY:-}" ] && command -v import >/dev/null; then
    import -window root "$GUI_TMP/fehler.png" 2>/dev/null && echo "Bildschirm: $GUI_TMP/fehler.png" >&2
    GUI_BEHALTEN=1
  fi
  if [ -n "$GUI_TMP" ] && [ -s "${VELKO_MELDUNGSPROTOKOLL:-/nonexistent}" ]; then
    echo "--- Meldungen:" >&2; cat "$VELKO_MELDUNGSPROTOKOLL" >&2
  fi
  exit 1
}

gui_aufraeumen() {
  if [ -n "$VELKO_PID" ] && kill -0 "$VELKO_PID" 2>/dev/null; then
    kill "$VELKO_PID" 2>/dev/null; wait "$VELKO_PID" 2>/dev/null
  fi
  if [ -n "$XVFB_PID" ] && kill -0 "$XVFB_PID" 2>/dev/null; then
    kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null
  fi
  if [ -n "$GUI_TMP" ] && [ -z "${GUI_BEHALTEN:-}" ]; then rm -rf "$GUI_TMP"; fi
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
  GUI_TMP=$(mktemp -d "${TMPDIR:-/tmp}/velko_gui.XXXXXX")
  trap gui_aufraeumen EXIT
  exec 3>"$GUI_TMP/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$GUI_TMP/xvfb.log" 2>&1 &
  XVFB_PID=$!
  exec 3>&-
  warten_bis 20 test -s "$GUI_TMP/display" || gui_fehler "Xvfb startet nicht"
  export DISPLAY=":$(head -n1 "$GUI_TMP/display")"
  warten_bis 20 xdpyinfo || gui_fehler "Display $DISPLAY antwortet nicht"
  export HOME="$GUI_TMP/home"
  mkdir -p "$HOME"
  export VELKO_MELDUNGSPROTOKOLL="$GUI_TMP/meldungen.txt"
  : >"$VELKO_MELDUNGSPROTOKOLL"
  unset LANG LC_ALL
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

velko_starten() {
  ( cd "$HOME" && exec "$VELKO" "$@" ) >"$GUI_TMP/velko.out" 2>"$GUI_TMP/velko.err" &
  VELKO_PID=$!
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

# Number of mapped top-level windows (pop-ups included).
fensterzahl() { xdotool search --onlyvisible --maxdepth 1 --name '' 2>/dev/null | wc -l; }

# klicken WIN X Y: a click at (X, Y) relative to the window.
klicken() {
  xdotool mousemove --window "$1" "$2" "$3" && sleep 0.05 && xdotool click 1
}

# menue_waehlen WIN MX MY EINTRAG: opens the pull-down menu at (MX, MY) of
# the window and chooses the EINTRAG-th entry (1-based) of its pop-up.
menue_waehlen() {
  local win=$1 mx=$2 my=$3 eintrag=$4 vorher pup
  vorher=$(xdotool search --onlyvisible --maxdepth 1 --name '' 2>/dev/null | sort)
  xdotool mousemove --window "$win" "$mx" "$my" mousedown 1
  pup=""
  local grenze=$(( $(date +%s%N) + 5000000000 ))
  while [ -z "$pup" ]; do
    pup=$(comm -13 <(echo "$vorher") <(xdotool search --onlyvisible --maxdepth 1 --name '' 2>/dev/null | sort) | head -n1)
    [ -n "$pup" ] && break
    [ "$(date +%s%N)" -lt "$grenze" ] || { xdotool mouseup 1; gui_fehler "Menü bei $mx,$my öffnet nicht"; }
    sleep 0.05
  done
  popup_eintrag_waehlen "$pup" "$eintrag"
}

# popup_eintrag_waehlen PUP EINTRAG: moves to the entry of an open pop-up
# (entries are equally high) and releases the button there.
popup_eintrag_waehlen() {
  local pup=$1 eintrag=$2 n
  n=$(popup_eintraege)
  fenster_geometrie "$pup"
  local hoehe=$(( (FH - 2 * POPUP_RAND) / n ))
  local y=$(( FY + POPUP_RAND + (eintrag - 1) * hoehe + hoehe / 2 ))
  local x=$(( FX + FB / 2 ))
  sleep 0.1
  xdotool mousemove "$x" "$y"
  sleep 0.15
  xdotool mouseup 1
}
POPUP_RAND=${POPUP_RAND:-3}
POPUP_EINTRAEGE=""
popup_eintraege() { echo "${POPUP_EINTRAEGE:?Anzahl der Einträge setzen}"; }

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

# untermenue_waehlen WIN MX MY N EINTRAG UN UEINTRAG: opens the pull-down
# menu at (MX, MY), goes to entry EINTRAG of its N entries, which opens a
# submenu of UN entries, and chooses entry UEINTRAG there.
untermenue_waehlen() {
  local win=$1 mx=$2 my=$3 n=$4 eintrag=$5 un=$6 ueintrag=$7 vorher pup unter hoehe y
  vorher=$(sichtbare_fenster)
  xdotool mousemove --window "$win" "$mx" "$my" mousedown 1
  pup=$(neues_fenster "$vorher") || { xdotool mouseup 1; gui_fehler "Menü bei $mx,$my öffnet nicht"; }
  fenster_geometrie "$pup"
  hoehe=$(( (FH - 2 * POPUP_RAND) / n ))
  y=$(( FY + POPUP_RAND + (eintrag - 1) * hoehe + hoehe / 2 ))
  vorher=$(sichtbare_fenster)
  sleep 0.1
  xdotool mousemove $(( FX + FB / 2 )) "$y"
  unter=$(neues_fenster "$vorher") || { xdotool mouseup 1; gui_fehler "Untermenü öffnet nicht"; }
  # Into the submenu on the same height first, so no other entry is crossed.
  xdotool mousemove $(( FX + FB + 10 )) "$y"
  fenster_geometrie "$unter"
  hoehe=$(( (FH - 2 * POPUP_RAND) / un ))
  sleep 0.1
  xdotool mousemove $(( FX + FB / 2 )) $(( FY + POPUP_RAND + (ueintrag - 1) * hoehe + hoehe / 2 ))
  sleep 0.15
  xdotool mouseup 1
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
  for _ in $(seq 1 60); do xdotool key BackSpace; done
  xdotool type --delay 5 "$4"
}

# letzte_meldung: the text of the newest message-list line (without number).
letzte_meldung() { tail -n1 "$VELKO_MELDUNGSPROTOKOLL" | sed 's/^ *[0-9-]*  //'; }
meldung_ist() { [ "$(letzte_meldung | iconv -f ISO-8859-1 -t UTF-8)" = "$1" ]; }
meldung_enthalten() { iconv -f ISO-8859-1 -t UTF-8 "$VELKO_MELDUNGSPROTOKOLL" | grep -qF -- "$1"; }
