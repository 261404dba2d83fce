#!/usr/bin/env bash
# Runs quorvanteline-cli on real files and checks its output, exit status and the files
# it leaves. Usage: cli_test.sh PATH_TO_CLI
set -u
cli=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

passed=0
failed=0

fail() {
    echo "FAIL: $*"
    failed=$((failed + 1))
}

# expect NAME STATUS STDOUT STDERR -- ARGS...: runs the tool in the current directory.
# STDOUT and STDERR are texts that must appear in the streams ("" = must be empty).
expect() {
    local name=$1 status=$2 out=$3 err=$4
    shift 5
    "$cli" "$@" >"$work/.out" 2>"$work/.err" </dev/null
    local got=$?
    local ok=1
    [ "$got" -eq "$status" ] || { fail "$name: exit $got, expected $status"; ok=0; }
    if [ -z "$out" ]; then
        [ ! -s "$work/.out" ] || { fail "$name: unexpected stdout: $(cat "$work/.out")"; ok=0; }
    else
        grep -qF -- "$out" "$work/.out" || { fail "$name: stdout lacks '$out': $(cat "$work/.out")"; ok=0; }
    fi
    if [ -z "$err" ]; then
        [ ! -s "$work/.err" ] || { fail "$name: unexpected stderr: $(cat "$work/.err")"; ok=0; }
    else
        grep -qF -- "$err" "$work/.err" || { fail "$name: stderr lacks '$err': $(cat "$work/.err")"; ok=0; }
    fi
    [ "$ok" -eq 1 ] && passed=$((passed + 1))
}

# same NAME FILE BYTES: the file holds exactly these bytes (printf format).
same() {
    if cmp -s "$2" <(printf "$3"); then passed=$((passed + 1)); else fail "$1: $2 differs"; fi
}

ok="The operation was successful."

# The worked example: ten bytes in three parts of 4, 4 and 2 bytes and a 28-byte info file.
mkdir docs && printf 0123456789 >docs/report.txt
expect "split by count" 0 "$ok" "" -- split docs/report.txt --parts 3
same "part 1" docs/report_part1.qv 0123
same "part 2" docs/report_part2.qv 4567
same "part 3" docs/report_part3.qv 89
# "Quorvanteline v 1.0.3.txt.10" with the high bit of every byte toggled.
same "info record" docs/report_part0.qvo \
    '\xd1\xf5\xef\xf2\xf6\xe1\xee\xf4\xe5\xec\xe9\xee\xe5\xa0\xf6\xa0\xb1\xae\xb0\xae\xb3\xae\xf4\xf8\xf4\xae\xb1\xb0'
[ "$(stat -c %s docs/report_part0.qvo)" -eq 28 ] && passed=$((passed + 1)) || fail "info file size"

expect "verify a whole set" 0 "The part set is whole: 3 parts, 10 bytes." "" -- verify docs/report_part3.qv
expect "merge from a part" 0 "$ok" "" -- merge docs/report_part2.qv
same "merged file" docs/report_merged.txt 0123456789
expect "merge from the info file, absolute path" 0 "$ok" "" -- merge "$work/docs/report_part0.qvo"
same "merged again" docs/report_merged.txt 0123456789

# Four parts of ten bytes: parts of 3, 3, 3 and 1 bytes.
mkdir data && printf 0123456789 >data/song.mp3
expect "four parts of ten bytes" 0 "$ok" "" -- split data/song.mp3 --parts 4
same "song part 1" data/song_part1.qv 012
same "song part 3" data/song_part3.qv 678
same "song part 4" data/song_part4.qv 9
same "song info record" data/song_part0.qvo \
    '\xd1\xf5\xef\xf2\xf6\xe1\xee\xf4\xe5\xec\xe9\xee\xe5\xa0\xf6\xa0\xb1\xae\xb0\xae\xb4\xae\xed\xf0\xb3\xae\xb1\xb0'

# By size: parts of one kilobyte.
head -c 2500 /dev/urandom >docs/data.bin
expect "split by size" 0 "$ok" "" -- split docs/data.bin --size 1
[ "$(stat -c %s docs/data_part1.qv docs/data_part2.qv docs/data_part3.qv | tr '\n' ' ')" = "1024 1024 452 " ] &&
    passed=$((passed + 1)) || fail "sizes of the kilobyte parts"
expect "merge of the kilobyte parts" 0 "$ok" "" -- merge docs/data_part3.qv
cmp -s docs/data.bin docs/data_merged.bin && passed=$((passed + 1)) || fail "kilobyte parts merge back"

# A file name without an extension, in a directory with a dot in its name.
mkdir my.dir && printf abcdef >my.dir/notes
(cd my.dir && expect "split a relative name" 0 "$ok" "" -- split notes --parts 2)
same "part beside the input" my.dir/notes_part1.qv abc
expect "merge without extension" 0 "$ok" "" -- merge my.dir/notes_part2.qv
same "merged without extension" my.dir/notes_merged abcdef

# The value rules, in their order, before the file is looked at.
while IFS='|' read -r value message; do
    expect "value '$value'" 20 "" "$message" -- split absent.txt --parts "$value"
done <<'TABLE'
12345678901|You can at most write 10 characters
|Please Write Something in the textbox provided
 7|Please write positive integers only
-3|Please write positive integers only
1.5|Please write positive integers only
1e3|Please write positive integers only
0000000000|Not an acceptable value
TABLE
expect "a file that cannot be opened" 20 "" "absent.txt: Input File cannot be opened" -- split absent.txt --parts 2

# The limits, in their order.
: >empty.bin
printf x >one.bin
truncate -s 314572801 over.bin
truncate -s 314572800 limit.bin
printf 0123456789 >ten.bin
while IFS='|' read -r file option value message; do
    expect "limit $file $option $value" 20 "" "$message" -- split "$file" "$option" "$value"
done <<'TABLE'
over.bin|--parts|2|Maximum file size limit is 300 MB in this version; can't continue
empty.bin|--parts|1|Size of the selected file is too small ; can't continue.
one.bin|--size|1|Size of the selected file is too small ; can't continue.
ten.bin|--parts|11|Selected value for Number of Parts is too large; can't continue.
limit.bin|--parts|9999999999|Selected value for Number of Parts is too large; can't continue.
ten.bin|--size|1|The Partsize was greater than the file size; can't continue.
limit.bin|--size|4194304|The Partsize was greater than the file size; can't continue.
TABLE
expect "as many parts as bytes" 0 "$ok" "" -- split ten.bin --parts 10
cp ten.bin six.bin
expect "six parts of ten bytes give five" 0 "$ok" "" -- split six.bin --parts 6
[ -e six_part5.qv ] && [ ! -e six_part6.qv ] && passed=$((passed + 1)) || fail "six parts of ten bytes"
[ ! -e empty_part1.qv ] && [ ! -e over_part1.qv ] && passed=$((passed + 1)) || fail "a refused split wrote parts"

# Failed jobs exit with their code minus 200 and say why on standard error.
rm docs/report_part2.qv
expect "verify a broken set" 20 "" "Part 2 is missing." -- verify docs/report_part1.qv
expect "merge with a part missing" 7 "" "One or more input files couldn't be found." -- merge docs/report_part1.qv
same "the parts that are there" docs/report_merged.txt 012389
expect "not a part file" 5 "" "The file selected is not valid for merging" -- merge docs/report.txt
expect "no underscore" 6 "" "The name of the file selected is not valid for merging." -- merge docs/report.qv
printf garbage >docs/bad_part0.qvo
expect "invalid info file" 8 "" "part0.qvo does not contain valid information; operation failed." -- merge docs/bad_part1.qv
expect "no info file" 4 "" "could not be found. operation failed." -- merge docs/none_part1.qv
printf 4567 >docs/report_part2.qv && printf 8 >docs/report_part3.qv
expect "merged file too short" 11 "" "does not have the size of the original file" -- merge docs/report_part1.qv
expect "verify parts that add up wrong" 20 "" "The parts hold 9 bytes; the original file had 10." -- verify docs/report_part1.qv

# A path that does not fit the path buffer.
long=$(printf 'd%.0s' $(seq 1 250))
mkdir "$long" && printf 0123456789 >"$long/report.txt"
expect "too long a path" 20 "" "at most 259 fit" -- split "$long/report.txt" --parts 2
[ ! -e "$long/report_part1.qv" ] && passed=$((passed + 1)) || fail "a too long path was split"

# Usage.
expect "help" 0 "Exit status:" "" -- --help
expect "no arguments" 64 "" "Usage:" --
expect "unknown command" 64 "" "unknown command" -- cut docs/report.txt
expect "split without a value" 64 "" "Usage:" -- split docs/report.txt --parts
expect "split with another option" 64 "" "Usage:" -- split docs/report.txt --pieces 3
expect "merge with extra words" 64 "" "Usage:" -- merge a b

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
