#!/usr/bin/env bash
# Glyphora against the desktop's other character maps, as a user feels it: from exec to the
# table's first paint, memory 2 s after start, and from a key or click to the table's repaint
# (name search "curl" + Enter, choosing DejaVu Serif in the font list, Page Down), optionally the
# instructions from start to idle. Runs are interleaved program by program, so that the noise
# of a shared machine hits all of them alike; the table shows medians.
#
# usage: bench/compare.sh [-n RUNS] [-f dejavu|noto|system] [-b BEFORE] [-i] [-c CSV_DIR]
#   -n RUNS    measured runs per row and program (default 7)
#   -f SET     the font set (default dejavu: the same files for every program)
#   -b BEFORE  another glyphora executable measured beside this build ("before")
#   -i         also callgrind instruction counts of start-up to idle (one run each, slow)
#   -c DIR     keep the raw CSV files there
# GLYPHORA names the executable (default build/bin/glyphora). gucharmap and kcharselect take part
# when installed; an empty Qt window when the harness's floor programs are built.
# Needs the timing harness (HARNESS, default ../shared/bench beside the checkout: startup.sh,
# interact.sh, instructions.sh), Xvfb, xdotool, valgrind for -i.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=7 fonts=dejavu before="" instructions="" keep=""
while getopts "n:f:b:ic:" option; do
    case $option in
        n) runs=$OPTARG ;;
        f) fonts=$OPTARG ;;
        b) before=$(readlink -f "$OPTARG") ;;
        i) instructions=1 ;;
        c) keep=$OPTARG ;;
        *) sed -n '2,18p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 64 ;;
    esac
done
harness=$(readlink -f "${HARNESS:-../shared/bench}")
for tool in startup.sh interact.sh; do
    [ -x "$harness/$tool" ] || { echo "compare.sh: no $harness/$tool (set HARNESS)" >&2; exit 69; }
done
glyphora=$(readlink -f "${GLYPHORA:-build/bin/glyphora}")
[ -x "$glyphora" ] || { echo "compare.sh: build the program first (./scripts/build)" >&2; exit 69; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TMPDIR=${TMPDIR:-/tmp}

# Each program runs from a series folder of its own with a home that stays warm between runs;
# Glyphora from a copy with its modules, its settings seeded to the peers' font.
programs=(glyphora)
[ -n "$before" ] && programs+=(before)
for peer in gucharmap kcharselect; do command -v "$peer" >/dev/null && programs+=("$peer"); done
floors=${FLOORS_DIR:-$TMPDIR/glyphora-floors}
[ -x "$floors/emptyqt" ] && programs+=(emptyqt)
command_of() {
    case $1 in
        glyphora | before) echo "$work/$1/bin/glyphora" ;;
        emptyqt) echo "$floors/emptyqt" ;;
        *) echo "$1" ;;
    esac
}
for program in glyphora before; do
    [ "$program" = before ] && [ -z "$before" ] && continue
    source_bin=$glyphora
    [ "$program" = before ] && source_bin=$before
    mkdir -p "$work/$program/bin"
    cp "$source_bin" "$work/$program/bin/glyphora"
    cp "$(dirname "$source_bin")"/glyphora_*.so "$work/$program/bin/" 2>/dev/null || true
    printf '[fwMain]\nlvFont=DejaVu Sans\n' >"$work/$program/bin/glyphora.dat"
done

# The empty window only starts: it has no table to page or search.
takes_part() { [ "$1" != emptyqt ] || [ "$2" = startup ]; }

measure() { # measure PROGRAM SCENARIO
    local program=$1 scenario=$2 app=$1 cmd
    cmd=$(command_of "$program")
    [ "$program" = before ] && app=glyphora
    local common=(-n 1 -w 0 -f "$fonts" -H "$work/$program" -l "$program" -c "$work/$scenario.csv")
    if [ "$scenario" = startup ]; then
        "$harness/startup.sh" "${common[@]}" -- "$cmd" >/dev/null 2>&1
    else
        "$harness/interact.sh" "$app" "$scenario" "${common[@]}" -- "$cmd" >/dev/null 2>&1
    fi || echo "compare.sh: $program $scenario run failed" >&2
}

scenarios=(startup search font pagedown)
echo "# ${programs[*]}; fonts $fonts; $runs runs; load $(cut -d' ' -f1-3 /proc/loadavg)" >&2
for program in "${programs[@]}"; do  # warm-up: data files, font caches
    "$harness/startup.sh" -n 1 -w 0 -f "$fonts" -H "$work/$program" -- \
        "$(command_of "$program")" >/dev/null 2>&1 || true
done
for run in $(seq 1 "$runs"); do
    for scenario in "${scenarios[@]}"; do
        for program in "${programs[@]}"; do
            takes_part "$program" "$scenario" && measure "$program" "$scenario"
        done
    done
    echo "# run $run of $runs done" >&2
done
if [ -n "$instructions" ] && [ -x "$harness/instructions.sh" ]; then
    for program in "${programs[@]}"; do
        "$harness/instructions.sh" -n 1 -f "$fonts" -H "$work/$program" -l "$program" -- \
            "$(command_of "$program")" 2>/dev/null |
            sed -n "s/.* total=\([0-9]*\).*/$program,\1/p" >>"$work/instructions.txt" || true
    done
fi
[ -n "$keep" ] && mkdir -p "$keep" && cp "$work"/*.csv "$work"/*.txt "$keep/" 2>/dev/null

python3 - "$work" "${programs[@]}" <<'EOF'
import csv, os, statistics, sys
work, programs = sys.argv[1], sys.argv[2:]
def column(scenario, key):
    values = {}
    path = os.path.join(work, scenario + ".csv")
    if os.path.exists(path):
        with open(path) as f:
            header = None
            for row in csv.reader(f):
                if row and row[0] == "label":
                    header = row
                elif row and header:
                    record = dict(zip(header, row))
                    try:
                        value = float(record.get(key, ""))
                    except ValueError:
                        continue
                    if value >= 0:
                        values.setdefault(record["label"], []).append(value)
    return {p: statistics.median(v) for p, v in values.items()}
instructions = {}
path = os.path.join(work, "instructions.txt")
if os.path.exists(path):
    for line in open(path):
        program, count = line.strip().split(",")
        instructions[program] = float(count) / 1e6
rows = [
    ('name search "curl" + Enter', column("search", "action1_ms"), "ms"),
    ("choose DejaVu Serif in the font list", column("font", "action1_ms"), "ms"),
    ("Page Down in the table", column("pagedown", "action1_ms"), "ms"),
    ("exec -> first paint", column("startup", "first_paint_ms"), "ms"),
    ("resident memory 2 s after start",
     {p: v / 1024 for p, v in column("startup", "rss_kb").items()}, "MiB"),
    ("instructions, start to idle", instructions, "M"),
]
print("| | " + " | ".join(programs) + " |")
print("|---" * (len(programs) + 1) + "|")
for title, values, unit in rows:
    if not values:
        continue
    cells = [f"{values[p]:.1f} {unit}" if p in values else "" for p in programs]
    print(f"| {title} | " + " | ".join(cells) + " |")
EOF
