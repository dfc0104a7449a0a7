#!/usr/bin/env bash
# Static checks, part of the test command: clang-format must leave the
# sources as they are, and clang-tidy (.clang-tidy) must find nothing.
# Needs build/compile_commands.json (tools/derle.sh writes it).
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t KAYNAK < <(git ls-files 'bant/*.cpp' 'bant/*.h' 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h' 2>/dev/null \
  || find bant src tests tools -name '*.cpp' -o -name '*.h')
clang-format --dry-run --Werror "${KAYNAK[@]}"
mapfile -t BIRIM < <(printf '%s\n' "${KAYNAK[@]}" | grep -E '^(src|bant/src)/.*\.cpp$')
printf '%s\n' "${BIRIM[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p build --quiet 2>/dev/null
echo "static checks: clean"
