#!/usr/bin/env bash
# The Windows installer under Wine, in a fresh prefix on a virtual X
# server: a silent install puts the program, its data, the icon and a
# Start-menu entry in place; the installed program shows its 536x172
# "Dotwise" window; the uninstaller removes everything it put there.
#   installer.sh <Dotwise-VERSION-win64.exe>
set -euo pipefail
installer=$(readlink -f "$1")
work=$(mktemp -d)
# Wine before 10 keeps its server's folder in TMPDIR; Wine 10 aborts if it
# is set (see tools/wine-run.sh).
wine_tmp=""
[[ "$(wine --version)" == wine-[1-9].* ]] && wine_tmp="TMPDIR=$work"
here=$(dirname "$(readlink -f "$0")")
trap 'env $wine_tmp bash "$here/../../tools/wine-clean.sh" "$work/prefix"; rm -rf "$work"' EXIT
[ -f "$installer" ] || { echo "no installer at $1 (run cpack first)"; exit 1; }

cat >"$work/inner.sh" <<INNER
set -euo pipefail
export WINEPREFIX=$work/prefix WINEDEBUG=-all HOME=$work/home $wine_tmp
export WINEDLLOVERRIDES="winemenubuilder.exe=d"
mkdir -p "\$HOME"
wine "$installer" /S
wineserver -w
app="\$WINEPREFIX/drive_c/Program Files/Dotwise"
menu="\$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Dotwise"
for f in dotwise.exe sounds/correct.wav sounds/wrong.wav HAND-M.CUR x/o.cjs \
         platforms/qwindows.dll Uninstall.exe; do
    [ -f "\$app/\$f" ] || { echo "not installed: \$f"; exit 1; }
done
ls "\$menu"/Dotwise.lnk >/dev/null || { echo "no Start-menu entry"; exit 1; }
echo "installed: \$(cd "\$app" && find . -type f | wc -l) files, Start-menu entry"

wine "C:\\\\Program Files\\\\Dotwise\\\\dotwise.exe" &
bash "$here/../support/wait-window.sh" 30 >/dev/null
echo "the installed program shows its 536x172 window"
wineserver -k || true
sleep 1

wine "\$app/Uninstall.exe" /S
# The uninstaller reruns itself from a copy in the temp folder and returns
# at once; wait for that copy to finish.
for _ in \$(seq 1 60); do
    [ -e "\$app" ] || [ -e "\$menu" ] || break
    sleep 0.5
done
wineserver -w
if [ -e "\$app" ] || [ -e "\$menu" ]; then
    echo "left behind after uninstalling:"
    find "\$app" "\$menu" 2>/dev/null
    exit 1
fi
echo "uninstalled: nothing left"
INNER
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/inner.sh"
