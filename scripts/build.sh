#!/usr/bin/env bash
# Configures and builds: build.sh native|sanitize|windows [cmake --build arguments...]
# "sanitize" is the native build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
kind=$1
shift
case $kind in
    native) cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null ;;
    sanitize)
        flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
        cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$flags" \
            -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null ;;
    windows) cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
                 -DCMAKE_BUILD_TYPE=Release >/dev/null ;;
    *) echo "usage: build.sh native|sanitize|windows" >&2; exit 2 ;;
esac
cmake --build "build/$kind" -j"$(nproc)" "$@"
