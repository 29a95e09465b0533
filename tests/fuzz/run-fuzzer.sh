#!/usr/bin/env bash
# Runs one fuzzer for a bounded time from a seed corpus made afresh, and
# prints how many inputs it ran. Usage: run-fuzzer.sh FUZZER SEEDWRITER KIND WORKDIR SECONDS
set -euo pipefail
fuzzer=$1 seeds=$2 kind=$3 work=$4 seconds=$5
rm -rf "$work"
mkdir -p "$work/corpus" "$work/artifacts"
"$seeds" "$kind" "$work/corpus"
cd "$work"
status=0
"$fuzzer" corpus -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" >fuzz.log 2>&1 || status=$?
grep -E 'stat::number_of_executed_units|ERROR|SUMMARY' fuzz.log || true
if [[ $status -ne 0 ]]; then
    tail -n 40 fuzz.log
    echo "fuzzer failed with status $status; crashing input in $work/artifacts/"
fi
exit $status
