#!/usr/bin/env bash
# bench/vergleich.sh [WIEDERHOLUNGEN] [FELDERxGESCHOSSE/TEILUNGEN ...]
#
# Builds velko-rechnen and the Eigen reference (bench/referenz_eigen.cpp) in
# Release, generates the rectangular frames and prints one table row per
# frame: velko-rechnen from reading the system file to the written listing
# (wall time of the whole process) beside the reference's assembly,
# factorisation and solve of the same frame, each with its peak resident
# memory, and the ratio of the two times.  Both programs run in turn, each
# WIEDERHOLUNGEN times (default 5); the table gives the medians, so that
# other work on the machine touches both sides alike.
#
#   bash bench/vergleich.sh 5 50x20/10 100x50/10
set -euo pipefail
cd "$(dirname "$0")/.."
wiederholungen=${1:-5}
shift || true
groessen=("$@")
((${#groessen[@]})) || groessen=(10x5/10 50x20/2 50x20/10 100x50/10 200x100/2 200x100/10)

bau=${VERGLEICH_BAU:-build-vergleich}
bauen() {
  if ! cmake --build "$bau" -j"$(nproc)" --target "$@" >"$bau/vergleich.log" 2>&1; then
    cat "$bau/vergleich.log" >&2
    return 1
  fi
}
cmake -S . -B "$bau" -DCMAKE_BUILD_TYPE=Release -DVELKO_GUI=OFF -DVELKO_GUI_TESTS=OFF \
      -DVELKO_BENCHMARK=ON >/dev/null
bauen velko-rechnen rahmen-schreiben prozess-messen
ziele=$(cmake --build "$bau" --target help)
if ! grep -q '^\.\.\. referenz-eigen$' <<<"$ziele"; then
  echo "Eigen fehlt (libeigen3-dev): keine Referenz" >&2
  exit 1
fi
bauen referenz-eigen

arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT

# Median of the numbers on standard input.
median() { sort -g | awk '{ w[NR] = $1 } END { if (NR % 2) print w[(NR + 1) / 2]; else print (w[NR / 2] + w[NR / 2 + 1]) / 2 }'; }
# Value of key=value in a line.
wert() { sed -n "s/.*\\b$1=\\([^ ]*\\).*/\\1/p"; }

echo "| Rahmen | Teilungen | Gleichungen | velko-rechnen (s) | Spitze (MB) | Referenz (s) | Spitze (MB) | Verhältnis |"
echo "|---|---:|---:|---:|---:|---:|---:|---:|"
for g in "${groessen[@]}"; do
  felder=${g%%x*}; rest=${g#*x}; geschosse=${rest%%/*}; teilungen=${rest#*/}
  "$bau/rahmen-schreiben" "$felder" "$geschosse" "$arbeit/rahmen.sysdat"
  : >"$arbeit/v_zeit"; : >"$arbeit/v_mb"; : >"$arbeit/r_zeit"; : >"$arbeit/r_mb"
  for ((w = 0; w < wiederholungen; ++w)); do
    "$bau/prozess-messen" "$bau/velko-rechnen" --katalog daten/verwaltung --stabteilungen "$teilungen" \
      --liste "$arbeit/rahmen.list" "$arbeit/rahmen.sysdat" 2>"$arbeit/v_log"
    messung=$(tail -n 1 "$arbeit/v_log")
    wert wand_s <<<"$messung" >>"$arbeit/v_zeit"
    wert spitze_mb <<<"$messung" >>"$arbeit/v_mb"
    gleichungen=$(sed -n 's/.*Anzahl Freiheitsgrade : \([0-9]*\).*/\1/p' "$arbeit/v_log")

    "$bau/prozess-messen" "$bau/referenz-eigen" "$felder" "$geschosse" "$teilungen" \
      >"$arbeit/r_aus" 2>"$arbeit/r_log"
    wert summe_s <"$arbeit/r_aus" >>"$arbeit/r_zeit"
    tail -n 1 "$arbeit/r_log" | wert spitze_mb >>"$arbeit/r_mb"
    referenzGleichungen=$(wert gleichungen <"$arbeit/r_aus")
  done
  if [[ "$gleichungen" != "$referenzGleichungen" ]]; then
    echo "$g: velko-rechnen hat $gleichungen Gleichungen, die Referenz $referenzGleichungen" >&2
    exit 1
  fi
  v=$(median <"$arbeit/v_zeit"); vm=$(median <"$arbeit/v_mb")
  r=$(median <"$arbeit/r_zeit"); rm_=$(median <"$arbeit/r_mb")
  printf "| %s×%s | %s | %s | %.3f | %.0f | %.3f | %.0f | %.2f |\n" "$felder" "$geschosse" "$teilungen" \
    "$gleichungen" "$v" "$vm" "$r" "$rm_" "$(awk -v a="$v" -v b="$r" 'BEGIN { print a / b }')"
done
