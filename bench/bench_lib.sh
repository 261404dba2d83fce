# Shared pieces of the benchmark scripts; sourced, not run.
# Every timed run goes through qv-measure; everything else (making directories, deleting
# files, syncing) happens between the timed runs.

bench_fail() {
    echo "bench: $*" >&2
    exit 1
}

# Checks that the tools the benchmark calls are there.
bench_require_tools() {
    local tool
    for tool in cmake c++ split cat xargs seq cmp awk sed sort find df stat sync ln head mktemp tar; do
        command -v "$tool" >/dev/null 2>&1 || bench_fail "'$tool' is needed but not installed"
    done
}

# Configures and builds a Release tree of the command-line program and the runner in $1
# from the sources in $2.
bench_build() {
    local build_dir=$1 source_dir=$2
    echo "Building (Release) in $build_dir ..."
    cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_TESTS=OFF -DQV_BUILD_BENCH=ON \
        >"$build_dir.configure.log" 2>&1 || { cat "$build_dir.configure.log" >&2; bench_fail "configure failed"; }
    cmake --build "$build_dir" -j2 --target quorvanteline-cli qv-measure qv-engine-run \
        >"$build_dir.build.log" 2>&1 || { tail -40 "$build_dir.build.log" >&2; bench_fail "build failed"; }
    rm -f "$build_dir.configure.log" "$build_dir.build.log"
}

# Makes a work directory under $1 and says which file system holds it. Sets bench_work.
bench_make_work_dir() {
    local parent=$1
    bench_work=$(mktemp -d "$parent/qv-bench.XXXXXX") || bench_fail "cannot make a work directory under $parent"
    local fs_type device
    fs_type=$(df -T "$bench_work" | awk 'NR == 2 { print $2 }')
    device=$(df -T "$bench_work" | awk 'NR == 2 { print $1 }')
    echo "Work directory: $bench_work (file system: $fs_type on $device)"
}

# Refuses to start without room for the largest moment of the run: $1 MiB and $2 inodes.
bench_check_room() {
    local need_mib=$1 need_inodes=$2 free_kib free_inodes
    free_kib=$(df -Pk "$bench_work" | awk 'NR == 2 { print $4 }')
    free_inodes=$(df -Pi "$bench_work" | awk 'NR == 2 { print $4 }')
    ((free_kib / 1024 >= need_mib)) || bench_fail "need $need_mib MiB free in $bench_work, have $((free_kib / 1024))"
    if [[ $free_inodes =~ ^[0-9]+$ ]]; then
        ((free_inodes >= need_inodes)) || bench_fail "need $need_inodes free inodes in $bench_work, have $free_inodes"
    fi
}

# Writes $2 bytes of random data to $1 and reads it once, so that it sits in the page cache.
bench_make_input() {
    local path=$1 size=$2
    head -c "$size" /dev/urandom >"$path" || bench_fail "cannot write $path"
    cat "$path" >/dev/null
}

# Clears the way for the next timed run: nothing left dirty from the previous one is
# written back while it runs.
bench_settle() {
    sync
}

# Times one command: bench_time DIR [--stdout FILE] COMMAND... Runs it in DIR and sets
# bench_seconds and bench_rss_kib. Its standard error lands in $bench_work/last-stderr.txt.
bench_time() {
    local dir=$1
    shift
    local stdout_args=()
    if [[ $1 == --stdout ]]; then
        stdout_args=(--stdout "$2")
        shift 2
    else
        stdout_args=(--stdout "$bench_work/last-stdout.txt")
    fi
    local report
    if ! report=$("$bench_measure" "${stdout_args[@]}" "$dir" "$@" 2>"$bench_work/last-stderr.txt"); then
        cat "$bench_work/last-stderr.txt" >&2
        bench_fail "failed in $dir: $* ($report)"
    fi
    bench_seconds=$(sed -n 's/.*seconds=\([0-9.]*\).*/\1/p' <<<"$report")
    bench_rss_kib=$(sed -n 's/.*maxrss_kib=\([0-9]*\).*/\1/p' <<<"$report")
}

# Median of the numbers given as arguments.
bench_median() {
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Largest of the numbers given as arguments.
bench_max() {
    printf '%s\n' "$@" | sort -g | tail -1
}

# ours / theirs with three decimals.
bench_ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'
}

# "yes" when ratio $1 is at most target $2, otherwise "NO".
bench_meets() {
    awk -v r="$1" -v t="$2" 'BEGIN { print (r <= t ? "yes" : "NO") }'
}

# Confirms that file $1 holds the same bytes as file $2.
bench_same_bytes() {
    cmp -s "$1" "$2" || bench_fail "$1 differs from $2"
}
