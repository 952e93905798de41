#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each fuzz target for a bounded time from the committed seed corpus:
#   fuzz/run.sh [seconds per target, default 60] [build folder, default build/fuzz]
# Fails on any crash, hang (one input over 10 s), sanitizer report or excess memory;
# the input that did it is left in <build folder>/findings/ and shown.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${2:-build/fuzz}
findings=$build/findings
mkdir -p "$findings"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

status=0
for target in message_records:messages goal_records:goals; do
    name=fuzz_${target%%:*}
    seeds=fuzz/corpus/${target##*:}
    # New inputs go to a scratch folder: the committed corpus stays as it is.
    scratch=$(mktemp -d)
    echo "== $name for ${seconds} s"
    if ! "$build/fuzz/$name" "$scratch" "$seeds" -dict=fuzz/records.dict \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -artifact_prefix="$findings/$name-" -print_final_stats=1 2>"$findings/$name.log"; then
        tail -n 60 "$findings/$name.log"
        echo "== $name FAILED: the input is in $findings/"
        status=1
    else
        grep -E "^stat::(number_of_executed_units|peak_rss_mb)|^Done" "$findings/$name.log" || true
    fi
    rm -rf "$scratch"
done
exit $status
