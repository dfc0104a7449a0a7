#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/paketler.sh
bash tools/derle.sh
(cd build && ctest --output-on-failure --timeout 300)
bash tools/denetle.sh
bash tools/iplik-denetimi.sh
# The fuzz targets, briefly; the whole suite under the sanitizers: tools/denetim-derlemesi.sh.
bash tools/fuzz.sh 10
