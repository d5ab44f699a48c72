#!/usr/bin/env bash
# glyphora-cli run as a program: the options reach the core, and the whole output and the exit
# status are right. What the core computes is tested in tests/core; here each command's output is
# compared byte for byte (expected texts take printf %b escapes: \n \t \r \xHH).
# The window program's own command line (--help, --version, nothing else) is checked here too.
# usage: tests/cli/check.sh [CLI [GLYPHORA]]   (default build/bin/glyphora-cli, build/bin/glyphora)
set -uo pipefail
cli=${1:-build/bin/glyphora-cli}
program=${2:-$(dirname "$cli")/glyphora}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0 checks=0

run() { "$cli" "$@" >"$work/out" 2>/dev/null; }
fail() {
    failures=$((failures + 1))
    printf 'FAIL: glyphora-cli %s\n  %s\n' "$*" "$reason"
}

# expect STATUS OUTPUT ARGS...: exactly this output and exit status.
expect() {
    local status=$1 want=$2 got
    shift 2
    checks=$((checks + 1))
    run "$@"
    got=$?
    printf '%b' "$want" >"$work/want"
    if [ "$got" != "$status" ]; then
        reason="exit status $got, expected $status"
        fail "$@"
    elif ! cmp -s "$work/out" "$work/want"; then
        reason="output $(od -c "$work/out" | head -3 | tr -s ' ' | tr '\n' '|')"
        fail "$@"
    fi
}

# refused ARGS...: a usage error, nothing on stdout.
refused() { expect 2 "" "$@"; }

# has PIECE ARGS... / lacks PIECE ARGS...: exit status 0 and the output (not) holding the piece.
has() {
    local piece
    piece=$(printf '%b' "$1")
    shift
    checks=$((checks + 1))
    if ! run "$@"; then
        reason="exit status not 0"
        fail "$@"
    elif ! grep -qF -- "$piece" "$work/out"; then
        reason="no '$1' in: $(head -c 300 "$work/out")"
        fail "$@"
    fi
}
lacks() {
    local piece
    piece=$(printf '%b' "$1")
    shift
    checks=$((checks + 1))
    run "$@"
    if grep -qF -- "$piece" "$work/out"; then
        reason="'$piece' in the output"
        fail "$@"
    fi
}

# awk_true PROGRAM ARGS...: an awk check over the output, which prints "ok" when it holds.
awk_true() {
    local program=$1
    shift
    checks=$((checks + 1))
    run "$@"
    if [ "$(awk -F '\t' "$program" "$work/out")" != ok ]; then
        reason="awk check failed on: $(head -c 300 "$work/out")"
        fail "$@"
    fi
}

# ---- names, entities, types
expect 0 'U+0041\tLatin Capital Letter A\nU+4E00\tCJK Unified Ideograph\nU+0080\tPadding Character\n' \
    name U+0041 0x4E00 80
expect 0 'U+00A0\tnbsp,NonBreakingSpace\tie\nU+002A\tast,midast\t\nU+0041\t\t\n' entities 00A0 2A 41
expect 0 'U+00A0\n' entity NonBreakingSpace
expect 1 '' entity NBSP
refused name 10000
refused name
refused entity a b
refused name 41 --data-dir /nonexistent/folder
expect 0 'U+0041\tUppercase, Hex. digit; Left to right\nU+05D0\tRight to left\n' type U+0041 0x05D0
refused type U+0041 U+10000

# --data-dir replaces the data files; without an entity file there the built-in one stands in.
printf '0378,Name From Dir\r\n' >"$work/glyphora.csv"
expect 0 'U+0378\tName From Dir\n' name 378 --data-dir "$work"
expect 0 'U+00E9\n' entity eacute --data-dir "$work"
printf '00E9,ie,myeacute\r\n' >"$work/glyphora.ent"
expect 0 'U+00E9\tmyeacute\tie\n' entities E9 --data-dir "$work"
expect 1 '' entity eacute --data-dir "$work"

# ---- the Subranges list and fonts
cyrillic=$(printf '%09d1%0118d' 0 0)
expect 0 'D.1024\t0400\t04FF\t9\t1\tCyrillic\nD.1280\t0500\t052F\t9\t1\tCyrillic Supplement\n' \
    subranges --coverage "$cyrillic"
refused subranges --coverage "$(printf '%0129d' 0 | tr 0 1)"
refused subranges --font 'No Such Family'
awk_true 'NR == 1 && $0 != "D.0\t0000\t007F\t0\t1\tBasic Latin" { bad = 1 }
          NR == 104 && $0 != "D.12256\t2FE0\t2FEF\t-1\t0\t<undefined>" { bad = 1 }
          END { if (!bad && NR == 162) print "ok" }' subranges --all --coverage 1
# What a font covers: DejaVu Sans has Cyrillic but no Hangul.
has 'D.0\t0000\t007F\t0\t1\tBasic Latin\n' subranges --font 'DejaVu Sans'
has '\tCyrillic\n' subranges --font 'DejaVu Sans'
lacks 'Hangul Syllables' subranges --font 'DejaVu Sans'
# Glyph counts: eight fields, never more glyphs than assigned characters.
awk_true 'NR == 1 && $0 != "D.0\t0000\t007F\t0\t1\tBasic Latin\t95\t128" { bad = 1 }
          NF != 8 || $7 + 0 > $8 + 0 { bad = 1 }
          END { if (!bad && NR > 0) print "ok" }' subranges --font 'DejaVu Sans' --counts
refused subranges --counts
refused subranges --coverage 10x1
refused subranges extra
refused subranges --font 'DejaVu Sans' --coverage 1
awk_true 'NF != 4 || $1 !~ /^D\./ || length($4) != 128 { bad = 1 }
          $2 == "DejaVu Sans" { sans = $3 == "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf" &&
                                       substr($4, 10, 1) == "1" }
          END { if (!bad && sans) print "ok" }' fonts
has '\tDejaVu Sans\t' fonts --covering U+0416
lacks '\tDejaVu Sans\t' fonts --covering 0xE000 # private use: no DejaVu glyph
awk_true 'NR == 1 { n = $1 } NR == 2 && $0 != "0020\t007E" { bad = 1 }
          END { if (!bad && NR > 1 && NR == n + 1) print "ok" }' glyphs 'DejaVu Sans'
refused fonts --covering xyz
refused glyphs 'No Such Family'
has '0020\t007E' glyphs 'dejavu sans' # families match without regard to case

# ---- inspect and decode take any plane; a control would break the line: its character is left out.
expect 0 'U+0041\tA\tLatin Capital Letter A\tUppercase, Hex. digit; Left to right\nU+1F600\t\xF0\x9F\x98\x80\tGrinning Face\tPunctuation; Symbol\nU+0009\t\t<Control>\tSpace char., Control char., Blank char.; Segment separator\n' \
    inspect $'A\xF0\x9F\x98\x80\t'
expect 0 'caf\xC3\xA9 \xE2\x86\x92 \xE2\x82\xAC \xE2\x82\xAC \xF0\x9F\x98\x80 &#8364 %zz\n' \
    decode 'caf\u00e9 &#x2192; &euro; %E2%82%AC U+1F600 &#8364 %zz'
for command in inspect decode; do
    refused "$command"
    for bad in $'a\xFF' $'\xED\xA0\x80' $'\xE2\x82'; do refused "$command" "$bad"; done
done

# ---- encode writes exactly what the Copy button puts on the clipboard
expect 0 '%41%e9%E2%82%AC' encode --format 2 $'A\xC3\xA9\xE2\x82\xAC'
expect 0 '\xE9' encode --format 8 $'\xD0\xB9' # default row 7, code page 1251
expect 0 '\x80' encode --format 8 --code-page 8 $'\xE2\x82\xAC'
expect 0 'Latin Capital Letter A\r\nLatin Capital Letter B\r\n' encode --format 9 AB
expect 0 'Latin Capital Letter A' encode --format 9 --current AB
expect 0 '&nbsp;' encode --format 11 $'\xC2\xA0x'
expect 1 '' encode --format 11 x # no entity name
expect 0 '{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Some Font;}}{\\colortbl;\\red0\\green0\\blue0;}\\cf1\r\n\\uc1\\pard\\f0\\fs72 A}' \
    encode --format 1 --font 'Some Font' A
refused encode --format 0 A
refused encode --format 8 --code-page 16 A
refused encode --format 3 $'\xFF'
refused encode --format 2
# Without a font the RTF names an installed family.
has '{\\fonttbl{\\f0\\fnil\\fcharset0 ' encode --format 1 A
lacks '\\fcharset0 ;' encode --format 1 A

# ---- find prints the match or the message of each run
find=(find --font 'DejaVu Sans' --show-all on)
expect 0 'U+0221\tLatin Small Letter D With Curl\n' "${find[@]}" CURL D # operands join
expect 0 'U+0221\tLatin Small Letter D With Curl\nU+02A5\tLatin Small Letter Dz Digraph With Curl\nU+02A8\tLatin Small Letter Tc Digraph With Curl\n' \
    "${find[@]}" --next 2 'd curl'
expect 0 'U+00C9\tLatin Capital Letter E With Acute\n' "${find[@]}" --next 3 '&Eacute;' # no F3
expect 1 'Illegal entity syntax.\n' "${find[@]}" '&a b;'
expect 1 'No character found.\n' "${find[@]}" '&;'
expect 0 'U+FF60\tFullwidth Right White Parenthesis\nNo more occurences.\nNo more occurences.\n' \
    "${find[@]}" --next 2 'fullwidth right white parenthesis'
refused "${find[@]}" '!?' # nothing the search box keeps
refused find
refused find --font 'No Such Family' a
refused find --show-all maybe a
refused find --next x a
# DejaVu Sans lists no Hangul, but the search range spans the gap.
expect 0 'U+AC01\tHangul Syllable Gag\n' find --font 'DejaVu Sans' 'hangul syllable gag'

# ---- page: the main window's model driven from a script, its state as text or JSON
page=(page --font 'DejaVu Sans' --show-all on)
# U+0378 is unassigned: a space over the pattern, and it is the selected cell.
awk_true 'NR == 1 && !(/^037\|/ && index($0, "[0378#]") && index($0, " 0370  ")) { bad = 1 }
          $1 == "Hex" && $2 == "Alt+888" { hex = 1 }
          END { if (!bad && hex && NR >= 16) print "ok" }' "${page[@]}" --fill 0370 --select 8 --hex off
has '\nName\tCyrillic Capital Letter Zhe\n' page --font 'DejaVu Sans' --goto 0416
has '\nsubrange\tD.1024\tCyrillic\n' page --font 'DejaVu Sans' --goto 0416
has '\nMessage\t\n' page --font 'DejaVu Sans' --goto 0416
has '\nMessage\tCharacter AC00 not supported by selected font.\n' page --font 'DejaVu Sans' --goto AC00
for args in '--bogus 1' '--keys Sideways' '--show-all maybe' '--select 300' '--goto XYZ' \
    "--font No_Such" '--goto' '--format 12' '--code-page 16' '--preview-charset maybe' \
    '--notation octal' '--goto-box'; do
    # shellcheck disable=SC2086 # the options split into words on purpose
    refused page $args
done
for piece in '"cells":[' '"row_labels":[' '"current_cell":255' \
    '"scroll":{"value":4088,"max":4088}' '"show_all":true' '"font":"DejaVu Sans"' \
    '"go_to_result":null' '"listed_count":65424'; do
    has "$piece" "${page[@]}" --keys Ctrl+End --json
done
has '"copy_format":9,"to_copy":"A\\u0439","preview":{"enabled":true,"code_page":0,"text":"Latin Capital Letter A","list":["Latin Capital Letter A","Cyrillic Small Letter Short I"],"drop_button":true}' \
    "${page[@]}" --format 9 --copy-text $'A\xD0\xB9' --json
# The byte E9 of code page 1251, shown as the letter it stands for there; another row changes
# how the byte is shown, not the byte.
has '"code_page":1251,"text":"\\u0439"' \
    "${page[@]}" --format 8 --copy-text $'\xD0\xB9' --preview-charset on --json
has '"code_page":1252,"text":"\\u00e9"' \
    "${page[@]}" --format 8 --copy-text $'\xD0\xB9' --preview-charset on --code-page 8 --json
has '"search":{"text":"curl d","position":678,"button_caption":"N&ext (F3)","button_enabled":true,"history":["curl d"]}' \
    "${page[@]}" --search 'curl d' --search-next --json
has '"Hex":"U+02A5"' "${page[@]}" --search 'curl d' --search-next --json
# Decimal: the sixth digit is refused, and Enter goes to what stayed.
has '"go_to":{"text":"6553","notation":"dec"}' "${page[@]}" --notation dec --goto-box 65536 --json
has '"Hex":"U+1999"' "${page[@]}" --notation dec --goto-box 65536 --json
has '"go_to":{"text":"20AC","notation":"hex"}' \
    "${page[@]}" --goto-box 20AC --notation dec --notation hex --json
# The boxes are exclusive: the symbol empties the search box.
for piece in '"Hex":"U+20AC"' '"search":{"text":""' '"button_enabled":false'; do
    has "$piece" "${page[@]}" --search curl --symbol $'\xE2\x82\xAC' --json
done
# Without Show All, Hangul is not listed: the search finds it in the gap and says so.
has '"Message":"Character AC01 not supported by selected font."' \
    page --font 'DejaVu Sans' --search 'hangul syllable gag' --json

# ---- the window program's command line, run without any display: a window attempt would abort,
# so status 0 or 2 also proves that no window was opened.
# whole FILE PATTERN: the file's whole text matches (line breaks read as \a); "" : it is empty.
whole() {
    if [ -z "$2" ]; then [ ! -s "$1" ]; else tr '\n' '\a' <"$1" | grep -qE "^$2\$"; fi
}
# window_args STATUS OUT_PATTERN ERR_PATTERN ARGS...: status and whole outputs (extended regexps).
window_args() {
    local status=$1 out=$2 err=$3 got
    shift 3
    checks=$((checks + 1))
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$work/out" 2>"$work/err"
    got=$?
    if [ "$got" != "$status" ]; then
        reason="exit status $got, expected $status"
        fail "(glyphora)" "$@"
    elif ! whole "$work/out" "$out" || ! whole "$work/err" "$err"; then
        reason="printed '$(cat "$work/out")' / '$(cat "$work/err")'"
        fail "(glyphora)" "$@"
    fi
}
if [ -x "$program" ]; then
    version=$("$cli" --version)
    window_args 0 "glyphora ${version#glyphora-cli }"$'\a' "" --version
    window_args 0 $'Usage: glyphora .*\a  -h, --help [^\a]*\a  -v, --version [^\a]*\a' "" --help
    window_args 2 "" $'glyphora: [^\a]*\'file.txt\'[^\a]*\a' file.txt
    window_args 2 "" $'glyphora: [^\a]*\'fullscreen\'[^\a]*\a' --fullscreen
    window_args 2 "" $'glyphora: [^\a]*\'platform\'[^\a]*\a' -platform offscreen # Qt's own
fi

echo "$checks checks, $failures failed"
[ "$failures" -eq 0 ]
