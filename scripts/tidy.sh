#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy) over every source of the compile
# database. Usage: scripts/tidy.sh [FILE-REGEX]; exits non-zero on findings.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=build/tidy
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
filter=${1:-'/(src|tools|examples|tests)/'}
out=$(run-clang-tidy -quiet -j 2 -p "$build_dir" "$filter" 2>/dev/null | sed 's/\x1b\[[0-9;]*m//g' | grep -E '(warning|error):' | sort -u || true)
if [ -n "$out" ]; then
  echo "$out"
  echo "clang-tidy: $(echo "$out" | wc -l) findings"
  exit 1
fi
echo "clang-tidy: clean"
