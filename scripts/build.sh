#!/usr/bin/env bash
# Configures and builds: build.sh native|windows [cmake --build arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
kind=$1
shift
case $kind in
    native) cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null ;;
    windows) cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
                 -DCMAKE_BUILD_TYPE=Release >/dev/null ;;
    *) echo "usage: build.sh native|windows" >&2; exit 2 ;;
esac
cmake --build "build/$kind" -j"$(nproc)" "$@"
