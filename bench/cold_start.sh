#!/usr/bin/env bash
# First paint with a cold font cache: Glyphora started on fonts whose fontconfig cache is empty,
# against the same start with the cache filled, and fontconfig's own scan of those fonts
# (fc-cache), interleaved run by run; prints the medians and the target the cold start is held
# to (1.2 x the warm start + the scan).
#
# usage: bench/cold_start.sh [-n RUNS] [-d FONT_DIR]
#   -n RUNS  runs of each (default 7)
#   -d DIR   the fonts (default /usr/share/fonts/truetype: every TrueType font installed)
# GLYPHORA names the executable (default build/bin/glyphora). Needs Xvfb and fc-cache.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=7 fonts=/usr/share/fonts/truetype
while getopts "n:d:" option; do
    case $option in
        n) runs=$OPTARG ;;
        d) fonts=$OPTARG ;;
        *) sed -n '2,10p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 64 ;;
    esac
done
glyphora=$(readlink -f "${GLYPHORA:-build/bin/glyphora}")
[ -x "$glyphora" ] || { echo "cold_start.sh: build the program first (./scripts/build)" >&2; exit 69; }

. scripts/private_display.sh
start_private_display 1280x1024

# The system's rules, these fonts only, and a cache folder of our own that a run can empty.
cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$fonts</dir>
  <cachedir>$work/cache</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
</fontconfig>
CONF
mkdir -p "$work/home/runtime"
chmod 700 "$work/home/runtime"
export FONTCONFIG_FILE=$work/fonts.conf HOME=$work/home XDG_RUNTIME_DIR=$work/home/runtime

first_paint() { # the first paint in ms since main, as the program's start-up trace reports it
    local log=$work/trace.log pid
    DISPLAY=":$display" GLYPHORA_TRACE_STARTUP=1 "$glyphora" 2>"$log" >/dev/null &
    pid=$!
    for _ in $(seq 200); do grep -q 'first paint' "$log" && break; sleep 0.05; done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
    sed -n 's/.*first paint of pbTable.* \([0-9.]*\) ms since main/\1/p' "$log"
}
now_ms() { date +%s%N | awk '{printf "%.1f", $1 / 1e6}'; }

first_paint >/dev/null  # the first start writes the settings and data files
echo "# $(find "$fonts" -type f | wc -l) font files; $runs runs; load $(cut -d' ' -f1-3 /proc/loadavg)" >&2
for run in $(seq 1 "$runs"); do
    rm -rf "$work/cache"
    start=$(now_ms)
    fc-cache "$fonts" >/dev/null 2>&1 || true
    echo "scan,$(awk -v a="$start" -v b="$(now_ms)" 'BEGIN{printf "%.1f", b - a}')" >>"$work/runs.csv"
    rm -rf "$work/cache"
    echo "cold,$(first_paint)" >>"$work/runs.csv"
    echo "warm,$(first_paint)" >>"$work/runs.csv"
done
python3 - "$work/runs.csv" <<'PY'
import statistics, sys
values = {}
for line in open(sys.argv[1]):
    kind, _, ms = line.strip().partition(",")
    if ms:
        values.setdefault(kind, []).append(float(ms))
median = {k: statistics.median(v) for k, v in values.items()}
print("| | median | runs |")
print("|---|---|---|")
for kind, caption in (("warm", "first paint, warm font cache"), ("cold", "first paint, cold font cache"),
                      ("scan", "fontconfig's own scan of the fonts (fc-cache)")):
    if kind in median:
        print(f"| {caption} | {median[kind]:.1f} ms | {', '.join(f'{v:.0f}' for v in values[kind])} |")
if {"warm", "cold", "scan"} <= median.keys():
    target = 1.2 * median["warm"] + median["scan"]
    verdict = "met" if median["cold"] <= target else "not met"
    print(f"| target: 1.2 x warm + scan | {target:.1f} ms | {verdict} |")
PY
