#!/usr/bin/env bash
# Installs with apt-get what building, running and testing Brevolt need; only what is missing.
set -euo pipefail

packages=(
    cmake make g++ googletest libgtest-dev           # native build and tests
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
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
