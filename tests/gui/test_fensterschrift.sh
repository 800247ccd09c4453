#!/usr/bin/env bash
# Every window reads well whichever font set the X server offers first:
# with the 75 dpi and then the 100 dpi fonts first, the installed program
# starts on a fresh home directory, checks the texts of the first-run
# dialog and of every window it opens (VELKO_FORMPRUEFUNG), the lines the
# message list shows and where the tool windows stand, and writes what it
# found.  Nothing may be cut, run out of its window or frame, or lie on
# another object or text.
source "$(dirname "$0")/gui_hilfe.sh"
gui_start "$1"
gui_prefix_installieren "$GUI_TMP/prefix"
VELKO="$GUI_TMP/prefix/bin/velko"
for satz in 75 100; do
  schriften_zuerst "$satz"
  export HOME="$GUI_TMP/home$satz"
  mkdir -p "$HOME"
  befunde="$GUI_TMP/befunde$satz.txt"
  VELKO_FORMPRUEFUNG="$befunde" velko_starten "$GUI_TMP/prefix/share/velko/beispiele/rahmen.sysdat"
  warten_bis 20 fenster_da "Pfade" || gui_fehler "kein Erststart-Dialog ($satz dpi): $(cat "$GUI_TMP/velko.err")"
  dialog=$(fenster "Pfade")
  knopf "$dialog" Pfade OK
  warten_bis 60 bash -c "! kill -0 $VELKO_PID" || gui_fehler "Prüfung endet nicht ($satz dpi)"
  wait "$VELKO_PID"; status=$?
  [ "$status" -eq 0 ] || gui_fehler "Prüfung mit Status $status ($satz dpi): $(cat "$GUI_TMP/velko.err")"
  [ -f "$befunde" ] || gui_fehler "keine Befunde geschrieben ($satz dpi)"
  [ ! -s "$befunde" ] || gui_fehler "Fenstertexte mit den $satz-dpi-Schriften zuerst:
$(iconv -f ISO-8859-1 -t UTF-8 "$befunde")"
done
echo "fensterschrift: ok"
