#!/bin/sh
# Runs every benchmark program of a BRINOX_BENCH build with repetitions and
# prints the median of each benchmark, then how many times longer Brinox
# takes than a bare Qt main window to reach its first paint, taken pair by
# pair from starts that alternate.
#
#   tools/run-benchmarks.sh BUILD_DIR
# BENCH_REPETITIONS (default 5) sets the number of repetitions.
set -eu
build_dir=$(cd "$1" && pwd)
repetitions=${BENCH_REPETITIONS:-5}
programs="store_bench pedigree_bench selection_bench relationship_bench descendants_bench timeline_bench jpeg_bench album_bench rich_text_bench startup_bench"

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

# The start-up benchmark runs Brinox and the bare window in turn and gives
# the medians of both starts and of the ratio within each pair as counters,
# columns found by their names in the header line.
awk -F, '
    $1 == "name" { for (i = 1; i <= NF; i++) { name = $i; gsub(/"/, "", name); column[name] = i } }
    $1 ~ /BM_StartToFirstPaint_BrinoxAgainstBareWindow(\/[^"]*)?_median"$/ && ("ratio" in column) && $column["ratio"] > 0 {
        printf "\nStart to first paint: Brinox %.1f ms, bare Qt window %.1f ms: %.2f times as long (median of pairs)\n",
               $column["brinox_ms"], $column["bare_window_ms"], $column["ratio"]
    }' "$build_dir/bench-startup_bench.csv"

# The timeline benchmark opens the contemporaries window and a plain list of
# the same lines in turn and gives the medians of both as counters.
awk -F, '
    $1 == "name" { for (i = 1; i <= NF; i++) { name = $i; gsub(/"/, "", name); column[name] = i } }
    $1 ~ /BM_OpenContemporariesAgainstPlainList(\/[^"]*)?_median"$/ && ("ratio" in column) && $column["ratio"] > 0 {
        printf "Contemporaries window opened and painted: %.2f ms, a plain list of its lines %.2f ms: %.2f times as long\n",
               $column["timeline_ms"], $column["plain_list_ms"], $column["ratio"]
    }' "$build_dir/bench-timeline_bench.csv"

# The JPEG benchmark decodes a 12-megapixel photo through the program's
# decoder and through libjpeg called bare, in turn.
awk -F, '
    $1 == "name" { for (i = 1; i <= NF; i++) { name = $i; gsub(/"/, "", name); column[name] = i } }
    $1 ~ /BM_DecodeTwelveMegapixelsAgainstBareLibjpeg(\/[^"]*)?_median"$/ && ("ratio" in column) && $column["ratio"] > 0 {
        printf "12-megapixel JPEG decoded: %.1f ms, libjpeg called bare %.1f ms: %.2f times as long\n",
               $column["ours_ms"], $column["bare_ms"], $column["ratio"]
    }' "$build_dir/bench-jpeg_bench.csv"

# The album benchmark places a page of twenty 12-megapixel photos as the album
# does and decodes the same files bare at full size on one thread, in turn;
# it also gives how far the memory rose for each and what paging back costs.
awk -F, '
    $1 == "name" { for (i = 1; i <= NF; i++) { name = $i; gsub(/"/, "", name); column[name] = i } }
    $1 ~ /BM_AlbumPageAgainstTwentyBareFullDecodes(\/[^"]*)?_median"$/ && ("ratio" in column) && $column["ratio"] > 0 {
        printf "Album page of twenty 12-megapixel photos: %.1f ms, twenty bare full decodes on one thread %.1f ms: %.2f times as long; memory rose %.1f MiB against %.1f MiB\n",
               $column["album_ms"], $column["bare_ms"], $column["ratio"], $column["album_peak_MiB"], $column["bare_peak_MiB"]
    }
    $1 ~ /BM_AlbumPageSeenBefore(\/[^"]*)?_median"$/ {
        printf "Album page seen before (thumbnails kept): %.3f %s\n", $3, $5
    }' "$build_dir/bench-album_bench.csv"

# The rich-text benchmark loads a 1 MB life description into the editor and
# the same text as plain text, in turn.
awk -F, '
    $1 == "name" { for (i = 1; i <= NF; i++) { name = $i; gsub(/"/, "", name); column[name] = i } }
    $1 ~ /BM_LoadRichTextAgainstPlainText\/[0-9]+\/manual_time_median"$/ && ("ratio" in column) && $column["ratio"] > 0 {
        split($1, part, "/")
        printf "1 MB life description, a new format every %s words, loaded into the editor: %.1f ms (reading %.1f ms), as plain text %.1f ms: %.2f times as long\n",
               part[2], $column["rich_ms"], $column["of_which_reading_ms"], $column["plain_ms"], $column["ratio"]
    }' "$build_dir/bench-rich_text_bench.csv"
