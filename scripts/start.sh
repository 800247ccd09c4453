#!/usr/bin/env bash
# Builds Velko, installs it into ~/.local (or $VELKO_PREFIX) and starts it on
# an example system: the window when there is a display, otherwise the
# listing of the example computed by velko-rechnen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/abhaengigkeiten.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
prefix=${VELKO_PREFIX:-$HOME/.local}
bash scripts/installieren.sh build "$prefix"

# The copy in the user's projects folder once the first run has made it
# (it can be changed and saved there), the installed one before.
beispiel="$prefix/share/velko/beispiele/rahmen.sysdat"
projekte=$(sed -n 3p "$HOME/.velko" 2>/dev/null || true)
if [ -n "$projekte" ] && [ -f "$projekte/beispiele/rahmen.sysdat" ]; then
  beispiel="$projekte/beispiele/rahmen.sysdat"
fi

# On a fresh home directory the window program first shows the paths it
# proposes; "OK" sets them up and the example opens.
if [ -x "$prefix/bin/velko" ] && [ -n "${DISPLAY:-}" ]; then
  exec "$prefix/bin/velko" "$beispiel"
fi
if [ -x "$prefix/bin/velko" ]; then
  echo "Keine X-Anzeige (DISPLAY ist leer); berechne das Beispiel mit velko-rechnen:"
else
  echo "Das Programmfenster wurde nicht gebaut (XForms fehlt?); berechne das Beispiel mit velko-rechnen:"
fi
exec "$prefix/bin/velko-rechnen" "$beispiel"
