#!/usr/bin/env bash
# Builds the library and the chkrsl tool, then lists the check results of
# the bundled example project. Extra arguments go to the tool instead of
# "list", e.g. scripts/example.sh show 4
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCHKRSL_BUILD_TESTS=OFF >/dev/null
cmake --build build/release
args=("$@")
[ ${#args[@]} -eq 0 ] && args=(list)
build/release/tools/chkrsl/chkrsl -p examples/project/example "${args[@]}"
