#!/usr/bin/env bash
# The one configure-and-build step of every script: installs what the preset's build needs,
# configures the preset quietly and builds the targets named (all when none is), one compile job
# a core. Arguments that begin with -D go to the configuration.
# Usage: bash scripts/build.sh <preset> [-DVAR=value ...] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
preset=$1
shift
options=()
targets=()
for argument in "$@"; do
    case $argument in
    -D*) options+=("$argument") ;;
    *) targets+=(--target "$argument") ;;
    esac
done
case $preset in
windows) bash scripts/deps.sh g++-mingw-w64-x86-64-posix nsis ;;
# clang and its libFuzzer runtime, in the distribution's default version (14 on Debian 12).
fuzz) bash scripts/deps.sh clang libclang-rt-dev ;;
# poppler-utils: the Qt tests read the saved calculation sheet's PDF back with pdftotext.
*) bash scripts/deps.sh poppler-utils ;;
esac
source scripts/jobs.sh
cmake --preset "$preset" "${options[@]}" >/dev/null
cmake --build --preset "$preset" "${targets[@]}" -j"$jobs"
