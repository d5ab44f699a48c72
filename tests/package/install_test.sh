#!/usr/bin/env bash
# `cmake --install` into a temporary DESTDIR: exactly the expected files, a desktop entry and an
# AppStream file that their validators accept, an AppStream file that names every screenshot of
# docs/screenshots/ (and only those, at their real sizes) and this version, manual pages that
# render without warnings, a completion script that parses, installed programs that run, and
# the About box's libraries in its module, not in the program.
# usage: install_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1 source=$2 version=$3
fail() {
    echo "install test: $*" >&2
    exit 1
}
for tool in desktop-file-validate appstreamcli man; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run ./scripts/setup"
done
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT

prefix=/usr/local
DESTDIR=$dest cmake --install "$build" --prefix "$prefix" >/dev/null
root=$dest$prefix
metainfo=share/metainfo/org.example.glyphora.metainfo.xml
expected="bin/glyphora
bin/glyphora-cli
lib/glyphora/modules/glyphora_about.so
share/applications/glyphora.desktop
share/bash-completion/completions/glyphora-cli
share/doc/glyphora/changelog.gz
share/doc/glyphora/copyright
share/man/man1/glyphora-cli.1.gz
share/man/man1/glyphora.1.gz
$metainfo
share/icons/hicolor/scalable/apps/glyphora.svg"
for size in 16 24 32 48 64 128 256; do
    expected+=$'\n'"share/icons/hicolor/${size}x${size}/apps/glyphora.png"
done
installed=$(cd "$dest" && find . ! -type d | sed "s|^\./${prefix#/}/|| ; s|^\./|outside the prefix: /|" | sort)
diff <(sort <<<"$expected") <(echo "$installed") >&2 ||
    fail "installed files differ from the expected list (<: missing, >: not expected)"

# Quiet means accepted: the validator also exits 0 on errors it calls "will be fatal in the future".
complaints=$(desktop-file-validate "$root/share/applications/glyphora.desktop" 2>&1) || true
[ -z "$complaints" ] || fail "desktop entry: $complaints"
appstreamcli validate --no-net --pedantic "$root/$metainfo" >/dev/null ||
    appstreamcli validate --no-net --pedantic "$root/$metainfo" >&2 ||
    fail "AppStream file refused"

python3 - "$root/$metainfo" "$source/docs/screenshots" "$version" <<'PY' || fail "AppStream file"
import os, struct, sys, xml.etree.ElementTree as ET
component = ET.parse(sys.argv[1]).getroot()
shots, version = sys.argv[2], sys.argv[3]
named = {}
for image in component.iter("image"):
    named[os.path.basename(image.text)] = (int(image.get("width")), int(image.get("height")))
real = {}
for name in os.listdir(shots):
    with open(os.path.join(shots, name), "rb") as png:  # width and height of the IHDR chunk
        real[name] = struct.unpack(">II", png.read(24)[16:24])
problems = [f"{name}: named {named.get(name)}, real {real.get(name)}"
            for name in sorted(set(named) | set(real)) if named.get(name) != real.get(name)]
newest = component.find("releases/release").get("version")
if newest != version:
    problems.append(f"newest release {newest}, project version {version}")
if component.findtext("launchable") != "glyphora.desktop":
    problems.append("launchable is not glyphora.desktop")
for problem in problems:
    print("  " + problem, file=sys.stderr)
sys.exit(1 if problems else 0)
PY

for page in glyphora glyphora-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$root/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "manual page $page.1: $warnings"
done
bash -n "$root/share/bash-completion/completions/glyphora-cli" || fail "completion script"
[ "$("$root/bin/glyphora-cli" --version)" = "glyphora-cli $version" ] || fail "glyphora-cli --version"
[ "$("$root/bin/glyphora" --version)" = "glyphora $version" ] || fail "glyphora --version"
# Qt Multimedia and Qt Network are the About box module's alone, and it finds them.
libraries=$(ldd "$root/bin/glyphora") || fail "ldd glyphora"
! grep -E 'libQt6(Multimedia|Network)' <<<"$libraries" || fail "the program links the above"
libraries=$(ldd "$root/lib/glyphora/modules/glyphora_about.so") || fail "ldd glyphora_about.so"
grep -q libQt6Multimedia <<<"$libraries" && ! grep 'not found' <<<"$libraries" ||
    fail "the About box module: $libraries"
echo "install test: $(wc -l <<<"$expected") files installed and checked"
