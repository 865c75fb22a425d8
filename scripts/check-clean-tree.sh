#!/usr/bin/env bash
# Runs every example of the tool that README shows, as written, from the
# repository root, and then checks that the working tree is as it was:
# `git status` must be empty. CI runs it last, so that the test suite and
# every other step are held to the same.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCHKRSL_BUILD_TESTS=OFF >/dev/null
cmake --build build/release >/dev/null
# A viewer that opens nothing; a fixed report time.
export CHKRSL_VIEWER=true SOURCE_DATE_EPOCH=1700000000
examples=0
while IFS= read -r line; do
  examples=$((examples + 1))
  bash -c "$line" >/dev/null 2>&1 </dev/null || true
done < <(grep -E '^build/release/tools/chkrsl/chkrsl ' README.md)
left=$(git status --porcelain)
if [ -n "$left" ]; then
  echo "the working tree is not clean after the tests and $examples README examples:" >&2
  printf '%s\n' "$left" >&2
  exit 1
fi
echo "clean tree after the tests and $examples README examples"
