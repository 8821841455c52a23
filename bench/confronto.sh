#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The board's budgets against a bare Qt Widgets window with one button, in the same run, on one Xvfb of
# 3840 x 2160 with openbox: start-up to the first paint, resident memory at 634 x 455 and full screen, and
# F11 to the repainted full screen (median of 10 switches). The two programs take turns, RUNS times each
# (default 3); the medians of the runs are compared with the budgets. BUILD names another build folder
# (default build-bench, configured in Release mode).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${RUNS:-3}
if [ -n "${BUILD:-}" ]; then
    build=$(realpath "$BUILD")
else
    build="$root/build-bench"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target bench_confronto >/dev/null

. "$root/tools/schermo.sh"
schermo_xdg nuova
SCHERMO_DIMENSIONI=3840x2160 schermo_xvfb
openbox >/dev/null 2>&1 &
gestore=$!
trap 'kill "$gestore" 2>/dev/null || true; schermo_pulisci' EXIT
sleep 1
export QT_QPA_PLATFORM=xcb

risultati=$(mktemp)
for i in $(seq 1 "$runs"); do
    for tipo in nuda tavola; do
        T0_NS=$(date +%s%N) "$build/bench/bench_confronto" "$tipo" | sed "s/^/$tipo /" >>"$risultati"
    done
done
cat "$risultati"
echo
# The median over the runs of each figure, for each window, and the budget it meets or misses.
awk -v runs="$runs" '
    function mediana(chiave,   n, i, j, t, v) {
        n = split(valori[chiave], v, " ")
        for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
        return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
    }
    { valori[$1 " " $2] = valori[$1 " " $2] " " $3 }
    function confronta(nome, limite, come,   b, t, ok) {
        b = mediana("nuda " nome); t = mediana("tavola " nome)
        ok = t <= limite ? "ok" : "MISSED"
        printf "%-28s board %8.1f   bare window %8.1f   budget %s = %8.1f   %s\n", nome, t, b, come, limite, ok
    }
    END {
        confronta("startup_to_drawn_ms", 1.2 * mediana("nuda startup_to_drawn_ms"), "1.2 x bare")
        confronta("rss_634x455_mib", mediana("nuda rss_634x455_mib") + 8, "bare + 8")
        confronta("rss_full_screen_mib", mediana("nuda rss_full_screen_mib") + 12, "bare + 12")
        confronta("f11_to_repainted_ms_median", 1.5 * mediana("nuda f11_to_repainted_ms_median"), "1.5 x bare")
    }' "$risultati"
rm -f "$risultati"
