#!/usr/bin/env bash
# Start-up of the window on a virtual X server: the time from exec to the first paint of the
# character table (median of RUNS starts, after one start that writes the data files) and the
# resident memory 2 s after start-up (median). Needs xvfb (./scripts/setup --optional).
# usage: bench/startup.sh [RUNS]     GLYPHORA_BIN may name another build of the program.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
bin=${GLYPHORA_BIN:-build/bin/glyphora}
if [ ! -x "$bin" ]; then
    ./scripts/build -DGLYPHORA_BUILD_BENCH=OFF
fi

. scripts/private_display.sh
start_private_display 1600x1000

# The program runs from a folder of its own (its files go beside it) with a home of its own.
mkdir -p "$work"/{bin,home,config,data,cache,runtime}
chmod 700 "$work/runtime"
cp "$bin" "$work/bin/glyphora"
export DISPLAY=":$display" HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
    XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime" \
    GLYPHORA_TRACE_STARTUP=1
printf '[fwMain]\nlvFont=DejaVu Sans\n' >"$work/bin/glyphora.dat"

# One start: prints "milliseconds-to-first-paint resident-kB".
start_once() {
    local log="$work/log" t0 pid painted="" rss
    : >"$log"
    t0=${EPOCHREALTIME/./}  # microseconds, taken in this shell just before the exec
    "$work/bin/glyphora" 2>"$log" &
    pid=$!
    # The program stamps its first paint with the wall clock: nothing needs to watch it meanwhile
    # (a polling loop would take processor time from the start it measures).
    sleep 2
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    painted=$(sed -n 's/^glyphora: first-paint-realtime-ns //p' "$log")
    [ -n "$painted" ] || { echo "no first paint reported" >&2; cat "$log" >&2; exit 1; }
    echo "$(( (painted / 1000 - t0) / 10 ))e-2 $rss" | awk '{printf "%.1f %d\n", $1, $2}'
}

median() { sort -n | awk '{a[NR] = $1} END {m = int((NR + 1) / 2); print (NR % 2 ? a[m] : (a[m] + a[m + 1]) / 2)}'; }

start_once >/dev/null  # writes the data files and fills the font caches
results=()
for i in $(seq "$runs"); do
    results+=("$(start_once)")
    echo "run $i: ${results[-1]% *} ms to first paint, ${results[-1]#* } kB resident" >&2
done
paint=$(printf '%s\n' "${results[@]}" | cut -d' ' -f1 | median)
rss=$(printf '%s\n' "${results[@]}" | cut -d' ' -f2 | median)
echo "startup: median ${paint} ms from exec to the first painted table ($runs runs)"
echo "memory:  median $(awk -v k="$rss" 'BEGIN {printf "%.1f", k / 1024}') MB resident 2 s after start-up"
