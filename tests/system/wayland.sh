#!/usr/bin/env bash
# The program on a Wayland desktop: a headless Weston, no X server, the
# program on Qt's Wayland platform with its protocol log. A short test, the
# summary and the review are taken through AT-SPI; then every window must
# have been a fixed-size toplevel with the program's app id, the question
# and the summary parented to the main window.
#   private-home.sh wayland.sh <dotwise executable>
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
cleanup() {
    [ -n "$(jobs -p)" ] && kill $(jobs -p) 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
unset DISPLAY QT_QPA_PLATFORM

weston --backend=headless-backend.so --use-pixman --socket=dotwise-test --idle-time=0 \
    --no-config >"$work/weston.log" 2>&1 &
for _ in $(seq 1 100); do
    [ -S "$XDG_RUNTIME_DIR/dotwise-test" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/dotwise-test" ] || { cat "$work/weston.log"; exit 1; }

cat >"$work/session.sh" <<SESSION
set -euo pipefail
WAYLAND_DISPLAY=dotwise-test QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    WAYLAND_DEBUG=client "$program" 2>"$work/protocol.log" &
/usr/bin/python3 "$here/wayland.py" drive
kill \$!
SESSION
timeout 90 dbus-run-session -- bash "$work/session.sh" 2>"$work/session.log" || {
    cat "$work/session.log"
    grep -E "xdg_toplevel|not found" "$work/protocol.log" | tail -20
    exit 1
}
/usr/bin/python3 "$here/wayland.py" check "$work/protocol.log"
