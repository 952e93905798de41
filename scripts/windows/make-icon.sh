#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Redraws src/app/resources/zorvan.ico, the Windows icon (executable, windows, notification
# area, Start menu), from zorvan.svg: run it after changing the picture. Needs a Linux build
# folder that holds RenderIcon (build/release by default) and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/release}
sizes=(16 20 24 32 40 48 64 256)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen "$build/packaging/RenderIcon" src/app/resources/zorvan.svg "$work" zorvan \
    "${sizes[@]}"
pictures=()
for size in "${sizes[@]}"; do
    pictures+=("$work/${size}x${size}/zorvan.png")
done
convert "${pictures[@]}" src/app/resources/zorvan.ico
