#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest (the cross build's emulator).
# Wine keeps QT_* variables from the Windows side, so they are set again
# inside; Wine's helper processes hold its pipes open, so the program's
# output goes through a file.
#   wine-run.sh PROGRAM.exe [ARG ...]
set -uo pipefail
program=$1
shift
export WINEDEBUG=${WINEDEBUG:--all}
export WINEPREFIX=${WINEPREFIX:-$(dirname "$(readlink -f "$0")")/../build-windows/wine}
# Wine's server keeps its socket folder in the temp folder: keep it beside
# the prefix, so that test runs leave nothing in /tmp. Wine 10 aborts when
# TMPDIR is set at all ("free(): invalid pointer"), so it is set for older
# Wine only.
mkdir -p "$WINEPREFIX-tmp"
[[ "$(wine --version)" == wine-[1-9].* ]] && export TMPDIR=$WINEPREFIX-tmp
# Nor in the user's HOME: no desktop menus for what Wine runs.
export HOME=$WINEPREFIX-tmp WINEDLLOVERRIDES="winemenubuilder.exe=d"
# Wine's drive Z: is the root of this file system; naming paths directly
# spares a Wine process (winepath) per name.
windows_path() { printf 'Z:%s' "$(readlink -f "$1" | tr / '\\')"; }
# Qt's DLLs and the compiler's runtime DLLs, where the build found them.
qt=${DOTWISE_WINDOWS_QT:?the Windows Qt prefix, from tools/windows-qt.sh}
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
export WINEPATH="$(windows_path "$qt/bin");$(windows_path "$runtime");$(windows_path /usr/x86_64-w64-mingw32/lib)"
# One Wine server for a whole test run: a server still shutting down when
# the next program starts makes that program fail to start. A new prefix is
# made first, and its server allowed to finish.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1 </dev/null
    wineserver -w
fi
wineserver -p20 >/dev/null 2>&1 </dev/null || true
work=$(mktemp -d "$HOME/run-XXXXXX")
trap 'rm -rf "$work"' EXIT
{
    echo "@echo off"
    env | grep -E '^QT_[A-Z_]+=' | sed 's/^\(.*\)$/set "\1"/'
    line="\"$(windows_path "$program")\""
    for arg in "$@"; do line+=" \"$arg\""; done
    echo "$line"
    echo "exit /b %ERRORLEVEL%"
} | sed 's/$/\r/' >"$work/run.bat"
wine cmd /c "$(windows_path "$work/run.bat")" >"$work/output" 2>&1 </dev/null
status=$?
tr -d '\r' <"$work/output"
exit $status
