#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The processor time the program takes in 60 s while its display runs but may not show a
# message: paused (for an hour), and outside its active hours (two hours from now); and,
# to compare, while it shows a message every 2 s. Needs: xvfb.
# Usage: scripts/idle-cpu.sh [binary]
set -euo pipefail

binary=${1:-build/release/src/app/ZorvanFreeSubliminalMessageSoftware}

measure() { # paused | outside | showing
    local mode=$1 work options number xvfb program before after
    work=$(mktemp -d)
    mkdir -p "$work/runtime" "$work/data/plugins" "$work/config/ZorvanFreeSubliminalMessageSoftware"
    chmod 700 "$work/runtime"
    printf '"Calm",#TRUE#\r\n' >"$work/data/FileNames.txt"
    printf '"I am calm",#TRUE#\r\n' >"$work/data/plugins/Calm.txt"
    case $mode in
    paused) options="PauseUntil=$(date -u -d '+1 hour' +%Y-%m-%dT%H:%M:%SZ)" ;;
    outside) options=$'ActiveHoursOnly=True\nActiveFrom='"$(date -d '+2 hours' +%H:00)"$'\nActiveTo='"$(date -d '+3 hours' +%H:00)" ;;
    *) options="" ;;
    esac
    printf '[Options]\n%s\n[Settings]\nAutoDisplay=True\nDispInterval=0\nDispDuration=7\nUpdateReminder=%s\n' \
        "$options" "$(date +%Y-%m-%dT%H:%M:%S)" \
        >"$work/config/ZorvanFreeSubliminalMessageSoftware/ZorvanFreeSubliminalMessageSoftware.ini"
    exec {display_pipe}<> <(:)
    Xvfb -displayfd "$display_pipe" -screen 0 1280x800x24 -nolisten tcp -noreset 2>/dev/null &
    xvfb=$!
    read -r -t 10 number <&"$display_pipe"
    DISPLAY=":$number" HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
        QT_QPA_PLATFORM=xcb "$binary" --data-dir "$work/data" 2>/dev/null &
    program=$!
    sleep 5
    before=$(awk '{print $14 + $15}' "/proc/$program/stat") # user + system, in clock ticks
    sleep 60
    after=$(awk '{print $14 + $15}' "/proc/$program/stat")
    echo "$mode: $(((after - before) * 1000 / $(getconf CLK_TCK))) ms of processor time in 60 s"
    kill "$program"
    wait "$program" 2>/dev/null || true
    kill "$xvfb"
    wait "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}

for mode in paused outside showing; do
    measure "$mode"
done
