#!/usr/bin/env bash
# The README on a brand-new Debian 12: a minimal root is made from the
# machine's own mirror, this commit is cloned into it and the README's run
# command must show the "Dotwise" window; `dev.sh package` builds the .deb
# there. A second new root installs that .deb with apt and the installed
# program must show its window too.
#   tools/fresh-machine.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "fresh-machine.sh makes chroots: run it as root" >&2; exit 1; }
source=$PWD

mirror=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/debian.sources 2>/dev/null ||
    true)
mirror=${mirror:-http://deb.debian.org/debian}
work=$(mktemp -d /var/tmp/dotwise-fresh-XXXXXX)
roots=()
xvfb=""

unmount_root() {
    local root=$1
    for m in tmp/.X11-unix dev/pts dev sys proc; do
        mountpoint -q "$root/$m" && umount -l "$root/$m"
    done
    return 0
}
cleanup() {
    [ -n "$(jobs -p)" ] && kill $(jobs -p) 2>/dev/null
    for root in "${roots[@]}"; do unmount_root "$root"; done
    for root in "${roots[@]}"; do
        if findmnt -rn -o TARGET | grep -q "^$root/"; then
            echo "still mounted below $root; not removing it" >&2
            return
        fi
    done
    rm -rf --one-file-system "$work"
}
trap cleanup EXIT

display=$((200 + $$ % 50))
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY=:$display

new_root() {
    local root=$work/$1
    echo "== a new Debian 12 root ($1) from $mirror"
    mmdebstrap --quiet --variant=minbase bookworm "$root" "$mirror" >"$work/$1.log" 2>&1 || {
        cat "$work/$1.log"
        return 1
    }
    roots+=("$root")
    rm -f "$root/etc/apt/sources.list"
    cp /etc/apt/sources.list.d/debian.sources "$root/etc/apt/sources.list.d/"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    mount -t proc proc "$root/proc"
    mount --bind /sys "$root/sys"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    mkdir -p "$root/tmp/.X11-unix"
    mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
}

in_root() {
    local root=$1
    shift
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
        DISPLAY="$DISPLAY" LANG=C.UTF-8 "$@"
}

# Waits for the program's window; its process is then ended.
wait_window() {
    local what=$1 pid=$2 seconds=$3 window
    window=$(bash "$source/tests/support/wait-window.sh" "$seconds" "$pid") || {
        echo "$what: no window"
        return 1
    }
    echo "$what: the 536x172 Dotwise window is shown"
    kill "$(xdotool getwindowpid "$window")" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

new_root first
git clone --quiet --no-hardlinks "$source" "$work/first/root/dotwise"
git -C "$work/first/root/dotwise" checkout --quiet "$(git -C "$source" rev-parse HEAD)"
echo "== bash tools/dev.sh run, as the first command"
in_root "$work/first" bash -c 'cd /root/dotwise && bash tools/dev.sh run' \
    >"$work/run.log" 2>&1 &
wait_window "README run command" $! 1200 || { tail -40 "$work/run.log"; exit 1; }
echo "== bash tools/dev.sh package"
in_root "$work/first" bash -c 'cd /root/dotwise && bash tools/dev.sh package' >"$work/package.log" 2>&1 ||
    { tail -40 "$work/package.log"; exit 1; }
deb=$(ls "$work"/first/root/dotwise/build/dotwise_*.deb)
echo "built $(basename "$deb"); lintian passed"

new_root second
cp "$deb" "$work/second/root/"
echo "== apt-get install ./$(basename "$deb")"
in_root "$work/second" bash -c "apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq /root/$(basename "$deb")" >"$work/install.log" 2>&1 ||
    { tail -40 "$work/install.log"; exit 1; }
in_root "$work/second" dotwise >"$work/installed.log" 2>&1 &
wait_window "installed package" $! 60 || { tail -20 "$work/installed.log"; exit 1; }
echo "fresh machine: passed"
