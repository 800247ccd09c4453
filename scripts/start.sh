#!/usr/bin/env bash
# Builds Velko, installs it into ~/Velko and starts it on an example system.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/abhaengigkeiten.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
bash scripts/installieren.sh build
beispiel="$HOME/Velko/projekte/beispiele/rahmen.sysdat"
if [ -x "$HOME/Velko/velko" ]; then
  exec "$HOME/Velko/velko" "$beispiel"
else
  echo "Velko hat noch kein Programmfenster; berechne das Beispiel mit velko-rechnen:"
  exec "$HOME/Velko/velko-rechnen" "$beispiel"
fi
