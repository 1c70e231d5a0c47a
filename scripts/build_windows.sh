#!/usr/bin/env bash
# Installs what is missing (mingw-w64 with POSIX threads, NSIS), then cross-compiles the Windows
# program and its installer: build-windows/app/win32/ropecalc.exe, the portable form, and
# build-windows/ropecalc-<version>-setup.exe. Further arguments go to the configuration.
set -euo pipefail
exec bash "$(dirname "$0")/build.sh" windows "$@"
