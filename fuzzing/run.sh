#!/usr/bin/env bash
# Builds the fuzz targets and runs each for a while: run.sh SECONDS
# Each starts from its seed corpus in fuzzing/corpus and keeps what it finds in build/fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DBREVOLT_FUZZ=ON -DBUILD_TESTING=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" >/dev/null
cmake --build build/fuzz -j"$(nproc)" >/dev/null
status=0
for target in ExtensionList:extension_list RegistryValue:registry_value SettingsFile:settings_file \
        UndoFile:undo_file; do
    name=${target%%:*}
    corpus=${target##*:}
    mkdir -p "build/fuzz/corpus/$corpus"
    if output=$(cd build/fuzz && "fuzzing/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
            "corpus/$corpus" "../../fuzzing/corpus/$corpus" 2>&1); then
        runs=$(grep -o 'number_of_executed_units: [0-9]*' <<<"$output" | grep -o '[0-9]*$')
        echo "fuzz_$name: $runs executions in ${seconds} s, no failure"
    else
        echo "$output" | tail -40
        echo "fuzz_$name: FAILED"
        status=1
    fi
done
exit $status
