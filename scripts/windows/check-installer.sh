#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tries the Windows setup program the way a user meets it, under Wine in a new Wine prefix
# on an Xvfb screen of its own: installs silently (/S); starts the installed program with
# nothing but what was installed, which must seed its data folder with the sample messages,
# show its window and flash a message; starts it a second time, which must end and leave
# the first copy alone; ends the session, which must save the settings and end the program;
# uninstalls silently, which must remove the program and its Start-menu entry and leave the
# user's messages and settings. Screen grabs of the window and of a flash go to the folder
# given (build/windows/screens by default).
# Usage: scripts/windows/check-installer.sh <setup program> [folder for the screen grabs]
set -euo pipefail

setup=$(realpath "$1")
# The build folder the setup program was made in (<build>/packages/<setup program>).
build=$(dirname "$(dirname "$setup")")
out=$(realpath -m "${2:-build/windows/screens}")
exe=ZorvanFreeSubliminalMessageSoftware
product="Zorvan Subliminal Message Software"
caption="$product v1.50"
flash_caption="$product v1.45"
settings_key="HKCU\\Software\\$exe\\Settings"

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset QT_QPA_PLATFORM QT_PLUGIN_PATH QT_QPA_PLATFORM_PLUGIN_PATH WINEPATH
pids=()
cleanup() {
    wineserver -k 2>/dev/null || true
    [[ ${#pids[@]} -gt 0 ]] && kill "${pids[@]}" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
step() { printf '== %s\n' "$*"; }
fail() {
    printf 'check-installer: %s\n' "$*" >&2
    exit 1
}
# Polls a command for up to $1 seconds.
within() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}
# The data of a registry value as reg.exe shows it, or nothing.
reg_value() {
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
copies() { pgrep -fc "$exe\\.exe" || true; }
none_running() { [[ $(copies) -eq 0 ]]; }
# The first X window named $1 (a whole name) within $2 seconds; more options for xdotool.
find_window() {
    local deadline=$((SECONDS + $2)) id
    while ((SECONDS < deadline)); do
        id=$(xdotool search "${@:3}" --name "^$1\$" 2>/dev/null | head -n 1)
        [[ -n $id ]] && echo "$id" && return 0
        sleep 0.2
    done
    return 1
}

mkdir -p "$out"
exec {display_pipe}<> <(:)
Xvfb -displayfd "$display_pipe" -screen 0 1024x768x24 -nolisten tcp -noreset &
pids+=($!)
read -r -t 10 number <&"$display_pipe"
export DISPLAY=":$number"
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    pids+=($!)
fi

step "a new Wine prefix ($(wine --version))"
wineboot --init >/dev/null 2>&1
wineserver --wait

step "silent install of $(basename "$setup") ($(du -h "$setup" | cut -f1))"
wine "$setup" /S
wineserver --wait
folder="$WINEPREFIX/drive_c/Program Files/$product"
link="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$product.lnk"
for file in "$exe.exe" Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6Network.dll \
    platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qico.dll \
    libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll \
    docs/manual/index.html docs/examples/FileNames.txt Uninstall.exe; do
    [[ -f $folder/$file ]] || fail "not installed: $file"
done
# Every file of the staged installation, translations included (whatever languages the
# build made, with Qt's for them; none is fine).
stage=$build/packaging/windows/stage
[[ -d $stage ]] || fail "no staged installation in $stage"
while IFS= read -r -d '' file; do
    [[ -f $folder/${file#"$stage"/} ]] || fail "not installed: ${file#"$stage"/}"
done < <(find "$stage" -type f -print0)
[[ -f $link ]] || fail "no Start-menu entry"
[[ $(reg_value "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$exe" \
    DisplayName) == "$product" ]] || fail "no entry in the list of installed programs"

# The display runs at start-up, a message every 2 seconds for 200 ms, red, large and at
# the centre, so that a screen grab can catch one.
for value in AutoDisplay=True DispInterval=0 DispDuration=7 RandomLocation=1 FontSize=28 \
    FontBold=True FontColor=255; do
    wine reg add "$settings_key" /v "${value%%=*}" /d "${value#*=}" /f >/dev/null
done

step "the installed program starts, seeds its data folder and shows its window"
(cd "$work" && exec wine "C:\\Program Files\\$product\\$exe.exe") &
pids+=($!)
disown # ended by the system below, which the shell need not report
data="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/$exe"
within 60 test -f "$data/plugins/Confidence.txt" || fail "no data folder at $data"
[[ -f $data/FileNames.txt ]] || fail "the data folder has no index of message files"
window=$(find_window "$caption" 60 --onlyvisible) || fail "no main window"
sleep 1
import -frame -window "$window" "$out/installed-window.png"

step "a message flashes"
find_window "$flash_caption" 30 >/dev/null || fail "no message window"
# Any window of that name on the screen: Wine may keep more than one X window under it,
# of which only the one the flash draws in is ever mapped.
viewable() { [[ -n $(xdotool search --onlyvisible --name "^$flash_caption\$" 2>/dev/null) ]]; }
red_pixels() {
    convert "$1" -fuzz 20% -fill black +opaque "#FF0000" -fill white -opaque "#FF0000" \
        -format "%[fx:round(mean*w*h)]" info:
}
caught=false
for _ in $(seq 1 1500); do
    if viewable; then
        import -window root "$work/flash.png"
        if viewable && (($(red_pixels "$work/flash.png") > 200)); then
            cp "$work/flash.png" "$out/installed-flash.png"
            caught=true
            break
        fi
    fi
    sleep 0.01
done
$caught || fail "no screen grab caught a message on the screen"

step "a second copy ends and leaves the first"
timeout 60 wine "C:\\Program Files\\$product\\$exe.exe" || fail "the second copy failed"
[[ $(copies) -eq 1 ]] || fail "$(copies) copies are running"

step "the end of the session saves the settings and ends the program"
wine reg delete "$settings_key" /f >/dev/null
wine reg add "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run" /v "$exe" \
    /d "\"C:\\Program Files\\$product\\$exe.exe\" /STARTUP" /f >/dev/null
wineboot --end-session --shutdown >/dev/null 2>&1 || true
within 30 none_running || fail "the program still runs after the session ended"
for key in AutoDisplay DispInterval DispDuration RandomMessage RandomLocation FontColor FontName \
    FontBold FontItalic FontSize Strikethrough Underline RunAtSysTray; do
    [[ -n $(reg_value "$settings_key" "$key") ]] || fail "$key was not saved at the session's end"
done
[[ $(reg_value "$settings_key" AutoDisplay) == True ]] || fail "the running display was not saved"

step "silent uninstall"
wine "C:\\Program Files\\$product\\Uninstall.exe" /S
wineserver --wait
[[ ! -e $folder ]] || fail "left behind: $(find "$folder" | head -5)"
[[ ! -e $link ]] || fail "the Start-menu entry is left"
[[ -z $(reg_value "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run" "$exe") ]] ||
    fail "the start-up entry is left"
[[ -f $data/plugins/Confidence.txt ]] || fail "the user's messages went with the program"
[[ $(reg_value "$settings_key" AutoDisplay) == True ]] || fail "the settings went with the program"

echo "check-installer: all passed; screen grabs in $out"
