#!/usr/bin/env bash
# The installed program on a real X server: its window appears with the
# right size, closing it ends the process with status 0, and it writes
# nothing but its one setting.
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
exit \$status
INNER
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/inner.sh"

written=$( (cd "$work" && find home/config home/data cwd -type f 2>/dev/null) | grep -v '^home/config/Quillmark.ini$' || true)
if [ -n "$written" ]; then
    echo "wrote more than its setting:"
    echo "$written"
    exit 1
fi
echo "nothing written besides the setting"
