#!/usr/bin/env bash
# Benchmark of quorvanteline-cli against GNU split and cat, in one run.
# Usage: bench/run.sh        (see bench/README.md for what it does and prints)
#
# Settings through the environment:
#   QV_BENCH_BUILD      build tree to configure and use (default: <repo>/build-bench)
#   QV_BENCH_TMP        directory under which the work directory is made (default: $TMPDIR or /tmp)
#   QV_BENCH_REPS       runs per tool for the 10-part cases (default 9)
#   QV_BENCH_MANY_REPS  runs per tool for the 307,200-part cases (default 3)
#   QV_BENCH_MIB        size of the input in MiB (default 300; smaller only to try the script out)
set -euo pipefail

bench_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo_dir=$(cd "$bench_dir/.." && pwd)
# shellcheck source=bench_lib.sh
source "$bench_dir/bench_lib.sh"

build_dir=${QV_BENCH_BUILD:-$repo_dir/build-bench}
work_parent=${QV_BENCH_TMP:-${TMPDIR:-/tmp}}
reps=${QV_BENCH_REPS:-9}
many_reps=${QV_BENCH_MANY_REPS:-3}

input_size=$((${QV_BENCH_MIB:-300} * 1024 * 1024))
small_input_size=$((3 * 1024 * 1024))
success_text="The operation was successful."

bench_require_tools
bench_build "$build_dir" "$repo_dir"
cli="$build_dir/cli/quorvanteline-cli"
bench_measure="$build_dir/bench/qv-measure"
engine_run="$build_dir/bench/qv-engine-run"

bench_make_work_dir "$work_parent"
trap 'echo "Cleaning up $bench_work ..."; rm -rf "$bench_work"' EXIT
trap 'exit 130' INT TERM
# The input, a kept set of each kind, one run's output and two merged files at once.
bench_check_room 4096 700000

input="$bench_work/input/data.bin"
mkdir "$bench_work/input"
echo "Making the $input_size-byte input of random bytes ..."
bench_make_input "$input" "$input_size"

summary=()
all_rss=()

# A fresh directory holding only a hard link to the input, named data.bin.
fresh_run_dir() {
    rm -rf "$1"
    mkdir "$1"
    ln "$input" "$1/data.bin"
}

# Number of files in directory $1 whose names match pattern $2.
count_parts() {
    find "$1" -maxdepth 1 -name "$2" | wc -l
}

expect_success_message() {
    [[ $(cat "$bench_work/last-stdout.txt") == "$success_text" ]] ||
        bench_fail "quorvanteline-cli did not report success: $(cat "$bench_work/last-stdout.txt")"
}

# One line of the final table, kept until the end.
record_case() {
    local label=$1 runs=$2 ours=$3 theirs=$4 target=$5 rss_kib=$6
    local ratio rss_mib=-
    ratio=$(bench_ratio "$ours" "$theirs")
    [[ $rss_kib == - ]] || rss_mib=$(awk -v k="$rss_kib" 'BEGIN { printf "%.2f", k / 1024 }')
    summary+=("$(printf '%-40s %4s %10.3f %10.3f %8s %8s %5s %8s' "$label" "$runs" "$ours" "$theirs" \
        "$ratio" "<= $target" "$(bench_meets "$ratio" "$target")" "$rss_mib")")
}

# The order in which the tools take their turn in run $1: it turns by one place from run
# to run, so that no tool always follows the same other one.
turns() {
    local tools=(ours theirs)
    ((with_engine)) && tools=(ours engine theirs)
    local count=${#tools[@]} i order=()
    for ((i = 0; i < count; i++)); do order+=("${tools[$(((i + $1 - 1) % count))]}"); done
    echo "${order[@]}"
}

# The engine's own line under a case that timed it: its median against theirs.
record_engine_alone() {
    local runs=$1 theirs=$2 target=$3
    ((${#engine_times[@]})) || return 0
    record_case "  the same, engine alone (qv-engine-run)" "$runs" "$(bench_median "${engine_times[@]}")" \
        "$theirs" "$target" -
}

# Splits the input `runs` times with each tool, alternating which goes first, each run in
# a fresh directory. Our last output is kept as $set_dir for the merge that follows.
# Arguments: label runs target set_dir our-split-arguments... -- their-split-arguments...
split_case() {
    local label=$1 runs=$2 target=$3 set_dir=$4
    shift 4
    local ours_args=() theirs_args=()
    while [[ $1 != -- ]]; do ours_args+=("$1"); shift; done
    shift
    theirs_args=("$@")

    echo "== $label"
    local ours_times=() theirs_times=() ours_rss=() rep tool dir
    engine_times=()
    for ((rep = 1; rep <= runs; rep++)); do
        for tool in $(turns "$rep"); do
            dir="$bench_work/run-$tool"
            fresh_run_dir "$dir"
            bench_settle
            if [[ $tool == ours ]]; then
                bench_time "$dir" "$cli" split data.bin "${ours_args[@]}"
                expect_success_message
                ours_times+=("$bench_seconds")
                ours_rss+=("$bench_rss_kib")
                echo "   run $rep ours   ${bench_seconds} s, peak RSS ${bench_rss_kib} KiB"
            elif [[ $tool == engine ]]; then
                bench_time "$dir" "$engine_run" split data.bin "$engine_part_bytes"
                engine_times+=("$bench_seconds")
                echo "   run $rep engine ${bench_seconds} s (qv-engine-run)"
            else
                bench_time "$dir" split "${theirs_args[@]}" data.bin part_
                theirs_times+=("$bench_seconds")
                echo "   run $rep theirs ${bench_seconds} s, $(count_parts "$dir" 'part_*') parts"
            fi
            # Deleted at once, before anything is written back: far quicker than later.
            if ((rep < runs)) || [[ $tool != ours ]]; then
                rm -rf "$dir"
            fi
        done
    done
    all_rss+=("${ours_rss[@]}")

    rm -rf "$set_dir"
    mv "$bench_work/run-ours" "$set_dir"
    echo "   our split wrote $(count_parts "$set_dir" 'data_part*.qv') parts"
    record_case "$label" "$runs" "$(bench_median "${ours_times[@]}")" "$(bench_median "${theirs_times[@]}")" \
        "$target" "$(bench_max "${ours_rss[@]}")"
    record_engine_alone "$runs" "$(bench_median "${theirs_times[@]}")" "$target"
}

# Merges the set in $set_dir `runs` times with each tool, each time into a merged file
# that does not exist yet, then checks both results against the input.
# Arguments: label runs target set_dir part_count
merge_case() {
    local label=$1 runs=$2 target=$3 set_dir=$4 part_count=$5
    echo "== $label"
    local names="$bench_work/part-names.txt"
    seq -f 'data_part%.0f.qv' 1 "$part_count" >"$names"
    local theirs_command=(xargs -a "$names" cat)
    if ((part_count <= 100)); then
        mapfile -t theirs_command <"$names"
        theirs_command=(cat "${theirs_command[@]}")
    fi

    local ours_times=() theirs_times=() ours_rss=() rep tool
    engine_times=()
    for ((rep = 1; rep <= runs; rep++)); do
        for tool in $(turns "$rep"); do
            rm -f "$set_dir/data_merged.bin" "$set_dir/cat_merged.bin"
            bench_settle
            if [[ $tool == ours ]]; then
                bench_time "$set_dir" "$cli" merge data_part1.qv
                expect_success_message
                ours_times+=("$bench_seconds")
                ours_rss+=("$bench_rss_kib")
                echo "   run $rep ours   ${bench_seconds} s, peak RSS ${bench_rss_kib} KiB"
            elif [[ $tool == engine ]]; then
                bench_time "$set_dir" "$engine_run" merge data_part1.qv
                engine_times+=("$bench_seconds")
                echo "   run $rep engine ${bench_seconds} s (qv-engine-run)"
            else
                bench_time "$set_dir" --stdout cat_merged.bin "${theirs_command[@]}"
                theirs_times+=("$bench_seconds")
                echo "   run $rep theirs ${bench_seconds} s"
            fi
        done
    done
    all_rss+=("${ours_rss[@]}")

    [[ -f $set_dir/cat_merged.bin ]] || bench_time "$set_dir" --stdout cat_merged.bin "${theirs_command[@]}"
    [[ -f $set_dir/data_merged.bin ]] || bench_time "$set_dir" "$cli" merge data_part1.qv
    bench_same_bytes "$set_dir/data_merged.bin" "$input"
    bench_same_bytes "$set_dir/cat_merged.bin" "$input"
    echo "   both merged files equal the input"
    record_case "$label" "$runs" "$(bench_median "${ours_times[@]}")" "$(bench_median "${theirs_times[@]}")" \
        "$target" "$(bench_max "${ours_rss[@]}")"
    record_engine_alone "$runs" "$(bench_median "${theirs_times[@]}")" "$target"
    rm -rf "$set_dir" "$names"
}

# Peak memory of our four runs on a file of $small_input_size bytes, to set beside the
# figures of the large file.
small_file_memory() {
    local dir="$bench_work/small" line="" rss
    mkdir "$dir"
    head -c "$small_input_size" /dev/urandom >"$dir/data.bin"
    bench_time "$dir" "$cli" split data.bin --parts 10
    line+="split 10 parts ${bench_rss_kib} KiB; "
    rm -f "$dir"/data_part*
    bench_time "$dir" "$cli" split data.bin --size 1
    line+="split 1 KiB parts ${bench_rss_kib} KiB; "
    bench_time "$dir" "$cli" merge data_part1.qv
    line+="merge 1 KiB parts ${bench_rss_kib} KiB"
    bench_same_bytes "$dir/data_merged.bin" "$dir/data.bin"
    echo "$line"
    rm -rf "$dir"
}

started=$SECONDS
set_ten="$bench_work/set-10"
set_many="$bench_work/set-1k"
# The 10-part cases also time the engine alone, to show what the front end adds.
with_engine=1
engine_part_bytes=$(((input_size + 9) / 10))
split_case "1 split, 10 parts vs split -n 10" "$reps" 1.10 "$set_ten" --parts 10 -- -n 10
merge_case "2 merge, 10 parts vs cat" "$reps" 1.10 "$set_ten" 10
with_engine=0
split_case "3 split, 1 KiB parts vs split -b 1024" "$many_reps" 1.0 "$set_many" --size 1 -- -b 1024
merge_case "4 merge, 1 KiB parts vs xargs cat" "$many_reps" 1.5 "$set_many" $((input_size / 1024))
echo "== peak memory on a $small_input_size-byte file"
small_line=$(small_file_memory)

echo
echo "Results: median wall time of each tool, warm page cache, $(nproc) cores, input $input_size bytes"
printf '%-40s %4s %10s %10s %8s %8s %5s %8s\n' "case" "runs" "ours (s)" "theirs (s)" "ours/th" "target" "met" "RSS MiB"
printf '%s\n' "${summary[@]}"
echo "Peak resident memory of our runs: at most $(bench_max "${all_rss[@]}") KiB over every run above (limit 8192 KiB)"
echo "On the $small_input_size-byte file: $small_line"
echo "Benchmark took $((SECONDS - started)) s (without the build)"
