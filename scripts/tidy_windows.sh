#!/usr/bin/env bash
# Fails on any clang-tidy finding (.clang-tidy, and app/win32/.clang-tidy for the Win32 API's
# casts) in the Windows front end. Needs the compile commands of the Windows build
# (cmake --preset windows). clang reads the mingw-w64 C++ and Windows headers with its own
# compiler intrinsics, which the GCC ones would not match.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh clang-tidy g++-mingw-w64-x86-64-posix
args=(--extra-arg=--target=x86_64-w64-mingw32 --extra-arg=-nostdinc++)
while read -r directory; do
    args+=("--extra-arg=-isystem$directory")
done < <(x86_64-w64-mingw32-g++-posix -std=c++20 -E -x c++ - -v </dev/null 2>&1 \
    | sed -n '/#include <...> search starts here:/,/End of search list/p' | sed -n 's/^ //p' \
    | grep -v -e '/include$' -e '/include-fixed$'; echo /usr/x86_64-w64-mingw32/include)
mapfile -t sources < <(find app/win32 -name '*.cpp' | sort)
if ! clang-tidy -p build-windows --quiet --warnings-as-errors='*' "${args[@]}" "${sources[@]}" \
    >build-windows/clang-tidy.log 2>&1; then
    grep -E -A3 'warning:|error:' build-windows/clang-tidy.log >&2 || cat build-windows/clang-tidy.log >&2
    exit 1
fi
echo "lint: clang-tidy found nothing in ${#sources[@]} Windows front-end files"
