#!/usr/bin/env bash
# Times whole tessaly-kit convert runs (process start included), one conversion per format:
# bash bench/convert.sh [BUILD_DIR] [RUNS]. Prints the mean wall time of one run.
set -euo pipefail
build=${1:-build}
runs=${2:-20}
tool="$build/bin/tessaly-kit"
seeds="$(dirname "$0")/../fuzz/corpus"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$seeds/fuzz_kit_file/sample-8753D_E.tsy" "$work/sample.tsy"
"$tool" convert "$work/sample.tsy" "$work/SAMPLE.ck"
"$tool" convert "$work/sample.tsy" "$work/CK_SAMPLE" 2>/dev/null

time_runs() {
    local label=$1
    shift
    local start end
    start=$(date +%s%N)
    for ((i = 0; i < runs; ++i)); do
        "$@" >/dev/null 2>&1
    done
    end=$(date +%s%N)
    awk -v label="$label" -v ns=$((end - start)) -v runs="$runs" \
        'BEGIN { printf "convert %-12s %8.2f ms per run (%d runs)\n", label, ns / runs / 1e6, runs }'
}

time_runs "tsy -> ck" "$tool" convert "$work/sample.tsy" "$work/out.ck"
time_runs "ck -> tsy" "$tool" convert "$work/SAMPLE.ck" "$work/out.tsy"
time_runs "CK_ -> tsy" "$tool" convert "$work/CK_SAMPLE" "$work/out2.tsy"
time_runs "tsy -> csv" "$tool" convert "$work/sample.tsy" "$work/out.csv"
