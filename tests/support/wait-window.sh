#!/usr/bin/env bash
# Waits for the main window on $DISPLAY: mapped, titled "Dotwise", 536x172
# client pixels. Prints its id; fails after SECONDS, or at once if the
# process PID has ended.
#   wait-window.sh SECONDS [PID]
seconds=$1
pid=${2:-}
for _ in $(seq 1 $((seconds * 10))); do
    for w in $(xdotool search --onlyvisible --name '^Dotwise$' 2>/dev/null); do
        if xdotool getwindowgeometry "$w" | grep -q 'Geometry: 536x172'; then
            echo "$w"
            exit 0
        fi
    done
    if [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null; then
        echo "the program ended without a 536x172 Dotwise window" >&2
        exit 1
    fi
    sleep 0.1
done
echo "no 536x172 window titled Dotwise within $seconds s" >&2
exit 1
