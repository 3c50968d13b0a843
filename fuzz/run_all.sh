#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds, starting from the
# seed corpus in fuzz/corpus/<target>. Exits non-zero when a target crashes.
# usage: fuzz/run_all.sh <build dir> <seconds> [extra libFuzzer flags...]
set -uo pipefail
if [ $# -lt 2 ]; then
    echo "usage: $0 <build dir> <seconds> [libFuzzer flags...]" >&2
    exit 2
fi
build=$1
seconds=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for target in store_reader lesson caret_list settings; do
    exe="$build/fuzz/fuzz_$target"
    if [ ! -x "$exe" ]; then
        echo "fuzz: $exe is missing (configure with CC=clang CXX=clang++ -DSPOKEN_FUZZ=ON)" >&2
        status=1
        continue
    fi
    # New inputs go to a scratch corpus; the seeds in the repository stay as they are.
    mkdir -p "$work/$target" "$work/artifacts-$target"
    dict=()
    max_len=4096
    if [ "$target" = store_reader ]; then
        # RTF faults show in short documents; longer inputs only slow the search.
        dict=(-dict="$here/rtf.dict")
        max_len=512
    fi
    log="$work/$target.log"
    "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$max_len" \
        -print_final_stats=1 -artifact_prefix="$work/artifacts-$target/" "${dict[@]}" "$@" \
        "$work/$target" "$here/corpus/$target" >"$log" 2>&1
    rc=$?
    done_line=$(grep -o 'Done [0-9]* runs in [0-9]* second' "$log" || true)
    runs=$(echo "$done_line" | awk '{print $2}')
    took=$(echo "$done_line" | awk '{print $5}')
    if [ $rc -ne 0 ]; then
        echo "fuzz_$target: FAILED (exit $rc)"
        tail -n 60 "$log"
        for crash in "$work/artifacts-$target"/*; do
            [ -f "$crash" ] && cp "$crash" "$build/" && echo "reproducer kept: $build/$(basename "$crash")"
        done
        status=1
    else
        echo "fuzz_$target: ok, ${runs:-?} executions in ${took:-?} s"
    fi
done
exit $status
