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
#   -i         also callgrind instruction counts (one run each, slow): start-up to idle, and
#              Glyphora's three interactions
#   -c DIR     keep the raw CSV files there (and, with -i, the interactions' callgrind files)
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
# The interactions' own instructions (Glyphora only: the positions are those of its window),
# counted by callgrind from just before the key or click to the end of its repaints.
interaction_instructions() { # interaction_instructions PROGRAM SCENARIO
    local program=$1 scenario=$2 display=87 window out=$work/cg-$1-$2
    # Another user of the machine may take a display meanwhile: the program must not start
    # before the server it is given is up, or it aborts.
    local xvfb=""
    for _ in $(seq 20); do
        while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
            display=$((display + 1))
        done
        Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb=$!
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$display" ] || ! kill -0 "$xvfb" 2>/dev/null && break
            sleep 0.1
        done
        kill -0 "$xvfb" 2>/dev/null && [ -e "/tmp/.X11-unix/X$display" ] && break
        display=$((display + 1))
    done
    sleep 0.5
    mkdir -p "$work/$program/cg-home/runtime"
    chmod 700 "$work/$program/cg-home/runtime"
    DISPLAY=":$display" HOME="$work/$program/cg-home" XDG_RUNTIME_DIR="$work/$program/cg-home/runtime" \
        FONTCONFIG_FILE="$harness/fonts-$fonts.conf" valgrind --tool=callgrind \
        --callgrind-out-file="$out.%p" "$(command_of "$program")" >"$out.log" 2>&1 &
    local pid=$!
    export DISPLAY=":$display"
    for _ in $(seq 120); do
        window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1)
        [ -n "$window" ] && break
        sleep 0.5
    done
    sleep 8
    xdotool windowfocus --sync "$window"
    # A first key press loads the keyboard's compose table: not part of what is measured.
    xdotool key shift
    case $scenario in
        search) xdotool mousemove --window "$window" 131 404 click 1 && sleep 1 && xdotool type curl ;;
        font) xdotool mousemove --window "$window" 70 90 ;;
        pagedown) xdotool mousemove --window "$window" 438 161 click 1 && sleep 1 &&
            xdotool mousemove 1200 1000 ;;
    esac
    sleep 3
    callgrind_control -z "$pid" >/dev/null 2>&1
    case $scenario in search) xdotool key Return ;; font) xdotool click 1 ;; *) xdotool key Next ;; esac
    sleep 4
    callgrind_control -d "$pid" >/dev/null 2>&1
    sleep 1
    # The program first: without its display it would abort.
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    unset DISPLAY
    local count
    count=$(sed -n 's/^totals: *//p' "$out".*.1 2>/dev/null | head -1)
    if [ -z "$count" ]; then
        echo "compare.sh: no count for $program $scenario:" >&2
        grep -v '^==' "$out.log" | head -5 >&2
        return 0
    fi
    echo "$program,$scenario,$count" >>"$work/interaction_instructions.txt"
    # The count runs 4 s past the key: it includes the table's idle-time preparation of the
    # neighbouring pages after the repaint, which is shown apart.
    local warming
    warming=$(callgrind_annotate --inclusive=yes "$out".*.1 2>/dev/null |
        sed -n 's/^ *\([0-9,]*\) .*CharTable::WarmSome().*/\1/p' | head -1 | tr -d ,)
    [ -n "$warming" ] &&
        echo "$program,$scenario-warming,$warming" >>"$work/interaction_instructions.txt"
    return 0
}
if [ -n "$instructions" ] && command -v callgrind_control >/dev/null; then
    for scenario in search font pagedown; do
        for program in glyphora before; do
            [ "$program" = before ] && [ -z "$before" ] && continue
            interaction_instructions "$program" "$scenario" || true
        done
    done
fi
if [ -n "$keep" ]; then
    mkdir -p "$keep"
    cp "$work"/*.csv "$work"/*.txt "$work"/cg-*.[0-9]* "$keep/" 2>/dev/null || true
fi

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
interaction = {}
path = os.path.join(work, "interaction_instructions.txt")
if os.path.exists(path):
    for line in open(path):
        program, scenario, count = line.strip().split(",")
        interaction.setdefault(scenario, {})[program] = float(count) / 1e6
rows = [
    ('name search "curl" + Enter', column("search", "action1_ms"), "ms"),
    ("choose DejaVu Serif in the font list", column("font", "action1_ms"), "ms"),
    ("Page Down in the table", column("pagedown", "action1_ms"), "ms"),
    ("exec -> first paint", column("startup", "first_paint_ms"), "ms"),
    ("resident memory 2 s after start",
     {p: v / 1024 for p, v in column("startup", "rss_kb").items()}, "MiB"),
    ("instructions, start to idle", instructions, "M"),
    ("Page Down: damage rectangles on the table",
     column("pagedown", "action1_damage"), ""),
    ('instructions: search "curl" + Enter', interaction.get("search", {}), "M"),
    ("instructions: choose DejaVu Serif", interaction.get("font", {}), "M"),
    ("instructions: Page Down", interaction.get("pagedown", {}), "M"),
]
# The idle-time preparation that follows a repaint, counted in the rows above.
for scenario, title in (("search", 'search "curl" + Enter'), ("font", "choose DejaVu Serif"),
                        ("pagedown", "Page Down")):
    if interaction.get(scenario + "-warming"):
        rows.append((f"  of which, after the repaint: {title}'s neighbours prepared",
                     interaction[scenario + "-warming"], "M"))
print("| | " + " | ".join(programs) + " |")
print("|---" * (len(programs) + 1) + "|")
for title, values, unit in rows:
    if not values:
        continue
    cells = [f"{values[p]:.1f} {unit}".strip() if p in values else "" for p in programs]
    print(f"| {title} | " + " | ".join(cells) + " |")
EOF
