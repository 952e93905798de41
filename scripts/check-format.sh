#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ source is not laid out as the repository's .clang-format says
# (clang-format 14, Debian 12's). `scripts/check-format.sh --fix` lays them out so.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=(--dry-run -Werror)
[[ ${1:-} == --fix ]] && mode=(-i)
git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' \
    'fuzz/*.cpp' 'fuzz/*.h' | xargs -0 clang-format "${mode[@]}"
