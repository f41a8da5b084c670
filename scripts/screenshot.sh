#!/usr/bin/env bash
# Starts the program under Wine on the current display, waits for its main window, saves a
# screenshot of the screen and ends the program: screenshot.sh EXE PNG
set -euo pipefail
exe=$1
png=$2
wine "$exe" &
program=$!
for _ in $(seq 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q '"Brevolt XP'; then
        break
    fi
    sleep 0.2
done
sleep 1  # let it finish drawing
import -window root "$png"
kill "$program" 2>/dev/null || true
wineserver -k 2>/dev/null || true
echo "No display: the window was shown on a virtual one; its screenshot is $png"
