#!/usr/bin/env bash
# Installs what building, running and testing the calculator need, on Debian or Ubuntu.
# Elsewhere it names what to install and leaves it to the user. Further Debian package names
# given as arguments are installed too.
set -euo pipefail

packages=(g++ make cmake qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev fonts-noto-cjk "$@")
# The fuzz targets of scripts/test_fuzz.sh: clang and its libFuzzer runtime, in the distribution's
# default version (14 on Debian 12).
packages+=(clang libclang-rt-dev)
# The format and lint checks of scripts/test_lint.sh.
packages+=(clang-format clang-tidy)

if ! command -v apt-get >/dev/null 2>&1 || ! command -v dpkg-query >/dev/null 2>&1; then
    echo "No apt here: install a C++20 compiler (g++ 12 or newer), CMake 3.25 or newer, the Qt 6 Widgets" >&2
    echo "development files (Qt 6.4 or newer) and a Simplified Chinese font such as Noto Sans CJK SC." >&2
    echo "The tests also need clang with its libFuzzer runtime, clang-format and clang-tidy." >&2
    exit 0
fi

missing=()
for package in "${packages[@]}"; do
    if [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" != installed ]; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "Please install as root: apt-get install ${missing[*]}" >&2
        exit 1
    fi
    sudo=(sudo)
fi
echo "Installing ${missing[*]}" >&2
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
