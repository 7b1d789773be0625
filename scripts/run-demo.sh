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
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No desktop display found (DISPLAY is not set): KVAPP is a desktop program." >&2
  echo "Run this from a desktop session, or e.g.: xvfb-run -a bash scripts/run-demo.sh" >&2
  exit 1
fi
exec "$build/app/kvapp"
