#!/usr/bin/env bash
# The main job without a window: read a simulated radio with kvtool and
# print its report.
set -euo pipefail
bin=${1:-build/bin}
work=$(mktemp -d)
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; rm -rf "$work"' EXIT

"$bin/kvradio-sim" --link "$work/radio" --synced --variant KV170 >/dev/null &
sim=$!
for _ in $(seq 50); do [ -e "$work/radio" ] && break; sleep 0.1; done

"$bin/kvtool" read --port "$work/radio" --variant KV170 -o "$work/radio.dat"
"$bin/kvtool" report "$work/radio.dat"
