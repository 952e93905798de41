#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, on Debian 12, what building the program needs; with --test also what its
# tests need; with --fuzz also what the fuzz targets need (clang, its sanitizer and
# fuzzer runtimes, and the symbolizer for their reports); with --bench the benchmarks'
# library. Only missing packages are installed.
set -euo pipefail

packages=(
    cmake ninja-build g++
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins libqt6test6
    fonts-dejavu-core
    # lrelease compiles the translations; Qt's own translate its dialogs.
    qt6-l10n-tools qt6-translations-l10n
    # Whether a compositing manager runs is asked of the X server.
    libx11-dev
)
for option in "$@"; do
    case $option in
    --test | --fuzz | --bench) ;;
    *)
        echo "usage: $0 [--test] [--fuzz] [--bench]" >&2
        exit 2
        ;;
    esac
done
if [[ " $* " == *" --test "* ]]; then
    packages+=(xvfb xauth x11-utils libxdamage-dev libxfixes-dev)
    # The messages are watched on a compositing X desktop and on a Wayland one (sway,
    # its XWayland, screen grabs, and xhost to let the test's own X connection in).
    packages+=(xcompmgr sway xwayland grim x11-xserver-utils)
    # The notification icon and the close box are tested against a real notification
    # area and window manager; the autostart entry against the desktop-entry checker.
    packages+=(trayer openbox xdotool desktop-file-utils)
    # The program in German is read off the screen.
    packages+=(tesseract-ocr tesseract-ocr-deu)
    # The Debian package (cpack works out its dependencies with dpkg-shlibdeps, which
    # needs file), Debian's own checks of it, and the check of the installed program's
    # software-centre entry.
    packages+=(dpkg-dev file appstream lintian)
    # CI checks the layout of the sources.
    packages+=(clang-format)
fi
if [[ " $* " == *" --bench "* ]]; then
    packages+=(libbenchmark-dev)
fi
if [[ " $* " == *" --fuzz "* ]]; then
    packages+=(clang libclang-rt-14-dev llvm)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
