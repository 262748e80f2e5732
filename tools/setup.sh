#!/usr/bin/env bash
# Shared by run.sh and test.sh: install what is missing, then configure and build.
# Usage: tools/setup.sh [--target NAME]... BUILD_DIR [extra cmake arguments]
# With no --target every program and test is built; with some, only those (and what
# they need).
set -euo pipefail
cd "$(dirname "$0")/.."

targets=()
while [ "${1:-}" = "--target" ]; do
    [ -n "${2:-}" ] || { echo "tools/setup.sh: --target needs a name" >&2; exit 2; }
    targets+=("$2")
    shift 2
done
[ -n "${1:-}" ] || { echo "usage: tools/setup.sh [--target NAME]... BUILD_DIR [cmake arguments]" >&2; exit 2; }
build_dir="$1"; shift

# qt6-svg-dev: only the build tool that draws the icon (tools/make_icon.cpp) links QtSvg.
# libcurl4-openssl-dev: the download helper; openssl: the network tests make their certificate with it.
# clang: the sanitizer build (./test.sh --sanitize) is made with it.
packages=(cmake ninja-build g++ clang qt6-base-dev qt6-svg-dev qt6-translations-l10n libcurl4-openssl-dev openssl libgtest-dev googletest)
# The tests walk the windows under fonts whose widths and heights grow apart (a build of
# the programs alone does not need them).
if [ ${#targets[@]} -eq 0 ]; then packages+=(fonts-cantarell fonts-dejavu-extra fonts-droid-fallback); fi
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi

cmake -S . -B "$build_dir" -G Ninja "$@" >/dev/null
if [ ${#targets[@]} -gt 0 ]; then
    cmake --build "$build_dir" --target "${targets[@]}"
else
    cmake --build "$build_dir"
fi
