#!/usr/bin/env bash
# The Windows installer and zip under Wine, in a fresh prefix on a virtual
# X server, as a user would meet them:
# - a silent install for this user puts the program in its own folder with
#   a Start-menu entry and one Apps & Features entry; the entry starts the
#   536x172 "Dotwise" window;
# - the program, installer and uninstaller say what they are;
# - installing again, for everyone, removes the first copy and its entry;
# - uninstalling leaves nothing but the user's setting, unless asked;
# - the zip unpacks into one folder and the program runs from there; its
#   question is owned by the main window and has its own taskbar button;
#   on the French AZERTY layout the 1 key answers, as typed ("&") and with
#   Shift ("1").
#   installer.sh <Dotwise-VERSION-win64.exe> VERSION
set -euo pipefail
installer=$(readlink -f "$1")
version=$2
zip=${installer%.exe}.zip
work=$(mktemp -d)
# Wine before 10 keeps its server's folder in TMPDIR; Wine 10 aborts if it
# is set (see tools/wine-run.sh).
wine_tmp=""
[[ "$(wine --version)" == wine-[1-9].* ]] && wine_tmp="TMPDIR=$work"
here=$(dirname "$(readlink -f "$0")")
trap 'env $wine_tmp bash "$here/../../tools/wine-clean.sh" "$work/prefix"; rm -rf "$work"' EXIT
for f in "$installer" "$zip"; do
    [ -f "$f" ] || { echo "no $f (run cpack first)"; exit 1; }
done

cat >"$work/inner.sh" <<'INNER'
set -euo pipefail
export WINEPREFIX=$work/prefix WINEDEBUG=-all HOME=$work/home
[ -z "$wine_tmp" ] || export "${wine_tmp?}"
export WINEDLLOVERRIDES="winemenubuilder.exe=d"
mkdir -p "$HOME"
fail() { echo "$*"; exit 1; }
# The values of a registry key, from Wine's saved registry (HKCU: user.reg,
# HKLM: system.reg); wineserver -w has written it.
values() {
    key="[${2//\\/\\\\}] " awk 'index($0, ENVIRON["key"]) == 1 { on = 1; next }
        /^\[/ { on = 0 } on' "$WINEPREFIX/$1"
}
has_key() { grep -qF "[${2//\\/\\\\}] " "$WINEPREFIX/$1"; }
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Dotwise'
settings_key='Software\Quillmark\Dotwise'
install() { wine "$installer" /S "$@" || fail "the installer failed ($?): $*"; wineserver -w; }
# The uninstaller reruns itself from a copy in the temp folder and returns
# at once; wait until its folder is gone.
uninstall() {
    wine "$1/Uninstall.exe" /S "${@:2}"
    for _ in $(seq 1 60); do [ -e "$1" ] || break; sleep 0.5; done
    wineserver -w
}
# A new prefix's first start alone can take half a minute on a busy machine.
shows_window() {
    wine start "$@" &
    bash "$here/../support/wait-window.sh" 90 >/dev/null
    wineserver -k || true
    wineserver -w
}
# Everything under the prefix but Wine's own, for "nothing left behind";
# not the temp folder, where the uninstaller's copy of itself waits for a
# restart, as on Windows.
files() {
    (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -path './users/*/Temp' -prune \
        -o -print | sort)
}

wine reg add "HKCU\\$settings_key" /v Text1 /d 7 /f >/dev/null
wineserver -w
files >"$work/before"
user=$(cd "$WINEPREFIX/drive_c/users" && ls | grep -vx Public)
mine="$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/Dotwise"
my_menu="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
everyone="$WINEPREFIX/drive_c/Program Files/Dotwise"
all_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
desktop="$WINEPREFIX/drive_c/users/$user/Desktop"

install /CurrentUser
for f in dotwise.exe Uninstall.exe sounds/correct.wav sounds/wrong.wav HAND-M.CUR x/o.cjs \
         platforms/qwindows.dll LICENSES/NOTICES.txt LICENSES/LGPL-3.0-only.txt; do
    [ -f "$mine/$f" ] || fail "not installed for this user: $f"
done
[ -f "$my_menu/Dotwise.lnk" ] || fail "no Start-menu entry for this user"
[ ! -e "$desktop/Dotwise.lnk" ] || fail "a silent install made a desktop shortcut"
entry=$(values user.reg "$uninstall_key")
for v in '"DisplayName"="Dotwise"' "\"DisplayVersion\"=\"$version\"" '"Publisher"="Quillmark"' \
         '"InstallLocation"="C:\\users\\' '"QuietUninstallString"=' '"URLInfoAbout"="https://' \
         '"EstimatedSize"=dword:' '"NoModify"=dword:00000001' '"NoRepair"=dword:00000001'; do
    grep -qF "$v" <<<"$entry" || fail "the Apps & Features entry lacks $v"
done
! has_key system.reg "$uninstall_key" || fail "a per-user install wrote an entry for everyone"
for f in "$mine/dotwise.exe" "$mine/Uninstall.exe" "$installer"; do
    /usr/bin/python3 "$here/pe_info.py" "$version" "$f" --manifest
done
shows_window /unix "$my_menu/Dotwise.lnk"
echo "for this user: installed, described, the Start-menu entry shows the window"

install /AllUsers
[ -f "$everyone/dotwise.exe" ] || fail "not installed for everyone"
[ ! -e "$mine" ] || fail "the first copy was left behind: $(cd "$mine" && find .)"
[ ! -e "$my_menu/Dotwise.lnk" ] || fail "the first copy's Start-menu entry was left behind"
[ -f "$all_menu/Dotwise.lnk" ] || fail "no Start-menu entry for everyone"
! has_key user.reg "$uninstall_key" || fail "the first copy's Apps & Features entry was left"
has_key system.reg "$uninstall_key" || fail "no Apps & Features entry for everyone"
echo "again for everyone: one copy, one entry"

uninstall "$everyone"
values user.reg "$settings_key" | grep -qF '"Text1"="7"' || fail "the setting was not kept"
wine reg delete "HKCU\\$settings_key" /f >/dev/null
wineserver -w
files >"$work/after"
diff "$work/before" "$work/after" || fail "files left behind (> lines)"
! has_key system.reg "$uninstall_key" || fail "the Apps & Features entry was left"
! has_key system.reg 'Software\Quillmark' || fail "HKLM\Software\Quillmark was left"
echo "uninstalled: nothing left but the setting"

wine reg add "HKCU\\$settings_key" /v Text1 /d 7 /f >/dev/null
install /CurrentUser /DesktopShortcut
[ -f "$desktop/Dotwise.lnk" ] || fail "no desktop shortcut with /DesktopShortcut"
uninstall "$mine" /RemoveSettings
[ ! -e "$desktop/Dotwise.lnk" ] || fail "the desktop shortcut was left"
! has_key user.reg 'Software\Quillmark' || fail "/RemoveSettings kept the settings"
echo "uninstalled with /RemoveSettings: the setting is gone too"

# Wine takes the X server's layout as a program starts.
setxkbmap fr
wine reg add "HKCU\\$settings_key" /v Text1 /d 2 /f >/dev/null
unzip -q "$zip" -d "$work/unzipped"
[ "$(ls "$work/unzipped")" = "Dotwise-$version" ] || fail "the zip holds more than one folder"
# It says what it bundles: its notices name every DLL, and each licence text
# they name lies beside them.
folder=$work/unzipped/Dotwise-$version
notices=$folder/LICENSES/NOTICES.txt
[ -f "$notices" ] || fail "the zip has no LICENSES/NOTICES.txt"
for dll in $(cd "$folder" && find . -name '*.dll' -printf '%f\n'); do
    grep -qF "$dll" "$notices" || fail "the notices do not name $dll"
done
for text in $(grep -oP '(Licence: [^(\r]*\(\K[^)]*|Its copyright and licences: \K\S+)' "$notices" |
              tr -d '\r' | tr ',' ' '); do
    [ -f "$folder/LICENSES/$text" ] || fail "the notices name $text, which the zip lacks"
done
wine start /unix "$work/unzipped/Dotwise-$version/dotwise.exe" &
main=$(bash "$here/../support/wait-window.sh" 90) || fail "the program from the zip shows no window"
echo "the zip unpacks into Dotwise-$version and runs from there"
# A question belongs to the main window and has a taskbar button of its
# own: Wine marks a window the taskbar leaves out _NET_WM_STATE_SKIP_TASKBAR.
xdotool key --delay 200 Tab Return
question=$(bash "$here/../support/wait-window.sh" 10 "" 536x420) ||
    fail "Tab and Enter on the main window showed no question"
xprop -id "$question" WM_TRANSIENT_FOR | grep -q 'window id' || fail "the question has no owner"
! xprop -id "$question" _NET_WM_STATE | grep -q SKIP_TASKBAR ||
    fail "the question has no taskbar button of its own"
echo "a question: owned by the main window, with a taskbar button of its own"
# An answered question stays until the next window has the focus.
answers() {
    xdotool windowfocus --sync "$1" key "$2"
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --name '^Dotwise$' | grep -qx "$1" || return 0
        sleep 0.1
    done
    fail "$2 answered nothing on the French layout"
}
answers "$question" ampersand
answers "$(bash "$here/../support/wait-window.sh" 10 "" 536x420)" shift+ampersand
bash "$here/../support/wait-window.sh" 10 "" 536x421 >/dev/null || fail "no summary after two answers"
echo "French AZERTY: the 1 key answers, as typed and with Shift"
wineserver -k || true
wineserver -w
INNER
export installer version zip work here wine_tmp
# No reset when the last client leaves: a reset would undo the layout.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$work/inner.sh"
