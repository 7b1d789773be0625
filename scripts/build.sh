#!/usr/bin/env bash
# Configures and builds KVAPP (warnings as errors) into build/ or $KV_BUILD_DIR.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KV_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_WERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
