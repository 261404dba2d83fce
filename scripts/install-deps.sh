#!/usr/bin/env bash
# Installs every package the build, the tests, the benchmark and the programs need, from
# Debian's archive. Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
    # native builds, tests, sanitizers and the fuzzer
    cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev googletest
    # the benchmark's reference tools (split, cat, xargs)
    coreutils findutils
    # the Linux window program
    qt6-base-dev fonts-liberation
    # the Windows program: cross compiler, Wine, a virtual display and screenshots
    g++-mingw-w64-x86-64 wine xvfb x11-utils imagemagick
)

if [ "$(id -u)" -ne 0 ]; then
    sudo=sudo
else
    sudo=
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y "${packages[@]}"
