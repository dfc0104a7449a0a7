#!/usr/bin/env bash
# Configures and builds into build/ (incremental after the first time).
# Under CI (CI set) every compiler warning is an error.
set -euo pipefail
cd "$(dirname "$0")/.."
HATA=OFF
[ -n "${CI:-}" ] && HATA=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFL_HATA_UYARI=$HATA -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build build
