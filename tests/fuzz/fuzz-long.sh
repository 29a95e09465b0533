#!/usr/bin/env bash
# Runs every fuzzer for a million executions (or RUNS) from its committed
# corpus, one after the other, niced, and prints each one's figures.
# Usage: tests/fuzz/fuzz-long.sh [BUILD_DIR] [RUNS]    (default build-test, 1000000)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build-test}" && pwd)
runs=${2:-1000000}
failed=0
seeds=$build/bin/fuzz_seed_writer
[[ -x "$seeds" ]] || seeds=$build/tests/fuzz/fuzz_seed_writer
for entry in fuzz_bitmap:4096:bitmap fuzz_registry_text:16384:registry \
             fuzz_registry_store:16384:- fuzz_script:4096:- fuzz_device_path:1024:- \
             fuzz_score_list:1024:- fuzz_environment:1024:- fuzz_instance_record:64:-; do
    IFS=: read -r name max_len kind <<<"$entry"
    start=$(date +%s)
    echo "== $name"
    nice -n 10 "$here/run-fuzzer.sh" "$build/tests/fuzz/$name" "$here/corpus/${name#fuzz_}" \
        "$build/tests/fuzz/$name.long" -runs="$runs" "$max_len" \
        "$seeds" "$kind" || failed=1
    echo "   $(( $(date +%s) - start )) s"
done
exit $failed
