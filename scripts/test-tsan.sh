#!/usr/bin/env bash
# Builds the test program with clang++ under ThreadSanitizer and runs the
# tests of tests/store (the concurrent readers among them). A report fails
# the run. BUILD_DIR chooses the folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build/ci-tsan}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DCHKRSL_SANITIZE=thread -DCHKRSL_BUILD_TOOLS=OFF >/dev/null
cmake --build "$build_dir" -j2 --target chkrsl_tests
tests=$(sed -n 's/^TEST\(_F\)\?(\([A-Za-z0-9_]*\), *\([A-Za-z0-9_]*\)).*/\2.\3/p' tests/store/*.cpp | paste -sd: -)
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ${TSAN_OPTIONS:-}" \
  "$build_dir/tests/chkrsl_tests" --gtest_filter="$tests"
