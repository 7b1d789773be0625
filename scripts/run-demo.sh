#!/usr/bin/env bash
# Installs what is missing, builds, creates the demo school once in demo/ and
# starts KVAPP there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build=${KV_BUILD_DIR:-$root/build}
demo=$root/demo
mkdir -p "$demo"
if [ ! -f "$demo/KVMaterias.TPS" ]; then
  "$build/app/kvadmin" --dir "$demo" demo
fi
cd "$demo"
exec "$build/app/kvapp"
