#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes, from Debian 12's packages only, what cross-building the program for 64-bit Windows
# and trying it there needs: MinGW-w64, Wine, NSIS, and a Qt 6.4.2 for Windows built from
# Debian's own Qt sources against the host's Qt tools. The Qt build takes long, so it goes
# once into a cache folder outside the repository (ZORVAN_WINDOWS_CACHE, by default
# ~/.cache/zorvan-windows); with the cache present this script takes seconds.
#
# Only what the program uses is built: Core, Gui, Widgets, Network (local sockets only),
# Test; the windows and offscreen platform plugins, the Windows styles, the PNG and ICO
# image readers. The long list of features turned off below is what keeps the build short.
#
# Each configuration of Qt has a folder of its own, named after a hash of everything that
# shapes the build (the sources' version, the options, the toolchain file, the compiler);
# qt-6.4.2-mingw is a link to the folder of the current one, and is what the CMake
# toolchain file and wine-run.sh use. A changed configuration builds a new folder, and the
# link moves to it only once it is whole.
set -euo pipefail

cache=${ZORVAN_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zorvan-windows}
link=$cache/qt-6.4.2-mingw
here=$(cd "$(dirname "$0")" && pwd)

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)

packages=(
    cmake ninja-build perl dpkg-dev xz-utils
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
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

# The features that are off. The colour and file dialogs stay (the "Custom…" colour and
# the import and export of files), and so does the calendar, which the time edits need.
off=(
    # Modules the program does not use.
    sql printsupport concurrent xml dbus opengl dynamicgl vulkan
    # Parts of Gui and Widgets it does not use.
    pdf textodfwriter textmarkdownreader textmarkdownwriter movie gif jpeg
    graphicsview graphicseffect mdiarea fontdialog wizard splashscreen lcdnumber dial
    keysequenceedit columnview undoview undocommand undostack undogroup errormessage
    syntaxhighlighter tuiotouch
    # Network: only local sockets are used.
    ssl schannel dtls ocsp sctp gssapi brotli libproxy http networkdiskcache socks5
    # Tablets need the wintab sources, which Debian leaves out (as it does sqlite's, which
    # only the SQL module needs); there are no Windows builds here of zstd, ICU, fontconfig.
    tabletevent zstd icu fontconfig pkg_config
    # The Direct2D platform plug-in, and Qt's own test coverage.
    direct2d1_1 testlib_selfcover
)
flags=(
    -DCMAKE_BUILD_TYPE=Release
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF
    # No OpenGL at all: widgets paint with the raster engine.
    -DINPUT_opengl=no
)
for feature in "${off[@]}"; do
    flags+=("-DFEATURE_$feature=OFF")
done
# The sources are those of the host's Qt, whose tools (moc, rcc, uic) the build uses.
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
[[ $version == 6.4.2+* ]] || {
    echo "Qt for Windows: the host's Qt is $version, not 6.4.2" >&2
    exit 1
}
key=$(
    printf '%s\n' "qtbase $version" "${flags[@]}"
    cat "$here/mingw-w64.cmake"
    x86_64-w64-mingw32-g++-posix --version | head -1
)
prefix=$cache/qt-6.4.2-mingw-$(sha256sum <<<"$key" | cut -c1-12)
# Qt's own translations (its buttons and dialogs), where this Qt looks for them
# (QLibraryInfo::TranslationsPath): the same files for every system, from Debian's
# qt6-translations-l10n, as an installed Qt has them.
add_translations() {
    [[ -n $(compgen -G "$prefix/translations/qtbase_*.qm") ]] && return
    mkdir -p "$prefix/translations"
    cp /usr/share/qt6/translations/qtbase_*.qm "$prefix/translations/"
}
if [[ -f $prefix/.built && $(readlink "$link" 2>/dev/null) == "$(basename "$prefix")" ]]; then
    add_translations
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
if [[ ! -f $sources/qtbase/.complete || ! -f $sources/qt6-base_$version.dsc ]]; then
    rm -rf "$sources/qtbase" "$sources"/qt6-base_*
    (cd "$sources" && apt-get source -qq --download-only "qt6-base=$version" &&
        dpkg-source -x qt6-base_*.dsc qtbase) >>"$cache/apt.log" 2>&1 || {
        tail -20 "$cache/apt.log" >&2
        exit 1
    }
    touch "$sources/qtbase/.complete"
fi

build=$cache/build-qtbase
log=$cache/qt-build.log
rm -rf "$build" "$prefix"
echo "Building Qt for Windows into $prefix (log: $log)"
export ZORVAN_BUILDING_QT=1
TIMEFORMAT="Qt for Windows built in %R s (%U s user, %S s system CPU)"
time {
    cmake -S "$sources/qtbase" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        "${flags[@]}" >"$log" 2>&1 &&
        nice -n 10 cmake --build "$build" >>"$log" 2>&1 &&
        cmake --install "$build" >>"$log" 2>&1
} || {
    tail -40 "$log" >&2
    echo "Qt for Windows: the build failed; the whole log is $log" >&2
    exit 1
}
rm -rf "$build"
# What the program needs of Qt, which a feature turned off above could take along with it.
for feature in colordialog filedialog datetimeedit fontcombobox systemtrayicon localserver; do
    grep -qrx "#define QT_FEATURE_$feature 1" "$prefix/include" || {
        echo "Qt for Windows: built without $feature, which the program needs" >&2
        exit 1
    }
done
add_translations
echo "$key" >"$prefix/.built"
# The link moves to the new Qt in one step; the Qt it left (or a folder from before the
# link) goes.
old=$(readlink "$link" 2>/dev/null || true)
ln -sfn "$(basename "$prefix")" "$link.new"
[[ -L $link || ! -e $link ]] || rm -rf "$link"
mv -T "$link.new" "$link"
[[ -z $old || $old == "$(basename "$prefix")" ]] || rm -rf "${cache:?}/$old"
