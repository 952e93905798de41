#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures every figure of the README's performance table in one run on this machine:
# start-up and idle memory beside a bare Qt Widgets program, the display's timing on a bare
# X server and under a compositing manager beside a bare Qt flasher, the messages seen in
# screen grabs on a Wayland desktop, idle processor time and memory while flashing
# (ctest --preset timing), the benchmarks, and with --soak the display left running for
# ten minutes (ctest --preset soak).
#   Usage: scripts/measure.sh [--soak]        Output: build/measure.log
set -euo pipefail
cd "$(dirname "$0")/.."

soak=false
case ${1:-} in
--soak) soak=true ;;
"") ;;
*)
    echo "usage: $0 [--soak]" >&2
    exit 2
    ;;
esac

log=build/measure.log
mkdir -p build
{
    echo "# $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2-)"
    echo "# load before: $(cut -d' ' -f1-3 /proc/loadavg)"
} >"$log"

scripts/deps.sh --test --bench
cmake --preset release >/dev/null && cmake --build --preset release >/dev/null
cmake --preset bench >/dev/null && cmake --build --preset bench >/dev/null

# Only the figures: the test's own lines and the benchmarks' aggregates. A figure out of
# bounds is recorded and the run goes on; the script then ends with status 1.
status=0
figures() {
    ctest --preset "$1" >"build/measure-$1.out" 2>&1 || status=1
    grep -E "^[0-9]+: (QINFO|FAIL!)|tests passed" "build/measure-$1.out" | sed -E 's/^[0-9]+: //' |
        tee -a "$log"
}
figures timing

bench() {
    "$@" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
        grep -E "_(median|stddev) " | tee -a "$log"
}
bench build/bench/bench/library/bench_library
bench build/bench/bench/goals/bench_goals
# Preparing a flash puts a real window on a real (virtual) screen.
QT_QPA_PLATFORM=xcb bench xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/bench/display/bench_display

if $soak; then
    figures soak
fi
echo "# load after: $(cut -d' ' -f1-3 /proc/loadavg)" >>"$log"
echo "figures in $log"
exit $status
