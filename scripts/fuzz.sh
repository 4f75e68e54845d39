#!/bin/sh
# Runs every fuzz target for a while on its working corpus, seeded from tests/fuzz/corpus:
#   scripts/fuzz.sh [build-fuzz] [seconds]
# Stops at the first target that finds a crash, a leak or a sanitizer report; the input that did it
# is kept in the build folder (crash-*, leak-*) and the target's log is printed.
set -eu
build="${1:-build-fuzz}"
secondes="${2:-120}"
racine="$(cd "$(dirname "$0")/.." && pwd)"
cd "$build"
for cible in fuzz-lecture-nombres fuzz-document fuzz-options fuzz-entetes fuzz-fichiers fuzz-bureau fuzz-arguments-cli fuzz-calcul fuzz-taux-usure; do
    mkdir -p "corpus/$cible"
    journal="fuzz-$cible.log"
    if ! "./tests/fuzz/$cible" -max_total_time="$secondes" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        "corpus/$cible" "$racine/tests/fuzz/corpus/$cible" > "$journal" 2>&1; then
        cat "$journal"
        echo "$cible : échec" >&2
        exit 1
    fi
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$journal")
    memoire=$(sed -n 's/^stat::peak_rss_mb: *//p' "$journal")
    echo "$cible : $executions exécutions en $secondes s, $memoire Mo au plus, rien trouvé"
done
