#!/usr/bin/env bash
# Installs the built programs with their data, the desktop entry and the
# manual pages (the install rules of cmake/installation.cmake):
#
#   bash scripts/installieren.sh [build directory [prefix]]
#
# Default: build directory "build", prefix ~/.local (or $VELKO_PREFIX):
# ~/.local/bin/velko, ~/.local/share/velko, ~/.local/share/applications,
# ~/.local/share/man/man1.  The user's own catalogues, colours and projects
# live elsewhere (~/Velko, chosen in the first-run dialog) and are not
# touched.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
prefix=${2:-${VELKO_PREFIX:-$HOME/.local}}
cmake --install "$build" --prefix "$prefix" >/dev/null
echo "Velko installiert in $prefix"
