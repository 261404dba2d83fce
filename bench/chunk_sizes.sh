#!/usr/bin/env bash
# Measures the engine's 10-part split and merge of a 300 MiB file for several sizes of
# copyByteRange's buffer (copyChunkSize), the figures behind the size chosen in
# engine/byte_copy.h.
# Usage: bench/chunk_sizes.sh [SIZE_KIB...]      (default: 64 128 256 512 1024)
#
# Each size gets a build of its own, from a copy of the sources with only the constant
# changed. The engine runs through qv-engine-run, without the front end's waiting, so the
# figures are the copying alone. GNU split -n 10 and cat run in the same rounds for scale.
# Settings: QV_BENCH_BUILD (default <repo>/build-bench; the variants go below it),
# QV_BENCH_TMP (default $TMPDIR or /tmp), QV_BENCH_REPS (runs per size, default 7).
set -euo pipefail

bench_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo_dir=$(cd "$bench_dir/.." && pwd)
# shellcheck source=bench_lib.sh
source "$bench_dir/bench_lib.sh"

build_root=${QV_BENCH_BUILD:-$repo_dir/build-bench}/chunk-sizes
work_parent=${QV_BENCH_TMP:-${TMPDIR:-/tmp}}
reps=${QV_BENCH_REPS:-7}
sizes_kib=("$@")
((${#sizes_kib[@]})) || sizes_kib=(64 128 256 512 1024)
input_size=$((300 * 1024 * 1024))
part_bytes=$((input_size / 10))

bench_require_tools
for kib in "${sizes_kib[@]}"; do
    [[ $kib =~ ^[0-9]+$ ]] && ((kib >= 1 && kib <= 1024)) || bench_fail "$kib: sizes are 1 to 1024 KiB"
done

# A copy of the sources with copyChunkSize set to $1 KiB, built in its own tree.
build_variant() {
    local kib=$1 source_copy="$build_root/src-$kib"
    rm -rf "$source_copy"
    mkdir -p "$source_copy"
    tar -C "$repo_dir" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$source_copy" -xf -
    sed -i "s/^constexpr int32_t copyChunkSize = .*;/constexpr int32_t copyChunkSize = $kib * 1024;/" \
        "$source_copy/engine/byte_copy.h"
    grep -q "^constexpr int32_t copyChunkSize = $kib \* 1024;" "$source_copy/engine/byte_copy.h" ||
        bench_fail "could not set copyChunkSize in the copy of engine/byte_copy.h"
    bench_build "$build_root/build-$kib" "$source_copy" >/dev/null
}

echo "Building one variant per size: ${sizes_kib[*]} KiB ..."
mkdir -p "$build_root"
for kib in "${sizes_kib[@]}"; do build_variant "$kib"; done
bench_measure="$build_root/build-${sizes_kib[0]}/bench/qv-measure"

bench_make_work_dir "$work_parent"
trap 'rm -rf "$bench_work"' EXIT
bench_check_room 1500 1000
input="$bench_work/data.bin"
bench_make_input "$input" "$input_size"

declare -A split_times merge_times
tools=("${sizes_kib[@]}" gnu)
for ((rep = 1; rep <= reps; rep++)); do
    # Rotate the order from round to round so that no size always runs first.
    for ((i = 0; i < ${#tools[@]}; i++)); do
        tool=${tools[$(((i + rep) % ${#tools[@]}))]}
        dir="$bench_work/run"
        rm -rf "$dir"
        mkdir "$dir"
        ln "$input" "$dir/data.bin"
        bench_settle
        if [[ $tool == gnu ]]; then
            bench_time "$dir" split -n 10 data.bin data_part
        else
            bench_time "$dir" "$build_root/build-$tool/bench/qv-engine-run" split data.bin "$part_bytes"
        fi
        split_times[$tool]+=" $bench_seconds"
        bench_settle
        if [[ $tool == gnu ]]; then
            bench_time "$dir" --stdout merged.bin cat data_parta{a..j}
            bench_same_bytes "$dir/merged.bin" "$input"
        else
            bench_time "$dir" "$build_root/build-$tool/bench/qv-engine-run" merge data_part1.qv
            bench_same_bytes "$dir/data_merged.bin" "$input"
        fi
        merge_times[$tool]+=" $bench_seconds"
        echo "   round $rep, $tool: split${split_times[$tool]##* } s, merge${merge_times[$tool]##* } s"
    done
done
rm -rf "$bench_work/run"

echo
echo "Median of $reps runs, wall seconds, 300 MiB in 10 parts, warm page cache, $(nproc) cores"
printf '%-12s %10s %10s\n' "buffer" "split" "merge"
for tool in "${tools[@]}"; do
    # shellcheck disable=SC2086
    split_median=$(bench_median ${split_times[$tool]})
    # shellcheck disable=SC2086
    merge_median=$(bench_median ${merge_times[$tool]})
    label="$tool KiB"
    [[ $tool == gnu ]] && label="GNU split/cat"
    printf '%-12s %10.3f %10.3f\n' "$label" "$split_median" "$merge_median"
done
