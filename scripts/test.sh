#!/usr/bin/env bash
# Builds everything and runs every test. Environment:
#   CXX              compiler (default g++)
#   CHKRSL_SANITIZE  sanitizers to build with, e.g. address,undefined
#   BUILD_DIR        build folder (default build/test)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build_dir=${BUILD_DIR:-build/test}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER="${CXX:-g++}" \
  -DCHKRSL_SANITIZE="${CHKRSL_SANITIZE:-}" \
  -DCHKRSL_BUILD_BENCH=ON >/dev/null
cmake --build "$build_dir"
ctest --test-dir "$build_dir" --output-on-failure -j 2
