#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, in the prefix scripts/wine_prefix.sh made, and
# exits with the program's own exit code. ctest runs every Windows test through it.
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"
export WINEPREFIX=${WINEPREFIX:-$wine_default_prefix}
exec "$wine64" "$@"
