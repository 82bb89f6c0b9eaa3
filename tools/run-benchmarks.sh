#!/bin/sh
# Runs every benchmark program of a BRINOX_BENCH build with repetitions and
# prints the median of each benchmark, then how many times longer Brinox
# takes than a bare Qt main window to reach its first paint.
#
#   tools/run-benchmarks.sh BUILD_DIR
# BENCH_REPETITIONS (default 5) sets the number of repetitions.
set -eu
build_dir=$(cd "$1" && pwd)
repetitions=${BENCH_REPETITIONS:-5}
programs="store_bench pedigree_bench selection_bench startup_bench"

export QT_QPA_PLATFORM=offscreen
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
trap 'rm -rf "$runtime"' EXIT

for program in $programs; do
    if [ ! -x "$build_dir/bench/$program" ]; then
        echo "$build_dir/bench/$program is missing: configure with -DBRINOX_BENCH=ON and build first" >&2
        exit 2
    fi
done

for program in $programs; do
    echo "== $program"
    "$build_dir/bench/$program" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
        --benchmark_out="$build_dir/bench-$program.csv" --benchmark_out_format=csv
    echo
done

# The CSV files hold one line per aggregate: "name",iterations,real_time,cpu_time,time_unit,...
echo "Medians of $repetitions repetitions (wall time per iteration)"
for program in $programs; do
    awk -F, '$1 ~ /_median"$/ {
        name = $1; gsub(/"/, "", name); sub(/_median$/, "", name)
        if ($9 == "true") { printf "  %-40s failed: %s\n", name, $10; next }
        printf "  %-40s %12.3f %s\n", name, $3, $5
    }' "$build_dir/bench-$program.csv"
done

awk -F, '
    $1 ~ /BM_StartToFirstPaint_Brinox(\/[^"]*)?_median"$/ { brinox = $3; unit = $5 }
    $1 ~ /BM_StartToFirstPaint_BareWindow(\/[^"]*)?_median"$/ { bare = $3 }
    END {
        if (brinox > 0 && bare > 0)
            printf "\nStart to first paint: Brinox %.1f %s, bare Qt window %.1f %s: %.2f times as long\n",
                   brinox, unit, bare, unit, brinox / bare
    }' "$build_dir/bench-startup_bench.csv"
