#!/usr/bin/env bash
# Prints the folder of Google Benchmark's sources, as Debian ships them (the version of its
# libbenchmark-dev), fetched with apt-get source on first use into build/deps.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$PWD/build/deps/benchmark
if [[ -f $folder/CMakeLists.txt ]]; then
    echo "$folder"
    exit 0
fi
sudo=()
if [[ $(id -u) != 0 ]]; then
    sudo=(sudo)
fi
list=/etc/apt/sources.list.d/brevolt-deb-src.sources
if [[ ! -f $list ]]; then
    . /etc/os-release
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$VERSION_CODENAME" | "${sudo[@]}" tee "$list" >/dev/null
    "${sudo[@]}" apt-get update -qq >&2
fi
download=$(mktemp -d)
trap 'rm -rf "$download"' EXIT
(cd "$download" && chmod a+rwx . && apt-get source --download-only -qq benchmark >&2)
mkdir -p "$folder"
tar -xzf "$download"/benchmark_*.orig.tar.gz -C "$folder" --strip-components=1
echo "$folder"
