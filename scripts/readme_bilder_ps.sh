#!/usr/bin/env bash
# Renders the moment page of the portal-frame example for the README:
# velko-rechnen computes beispiele/rahmen.sysdat and plots the moment page,
# Ghostscript turns it into doc/rahmen_moment.png.
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
