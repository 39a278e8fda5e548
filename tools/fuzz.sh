#!/usr/bin/env bash
# Builds the libFuzzer targets (clang) and runs each for a while from its
# committed seeds. A crash leaves its input in the printed folder: add it to
# tests/fuzz/corpus/<target>/ as a regression case.
# Needs clang and its libFuzzer runtime (dev.sh release installs them).
#   tools/fuzz.sh [seconds per target, default 30]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
# The targets run side by side, each for the whole time; each one's result
# is printed when all are done.
targets=(numeric cursor skin)
declare -A work pid
for target in "${targets[@]}"; do
    work[$target]=$(mktemp -d)
    # In a private home, as every test: Qt makes a runtime folder otherwise.
    bash tests/support/private-home.sh ./build-fuzz/tests/fuzz/fuzz_$target \
        -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=4096 -artifact_prefix="${work[$target]}/" -print_final_stats=0 \
        "${work[$target]}" "tests/fuzz/corpus/$target" >"${work[$target]}/log" 2>&1 &
    pid[$target]=$!
done
failed=0
for target in "${targets[@]}"; do
    dir=${work[$target]}
    if wait "${pid[$target]}"; then
        echo "fuzz_$target: $(grep -E '^Done' "$dir/log")"
        rm -rf "$dir"
    else
        echo "fuzz_$target FAILED; log and input in $dir"
        tail -30 "$dir/log"
        failed=1
    fi
done
exit $failed
