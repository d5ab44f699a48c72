#!/usr/bin/env bash
# Runs the same few hundred commands through two builds of glyphora-cli and compares their
# output and exit status byte for byte: a change to the inside of the program must not change
# what it prints. Without OLD, the commit given by --rev (default HEAD) is built into a
# temporary folder and compared with the working tree's build.
# usage: tests/cli/compare.sh OLD_CLI [NEW_CLI]       (NEW_CLI default build/bin/glyphora-cli)
#        tests/cli/compare.sh --rev COMMIT [NEW_CLI]
set -uo pipefail
cd "$(dirname "$0")/../.."
if [ "${1:-}" = --rev ]; then
    rev=$2
    shift 2
    old_tree=$(mktemp -d)
    trap 'git worktree remove --force "$old_tree" >/dev/null 2>&1; rm -rf "$old_tree"' EXIT
    git worktree add --detach -q "$old_tree" "$rev" || exit 2
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$old_tree" -B "$old_tree/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DGLYPHORA_BUILD_TESTS=OFF -DGLYPHORA_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null &&
        cmake --build "$old_tree/build" --target glyphora-cli >/dev/null || exit 2
    old=$old_tree/build/bin/glyphora-cli
else
    old=${1:?usage: compare.sh OLD_CLI [NEW_CLI]}
    shift
fi
new=${1:-build/bin/glyphora-cli}

commands=()
add() { commands+=("$(printf '%q ' "$@")"); }

# Every kind of code point: letters, controls, unassigned, algorithmic names, surrogates, ends.
codes=(0 9 20 41 7F 80 A0 AD E9 FF 100 221 300 370 378 3A9 400 416 5D0 627 900 E00 1100 1E00
    2000 200B 20AC 2122 2190 2500 25A0 2600 2FE0 3000 3041 3400 4E00 9FFF A000 AC00 AC01 D7A3
    D800 DBFF DC00 DFFF E000 F8FF F900 FB01 FE0F FEFF FF21 FF60 FFFD FFFE FFFF)
for code in "${codes[@]}"; do
    add name "$code"
    add type "$code"
    add entities "$code"
    add page --font 'DejaVu Sans' --goto "$code"
done
for entity in amp lt nbsp eacute Eacute euro hellip NonBreakingSpace ast xyz '' '&' 'a b'; do
    add entity "$entity"
done
texts=(A AB $'A\xC3\xA9\xE2\x82\xAC' $'\xD0\xB9' $'\xC2\xA0x' $'\xF0\x9F\x98\x80' ' ' '<&>'
    $'a\tb' '"quote"' $'\xE2\x80\x8B' $'\xFF')
for format in 0 1 2 3 4 5 6 7 8 9 10 11 12; do
    for text in "${texts[@]}"; do
        add encode --format "$format" --font 'DejaVu Sans' "$text"
        add encode --format "$format" --current "$text"
    done
done
for row in 0 3 7 8 15 16; do add encode --format 8 --code-page "$row" $'\xD0\xB9\xE2\x82\xAC'; done
for query in curl 'd curl' CURL 'latin small' '&eacute;' '&a b;' '&;' sign arrow 'hangul syllable' \
    'fullwidth right white parenthesis' zz '!?' 0041 greek; do
    for next in 0 1 3; do
        add find --font 'DejaVu Sans' --show-all on --next "$next" "$query"
        add find --font 'DejaVu Sans' --show-all off --next "$next" "$query"
    done
done
for keys in Right Down PageDown PageUp End Home Ctrl+End Ctrl+Home Shift+Right 'Ctrl+End Up Up'; do
    # shellcheck disable=SC2086 # key lists split into words on purpose
    add page --font 'DejaVu Sans' --keys $keys --json
    add page --font 'DejaVu Serif' --show-all on --keys $keys
done
for action in '--fill 0370 --select 8 --hex off' '--format 9 --copy-text AB' \
    '--search curl --search-next --search-next' '--notation dec --goto-box 65536' \
    '--goto-box 20AC --notation dec --notation hex' '--symbol €' '--format 8 --preview-charset on' \
    '--select 300' '--bogus'; do
    # shellcheck disable=SC2086
    add page --font 'DejaVu Sans' $action --json
done
add subranges
add subranges --all --coverage 1
add subranges --font 'DejaVu Sans' --counts
add fonts --covering U+0416
add glyphs 'DejaVu Sans'
add inspect $'A\xF0\x9F\x98\x80\t\xE2\x82\xAC'
add decode 'caf\u00e9 &#x2192; &euro; %E2%82%AC U+1F600 &#8364 %zz'
add name
add --version
add --help

work=$(mktemp -d)
differ=0
for command in "${commands[@]}"; do
    eval "\"\$old\" $command" >"$work/old" 2>/dev/null
    old_status=$?
    eval "\"\$new\" $command" >"$work/new" 2>/dev/null
    new_status=$?
    if [ "$old_status" != "$new_status" ] || ! cmp -s "$work/old" "$work/new"; then
        differ=$((differ + 1))
        echo "DIFFERS (status $old_status/$new_status): glyphora-cli $command"
    fi
done
rm -rf "$work"
echo "${#commands[@]} commands, $differ differ"
[ "$differ" -eq 0 ]
