#!/usr/bin/env bash
# Runs the program on a private virtual display with the accessibility bus
# on, opens each of its windows from the keyboard as a user would, and prints
# what a screen reader finds in each (tests/a11y/dump_tree.py).
#   tests/a11y/dump_tree.sh [PROGRAM]     (default: build/app/morvane)
# Needs Xvfb, openbox, xdotool, dbus-run-session and python3-pyatspi; without
# them, or without a way to start a display, it says so and exits 0. Fails
# when Qt warns about the accessibility of a control on the way.
set -u
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "${1:-$here/../../build/app/morvane}")
for tool in Xvfb openbox xdotool dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 0; }
done
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 0; }
[ -x "$program" ] || { echo "skipped: no program at $program"; exit 0; }

work=$(mktemp -d)
trap 'kill $xpid 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/home/Photos/Trip" "$work/home/Documents"
for n in 0041 0042 0043; do : >"$work/home/Photos/Trip/IMG_$n.JPG"; done

d=300; while [ -e "/tmp/.X11-unix/X$d" ] || [ -e "/tmp/.X$d-lock" ]; do d=$((d+1)); done
Xvfb ":$d" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & xpid=$!
export DISPLAY=":$d"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "skipped: no virtual display"; exit 0; }

export HOME="$work/home" PROGRAM="$program" DUMP="$here/dump_tree.py" TRIP="$work/home/Photos/Trip" QTLOG="$work/qt.log"
dbus-run-session -- bash -c '
    openbox >/dev/null 2>&1 &
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$PROGRAM" "$TRIP"/IMG_0041.JPG "$TRIP"/IMG_0042.JPG >/dev/null 2>"$QTLOG" &
    app=$!
    sleep 3
    keys() { xdotool key "$@"; sleep 1.5; }
    main() { xdotool search --name "^Morvane\$" windowactivate --sync >/dev/null 2>&1; sleep 0.5; }
    echo "== main window"; /usr/bin/python3 "$DUMP" "Morvane"
    main; keys Tab Tab Tab Tab Tab space
    echo "== chooser"; /usr/bin/python3 "$DUMP" "Select the files to rename"
    keys alt+F4; main
    keys alt+o Down Return
    echo "== options"; /usr/bin/python3 "$DUMP" "Morvane Options"
    keys alt+F4; main
    keys alt+h Down Return
    echo "== about box"; /usr/bin/python3 "$DUMP" "About Morvane"
    keys Return; main
    keys F1
    echo "== help"; /usr/bin/python3 "$DUMP" "Morvane Help"
    keys alt+F4; main
    /usr/bin/python3 "$DUMP" --press Morvane Extract; sleep 0.5
    echo "== Rename: what a screen reader is told"
    /usr/bin/python3 "$DUMP" --listen Morvane Rename; sleep 0.5
    echo "== review"; /usr/bin/python3 "$DUMP" "Accept the new names, or Undo the changes"
    echo "== Undo: what a screen reader is told"
    /usr/bin/python3 "$DUMP" --listen "Accept the new names, or Undo the changes" Undo; sleep 0.5
    kill $app
'
echo "== Qt's warnings on accessibility"
if grep -i "accessib\|interface" "$work/qt.log"; then exit 1; fi
echo "(none)"
