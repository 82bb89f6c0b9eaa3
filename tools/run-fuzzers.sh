#!/bin/sh
# Runs every libFuzzer target of a BRINOX_FUZZ build for SECONDS each,
# starting from the committed seeds and from what earlier runs in this build
# directory found. Any crash, sanitizer report or broken property fails the
# run; the input that caused it is kept in BUILD_DIR/fuzz-artifacts.
#
#   tools/run-fuzzers.sh BUILD_DIR [SECONDS]
set -u
build_dir=$(cd "$1" && pwd)
seconds=${2:-60}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
targets="fuzz_person_file fuzz_union_file fuzz_configuration"

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
    scratch=$(mktemp -d)
    log="$build_dir/fuzz-$target.log"
    echo "== $target: $seconds s"
    # 256 kB reaches overfull tables (601 persons) without the TILE shortcut.
    TMPDIR="$scratch" "$program" -max_total_time="$seconds" -max_len=262144 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
        "$corpus" "$source_dir/fuzz/corpus/$target" >"$log" 2>&1
    status=$?
    rm -rf "$scratch"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    found=$(find "$corpus" -type f | wc -l)
    if [ "$status" -eq 0 ]; then
        line="$target: ${runs:-?} executions (${speed:-?}/s), corpus $found inputs, no crashes"
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
    echo "Crashes in:$failed" >&2
    exit 1
fi
