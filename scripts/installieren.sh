#!/usr/bin/env bash
# Installs the programs and data where the first-run dialog expects them:
# program directory ~/Velko, administration directory ~/Velko/verwaltung
# (also the catalogue directory), projects ~/Velko/projekte.
# Existing catalogues and colours of the user are kept.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
ziel=${VELKO_ZIEL:-$HOME/Velko}
mkdir -p "$ziel/verwaltung" "$ziel/projekte/beispiele" "$ziel/hilfe"
for f in daten/verwaltung/*; do
  name=$(basename "$f")
  case "$name" in
    material.dat|querschnitte.dat|standard.col)
      # the user's edited catalogues and colours survive a reinstall
      [ -e "$ziel/verwaltung/$name" ] || cp "$f" "$ziel/verwaltung/$name" ;;
    *) cp "$f" "$ziel/verwaltung/$name" ;;
  esac
done
[ -d daten/hilfe ] && cp -r daten/hilfe/. "$ziel/hilfe/"
cp beispiele/*.sysdat beispiele/*.massdat "$ziel/projekte/beispiele/" 2>/dev/null || true
for p in velko velko-rechnen; do
  [ -x "$build/$p" ] && install -m 755 "$build/$p" "$ziel/$p"
done
echo "Velko installiert in $ziel"
