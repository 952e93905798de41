#!/usr/bin/env bash
# Makes, from Debian 12's packages only, what cross-building the program for 64-bit Windows
# and trying it there needs: MinGW-w64, Wine, NSIS, and a Qt 6.4.2 for Windows built from
# Debian's own Qt sources against the host's Qt tools. The Qt build takes long, so it goes
# once into a cache folder outside the repository (ZORVAN_WINDOWS_CACHE, by default
# ~/.cache/zorvan-windows); with the cache present this script takes seconds.
#
# Only what the program uses is built: Core, Gui, Widgets, Network (local sockets only),
# Test; the windows and offscreen platform plugins, the Windows styles, the PNG and ICO
# image readers. The long list of features turned off below is what keeps the build short.
set -euo pipefail

cache=${ZORVAN_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zorvan-windows}
prefix=$cache/qt-6.4.2-mingw
here=$(cd "$(dirname "$0")" && pwd)

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)

packages=(
    cmake ninja-build perl dpkg-dev xz-utils
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
    qt6-base-dev qt6-base-dev-tools
    wine wine64 nsis
    xvfb xauth imagemagick fonts-dejavu-core xdotool x11-utils openbox procps
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
mkdir -p "$cache"
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing ${missing[*]} (log: $cache/apt.log)"
    {
        "${sudo[@]}" apt-get update -qq &&
            DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
                --no-install-recommends "${missing[@]}"
    } >"$cache/apt.log" 2>&1 || {
        tail -20 "$cache/apt.log" >&2
        exit 1
    }
fi

# The features that are off; the list is also the cache's key, so changing it rebuilds Qt.
off=(
    # Modules the program does not use.
    sql printsupport concurrent xml dbus opengl dynamicgl vulkan
    # Parts of Gui and Widgets it does not use.
    pdf textodfwriter textmarkdownreader textmarkdownwriter movie gif jpeg
    graphicsview graphicseffect mdiarea calendarwidget colordialog fontdialog filedialog
    wizard splashscreen lcdnumber dial keysequenceedit columnview undoview undocommand
    undostack undogroup datetimeedit errormessage syntaxhighlighter tuiotouch
    # Network: only local sockets are used.
    ssl schannel dtls ocsp sctp gssapi brotli libproxy http networkdiskcache socks5
    # Tablets need the wintab sources, which Debian leaves out (as it does sqlite's, which
    # only the SQL module needs); there are no Windows builds here of zstd, ICU, fontconfig.
    tabletevent zstd icu fontconfig pkg_config
    # The Direct2D platform plug-in, and Qt's own test coverage.
    direct2d1_1 testlib_selfcover
)
# No OpenGL at all: widgets paint with the raster engine.
inputs=(-DINPUT_opengl=no)
key="qtbase 6.4.2+dfsg-10; ${inputs[*]}; off: ${off[*]}"
if [[ -f $prefix/.built && $(cat "$prefix/.built") == "$key" ]]; then
    echo "Qt for Windows: $prefix (cached)"
    exit 0
fi

# The Qt sources, from the same archive as the installed packages.
if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
    uris=$(grep -rh '^URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -1 |
        cut -d' ' -f2)
    cat <<SOURCES | "${sudo[@]}" tee /etc/apt/sources.list.d/zorvan-deb-src.sources >/dev/null
Types: deb-src
URIs: ${uris:-http://deb.debian.org/debian}
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    "${sudo[@]}" apt-get update -qq >>"$cache/apt.log" 2>&1
fi
sources=$cache/src
mkdir -p "$sources"
if [[ ! -f $sources/qtbase/.complete ]]; then
    rm -rf "$sources/qtbase"
    (cd "$sources" && apt-get source -qq --download-only qt6-base &&
        dpkg-source -x qt6-base_*.dsc qtbase) >>"$cache/apt.log" 2>&1 || {
        tail -20 "$cache/apt.log" >&2
        exit 1
    }
    touch "$sources/qtbase/.complete"
fi

flags=()
for feature in "${off[@]}"; do
    flags+=("-DFEATURE_$feature=OFF")
done
build=$cache/build-qtbase
log=$cache/qt-build.log
rm -rf "$build" "$prefix"
echo "Building Qt for Windows into $prefix (log: $log)"
TIMEFORMAT="Qt for Windows built in %R s (%U s user, %S s system CPU)"
time {
    cmake -S "$sources/qtbase" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
        -DBUILD_SHARED_LIBS=ON \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
        -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF \
        -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF \
        "${inputs[@]}" "${flags[@]}" >"$log" 2>&1 &&
        nice -n 10 cmake --build "$build" >>"$log" 2>&1 &&
        cmake --install "$build" >>"$log" 2>&1
} || {
    tail -40 "$log" >&2
    echo "Qt for Windows: the build failed; the whole log is $log" >&2
    exit 1
}
echo "$key" >"$prefix/.built"
rm -rf "$build"
