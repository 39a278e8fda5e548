#!/usr/bin/env bash
# What a Windows screen reader is told: the zip's program under Wine beside
# a UI Automation client (uia_client.cpp, built here with mingw-w64), which
# records the focus, window and name events with what each element and its
# window say. A two-question test is taken by keys, then the review is
# opened and stepped once; uia_check.py judges the record.
# Needs Wine 10 or later (Debian 13): Wine 8 freezes once a client walks an
# element's children, so it is skipped there (status 77); the release checks
# run it in a Debian 13 root (tools/wine10-root.sh).
#   uia.sh <Dotwise-VERSION-win64.zip> OUT
set -euo pipefail
zip=$(readlink -f "$1")
out=$2
here=$(dirname "$(readlink -f "$0")")
wine_version=$(wine --version)
major=${wine_version#wine-}
major=${major%%.*}
if [ "$major" -lt 10 ]; then
    echo "skipped: $wine_version; UI Automation needs Wine 10 or later (Wine 8 freezes once a client walks an element's children)"
    exit 77
fi
[ -f "$zip" ] || { echo "no $zip (run cpack first)"; exit 1; }
rm -rf "$out"
mkdir -p "$out"
out=$(readlink -f "$out")
work=$(mktemp -d)
trap 'bash "$here/../../tools/wine-clean.sh" "$work/prefix"; rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"
x86_64-w64-mingw32-g++ -std=c++20 -O2 -Wall -Wextra -Werror -municode -static -o "$work/uia_client.exe" \
    "$here/uia_client.cpp" -lole32 -loleaut32 -luuid

cat >"$work/inner.sh" <<'INNER'
set -euo pipefail
export WINEPREFIX=$work/prefix WINEDEBUG=-all HOME=$work/home
export WINEDLLOVERRIDES="winemenubuilder.exe=d"
unset QT_QPA_PLATFORM
mkdir -p "$HOME"
windows_path() { printf 'Z:%s' "$(readlink -f "$1" | tr / '\\')"; }
record=$out/record.tsv
wineboot --init >/dev/null 2>&1
wineserver -w
# A two-question test.
wine reg add 'HKCU\Software\Quillmark\Dotwise' /v Text1 /d 2 /f >/dev/null

window() { bash "$here/../support/wait-window.sh" 30 "" "$1"; }
# The record's length as a key is pressed, for the check to cut it there.
press() {
    echo "$1 $(wc -l <"$record")" >>"$out/marks"
    xdotool key "${@:2}"
}
# Waits until the client has recorded, since the last key, an event that
# matches (it reads each element back from the program, which takes a
# while under Wine), and a little longer for what follows it. The check
# says what was missing.
#   heard PATTERN [SECONDS]
heard() {
    local from
    from=$(tail -n 1 "$out/marks" | cut -d ' ' -f 2)
    for _ in $(seq 1 $((${2:-20} * 10))); do
        if tail -n +$((from + 1)) "$record" | grep -Eq "$1"; then
            sleep 0.5
            return 0
        fi
        sleep 0.1
    done
}
# Waits until a window is gone from the screen.
gone() {
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --name '^Dotwise$' | grep -qx "$1" || return 0
        sleep 0.1
    done
    echo "window $1 stayed"
    return 1
}

wine "$work/uia_client.exe" "$(windows_path "$record")" "$(windows_path "$work")\\stop" \
    >"$out/client.log" 2>&1 &
client=$!
for _ in $(seq 1 300); do
    [ "$(grep -c '^listening' "$record" 2>/dev/null)" = 3 ] && break
    sleep 0.1
done
grep '^listening' "$record" || { echo "the client did not start"; cat "$out/client.log"; exit 1; }
echo "begin $(wc -l <"$record")" >"$out/marks"
(wine "$work"/Dotwise-*/dotwise.exe >"$out/program.log" 2>&1 &)
main=$(window 536x172)
heard 'How many questions'
# The count box has the focus, its text selected: End keeps it as it is.
xdotool windowfocus --sync "$main" key End
press start --delay 200 Tab space
first=$(window 536x420)
heard 'dots [1-6 ]+\. Waiting for answer'
# The window's own focus follows its button's.
heard '^focus.50032.Dotwise, dots' 5
xdotool windowfocus --sync "$first"
press answer1 1
gone "$first"
heard 'dots [1-6 ]+\. (Correct with|Wrong)'
heard '^focus.50032.Dotwise, dots [1-6 ]+\. (Correct with|Wrong)' 5
press answer2 1
window 536x421 >/dev/null
heard 'Number of Correct'
heard '^focus.50032.Dotwise, Number' 5
press close Return
heard 'Start Test'
press review --delay 200 Tab Return
window 536x371 >/dev/null
heard 'A, dots 1'
heard '^focus.50032.Dotwise[[:cntrl:]]' 5
press next n
heard 'B, dots 1 2'
echo "end $(wc -l <"$record")" >>"$out/marks"
touch "$work/stop"
for _ in $(seq 1 50); do
    kill -0 $client 2>/dev/null || break
    sleep 0.1
done
wineserver -k || true
wineserver -w
INNER
export work here out
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$work/inner.sh"
python3 "$here/uia_check.py" "$out/record.tsv" "$out/marks"
