#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) over the sources of src/ on every core, from the compile
# commands of a build: scripts/tidy.sh [BUILD_DIR] (default: build). Fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ ! -f "$build/compile_commands.json" ]; then
  echo "tidy: no $build/compile_commands.json; build first (scripts/build.sh $build)" >&2
  exit 1
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
run-clang-tidy -p "$build" -j "$(nproc)" -quiet "^$PWD/src/" >"$log" 2>&1 || status=1
# Leave out the per-file command lines and the counts of what was suppressed in Qt's headers.
grep -v -E '^clang-tidy(-[0-9]+)? |^[0-9]+ warnings?( and [0-9]+ errors?)? generated\.$' "$log" || true
if [ $status -ne 0 ] || grep -q -E ': (warning|error): ' "$log"; then
  echo "tidy: clang-tidy found the faults above" >&2
  exit 1
fi
