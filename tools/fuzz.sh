#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang, AddressSanitizer and UBSan
# (in build-denetim/) and runs each for the given seconds (default 20) from
# its committed seed corpus; a crash or a sanitizer report fails.
set -euo pipefail
cd "$(dirname "$0")/.."
SURE=${1:-20}
command -v clang++ >/dev/null || { echo "needs clang (tools/paketler.sh installs it)"; exit 1; }
CC=clang CXX=clang++ cmake -S . -B build-denetim -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFL_DENETIM=ON >/dev/null
cmake --build build-denetim --target fuzz_sablon fuzz_girdi
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for hedef in sablon girdi; do
    kume=$(mktemp -d)
    cp tests/fuzz/$hedef/* "$kume"/
    echo "fuzz_$hedef: $SURE s"
    build-denetim/tests/fuzz_$hedef -max_total_time="$SURE" -max_len=65536 -print_final_stats=1 "$kume" 2>&1 | tail -4
    rm -rf "$kume"
done
