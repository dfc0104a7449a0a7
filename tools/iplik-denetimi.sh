#!/usr/bin/env bash
# Our code's one thread under ThreadSanitizer: an ODBC connection is made on
# a thread of its own, so that a server that keeps silent is given up at the
# login timeout while that thread finishes alone. Builds the database tests
# (the ODBC path through the SQLite ODBC driver, a refused and a silent
# server) with clang -fsanitize=thread in build-iplik/ and runs them; any
# report fails the run. Part of the test command.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang++ >/dev/null || { echo "needs clang (tools/paketler.sh installs it)"; exit 1; }
CC=clang CXX=clang++ cmake -S . -B build-iplik -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread >/dev/null
cmake --build build-iplik --target tst_veritabani
# Qt and the ODBC libraries are not built with the sanitizer: what their own
# threads do is not checked, since their hand-offs cannot be seen; our
# code's accesses and locks still are.
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ignore_noninstrumented_modules=1 suppressions=$PWD/tools/iplik.supp"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$PWD/build-iplik/ayarlar"
program=$(find build-iplik/tests -maxdepth 1 -name tst_veritabani -type f)
durum=0
"$program" >build-iplik/tst_veritabani.log 2>&1 || durum=$?
grep -Ev '^(PASS|QDEBUG|QWARN|QStandardPaths)' build-iplik/tst_veritabani.log || true
[ "$durum" = 0 ] || { echo "tst_veritabani failed under ThreadSanitizer"; exit 1; }
echo "thread checks: clean"
