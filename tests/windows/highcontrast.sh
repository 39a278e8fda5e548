#!/usr/bin/env bash
# The program from the Windows zip under Wine, in Wine's own colours and in
# Windows' two high-contrast schemes as a user sets them (the system colours
# and the high-contrast flag): the main window, a question, the summary and
# the review window are shot as the X server shows them, and every text must
# read at 4.5:1 (text_contrast.py). The shots are kept in SHOTS.
#   highcontrast.sh <Dotwise-VERSION-win64.zip> SHOTS
set -euo pipefail
zip=$(readlink -f "$1")
shots=$2
[ -f "$zip" ] || { echo "no $zip (run cpack first)"; exit 1; }
rm -rf "$shots"
mkdir -p "$shots"
shots=$(readlink -f "$shots")
work=$(mktemp -d)
wine_tmp=""
[[ "$(wine --version)" == wine-[1-9].* ]] && wine_tmp="TMPDIR=$work"
here=$(dirname "$(readlink -f "$0")")
trap 'env $wine_tmp bash "$here/../../tools/wine-clean.sh" "$work/prefix"; rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"

cat >"$work/inner.sh" <<'INNER'
set -euo pipefail
export WINEPREFIX=$work/prefix WINEDEBUG=-all HOME=$work/home
[ -z "$wine_tmp" ] || export "${wine_tmp?}"
export WINEDLLOVERRIDES="winemenubuilder.exe=d"
unset QT_QPA_PLATFORM
mkdir -p "$HOME"
program=$(echo "$work"/Dotwise-*/dotwise.exe)
# Windows' own values of its High Contrast Black and White schemes.
black=(Window="0 0 0" WindowText="255 255 255" ButtonFace="0 0 0" ButtonText="255 255 255"
    ButtonHilight="255 255 255" ButtonShadow="128 128 128" Hilight="26 235 255"
    HilightText="0 0 0" GrayText="63 242 63" HotTrackingColor="255 255 0" Menu="0 0 0"
    MenuText="255 255 255" InfoWindow="0 0 0" InfoText="255 255 255")
white=(Window="255 255 255" WindowText="0 0 0" ButtonFace="255 255 255" ButtonText="0 0 0"
    ButtonHilight="0 0 0" ButtonShadow="128 128 128" Hilight="55 0 110"
    HilightText="255 255 255" GrayText="96 0 0" HotTrackingColor="0 0 159" Menu="255 255 255"
    MenuText="0 0 0" InfoWindow="255 255 255" InfoText="0 0 0")

wineboot --init >/dev/null 2>&1
wineserver -w
# A one-question test.
wine reg add 'HKCU\Software\Quillmark\Dotwise' /v Text1 /d 1 /f >/dev/null
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
fi

fail=0
# The program's window of that client size, once it is shown.
window() { bash "$here/../support/wait-window.sh" 30 "" "$1"; }
# Shoots a window until every text reads, or for 10 s (it may still be
# painting), and says what the last shot measured.
shoot() {
    local name=$1 id=$2 file=$shots/$scheme-$1 status=1
    for _ in $(seq 1 20); do
        sleep 0.5
        import -window "$id" "$file.png"
        convert "$file.png" -depth 8 "$file.ppm"
        if python3 "$here/text_contrast.py" "$name" "$file.ppm" >"$file.txt"; then
            status=0
            break
        fi
    done
    rm "$file.ppm"
    cat "$file.txt"
    [ $status = 0 ] || fail=1
}

for scheme in default black white; do
    if [ "$scheme" != default ]; then
        if [ "$scheme" = black ]; then colours=("${black[@]}"); else colours=("${white[@]}"); fi
        for kv in "${colours[@]}"; do
            wine reg add 'HKCU\Control Panel\Colors' /v "${kv%%=*}" /d "${kv#*=}" /f >/dev/null
        done
        wine reg add 'HKCU\Control Panel\Accessibility\HighContrast' /v Flags /d 127 /f >/dev/null
        wineserver -k || true
        wineserver -w
    fi
    (wine "$program" >"$shots/$scheme.log" 2>&1 &)
    # The count box has the focus, its text selected: End leaves it as typed.
    main=$(window 536x172)
    xdotool windowfocus --sync "$main" key End
    shoot main "$main"
    xdotool key --delay 200 Tab space
    question=$(window 536x420)
    shoot question "$question"
    xdotool windowfocus --sync "$question" key 1
    summary=$(window 536x421)
    shoot summary "$summary"
    xdotool windowfocus --sync "$summary" key Return
    while xdotool getwindowname "$summary" >/dev/null 2>&1; do sleep 0.1; done
    # "Review Braille Letters"
    xdotool mousemove --window "$main" --sync 268 146 click 1
    shoot review "$(window 536x371)"
    wineserver -k || true
    wineserver -w
done
exit $fail
INNER
export work here wine_tmp shots
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/inner.sh"
