#!/usr/bin/env bash
# ./play with an unknown or missing program prints the usage lines listing the
# programs and exits 2, before installing or building anything. The first
# line is the one other tools read; the second names the browser build.
set -u
root=$1
fail() { echo "FAIL: $*"; exit 1; }

for args in "nonsense" "" "reflection extra" "--web" "--web nonsense" "--web reflection extra"; do
    output=$(cd "$root" && ./play $args 2>&1)
    status=$?
    [[ $status -eq 2 ]] || fail "./play $args exited $status, not 2"
    first=$(printf '%s\n' "$output" | sed -n 1p)
    second=$(printf '%s\n' "$output" | sed -n 2p)
    [[ "$first" == "usage: ./play <velloran|cribbage|pellandine|reflection|gallery>"* ]] ||
        fail "./play $args printed: $output"
    [[ "$second" == "       ./play --web <program>"* ]] || fail "./play $args printed no browser line: $output"
    [[ $(printf '%s\n' "$output" | wc -l) -eq 2 ]] || fail "./play $args printed more than the usage lines"
done
echo "play usage: ok"
