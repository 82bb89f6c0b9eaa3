#!/bin/sh
# Runs every libFuzzer target of a BRINOX_FUZZ build for SECONDS each,
# starting from the committed seeds and from what earlier runs in this build
# directory found. Any crash, sanitizer report or broken property fails the
# run; the input that caused it is kept in BUILD_DIR/fuzz-artifacts. So does
# a target that tries fewer than FUZZ_MIN_RATE inputs a second (default
# 2000): one that slow finds too little in the time it is given.
#
#   tools/run-fuzzers.sh BUILD_DIR [SECONDS]
set -u
build_dir=$(cd "$1" && pwd)
seconds=${2:-60}
min_rate=${FUZZ_MIN_RATE:-2000}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
targets="fuzz_person_file fuzz_union_file fuzz_configuration fuzz_history_file fuzz_jpeg fuzz_caption_file fuzz_rtf fuzz_wave fuzz_gedcom"

# Undefined behaviour and leaks must stop the fuzzer like a crash does. A
# smaller quarantine than the default 256 MB lets freed memory be reused
# sooner; without it every run touches fresh pages and the fuzzer runs at
# half speed, while recent frees are still caught.
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1:quarantine_size_mb=32"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"

artifacts="$build_dir/fuzz-artifacts"
mkdir -p "$artifacts"
failed=""
summary=""
for target in $targets; do
    program="$build_dir/fuzz/$target"
    if [ ! -x "$program" ]; then
        echo "$program is missing: build the target fuzz_targets with BRINOX_FUZZ=ON first" >&2
        exit 2
    fi
    # New inputs go to the first directory, so the committed seeds stay as they are.
    corpus="$build_dir/fuzz-corpus/$target"
    mkdir -p "$corpus"
    log="$build_dir/fuzz-$target.log"
    echo "== $target: $seconds s"
    # A tiled person file runs the code for one record 600 times instead of a
    # few, which libFuzzer's hit counters take for new coverage: with them
    # that target spends most of its time on full tables and tries a few
    # hundred inputs a second. It is guided by the edges reached alone (it
    # finds the same ones) and gives the inputs that run fast more turns.
    # A tiled history file (up to 16 MiB, 64,236 lines) is the same case.
    # A photo of a hundred bytes can declare millions of grey pixels, each
    # such input taking a hundred times as long as a real small photo.
    case $target in
        fuzz_person_file | fuzz_history_file) guidance="-use_counters=0 -entropic_scale_per_exec_time=1" ;;
        fuzz_jpeg) guidance="-entropic_scale_per_exec_time=1" ;;
        *) guidance="" ;;
    esac
    # 256 kB reaches overfull tables (601 persons) without the TILE shortcut.
    "$program" -max_total_time="$seconds" -max_len=262144 -timeout=10 -rss_limit_mb=2048 $guidance \
        -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
        "$corpus" "$source_dir/fuzz/corpus/$target" >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    found=$(find "$corpus" -type f | wc -l)
    if [ "$status" -eq 0 ] && [ "${speed:-0}" -ge "$min_rate" ]; then
        line="$target: ${runs:-?} executions (${speed:-?}/s), corpus $found inputs, no crashes"
    elif [ "$status" -eq 0 ]; then
        line="$target: TOO SLOW: ${speed:-?} executions/s, below $min_rate/s; see $log"
        failed="$failed $target"
    else
        line="$target: FAILED (exit $status) after ${runs:-?} executions; see $log"
        failed="$failed $target"
        grep -E "^(==[0-9]+==ERROR|SUMMARY|property broken|.*runtime error)" "$log" | head -n 5
        ls "$artifacts" | grep "^$target-" | sed 's/^/  artifact: /'
    fi
    echo "$line"
    summary="$summary$line
"
done

echo
echo "Fuzzing summary"
printf '%s' "$summary"
if [ -n "$failed" ]; then
    echo "Crashed or too slow:$failed" >&2
    exit 1
fi
