#!/usr/bin/env bash
# Renders the moment pages of the sway frame for the README, by first- and
# by second-order theory side by side: velko-rechnen computes
# beispiele/verschieblicher_rahmen.sysdat both ways and plots the moment
# page, Ghostscript renders each, ImageMagick puts them next to each other
# into doc/theorie2_moment.png.
#
# Usage: bash scripts/readme_bilder_theorie2.sh [BUILD-VERZEICHNIS]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
command -v gs >/dev/null || { echo "Ghostscript (gs) fehlt" >&2; exit 2; }
command -v convert >/dev/null || { echo "ImageMagick (convert) fehlt" >&2; exit 2; }

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DVELKO_GUI=OFF -DVELKO_BENCHMARK=OFF >/dev/null
fi
cmake --build "$build" --target velko-rechnen -j"$(nproc)" >/dev/null

arbeit="$(mktemp -d)"
trap 'rm -rf "$arbeit"' EXIT
for theorie in 1 2; do
  zusatz=()
  [ "$theorie" = 2 ] && zusatz=(--theorie2)
  "$build/velko-rechnen" --katalog daten/verwaltung "${zusatz[@]}" --liste "$arbeit/liste$theorie" \
    --ps "$arbeit/moment$theorie.ps" --seiten moment --momentenmassstab 0.02 --beschriftung \
    --ohne-seitenzahlen beispiele/verschieblicher_rahmen.sysdat 2>"$arbeit/meldungen" ||
    { cat "$arbeit/meldungen" >&2; exit 1; }
  gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r60 -dTextAlphaBits=4 -dGraphicsAlphaBits=4 \
    -sOutputFile="$arbeit/moment$theorie.png" "$arbeit/moment$theorie.ps"
done

mkdir -p doc
convert \( "$arbeit/moment1.png" -trim +repage -bordercolor white -border 20 \) \
  \( "$arbeit/moment2.png" -trim +repage -bordercolor white -border 20 \) +append doc/theorie2_moment.png
echo "doc/theorie2_moment.png geschrieben"
