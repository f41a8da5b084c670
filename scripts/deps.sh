#!/usr/bin/env bash
# Installs with apt-get what building, running and testing Brevolt need; only what is missing.
set -euo pipefail

packages=(
    cmake make g++ googletest libgtest-dev           # native build and tests
    libutfcpp-dev                                    # UTF-8 conversion (header-only)
    clang libclang-rt-14-dev                         # fuzzing (libFuzzer) and sanitizers
    g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev  # the Windows build
    wine wine64                                      # running it on Linux
    xvfb xauth x11-utils imagemagick                 # a virtual display and screenshots
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if ((${#missing[@]} == 0)); then
    exit 0
fi

sudo=()
if [[ $(id -u) != 0 ]]; then
    sudo=(sudo)
fi
# Another installation may hold the package manager's locks: wait for them rather than fail.
# apt-get waits for the dpkg lock itself; the lists lock of "update" is waited for here.
apt() {
    local waited=0 log
    log=$(mktemp)
    until DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=300 "$@" \
        2>"$log"; do
        if ! grep -qE "Could not get lock|Unable to acquire|Unable to lock" "$log" ||
            ((waited >= 300)); then
            cat "$log" >&2
            rm -f "$log"
            return 1
        fi
        echo "Waiting for another package installation to finish..." >&2
        sleep 10
        waited=$((waited + 10))
    done
    rm -f "$log"
}

echo "Installing: ${missing[*]}"
apt update -qq
apt install -y -qq "${missing[@]}" >/dev/null
