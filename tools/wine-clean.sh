#!/usr/bin/env bash
# Ends the Wine server of a prefix and removes its socket folder. Wine 10
# keeps that folder in a /tmp/wine-XXXXXX of its own and leaves it there
# (and cannot be pointed elsewhere: it aborts when TMPDIR is set).
#   wine-clean.sh PREFIX
prefix=$1
[ -d "$prefix" ] || exit 0
WINEPREFIX=$prefix wineserver -k 2>/dev/null
WINEPREFIX=$prefix wineserver -w 2>/dev/null
name=server-$(stat -c %D "$prefix")-$(printf '%x' "$(stat -c %i "$prefix")")
for dir in /tmp/wine-*/"$name"; do
    [ -d "$dir" ] || continue
    rm -rf "$dir"
    rmdir "$(dirname "$dir")" 2>/dev/null
done
exit 0
