#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up figures of zoret against a bare Qt window, both offscreen: the time
# from starting the process to the end of its first window paint, and the
# peak resident memory up to then. Each program ends itself right after the
# first paint (ZORET_EXIT_AFTER_FIRST_PAINT), so the wall time of a run is its
# start-up time. Runs alternate between the two programs; medians are printed.
# usage: bench/startup/measure.sh [runs]   (at least 10; default 15)
set -euo pipefail
export LC_ALL=C

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${ZORET_BENCH_BUILD_DIR:-$root/build-bench}"
runs="${1:-15}"
[ "$runs" -ge 10 ] || { echo "use at least 10 runs" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (Debian package 'time')" >&2; exit 2; }

cmake -S "$root" --preset release -B "$build" -DZORET_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j "${ZORET_JOBS:-2}" --target zoret bench_bare_window >/dev/null

# "bare" is an empty window; "text" the same window with one caption, which
# makes it load the font database as any window with words on it must.
programs=(zoret bare text)
declare -A binary=([zoret]="$build/app/zoret" [bare]="$build/bench/startup/bench_bare_window"
                   [text]="$build/bench/startup/bench_bare_window")
declare -A extra_env=([zoret]="" [bare]="" [text]="ZORET_BARE_TEXT=1")
declare -A times memories
rss_file=$(mktemp)
trap 'rm -f "$rss_file"' EXIT

now_us() { local t=$EPOCHREALTIME; echo "${t/[.,]/}"; }

# One start: prints "microseconds kilobytes".
run_once() {
    local start end status=0
    start=$(now_us)
    env QT_QPA_PLATFORM=offscreen ZORET_EXIT_AFTER_FIRST_PAINT=1 ${2:-} \
        timeout 30 /usr/bin/time -f %M -o "$rss_file" "$1" >/dev/null 2>&1 || status=$?
    end=$(now_us)
    if [ "$status" -ne 0 ]; then
        echo "$1 did not end cleanly after its first paint (status $status)" >&2
        exit 1
    fi
    echo "$((end - start)) $(tail -n 1 "$rss_file")"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# a/b with two decimals, in integer arithmetic.
ratio() { local r=$(( ($1 * 100 + $2 / 2) / $2 )); printf '%d.%02d' $((r / 100)) $((r % 100)); }
ms() { local tenths=$(( ($1 + 50) / 100 )); printf '%d.%d' $((tenths / 10)) $((tenths % 10)); }

# Warm the page cache and the font cache first.
for p in "${programs[@]}"; do run_once "${binary[$p]}" "${extra_env[$p]}" >/dev/null; done

for ((i = 1; i <= runs; i++)); do
    for p in "${programs[@]}"; do
        read -r us kb < <(run_once "${binary[$p]}" "${extra_env[$p]}")
        times[$p]+="$us "
        memories[$p]+="$kb "
    done
done

echo "start-up to first paint, offscreen, $runs runs each (median)"
printf '%-8s %12s %14s\n' program "time (ms)" "peak RSS (KB)"
declare -A mt mm
for p in "${programs[@]}"; do
    mt[$p]=$(tr ' ' '\n' <<<"${times[$p]}" | grep . | median)
    mm[$p]=$(tr ' ' '\n' <<<"${memories[$p]}" | grep . | median)
    printf '%-8s %12s %14s\n' "$p" "$(ms "${mt[$p]}")" "${mm[$p]}"
done
for base in bare text; do
    echo "ratio of medians, zoret / $base window: time x$(ratio "${mt[zoret]}" "${mt[$base]}"), memory x$(ratio "${mm[zoret]}" "${mm[$base]}")"
done

# The runs alternate, so run i of each program saw the same machine state.
paired() {
    local -a a b
    read -r -a a <<<"$1"
    read -r -a b <<<"$2"
    for ((i = 0; i < ${#a[@]}; i++)); do echo $(( (a[i] * 10000 + b[i] / 2) / b[i] )); done | median
}
for base in bare text; do
    pt=$(paired "${times[zoret]}" "${times[$base]}")
    pm=$(paired "${memories[zoret]}" "${memories[$base]}")
    echo "median of paired ratios, zoret / $base window: time x$(ratio "$pt" 10000), memory x$(ratio "$pm" 10000)"
done
