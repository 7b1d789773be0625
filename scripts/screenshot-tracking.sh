#!/usr/bin/env bash
# Renders the tracking window with the demo school to PNG files (offscreen),
# for a person to look at: both tabs, as the first demo teacher sees them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KV_BUILD_DIR:-$root/build}
out=${1:-$build/screenshots}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/app/kvadmin" --dir "$work" demo >/dev/null
"$build/app/kvsnapshot" "$work" 20345678 "$out/tracking"
echo "written: $out/tracking-progreso.png $out/tracking-contenidos.png"
