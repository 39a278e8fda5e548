#!/usr/bin/env bash
# What a listener hears: Orca, the Linux screen reader, runs against the
# real program on a virtual X server with a window manager; a short test is
# taken by keys, then the results and the review window are opened. What
# Orca speaks (the SPEECH OUTPUT lines of its debug file) is checked.
#   screenreader.sh <dotwise executable>
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
cleanup() {
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/home" "$work/run"
chmod 700 "$work/run"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_RUNTIME_DIR=$work/run
export XDG_DATA_HOME=$work/home/data XDG_CACHE_HOME=$work/home/cache TMPDIR=$work
unset QT_QPA_PLATFORM
# In English under a UTF-8 locale, whatever the caller's.
export LC_ALL=C.UTF-8
unset LANGUAGE

exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 display <&3
export DISPLAY=:$display

# The session bus listens in the work folder: the namespace's end kills it
# before it can remove its socket, which would stay in /tmp.
cat >"$work/bus.conf" <<CONF
<busconfig>
  <type>session</type>
  <listen>unix:dir=$work</listen>
  <auth>EXTERNAL</auth>
  <standard_session_servicedirs/>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF

cat >"$work/session.sh" <<SESSION
set -uo pipefail
log=$work/orca.log
spoken() {
    grep -a 'SPEECH OUTPUT:' "\$log" | sed -E "s/^.*SPEECH OUTPUT: '(.*)'\\s*(\\{.*|None)?\\s*\\$/\\1/"
}
# What Orca has said since the last key.
heard() { spoken | tail -n +\$((mark + 1)); }
# Waits until Orca has said something matching the pattern after mark
# (generously: a sanitizer build starts slowly).
hear() {
    for _ in \$(seq 1 300); do
        heard | grep -Eq "\$1" && return 0
        sleep 0.1
    done
    echo "not heard within 30 s: \$1"
    echo "heard after the last key:"
    heard | sed 's/^/  /'
    exit 1
}
# What was heard since the last key must hold the pattern exactly once.
once() {
    local times
    times=\$(heard | grep -Eo "\$1" | wc -l)
    [ "\$times" -eq 1 ] && return 0
    echo "heard \$times times, not once: \$1"
    heard | sed 's/^/  /'
    exit 1
}
press() { mark=\$(spoken | wc -l); xdotool key "\$1"; }
# Between an answer and the window that follows it, the main window is
# neither activated nor focused.
nothing_of_the_main_window() {
    sleep 0.5
    if heard | grep -E '^Dotwise\.?\$|Start Test|How many questions|Review Braille Letters'; then
        echo "the main window was heard between an answer and the next window:"
        heard | sed 's/^/  /'
        exit 1
    fi
}

openbox >/dev/null 2>&1 &
/usr/bin/python3 "$here/orca_linebuffered.py" "\$log" >/dev/null 2>&1 &
mark=0
hear 'Screen reader on'
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >/dev/null 2>"$work/program.err" &
hear 'How many questions'

press 2; sleep 0.3
# A fast typist: Space 50 ms after the Tab that reaches Start Test. The
# question is heard once, and nothing of the main window after it (the
# button itself may go unheard, overtaken by the question).
mark=\$(spoken | wc -l)
xdotool key --delay 50 Tab space
hear '^Dotwise, dots [1-6 ]+\. Waiting for answer,? dialog\.?\$'
hear '^[A-Z] (push )?button'
once 'dots [1-6 ]+\. Waiting for answer'
sleep 0.5
if heard | sed -n '/Waiting for answer/,\$p' | grep -E 'Start Test|How many questions'; then
    echo "the main window was heard after the first question:"
    heard | sed 's/^/  /'
    exit 1
fi
press 1
# Orca 51 names the role only when the focus, not the window, brings it.
hear '^Dotwise, dots [1-6 ]+\. (Correct with [A-Z]|Wrong\. Correct answer was [A-Z])(,? dialog)?\.?\$'
hear '^[A-Z] (push )?button'
once 'dots [1-6 ]+\. (Correct with|Wrong\. Correct answer was)'
nothing_of_the_main_window
press 2
hear 'Number of Correct: [0-2]\. Number of Wrong: [0-2]\. Percentage: (0|50|100)%'
hear 'Summary Result'
once 'Number of Correct'
nothing_of_the_main_window
results=\$mark
press Escape; hear 'Start Test (push )?button'
press Tab; hear 'Review Braille Letters (push )?button'
press Return; hear '^A, dots 1( label| Tab moves to Next)?\.?\$'
once 'A, dots 1'
press n; hear '^B, dots 1 2( label| Tab moves to Next)?\.?\$'
once 'B, dots 1 2'
press Tab; hear '^B, dots 1 2'
press space; hear '^C, dots 1 4'
once 'C, dots 1 4'
press Right; hear '^D, dots 1 4 5'
once 'D, dots 1 4 5'

# No control is announced by an internal name.
if spoken | tail -n +\$((results - 1)) | grep -E "^Text1?\.?\$|Text1"; then
    echo "an internal name was spoken"
    exit 1
fi
echo "heard:"
spoken | sed 's/^/  /'
# The program writes nothing but what Qt is known to say harmlessly while a
# screen reader talks to it.
grep -v '^#' "$here/harmless-qt-messages.txt" >"$work/harmless"
status=0
grep -v -E -f "$work/harmless" "$work/program.err" || status=\$?
if [ "\$status" -ne 1 ]; then
    echo "the program wrote the lines above"
    exit 1
fi
SESSION
# Orca will not start while it sees another Orca of the same user (its
# launcher asks pgrep), be it the last run's or the user's own screen
# reader: this one runs in a process namespace of its own, and everything
# in it ends with the session. /proc is mounted afresh, private to the
# namespace (the root may be a chroot, where / is no mount point for
# unshare's own --mount-proc); a user who is not root is root only inside
# a user namespace of their own, which mount needs.
isolate=(unshare --pid --fork --mount --propagation unchanged --kill-child)
[ "$(id -u)" -eq 0 ] || isolate=(unshare --user --map-root-user "${isolate[@]:1}")
isolate+=(sh -c 'mount --make-private /proc && mount -t proc proc /proc && exec "$@"' -)
timeout 120 "${isolate[@]}" dbus-run-session --config-file="$work/bus.conf" -- bash "$work/session.sh" 2>"$work/session.log" || {
    grep -v -e '^dbus-daemon' -e 'SpiRegistry' "$work/session.log" | tail -20
    exit 1
}
