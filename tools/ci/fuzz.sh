#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the libFuzzer targets of fuzz/ with clang (address and undefined
# behaviour sanitizers on) and runs each for ZORET_FUZZ_SECONDS (30) seconds
# from its seed corpus. Any crash, sanitizer report, property violation,
# timeout or leak fails the run, and the reproducer is printed with the
# command that replays it.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${ZORET_FUZZ_BUILD_DIR:-$root/build-fuzz}"
jobs="${ZORET_JOBS:-2}"
seconds="${ZORET_FUZZ_SECONDS:-30}"
targets=(fuzz_text fuzz_round_trip fuzz_system fuzz_fork fuzz_settlement fuzz_fair_odds)

echo "== fuzz: build in $build"
cmake -S "$root" --preset fuzz -B "$build" >/dev/null
cmake --build "$build" -j "$jobs"

export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

failed=()
summary=()
for target in "${targets[@]}"; do
    binary="$build/fuzz/$target"
    seeds="$root/fuzz/corpus/$target"
    # New inputs go to a corpus kept in the build tree, never into the
    # sources; the seeds are only read.
    work="$build/corpus/$target"
    artifacts="$build/artifacts/$target"
    log="$build/$target.log"
    mkdir -p "$work"
    rm -rf "$artifacts"
    mkdir -p "$artifacts"

    echo "== fuzz: $target for ${seconds}s"
    status=0
    "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$work" "$seeds" >"$log" 2>&1 || status=$?

    runs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 runs in \2 s/p' "$log" | tail -n 1)
    reproducers=("$artifacts"/*)
    if [ "$status" -ne 0 ] || [ -e "${reproducers[0]}" ]; then
        failed+=("$target")
        summary+=("$target: FAILED (exit $status)")
        echo "---- $target found a problem; the report:"
        grep -v -E '^#[0-9]+|^INFO:|^\s+NEW_FUNC' "$log" | tail -n 60
        for reproducer in "${reproducers[@]}"; do
            [ -e "$reproducer" ] || continue
            echo "---- reproducer $reproducer ($(stat -c %s "$reproducer") bytes):"
            od -A d -t x1z -v "$reproducer" | head -n 40
            echo "replay: $binary $reproducer"
        done
    else
        summary+=("$target: ${runs:-? runs}, corpus $(find "$work" -type f | wc -l) inputs")
    fi
done

echo "== fuzz summary"
printf '  %s\n' "${summary[@]}"
if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzz: FAILED: ${failed[*]}"
    exit 1
fi
echo "fuzz: OK"
