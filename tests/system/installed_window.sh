#!/usr/bin/env bash
# The installed program on a real X server: its window appears with the
# right size, closing it ends the process with status 0, and it writes
# nothing but its one setting. Then, with the French AZERTY layout, a test
# is taken by the digit row's 1 key, which types "&" there.
#   installed_window.sh <build dir> <xclose>
set -euo pipefail
build=$1
xclose=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
mkdir -p "$work/home" "$work/cwd"
exec_line=$(sed -n 's/^Exec=//p' "$work/prefix/share/applications/org.quillmark.Dotwise.desktop")

cat >"$work/inner.sh" <<INNER
set -euo pipefail
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
# Qt makes /tmp/runtime-root when there is no runtime folder.
export XDG_RUNTIME_DIR="$work/run"
mkdir -p -m 700 "\$XDG_RUNTIME_DIR"
export PATH="$work/prefix/bin:\$PATH"
unset QT_QPA_PLATFORM
export LC_ALL=C.UTF-8
unset LANGUAGE
cd "$work/cwd"
$exec_line &
pid=\$!
window=\$(bash "$(dirname "$(readlink -f "$0")")/../support/wait-window.sh" 5 \$pid) || {
    kill \$pid 2>/dev/null
    exit 1
}
echo "window \$window mapped"
"$xclose" "\$window"
status=0
for _ in \$(seq 1 50); do kill -0 \$pid 2>/dev/null || break; sleep 0.1; done
if kill -0 \$pid 2>/dev/null; then echo "still running after close"; kill \$pid; exit 1; fi
wait \$pid || status=\$?
echo "exit status \$status"
[ \$status = 0 ] || exit \$status

# The 1 key types "&" on AZERTY and "1" with Shift; the keypad's 1 with Num
# Lock on. Each answers a question of three, and the summary follows.
setxkbmap fr
xdotool key Num_Lock
mkdir -p "\$XDG_CONFIG_HOME"
printf '[Dotwise]\nText1=3\n' >"\$XDG_CONFIG_HOME/Quillmark.ini"
$exec_line &
pid=\$!
wait_window() { bash "$(dirname "$(readlink -f "$0")")/../support/wait-window.sh" 10 \$pid "\$@"; }
main=\$(wait_window)
xdotool windowfocus --sync "\$main" key --delay 100 Tab space
for key in ampersand shift+ampersand KP_1; do
    question=\$(wait_window 536x420)
    xdotool windowfocus --sync "\$question" key "\$key"
    # The answered question stays until the next window has the focus.
    for _ in \$(seq 1 100); do
        xdotool getwindowname "\$question" >/dev/null 2>&1 || break
        sleep 0.1
    done
    if xdotool getwindowname "\$question" >/dev/null 2>&1; then
        echo "\$key on the French layout answered nothing"
        kill \$pid
        exit 1
    fi
done
summary=\$(wait_window 536x421) || { echo "no summary after three answers"; kill \$pid; exit 1; }
echo "AZERTY: the 1 key, with Shift, and the keypad's 1 answered the three questions"
xdotool windowfocus --sync "\$summary" key Escape
"$xclose" "\$main"
wait \$pid
INNER
# No reset when the last client leaves: a reset would undo the layout.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$work/inner.sh"

written=$( (cd "$work" && find home/config home/data cwd -type f 2>/dev/null) | grep -v '^home/config/Quillmark.ini$' || true)
if [ -n "$written" ]; then
    echo "wrote more than its setting:"
    echo "$written"
    exit 1
fi
echo "nothing written besides the setting"
