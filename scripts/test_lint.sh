#!/usr/bin/env bash
# Fails on any difference from the checked-in .clang-format in the product, the bench and the
# tests, and on any clang-tidy finding (the checked-in .clang-tidy) in the product. Needs the
# compile commands of the Release build (cmake --preset release).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/jobs.sh
bash scripts/deps.sh clang-format clang-tidy

mapfile -t sources < <(find app bench common listing standard traditional tests -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${sources[@]}"
echo "lint: ${#sources[@]} files formatted as .clang-format says"

# The Windows front end builds only with mingw-w64: scripts/tidy_windows.sh checks it.
mapfile -t product < <(find app common listing standard traditional -name '*.cpp' -not -path 'app/win32/*' | sort)
[ -f build/compile_commands.json ] || cmake --preset release >/dev/null
if ! printf '%s\0' "${product[@]}" | xargs -0 -n 1 -P "$jobs" \
    clang-tidy -p build --quiet --warnings-as-errors='*' >build/clang-tidy.log 2>&1; then
    grep -E -A3 'warning:|error:' build/clang-tidy.log >&2 || cat build/clang-tidy.log >&2
    exit 1
fi
echo "lint: clang-tidy found nothing in ${#product[@]} product files"
