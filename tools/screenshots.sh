#!/usr/bin/env bash
# Screenshots of the four windows for the README, taken from the built
# program on a virtual X server, of a question in qt6ct's shipped dark
# scheme and of one in German. Needs: xvfb xauth xdotool imagemagick qt6ct.
#   tools/screenshots.sh [build dir] [output dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
out=$(realpath "${2:-docs}")
mkdir -p "$out"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

cat >"$home/shoot.sh" <<SHOOT
set -euo pipefail
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run"
mkdir -p -m 700 "$home/run"
unset QT_QPA_PLATFORM
scheme=\${1:-}
language=\${2:-}
suffix=\${scheme:-\$language}
[ -z "\$language" ] || export LANGUAGE=\$language
if [ -n "\$scheme" ]; then
    mkdir -p "$home/config/qt6ct"
    printf '[Appearance]\\ncolor_scheme_path=/usr/share/qt6ct/colors/%s.conf\\ncustom_palette=true\\nstyle=Fusion\\n' \
        "\$scheme" >"$home/config/qt6ct/qt6ct.conf"
    export QT_QPA_PLATFORMTHEME=qt6ct
fi
"$build/dotwise" &
pid=\$!
trap 'kill \$pid 2>/dev/null || true' EXIT

# The newest visible window called Dotwise with the given client size.
window() {
    for _ in \$(seq 1 50); do
        for w in \$(xdotool search --onlyvisible --name '^Dotwise\$' 2>/dev/null); do
            if xdotool getwindowgeometry "\$w" | grep -q "Geometry: \$1"; then echo "\$w"; return; fi
        done
        sleep 0.1
    done
    echo "no \$1 window" >&2
    exit 1
}
click() { xdotool mousemove --window "\$1" "\$2" "\$3" click 1; sleep 0.4; }
shot() { sleep 0.3; import -window "\$1" "$out/\$2"; echo "wrote $out/\$2"; }

main=\$(window 536x172)
click \$main 260 40
xdotool key ctrl+a type 4
if [ -n "\$suffix" ]; then
    shot \$main main-window-\$suffix.png
    click \$main 268 85                   # Start Test
    click \$(window 536x420) 136 295      # first answer
    shot \$(window 536x420) quiz-window-\$suffix.png
    exit 0
fi
shot \$main main-window.png
click \$main 268 85                       # Start Test
click \$(window 536x420) 136 295          # first answer
shot \$(window 536x420) quiz-window.png
for _ in 1 2 3; do click \$(window 536x420) 384 329; done
results=\$(window 536x421)
shot \$results results-window.png
click \$results 268 399                   # Close Window
click \$main 268 139                      # Review Braille Letters
review=\$(window 536x371)
for _ in 1 2 3 4 5 6; do click \$review 268 349; done
shot \$review review-window.png
SHOOT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$home/shoot.sh"
xvfb-run -a -s "-screen 0 1024x768x24" bash "$home/shoot.sh" darker
xvfb-run -a -s "-screen 0 1024x768x24" bash "$home/shoot.sh" "" de
