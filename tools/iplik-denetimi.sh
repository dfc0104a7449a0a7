#!/usr/bin/env bash
# The report engine under ThreadSanitizer: the PDF file is drawn and
# compressed on a thread of its own while the report lays out the next
# pages. Builds the engine and its tests with clang -fsanitize=thread in
# build-iplik/ and runs them; any report fails the run. Part of the test command.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang++ >/dev/null || { echo "needs clang (tools/paketler.sh installs it)"; exit 1; }
CC=clang CXX=clang++ cmake -S . -B build-iplik -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread >/dev/null
# The preview's test is left out: the window paints through Qt's own
# thread pool, which the sanitizer cannot see whole.
TESTLER=(tst_rapor_motoru tst_sayfa_yazicilari tst_sayfa_arayici tek_basina)
cmake --build build-iplik --target "${TESTLER[@]}"
# Qt is not built with the sanitizer: what its own pooled threads allocate and
# free (Qt Gui splits image conversions over them) is not checked, since their
# hand-offs cannot be seen; our code's accesses and locks still are.
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ignore_noninstrumented_modules=1 suppressions=$PWD/tools/iplik.supp"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$PWD/build-iplik/ayarlar"
# The sanitizer's runtime cannot follow QProcess's clone(): test functions
# that start a reader process (pdftotext, the workbook readers) are left out.
disaridan="kitapMetinleri|pdfKacisliDizgiler|yuzsuzYedekYol"
for t in "${TESTLER[@]}"; do
    program=$(find build-iplik/bant/tests -maxdepth 1 -name "$t" -type f)
    mapfile -t islevler < <("$program" -functions 2>/dev/null | sed 's/()$//' | grep -Ev "^($disaridan)\$" || true)
    echo "== $t"
    durum=0
    "$program" "${islevler[@]}" >"build-iplik/$t.log" 2>&1 || durum=$?
    grep -Ev '^(PASS|QDEBUG|QWARN|QStandardPaths)' "build-iplik/$t.log" || true
    [ "$durum" = 0 ] || { echo "$t failed under ThreadSanitizer"; exit 1; }
done
echo "thread checks: clean"
