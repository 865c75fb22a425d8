#!/usr/bin/env bash
# Checks that another CMake project can use chkrsl both after
# `cmake --install` (find_package) and through add_subdirectory. Its program,
# tests/consumer/main.cpp, is the standalone reader README shows; the two
# must agree.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
work=${BUILD_DIR:-build/consumer}
rm -rf "$work"
cmake -S . -B "$work/lib" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCHKRSL_BUILD_TOOLS=OFF \
  -DCHKRSL_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX="$root/$work/prefix" >/dev/null
cmake --build "$work/lib" >/dev/null
cmake --install "$work/lib" >/dev/null
for mode in installed subdirectory; do
  extra=(-DCMAKE_PREFIX_PATH="$root/$work/prefix")
  [ "$mode" = subdirectory ] && extra=(-DCHKRSL_SOURCE_DIR="$root")
  cmake -S tests/consumer -B "$work/$mode" -G Ninja "${extra[@]}" >/dev/null
  cmake --build "$work/$mode" >/dev/null
  "$work/$mode/consumer" examples/project example 4
done
readme_example=$(sed -n '/^<!-- tests\/consumer\/main.cpp/,/^```$/p' README.md | sed '1,2d;$d')
if ! diff -u tests/consumer/main.cpp <(printf '%s\n' "$readme_example"); then
  echo "README's standalone reader differs from tests/consumer/main.cpp" >&2
  exit 1
fi
