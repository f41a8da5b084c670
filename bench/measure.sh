#!/usr/bin/env bash
# Runs the measurements on the current display; bench/run builds everything first and calls it:
# measure.sh BUILD_FOLDER PAIRS. With BREVOLT_BASELINE_EXE set, an earlier brevolt.exe is timed
# beside notepad in the same run too.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
pairs=$2
export WINEPREFIX="$PWD/$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

echo "== machine"
echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
echo "$(wine --version), $(x86_64-w64-mingw32-g++-posix --version | head -1)"

echo "== the user's actions in process (time from input to repainted window; calls per action)"
scripts/wine-run "$WINEPREFIX" "$build/bench/brevolt_bench.exe" --benchmark_counters_tabular=true \
    2>&1 | grep -v '^\*\*\*WARNING'

echo "== start-up beside Wine's notepad (median of $pairs pairs)"
app=$build/app
mkdir -p "$app"
cp "$build/brevolt.exe" "$build/BREVOLT.HTM" "$app/"
scripts/import-reg scripts/demo.reg
wine "$build/bench/brevolt_starttimer.exe" "$pairs" "$(winepath -w "$app/brevolt.exe")" \
    'C:\windows\system32\notepad.exe'

echo "== Wine's regedit beside notepad (median of $pairs pairs), the peer to reach"
wine "$build/bench/brevolt_starttimer.exe" "$pairs" 'C:\windows\regedit.exe' \
    'C:\windows\system32\notepad.exe'
if [[ -n ${BREVOLT_BASELINE_EXE:-} ]]; then
    echo "== an earlier brevolt.exe ($BREVOLT_BASELINE_EXE) beside notepad"
    baseline=$build/baseline
    mkdir -p "$baseline"
    cp "$BREVOLT_BASELINE_EXE" "$baseline/brevolt.exe"
    wine "$build/bench/brevolt_starttimer.exe" "$pairs" "$(winepath -w "$baseline/brevolt.exe")" \
        'C:\windows\system32\notepad.exe'
fi

echo "== executable"
echo "brevolt.exe: $(stat -c %s "$build/brevolt.exe") bytes ($(numfmt --to=iec-i --suffix=B "$(stat -c %s "$build/brevolt.exe")"))"
wineserver -k
