#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test:
#   1. g++ build with the Qt window program: unit, command-line and window tests
#   2. clang build with AddressSanitizer and UndefinedBehaviorSanitizer
#   3. ThreadSanitizer build
#   4. a bounded libFuzzer run on the info record reader
#   5. the Windows cross build: unit tests and end-to-end tests under Wine and Xvfb
# Build trees go to out/ (or $QV_OUT). Screenshots land in out/qt/artifacts and
# out/win/artifacts.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${QV_OUT:-$root/out}
jobs=${QV_JOBS:-2}

step() { printf '\n==== %s\n' "$*"; }

step "installing packages"
bash "$root/scripts/install-deps.sh"

build_and_test() {
    local dir=$1
    shift
    cmake -S "$root" -B "$out/$dir" -G Ninja "$@"
    cmake --build "$out/$dir" -j "$jobs"
    ctest --test-dir "$out/$dir" --output-on-failure -j "$jobs"
}

step "g++: engine, command line, shell logic and the Qt window"
build_and_test gcc -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++ -DQV_BUILD_QT=ON

step "clang with address and undefined-behaviour sanitizers"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    build_and_test clang-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DQV_SANITIZE=address,undefined -DQV_BUILD_BENCH=OFF

step "thread sanitizer"
TSAN_OPTIONS=halt_on_error=1 \
    build_and_test tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DQV_SANITIZE=thread -DQV_BUILD_BENCH=OFF

step "fuzzing the info record reader"
cmake -S "$root" -B "$out/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DQV_SANITIZE=address,undefined -DQV_BUILD_FUZZ=ON -DQV_BUILD_TESTS=OFF -DQV_BUILD_BENCH=OFF
cmake --build "$out/fuzz" -j "$jobs" --target info_record_fuzzer
rm -rf "$out/fuzz/corpus" && cp -r "$root/tests/fuzz/corpus" "$out/fuzz/corpus"
"$out/fuzz/tests/fuzz/info_record_fuzzer" -max_total_time="${QV_FUZZ_SECONDS:-60}" -print_final_stats=1 \
    "$out/fuzz/corpus" 2>"$out/fuzz/fuzz.log" || { tail -50 "$out/fuzz/fuzz.log"; exit 1; }
grep -E '^stat::number_of_executed_units' "$out/fuzz/fuzz.log"

step "Windows: cross build, unit tests and end-to-end tests under Wine"
bash "$root/tests/win32/run-under-wine.sh" "$root" "$out/win"

step "every test passed"
