#!/usr/bin/env bash
# The checking build: clang with AddressSanitizer and UBSan (any report
# fails), the whole test suite in it, then each fuzz target for
# FATURA_FUZZ_SURE seconds (20 by default) from its committed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang++ >/dev/null || { echo "needs clang (tools/paketler.sh installs it)"; exit 1; }
CC=clang CXX=clang++ cmake -S . -B build-denetim -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFL_DENETIM=ON >/dev/null
cmake --build build-denetim
# Qt itself is not instrumented and keeps some memory to the end: no leak report.
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-denetim && ctest --output-on-failure --timeout 900)
bash tools/fuzz.sh "${FATURA_FUZZ_SURE:-20}"
