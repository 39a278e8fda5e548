#!/usr/bin/env bash
# Waits for a window of the program on $DISPLAY: mapped, titled "Dotwise",
# with SIZE client pixels (the main window's 536x172 unless given). Prints
# its id; fails after SECONDS, or at once if the process PID has ended.
#   wait-window.sh SECONDS [PID] [SIZE]
seconds=$1
pid=${2:-}
size=${3:-536x172}
for _ in $(seq 1 $((seconds * 10))); do
    for w in $(xdotool search --onlyvisible --name '^Dotwise$' 2>/dev/null); do
        if xdotool getwindowgeometry "$w" 2>/dev/null | grep -q "Geometry: $size\$"; then
            echo "$w"
            exit 0
        fi
    done
    if [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null; then
        echo "the program ended without a $size Dotwise window" >&2
        exit 1
    fi
    sleep 0.1
done
echo "no $size window titled Dotwise within $seconds s" >&2
exit 1
