#!/usr/bin/env bash
# Start-up time of kvapp, from process start to the login window shown,
# on the demo school: the median of several runs, in milliseconds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KV_BUILD_DIR:-$root/build}
runs=${1:-11}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/app/kvadmin" --dir "$work" demo >/dev/null
cd "$work"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} KVAPP_STARTUP_PROBE=1
times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$build/app/kvapp"
  end=$(date +%s%N)
  times+=($(((end - start) / 1000000)))
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(echo "$sorted" | sed -n "$(((runs + 1) / 2))p")
echo "start-up to login window: median ${median} ms over ${runs} runs (all: $(echo $sorted | tr '\n' ' '))"
