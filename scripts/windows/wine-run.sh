#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a program cross-built for Windows under Wine, with the Qt built by toolchain.sh and
# the MinGW run-time libraries on its DLL search path: CTest's emulator for the Windows
# build, and what the other Windows scripts start programs with.
#
# The Wine prefix is WINEPREFIX when set (scripts/windows/test.sh makes a new one in a
# temporary folder for each run), else one of this user's in the temporary folder, made
# on first use.
set -euo pipefail

cache=${ZORVAN_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zorvan-windows}
export WINEPREFIX=${WINEPREFIX:-${TMPDIR:-/tmp}/zorvan-wine-$(id -u)}
export WINEDEBUG=${WINEDEBUG:--all}
# No prompt to fetch Wine's .NET and HTML engines, which nothing here uses.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

windows_path() { printf 'Z:%s' "${1//\//\\}"; }
gcc_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
export WINEPATH="$(windows_path "$cache/qt-6.4.2-mingw/bin");$(windows_path "$gcc_runtime");$(windows_path /usr/x86_64-w64-mingw32/lib)"
# Without a console window, Qt (and QtTest) would log to the debugger rather than to the
# output that CTest reads.
export QT_FORCE_STDERR_LOGGING=1
# The offscreen platform draws text with FreeType and finds no fonts of Windows'.
export QT_QPA_FONTDIR=${QT_QPA_FONTDIR:-$(windows_path /usr/share/fonts/truetype/dejavu)}
# Wine keeps the host's QT_* variables from Windows programs and passes WINEQT_* ones on
# under the name without "WINE".
for name in $(compgen -e | grep '^QT_'); do
    export "WINE$name=${!name}"
done

# Two tests may start at once on a prefix that is not there yet: one makes it.
mkdir -p "$WINEPREFIX"
(
    flock 9
    [[ -f $WINEPREFIX/.ready ]] || { wineboot --init >/dev/null 2>&1 && wineserver --wait && touch "$WINEPREFIX/.ready"; }
) 9>"$WINEPREFIX/.lock"
exec wine "$@"
