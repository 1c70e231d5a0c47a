# Sourced by every script that runs Wine: where Debian's 64-bit Wine is, the prefix the Windows
# tests run in unless WINEPREFIX names another, and how every program of ours runs under it.
wine64=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
wine_default_prefix=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build-windows/wine
export WINEDEBUG=-all
# No .NET or HTML engine installer prompts, no menu files written for the desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
