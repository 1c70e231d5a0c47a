#!/usr/bin/env bash
# Installs what building and running the calculator need, on Debian or Ubuntu, and the further
# Debian packages given as arguments: each script names the tools it uses beyond those.
# Elsewhere it names what to install and leaves it to the user.
set -euo pipefail

packages=(g++ make cmake qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev fonts-noto-cjk "$@")

if ! command -v apt-get >/dev/null 2>&1 || ! command -v dpkg-query >/dev/null 2>&1; then
    echo "No apt here: install a C++20 compiler (g++ 12 or newer), CMake 3.25 or newer, the Qt 6 Widgets" >&2
    echo "development files (Qt 6.4 or newer) and a Simplified Chinese font such as Noto Sans CJK SC." >&2
    [ $# -eq 0 ] || echo "This step also needs, by their Debian names: $*" >&2
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
