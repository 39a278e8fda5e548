#!/usr/bin/env bash
# The Debian package of this build meets Debian's policy: cpack builds it
# into a folder of its own, and lintian finds no errors and no warnings.
#   lintian.sh <build dir>
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
lintian --fail-on error,warning "$work"/dotwise_*.deb
echo "lintian: no errors, no warnings"
