#!/usr/bin/env bash
# Times the desktop program's start: from launching the process until its main window is
# shown on a virtual X server (Xvfb), with fresh settings each time, so a new kit is opened
# as on a first start. Usage: bash bench/startup.sh [BUILD_DIR] [RUNS]. Prints every run and
# the median, and fails when the median exceeds LIMIT_MS (default 500).
set -euo pipefail
build=${1:-build}
runs=${2:-10}
limit=${LIMIT_MS:-500}
program="$build/bin/tessaly"

if [ ! -x "$program" ]; then
    echo "startup: $program is not built" >&2
    exit 1
fi
for tool in Xvfb xwininfo; do
    command -v "$tool" >/dev/null || { echo "startup: $tool is missing (make deps)" >&2; exit 1; }
done

work=$(mktemp -d)
display=""
for n in $(seq 90 199); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        display=":$n"
        break
    fi
done
[ -n "$display" ] || { echo "startup: no free X display" >&2; exit 1; }

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 200); do
    xwininfo -display "$display" -root >/dev/null 2>&1 && break
    sleep 0.05
done

times=()
for ((i = 1; i <= runs; ++i)); do
    rm -rf "$work/config"
    start=$(date +%s%N)
    # A folder of its own for the single-instance socket, so a Tessaly running elsewhere does
    # not take these starts over.
    mkdir -p "$work/run"
    DISPLAY=$display XDG_CONFIG_HOME="$work/config" TMPDIR="$work/run" "$program" >/dev/null 2>>"$work/stderr" &
    program_pid=$!
    until xwininfo -display "$display" -name Tessaly 2>/dev/null | grep -q IsViewable; do
        if ! kill -0 "$program_pid" 2>/dev/null; then
            echo "startup: the program ended before showing its window:" >&2; cat "$work/stderr" >&2
            exit 1
        fi
        sleep 0.002
    done
    end=$(date +%s%N)
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
    ms=$(( (end - start) / 1000000 ))
    times+=("$ms")
    printf "start %2d: %4d ms\n" "$i" "$ms"
done

median=$(printf "%s\n" "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }')
echo "startup median: $median ms over $runs starts (limit $limit ms)"
[ "$median" -le "$limit" ]
