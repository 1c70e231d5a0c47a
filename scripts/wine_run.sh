#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, in the prefix scripts/wine_prefix.sh made, and
# exits with the program's own exit code. ctest runs every Windows test through it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build-windows/wine}
export WINEDEBUG=-all
# No .NET or HTML engine installer prompts, no menu files written for the desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
exec /usr/lib/wine/wine64 "$@"
