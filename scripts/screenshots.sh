#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots of the README and the manual: each page of the main window, on
# an Xvfb with a window manager and a notification area, with a sample data folder,
# and the notification icon's menu after the close box.
# Needs: xvfb openbox trayer xdotool imagemagick.   Usage: scripts/screenshots.sh [binary] [folder]
set -euo pipefail

binary=${1:-build/release/src/app/ZorvanFreeSubliminalMessageSoftware}
out=${2:-docs/screenshots}
caption="Zorvan Subliminal Message Software v1.50"
work=$(mktemp -d)
mkdir -p "$out" "$work/runtime" && chmod 700 "$work/runtime"

# Xvfb picks a free display and tells its number through a pipe.
exec {display_pipe}<> <(:)
Xvfb -displayfd "$display_pipe" -screen 0 1024x768x24 -nolisten tcp -noreset &
pids=($!)
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
read -r -t 10 number <&"$display_pipe"
export DISPLAY=":$number"
openbox >/dev/null 2>&1 &
pids+=($!)
# A notification area at the top right corner, as wide as its icons.
trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

# The sample message files and a goal list to show.
mkdir -p "$work/data/plugins"
for sample in src/library/samples/*.txt; do
    [[ -e $sample ]] || continue
    case $(basename "$sample") in
    FileNames.txt) cp "$sample" "$work/data/" ;;
    *) cp "$sample" "$work/data/plugins/" ;;
    esac
done
printf '"Run a half marathon",#%s#,#%s#,"Train four times a week, long run on Sunday.",#FALSE#,35\r\n' \
    "$(date -d '-20 days' +%F)" "$(date -d '+40 days' +%F)" >"$work/data/goals.txt"
printf '"Read twelve books",#%s#,#%s#,"One book a month.",#FALSE#,50\r\n' \
    "$(date -d '-100 days' +%F)" "$(date -d '+265 days' +%F)" >>"$work/data/goals.txt"
# A few weeks of messages shown, for the statistics of the Options dialog.
for day in 20 9 6 3 1 0; do
    printf '%s\tCalm\t%d\tConfidence\t%d\tHealth\t%d\n' "$(date -d "-$day days" +%F)" \
        $((300 + 7 * day)) $((120 + 11 * day)) $((95 + 5 * day))
done >"$work/data/statistics.txt"

env HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/share" \
    XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb \
    "$binary" --data-dir "$work/data" &
pids+=($!)
window=$(xdotool search --sync --onlyvisible --name "$caption" | head -n 1)
sleep 0.5

shoot() { # page access key, file name
    xdotool windowactivate --sync "$window" key alt+f "$1"
    sleep 0.4
    import -frame -window "$window" "$out/$2.png"
}
shoot m goals
shoot p programs
shoot s settings

# The Options dialog, from the Settings page.
xdotool windowactivate --sync "$window" key alt+p
options=$(xdotool search --sync --onlyvisible --name "^Options$" | head -n 1)
sleep 0.5
import -frame -window "$options" "$out/options.png"
xdotool key Escape
sleep 0.3

# The close box puts the window behind its icon; a right click opens the icon's menu, whose
# first item starts the messages; then its "Pause" menu.
xdotool windowactivate --sync "$window" key alt+F4
sleep 0.8
xdotool mousemove 1012 12 sleep 0.3 click 3 sleep 0.5 key s
sleep 0.5
xdotool mousemove 1012 12 sleep 0.3 click 3 sleep 0.5 key p
sleep 0.8
import -window root -crop 440x140+584+0 "$out/tray.png"
xdotool key Escape sleep 0.2 key Escape

# The Programs and Settings pages in German, for a user whose locale is German.
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null || true
env HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/share" \
    XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb LANG=de_DE.UTF-8 LANGUAGE= LC_ALL= \
    LC_MESSAGES= "$binary" --data-dir "$work/data" &
pids+=($!)
window=$(xdotool search --sync --onlyvisible --name "$caption" | head -n 1)
sleep 0.5
xdotool windowactivate --sync "$window" key alt+d p
sleep 0.4
import -frame -window "$window" "$out/programs-de.png"
xdotool windowactivate --sync "$window" key alt+d e
sleep 0.4
import -frame -window "$window" "$out/settings-de.png"

# A message flashed over the work of another program: the display resumes at a new start.
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null || true
settings="$work/config/ZorvanFreeSubliminalMessageSoftware/ZorvanFreeSubliminalMessageSoftware.ini"
sed -i '/^AutoDisplay=\|^DispInterval=\|^DispDuration=\|^RandomLocation=\|^FontSize=\|^FontBold=\|^FontColor=/d' "$settings"
sed -i 's/^\[Settings\]$/[Settings]\nAutoDisplay=True\nDispInterval=0\nDispDuration=7\nRandomLocation=1\nFontSize=26\nFontBold=True\nFontColor=8388736/' "$settings"
xterm -geometry 110x30+100+150 -e "less README.md" &
pids+=($!)
env HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/share" \
    XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb \
    "$binary" --data-dir "$work/data" &
pids+=($!)
window=$(xdotool search --sync --onlyvisible --name "$caption" | head -n 1)
xdotool windowminimize "$window"
# The flash window is made at the first message and kept; a shot taken while it was
# viewable from before to after is a shot of the message.
flash=$(xdotool search --sync --name "Software v1.45" | head -n 1)
viewable() { xwininfo -id "$flash" | grep -q IsViewable; }
for _ in $(seq 1 500); do
    if viewable; then
        import -window root "$work/flash.png"
        if viewable; then
            cp "$work/flash.png" "$out/flash.png"
            break
        fi
    fi
    sleep 0.01
done
echo "screenshots in $out"
