#!/usr/bin/env bash
# Builds Velko, installs it into ~/Velko and starts it on an example system.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/abhaengigkeiten.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
bash scripts/installieren.sh build
beispiel="$HOME/Velko/projekte/beispiele/rahmen.sysdat"
# On a fresh home directory the program first asks for its paths (the
# proposed ones are where installieren.sh put everything), then opens the
# example.
if [ -x "$HOME/Velko/velko" ] && [ -n "${DISPLAY:-}" ]; then
  exec "$HOME/Velko/velko" "$beispiel"
fi
if [ -x "$HOME/Velko/velko" ]; then
  echo "Keine X-Anzeige (DISPLAY ist leer); berechne das Beispiel mit velko-rechnen:"
else
  echo "Das Programmfenster wurde nicht gebaut (XForms fehlt?); berechne das Beispiel mit velko-rechnen:"
fi
exec "$HOME/Velko/velko-rechnen" "$beispiel"
