#!/usr/bin/env bash
# Fails, naming each file:line, when a file includes ("...") a file of a folder that its own
# folder's targets do not link: an include upward, or sideways between layers. The rules, one
# line per folder with its allowed folders, are written by the build from the CMake link
# libraries (cmake/layers.cmake). A file belongs to the nearest folder above it with a
# CMakeLists.txt; folders this build defines no targets in are left to the build that does.
# Usage: bash scripts/check_layers.sh <build folder>/layers.txt
set -euo pipefail
rules=$(realpath "$1")
cd "$(dirname "$0")/.."
mapfile -t owners < <(find . -path ./.git -prune -o -path './build*' -prune -o -name CMakeLists.txt -printf '%h\n' |
    sed -n 's#^\./##p')
mapfile -t folders < <(cut -d' ' -f1 "$rules")
grep -rnE --include='*.h' --include='*.cpp' --include='*.in' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' \
    "${folders[@]}" | awk -v owners="${owners[*]}" '
    # The nearest folder with a CMakeLists.txt that holds the path.
    function owner(path,    best, k) {
        best = ""
        for (k in owned)
            if (index(path, k "/") == 1 && length(k) > length(best))
                best = k
        return best
    }
    BEGIN { n = split(owners, list, " "); for (k = 1; k <= n; ++k) owned[list[k]] = 1 }
    FNR == NR { for (k = 1; k <= NF; ++k) allowed[$1, $k] = 1; ruled[$1] = 1; next }
    {
        split($0, at, ":")
        file = at[1]; line = at[2]
        match($0, /"[^"]*"/)
        included = substr($0, RSTART + 1, RLENGTH - 2)
        from = owner(file)
        if (!(from in ruled) || index(included, "/") == 0)
            next # a folder another build checks, or a file generated beside this one
        to = owner(included)
        if (!((from, to) in allowed)) {
            printf "%s:%s: %s includes %s, a folder it does not link\n", file, line, from, (to == "" ? included : to)
            bad = 1
        }
    }
    END { exit bad }
' "$rules" -
