#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing
# when they are all present.
set -euo pipefail
pakete=(g++ cmake make python3 libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
        libforms-dev libxpm-dev libx11-dev xvfb xdotool imagemagick x11-apps
        x11-utils x11-xserver-utils xfonts-base xfonts-75dpi xfonts-100dpi
        ghostscript gv desktop-file-utils groff-base libsuitesparse-dev libeigen3-dev)
fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if ((${#fehlend[@]})); then
  echo "Installiere: ${fehlend[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi
