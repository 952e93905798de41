#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Windows, from this Linux machine: builds Qt for Windows once (toolchain.sh), cross-builds
# the program and its tests (cmake --preset windows), runs the tests under Wine in a new
# Wine prefix of their own, makes the setup program and tries it under Wine
# (check-installer.sh). Each step says how long it took.
# Usage: scripts/windows/test.sh [folder for the screen grabs]
set -euo pipefail
cd "$(dirname "$0")/../.."

started=$SECONDS
took() { echo "::: windows: $1 took $((SECONDS - started)) s"; started=$SECONDS; }

scripts/windows/toolchain.sh
took "toolchain"
cmake --preset windows && cmake --build --preset windows
took "cross build"

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/zorvan-wine.XXXXXX")
export WINEPREFIX
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
echo "Tests under $(wine --version), Wine prefix $WINEPREFIX"
ctest --preset windows
took "tests under Wine"

cmake --build --preset windows --target installer
scripts/windows/check-installer.sh build/windows/packages/ZorvanSubliminal-1.50-setup.exe "${1:-}"
took "setup program"
