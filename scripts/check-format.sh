#!/usr/bin/env bash
# Fails when a C++ file is not in the house format (.clang-format) and shows where.
# `clang-format -i FILE` puts a file right.
set -euo pipefail
cd "$(dirname "$0")/.."
dirs=()
for d in src tests benchmarks packaging; do
  [ -d "$d" ] && dirs+=("$d")
done
if ! find "${dirs[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 \
    | xargs -0 -n 20 -P"$(nproc)" clang-format --dry-run --Werror; then
  echo "check-format: files above are not formatted; run clang-format -i on them" >&2
  exit 1
fi
