#!/usr/bin/env bash
# ./play with an unknown or missing program prints the usage line listing the
# programs and exits 2, before installing or building anything.
set -u
root=$1
fail() { echo "FAIL: $*"; exit 1; }

for args in "nonsense" "" "reflection extra"; do
    output=$(cd "$root" && ./play $args 2>&1)
    status=$?
    [[ $status -eq 2 ]] || fail "./play $args exited $status, not 2"
    [[ "$output" == "usage: ./play <velloran|cribbage|pellandine|reflection|gallery>"* ]] ||
        fail "./play $args printed: $output"
    [[ $(printf '%s\n' "$output" | wc -l) -eq 1 ]] || fail "./play $args printed more than the usage line"
done
echo "play usage: ok"
