#!/usr/bin/env bash
# Renders pages of the plot for the README: velko-rechnen computes
# beispiele/rahmen.sysdat and plots the moment page (doc/rahmen_moment.png),
# and the system page of beispiele/lagerarten.sysdat with its support
# symbols (doc/lagerarten_system.png); Ghostscript turns them into pictures.
#
# Usage: bash scripts/readme_bilder_ps.sh [BUILD-VERZEICHNIS]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
command -v gs >/dev/null || { echo "Ghostscript (gs) fehlt" >&2; exit 2; }

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DVELKO_GUI=OFF -DVELKO_BENCHMARK=OFF >/dev/null
fi
cmake --build "$build" --target velko-rechnen -j"$(nproc)" >/dev/null

arbeit="$(mktemp -d)"
trap 'rm -rf "$arbeit"' EXIT
"$build/velko-rechnen" --katalog daten/verwaltung --liste "$arbeit/rahmen.list" \
  --ps "$arbeit/rahmen.ps" --seiten moment --momentenmassstab 0.02 --beschriftung \
  beispiele/rahmen.sysdat 2>"$arbeit/meldungen" ||
  { cat "$arbeit/meldungen" >&2; exit 1; }

mkdir -p doc
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r60 -dTextAlphaBits=4 -dGraphicsAlphaBits=4 \
  -sOutputFile=doc/rahmen_moment.png "$arbeit/rahmen.ps"
echo "doc/rahmen_moment.png geschrieben"

# The support symbols on paper: the system page of beispiele/lagerarten.sysdat
# in landscape, cut to the drawing.
"$build/velko-rechnen" --katalog daten/verwaltung --liste "$arbeit/lagerarten.list" \
  --ps "$arbeit/lagerarten.ps" --seiten system --querformat --ohne-seitenzahlen \
  beispiele/lagerarten.sysdat 2>"$arbeit/meldungen" ||
  { cat "$arbeit/meldungen" >&2; exit 1; }
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r100 -dTextAlphaBits=4 -dGraphicsAlphaBits=4 \
  -sOutputFile="$arbeit/lagerarten.png" "$arbeit/lagerarten.ps"
# The page lies on its side on portrait paper: turned upright, the frame and
# the heading cut away, the drawing kept with a margin.
convert "$arbeit/lagerarten.png" -rotate 90 -shave 130x130 -trim +repage -bordercolor white -border 20 \
  doc/lagerarten_system.png
echo "doc/lagerarten_system.png geschrieben"
