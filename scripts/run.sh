#!/usr/bin/env bash
# Builds Quorvanteline and starts the Linux window program. Without a display, shows the
# command-line tool on an example instead. `run.sh cli ARGS...` runs the command-line tool.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${QV_OUT:-$root/out}/run

if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y cmake ninja-build g++ qt6-base-dev fonts-liberation

cmake -S "$root" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_QT=ON -DQV_BUILD_TESTS=OFF \
    -DQV_BUILD_BENCH=OFF >/dev/null
cmake --build "$out" -j 2

cli="$out/cli/quorvanteline-cli"
if [ "${1:-}" = cli ]; then
    shift
    exec "$cli" "$@"
fi
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$out/shell/qt/quorvanteline"
fi

echo "No display here: showing the command-line tool on an example file."
example=$(mktemp -d)
trap 'rm -rf "$example"' EXIT
head -c 1000000 /dev/urandom >"$example/example.bin"
set -x
"$cli" split "$example/example.bin" --parts 4
ls -l "$example"
"$cli" verify "$example/example_part2.qv"
"$cli" merge "$example/example_part0.qvo"
cmp "$example/example.bin" "$example/example_merged.bin"
