#!/usr/bin/env bash
# Runs one fuzzer from its committed corpus and prints how many inputs it
# ran. The committed corpus is only read; new inputs go to WORKDIR/corpus.
# Usage: run-fuzzer.sh FUZZER CORPUS WORKDIR LIMIT MAX_LEN [SEEDWRITER KIND]
#   LIMIT is a libFuzzer option: -max_total_time=SECONDS or -runs=COUNT
#   SEEDWRITER KIND adds generated seeds (binary ones not kept in the tree);
#   KIND "-" adds none.
set -euo pipefail
fuzzer=$1 corpus=$2 work=$3 limit=$4 max_len=$5
seeds=${6:-} kind=${7:--}
rm -rf "$work"
mkdir -p "$work/corpus" "$work/artifacts"
if [[ -n "$seeds" && "$kind" != "-" ]]; then "$seeds" "$kind" "$work/corpus"; fi
dirs=("$work/corpus")
[[ -d "$corpus" ]] && dirs+=("$corpus")
cd "$work"
status=0
"$fuzzer" "${dirs[@]}" "$limit" -max_len="$max_len" -timeout=10 -rss_limit_mb=1024 \
    -print_final_stats=1 -artifact_prefix="$work/artifacts/" >fuzz.log 2>&1 || status=$?
grep -E 'stat::number_of_executed_units|stat::peak_rss_mb|ERROR|SUMMARY|Timeout|Slowest' fuzz.log || true
if [[ $status -ne 0 ]]; then
    tail -n 40 fuzz.log
    echo "fuzzer failed with status $status; the input is in $work/artifacts/"
fi
exit $status
