#!/usr/bin/env bash
# Line and branch coverage of src/ and bant/ by the whole test suite: a Debug build with
# --coverage in build-kapsam/, every ctest suite, then gcovr's summary (and an
# HTML report in build-kapsam/kapsam/index.html). A failing test still counts
# for what it ran; the suite's own result is printed before the summary.
set -euo pipefail
cd "$(dirname "$0")/.."
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
command -v gcovr >/dev/null || $SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -qq gcovr >/dev/null
cmake -S . -B build-kapsam -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=--coverage \
    -DCMAKE_EXE_LINKER_FLAGS=--coverage >/dev/null
cmake --build build-kapsam
find build-kapsam -name '*.gcda' -delete
(cd build-kapsam && ctest -j2 2>&1 | tail -3) || true
mkdir -p build-kapsam/kapsam
gcovr --root . --object-directory build-kapsam --exclude-directories 'build-kapsam/CMakeFiles' --filter 'src/' --filter 'bant/src/' --filter 'bant/include/' --exclude-unreachable-branches --exclude-throw-branches \
    --html-details build-kapsam/kapsam/index.html --print-summary
