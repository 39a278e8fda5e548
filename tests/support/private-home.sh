#!/usr/bin/env bash
# Runs a test with a HOME, config, runtime and temp folder of its own,
# removed afterwards, so that no test reads or writes the real user's files,
# leaves anything in the temp folder or reaches a real sound server; and in
# English under a UTF-8 locale, whatever the caller's (a bare root shell has
# none, and Qt then warns).
#   private-home.sh PROGRAM [ARG ...]
set -uo pipefail
home=$(mktemp -d "${TMPDIR:-/tmp}/dotwise-test-XXXXXX")
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/config" "$home/run" "$home/tmp"
chmod 700 "$home/run"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/run
export XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache TMPDIR=$home/tmp
export PULSE_SERVER=unix:$home/run/no-sound-server
export LC_ALL=C.UTF-8
unset LANGUAGE
"$@"
