#!/usr/bin/env bash
# Builds the calculator in Release and makes its Debian package, build/package/ropecalc_<version>_<arch>.deb.
# Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh dpkg-dev file
bash scripts/build.sh release ropecalc compressed_docs
rm -rf build/package
if ! (cd build && cpack -G DEB -B package >cpack.log 2>&1); then
    cat build/cpack.log >&2
    exit 1
fi
ls build/package/*.deb
