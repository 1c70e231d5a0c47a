#!/usr/bin/env bash
# Builds the calculator in Release and makes its Debian package, build/package/ropecalc_<version>_<arch>.deb.
# Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/jobs.sh
bash scripts/deps.sh dpkg-dev file
cmake --preset release >/dev/null
cmake --build --preset release --target ropecalc compressed_docs -j"$jobs"
rm -rf build/package
if ! (cd build && cpack -G DEB -B package >cpack.log 2>&1); then
    cat build/cpack.log >&2
    exit 1
fi
ls build/package/*.deb
