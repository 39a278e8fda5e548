#!/usr/bin/env bash
# The program on a Wayland desktop with no X server: under a headless
# Weston, and under GNOME's compositor, mutter, where it is installed. A
# short test, the summary and the review are taken through AT-SPI; then
# every window must have been a fixed-size toplevel with the program's app
# id, the question and the summary parented to the main window, and the
# main window never activated while the test ran. Under mutter
# the session is GNOME's, with the portal setting that gives Qt's Adwaita
# title bar its close button, and the decoration must have read it.
#   private-home.sh wayland.sh <dotwise executable> [weston|mutter ...]
set -euo pipefail
program=$1
shift
compositors=("$@")
[ ${#compositors[@]} -gt 0 ] || compositors=(weston mutter)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
cleanup() {
    [ -n "$(jobs -p)" ] && kill $(jobs -p) 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
unset DISPLAY QT_QPA_PLATFORM

# Qt's GNOME decoration, where this Qt has it (Qt 6.8 and later).
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS)
adwaita=no
[ -e "$plugins/wayland-decoration-client/libadwaita.so" ] && adwaita=yes

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
compositor=$1 work=$2 here=$3 program=$4
# The compositor and the portal end with the session: Weston would
# outlive its bus.
trap 'kill $(jobs -p) 2>/dev/null; wait' EXIT
socket=dotwise-$compositor
case $compositor in
weston)
    weston --backend=headless-backend.so --use-pixman --socket=$socket --idle-time=0 \
        --no-config >"$work/compositor.log" 2>&1 &
    ;;
mutter)
    mutter --wayland --headless --no-x11 --virtual-monitor 1280x1024 \
        --wayland-display $socket >"$work/compositor.log" 2>&1 &
    /usr/bin/python3 "$here/portal.py" "$work/portal.log" >"$work/portal.out" &
    for _ in $(seq 1 100); do grep -q ready "$work/portal.out" && break; sleep 0.1; done
    export XDG_CURRENT_DESKTOP=GNOME
    ;;
esac
for _ in $(seq 1 100); do
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { cat "$work/compositor.log"; exit 1; }
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    WAYLAND_DEBUG=client "$program" 2>"$work/protocol.log" &
# Headless Weston activates no window; mutter does.
/usr/bin/python3 "$here/wayland.py" drive $([ "$compositor" = mutter ] && echo activates)
kill $!
SESSION

for compositor in "${compositors[@]}"; do
    command -v "$compositor" >/dev/null || { echo "$compositor: not installed"; continue; }
    rm -f "$work/portal.log" "$work/portal.out"
    touch "$work/portal.log"
    timeout 90 dbus-run-session -- bash "$work/session.sh" "$compositor" "$work" "$here" \
        "$program" 2>"$work/session.log" || {
        cat "$work/session.log" "$work/compositor.log"
        grep -E "xdg_toplevel|not found" "$work/protocol.log" | tail -20
        exit 1
    }
    echo "$compositor:"
    /usr/bin/python3 "$here/wayland.py" check "$work/protocol.log"
    if [ "$compositor" = mutter ] && [ $adwaita = yes ]; then
        grep -q "org.gnome.desktop.wm.preferences" "$work/portal.log" || {
            echo "Qt's Adwaita decoration did not ask the portal for its buttons"
            exit 1
        }
        echo "the title bars took their buttons from the portal: $(grep -m1 wm.preferences "$work/portal.log")"
    fi
done
