#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the benchmarks, which no other stage compiles, and runs each once,
# briefly: the figures are not the point here, that they still build and run is.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${ZORET_BENCH_BUILD_DIR:-$root/build-bench}"
jobs="${ZORET_JOBS:-2}"

echo "== bench: build in $build"
cmake -S "$root" --preset bench -B "$build" >/dev/null
cmake --build "$build" -j "$jobs"

data="$(mktemp -d)"
trap 'rm -rf "$data"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$data"
# First the journal, so that the journal window's benchmark has bets to show:
# more than the window reads before it is first painted.
if [ -x "$build/bench/journal_generator" ]; then
    echo "== bench: journal_generator"
    "$build/bench/journal_generator" 300 >/dev/null
fi
for program in "$build"/bench/bench_*; do
    [ -f "$program" ] && [ -x "$program" ] || continue
    echo "== bench: $(basename "$program")"
    "$program" --benchmark_min_time=0.01 >/dev/null
done
echo "bench: every benchmark built and ran"
