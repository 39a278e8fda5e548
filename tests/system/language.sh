#!/usr/bin/env bash
# The installed program under a German user's language settings, on a
# virtual X server, read and driven through AT-SPI.
#   private-home.sh language.sh <build dir>
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null

cat >"$work/session.sh" <<SESSION
set -euo pipefail
unset QT_QPA_PLATFORM LC_ALL LC_MESSAGES
LANG=C.UTF-8 LANGUAGE=de QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$work/prefix/bin/dotwise" &
/usr/bin/python3 "$here/language.py"
kill \$!
SESSION
timeout 60 xvfb-run -a -s "-screen 0 1024x768x24" \
    dbus-run-session -- bash "$work/session.sh"
