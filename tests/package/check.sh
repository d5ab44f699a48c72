#!/usr/bin/env bash
# The Debian package end to end, as root: CPack makes the .deb from an existing Release build (no
# second build), lintian finds no error in it, apt-get installs it, /usr/bin/glyphora starts on a
# virtual X server with a fresh home, opens its window and quits through its Quit button having
# written files only under that home (every file system call is traced), and apt-get remove takes
# away every file the package installed. Without root, or with glyphora already installed, it
# says so and skips.
# usage: tests/package/check.sh [BUILD_DIR]     (default build/, as ./scripts/build makes it;
#                                                scripts/test passes build-package/)
set -euo pipefail
cd "$(dirname "$0")/../.."
started=$SECONDS
say() { echo "package check [$((SECONDS - started)) s]: $*"; }
fail() {
    say "FAILED: $*" >&2
    exit 1
}

if [ "$(id -u)" -ne 0 ]; then
    say "skipped: installing a package needs root (run it as root, as CI does)"
    exit 0
fi
build=$(realpath "${1:-build}")
[ -f "$build/CPackConfig.cmake" ] || fail "no build in $build: run ./scripts/build first"
for tool in cpack lintian strace Xvfb xdotool xwininfo xprop desktop-file-validate python3; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run ./scripts/setup"
done

# One check at a time: they share the system's package database and /usr.
exec 9>/tmp/glyphora-package-check.lock
flock 9
if dpkg-query -W -f='${Status}' glyphora 2>/dev/null | grep -q ' installed$'; then
    say "skipped: glyphora is installed already; remove it to run this check"
    exit 0
fi

work=$(mktemp -d)
xvfb_pid="" tracer="" installed=""
# No fsync for each file: a test install, not a system that must survive a power cut.
apt() {
    DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=300 \
        -o Dpkg::Options::=--force-unsafe-io "$@"
}
cleanup() {
    if [ -n "$tracer" ]; then
        for pid in $(pgrep -P "$tracer") "$tracer"; do kill "$pid" 2>/dev/null || true; done
    fi
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ -n "$installed" ] && apt remove glyphora >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

# The package.
arch=$(dpkg --print-architecture)
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package") \
    >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb=$work/package/glyphora_${version}_$arch.deb
[ -f "$deb" ] || fail "cpack made no $(basename "$deb")"
say "$(basename "$deb"): $(dpkg-deb -f "$deb" Section), $(du -k "$deb" | cut -f1) KiB"

lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian found errors"; }
grep -E '^[EW]: ' "$work/lintian.log" || true
say "lintian: no errors, $(grep -c '^W: ' "$work/lintian.log" || true) warnings"

apt install --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt-get install"; }
installed=1
dpkg -L glyphora | while read -r path; do [ -d "$path" ] || echo "$path"; done >"$work/files"
say "installed $(wc -l <"$work/files") files"

# The installed program, on a display of its own with a fresh home, as a desktop session starts
# it (a runtime folder of its own; no session bus, so none is started for it).
home=$work/home runtime=$work/runtime
mkdir -p "$home" "$runtime"
chmod 700 "$runtime"
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done
export DISPLAY=":$display"
(cd / && exec env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$home" DISPLAY="$DISPLAY" \
    XDG_RUNTIME_DIR="$runtime" DBUS_SESSION_BUS_ADDRESS="unix:path=$runtime/no-bus" \
    strace -f -qq -e trace=%file -o "$work/trace" /usr/bin/glyphora) >"$work/program.log" 2>&1 &
tracer=$!

window=""
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^Glyphora ' 2>/dev/null | head -1) || true
    [ -n "$window" ] && break
    kill -0 "$tracer" 2>/dev/null || { cat "$work/program.log"; fail "the program ended early"; }
    sleep 0.1
done
[ -n "$window" ] || fail "no window within 30 s"
xwininfo -id "$window" | grep -q 'Map State: IsViewable' || fail "the window is not shown"
[[ $(xprop -id "$window" -len 8 _NET_WM_ICON) == "_NET_WM_ICON(CARDINAL) = "* ]] ||
    fail "the window has no icon"
say "window open: $(xdotool getwindowname "$window")"

# Quit as a user does (Alt+Q), so that the settings are written on the way out.
sleep 1
xdotool windowfocus --sync "$window"
xdotool keydown alt key q keyup alt
for _ in $(seq 150); do kill -0 "$tracer" 2>/dev/null || break; sleep 0.1; done
kill -0 "$tracer" 2>/dev/null && fail "the program did not quit on Alt+Q"
status=0
wait "$tracer" || status=$?
tracer=""
[ "$status" -eq 0 ] || { cat "$work/program.log"; fail "the program ended with status $status"; }

python3 - "$work/trace" "$home" "$runtime" <<'PY' || fail "the program wrote outside its home"
import re, sys
trace, allowed = sys.argv[1], [sys.argv[2] + "/", sys.argv[3] + "/", "/dev/"]
changing = {"creat", "mkdir", "mkdirat", "rename", "renameat", "renameat2", "link", "linkat",
            "symlink", "symlinkat", "unlink", "unlinkat", "rmdir", "truncate", "chmod",
            "fchmodat", "chown", "lchown", "fchownat", "utime", "utimes", "utimensat", "mknod",
            "mknodat", "setxattr", "lsetxattr", "removexattr", "lremovexattr"}
outside = set()
for line in open(trace, errors="replace"):
    call = re.match(r"\d+ +(\w+)\((.*?)(\) += (-?\d+)|<unfinished \.\.\.>)", line)
    if not call or (call.group(4) or "0").startswith("-"):
        continue  # a failed call changed nothing; an unfinished one is counted as done
    name, args = call.group(1), call.group(2)
    paths = re.findall(r'"((?:[^"\\]|\\.)*)"', args)
    if name in ("open", "openat", "openat2"):
        if not re.search(r"O_WRONLY|O_RDWR|O_CREAT|O_TRUNC", args):
            continue
        paths = paths[:1]
    elif name not in changing:
        continue
    for path in paths:
        path = path if path.startswith("/") else "/" + path  # the program ran in /
        # The home and runtime folders count as well as what is in them: Qt makes sure the
        # runtime folder exists (a mkdir whose failure strace may not show when threads cross).
        if not any((path.rstrip("/") + "/").startswith(prefix) for prefix in allowed):
            outside.add(f"{name} {path}")
for entry in sorted(outside):
    print("  " + entry, file=sys.stderr)
sys.exit(1 if outside else 0)
PY
written=$(cd "$home" && find . -type f | sed 's|^\./||' | sort)
for file in .config/glyphora/glyphora.dat .local/share/glyphora/glyphora.csv \
    .local/share/glyphora/glyphora.ent .local/share/glyphora/glyphora.help \
    .local/share/applications/glyphora.desktop; do
    grep -qx "$file" <<<"$written" || fail "the program did not write ~/$file"
done
say "files written, all under the fresh home: $(tr '\n' ' ' <<<"$written")"
# The user's entry shadows the installed one: same file name, same icon, and valid.
entry=$home/.local/share/applications/glyphora.desktop
complaints=$(desktop-file-validate "$entry" 2>&1) || true
[ -z "$complaints" ] || fail "the entry written at start-up: $complaints"
[ "$(grep '^Icon=' "$entry")" = "$(grep '^Icon=' /usr/share/applications/glyphora.desktop)" ] ||
    fail "the entry written at start-up names another icon than the installed one"
grep -qx 'Exec=/usr/bin/glyphora' "$entry" || fail "the entry written at start-up: $(grep Exec "$entry")"

apt remove glyphora >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get remove"; }
installed=""
left=$(while read -r path; do
    if [ -e "$path" ] || [ -L "$path" ]; then echo "$path"; fi
done <"$work/files")
[ -z "$left" ] || fail "apt-get remove left $left"
dpkg-query -W -f='${Status}' glyphora 2>/dev/null | grep -q ' installed$' &&
    fail "still installed after apt-get remove"
say "removed: every installed file is gone"
say "passed in $((SECONDS - started)) s"
