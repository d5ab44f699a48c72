#!/usr/bin/env bash
# The window in a Wayland session: weston runs nested in a virtual X server (its headless back
# end has no seat, so no keyboard focus and no clipboard), key presses reach it from xdotool
# through that server, and the check program runs as a Wayland client. Nothing may be written
# to stderr. Exit 77 (skipped) when a package is missing.
# usage: tests/wayland/check.sh PATH/TO/wayland_check
set -euo pipefail
program=$(realpath "$1")
for tool in Xvfb weston wl-paste xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is missing (scripts/setup installs it)"
        exit 77
    fi
done
if [ ! -e "$(qtpaths6 -query QT_INSTALL_PLUGINS)/platforms/libqwayland-generic.so" ]; then
    echo "SKIPPED: the Qt Wayland plugin is missing (package qt6-wayland; scripts/setup installs it)"
    exit 77
fi

dir=$(mktemp -d)  # mode 700, as a runtime folder must be
pids=()
cleanup() {
    # The compositor before its X server, which it would otherwise miss aloud.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$dir"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$dir/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$dir/display")
export XDG_RUNTIME_DIR=$dir HOME=$dir/home XDG_CONFIG_HOME=$dir/home/config
weston --backend=x11-backend.so --use-pixman --no-config --idle-time=0 --socket=wayland-check \
    --width=1280 --height=1024 --log="$dir/weston.log" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -S "$dir/wayland-check" ] && break; sleep 0.05; done
# The compositor's own X window takes the keyboard, as on a desktop where it runs full screen.
window=$(timeout 10 xdotool search --sync --classname "^weston" | head -1)
timeout 10 xdotool windowfocus --sync "$window"

# A character map that starts and ends, so that the button has something to hand over to.
mkdir -p "$dir/bin"
printf '#!/bin/sh\nexit 0\n' >"$dir/bin/gucharmap"
chmod +x "$dir/bin/gucharmap"

status=0
PATH=$dir/bin:$PATH QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-check \
    "$program" 2>"$dir/stderr" || status=$?
if [ -s "$dir/stderr" ]; then
    echo "FAIL: the program wrote to stderr:"
    cat "$dir/stderr"
    status=1
fi
exit "$status"
