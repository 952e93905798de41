#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the release build the way a user meets it: installs it with `cmake --install` into
# a temporary prefix and runs the desktop's validators over it; builds the Debian package,
# installs it with apt and starts the installed program under Xvfb with a fresh home folder
# (as an unprivileged user when run as root), which must seed its data folder with the
# sample messages, open the installed manual from Help > Online Help and show a message.
# Needs a release build and scripts/deps.sh --test; installs the package through sudo
# when not root, and removes it again when it was not installed before.
# Usage: scripts/check-package.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
exe=ZorvanFreeSubliminalMessageSoftware
app_id=example.zorvan.subliminal
package=zorvan-subliminal
caption="Zorvan Subliminal Message Software v1.50"
flash_caption="Zorvan Subliminal Message Software v1.45"

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
work=$(mktemp -d)
chmod 755 "$work" # apt reads the package as its own user
pids=()
installed_here=false
cleanup() {
    [[ ${#pids[@]} -gt 0 ]] && kill "${pids[@]}" 2>/dev/null
    wait 2>/dev/null
    if $installed_here; then
        "${sudo[@]}" apt-get remove -y -qq "$package" >/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
step() { printf '== %s\n' "$*"; }
fail() {
    printf 'check-package: %s\n' "$*" >&2
    exit 1
}
# Polls a command for up to $1 seconds.
within() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.02
    done
}

# An X server with a window manager, and fresh home folders for the program: as a user
# without rights on the installed program's folder when run as root.
fresh_home() {
    local home
    home=$(mktemp -d -p "$work" home.XXXX)
    mkdir -p "$home/bin" "$home/runtime"
    chmod 700 "$home/runtime"
    # Help opens its page through xdg-open; this one notes what it was asked to open.
    printf '#!/bin/sh\necho "$1" >>"%s/opened"\n' "$home" >"$home/bin/xdg-open"
    chmod 755 "$home" "$home/bin/xdg-open"
    [[ $(id -u) -eq 0 ]] && chown -R nobody:nogroup "$home"
    echo "$home"
}
as_user=()
[[ $(id -u) -eq 0 ]] && as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)

exec {display_pipe}<> <(:)
Xvfb -displayfd "$display_pipe" -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null &
pids+=($!)
read -r -t 10 number <&"$display_pipe" || fail "Xvfb did not start"
export DISPLAY=":$number"
openbox >/dev/null 2>&1 &
pids+=($!)

start_program() { # program, home folder
    env -i DISPLAY="$DISPLAY" HOME="$2" PATH="$2/bin:/usr/bin:/bin" LANG=C.UTF-8 \
        XDG_RUNTIME_DIR="$2/runtime" "${as_user[@]}" "$1" >>"$work/program.log" 2>&1 &
    pids+=($!)
    window=""
    within 20 eval 'window=$(xdotool search --onlyvisible --name "^$caption\$" | head -n 1); [[ -n $window ]]' ||
        fail "no main window: $(cat "$work/program.log")"
}
stop_program() {
    kill -TERM "${pids[-1]}"
    local status=0
    wait "${pids[-1]}" || status=$?
    unset 'pids[-1]'
    [[ $status -eq 0 ]] || fail "the program ended with $status: $(cat "$work/program.log")"
}

step "cmake --install into a temporary prefix"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
[[ -x $prefix/bin/$exe ]] || fail "no executable in bin"
[[ -f $prefix/share/icons/hicolor/scalable/apps/$app_id.svg ]] || fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
    file "$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png" |
        grep -q "PNG image data, $size x $size," || fail "no ${size}x${size} icon"
done
docs=$prefix/share/doc/$package
for link in $(grep -oE '(src|href)="[^"#:]+' "$docs/manual/index.html" | cut -d'"' -f2); do
    [[ -f $docs/manual/$link ]] || fail "the manual links to $link, which is not installed"
done
cmp -s src/library/samples/Calm.txt "$docs/examples/Calm.txt" || fail "no sample files"
for language in de fr; do
    [[ -s $prefix/share/$package/translations/zorvan_$language.qm ]] ||
        fail "no translation into $language installed"
done

step "a portable copy keeps its data beside the program"
# A copy whose folder holds "plugins" and can be written: a message file dropped in is
# listed into the index beside it, and no per-user data folder is made.
cp src/library/samples/FileNames.txt "$prefix/bin/"
mkdir "$prefix/bin/plugins"
printf '"I keep my data with me",#TRUE#\r\n' >"$prefix/bin/plugins/Mine.txt"
[[ $(id -u) -eq 0 ]] && chown -R nobody:nogroup "$prefix/bin"
home=$(fresh_home)
start_program "$prefix/bin/$exe" "$home"
within 10 grep -q '^"Mine",#' "$prefix/bin/FileNames.txt" ||
    fail "the portable copy did not list its own message files: $(ls -la "$prefix/bin"; cat "$prefix/bin/FileNames.txt")"
stop_program
[[ ! -e $home/.local/share/$exe ]] || fail "the portable copy made a per-user data folder"

step "cpack -G DEB"
(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null)
deb=$(echo "$work"/deb/"$package"_*.deb)
[[ -f $deb ]] || fail "no package"
dpkg-deb --field "$deb" Depends | tee "$work/depends"
for needed in libqt6svg6 libqt6widgets6 libqt6gui6 libqt6network6; do
    grep -q "\b$needed\b" "$work/depends" || fail "the package does not depend on $needed"
done
for wanted in xdg-utils qt6-translations-l10n; do
    dpkg-deb --field "$deb" Recommends | grep -qw "$wanted" ||
        fail "the package does not recommend $wanted"
done

step "lintian $(basename "$deb")"
# Errors and warnings fail the check; information and pedantic lines are shown.
lintian --display-info --display-experimental --pedantic "$deb" 2>&1 |
    grep -v '^N\|running with root privileges' | tee "$work/lintian" || true
! grep -q '^[EW]:' "$work/lintian" || fail "lintian found errors or warnings"

step "apt-get install $(basename "$deb")"
dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    installed_here=true
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --reinstall "$deb" >/dev/null
program=$(command -v "$exe") || fail "$exe is not on the PATH after installing"
[[ $program == /usr/bin/$exe ]] || fail "the package put the program at $program"
"$program" --version | grep -qx "$exe 1.50" || fail "--version says something else"

step "the installed program under Xvfb with a fresh home folder"
home=$(fresh_home)
start_program "$program" "$home"
data=$home/.local/share/$exe
for sample in src/library/samples/*.txt; do
    name=$(basename "$sample")
    seeded=$data/plugins/$name
    [[ $name == FileNames.txt ]] && seeded=$data/$name
    cmp -s "$sample" "$seeded" || fail "the data folder was not seeded with $name"
done
[[ ! -e /usr/bin/plugins ]] || fail "the program made a data folder beside itself"

xdotool windowactivate --sync "$window" key alt+h
sleep 0.3
xdotool key o
within 10 test -s "$home/opened" || fail "Online Help opened nothing"
grep -qx "file:///usr/share/doc/$package/manual/index.html" "$home/opened" ||
    fail "Online Help opened $(cat "$home/opened")"
stop_program

# The next start resumes the display every 2 seconds: a message from the samples is shown.
settings=$home/.config/$exe/$exe.ini
[[ -f $settings ]] || fail "no settings were saved at the end"
sed -i -e '/^AutoDisplay=\|^DispInterval=\|^DispDuration=/d' \
    -e 's/^\[Settings\]$/[Settings]\nAutoDisplay=True\nDispInterval=0\nDispDuration=7/' "$settings"
start_program "$program" "$home"
shown() { xdotool search --onlyvisible --name "^$flash_caption\$" >/dev/null; }
within 10 shown || fail "no message was shown"
stop_program
echo "check-package: all well, in $SECONDS s"
