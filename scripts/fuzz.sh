#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehavior-
# Sanitizer) and runs each in turn, one job at a time. Usage:
#   scripts/fuzz.sh [SECONDS]        each target for SECONDS (default 30)
#   FUZZ_RUNS=1000000 scripts/fuzz.sh   each target for that many inputs
# FUZZ_TARGETS="lszd purlin" picks targets. The corpora grow in a work
# folder (on /dev/shm when there is one), seeded from fuzz/corpus; the repo's
# seeds are not changed. Findings are written to build/fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
build_dir=build/fuzz
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCHKRSL_SANITIZE=fuzzer-no-link,address,undefined \
  -DCHKRSL_BUILD_FUZZ=ON -DCHKRSL_BUILD_TESTS=OFF -DCHKRSL_BUILD_TOOLS=OFF >/dev/null
cmake --build "$build_dir" -j2

work_root=$([ -d /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")
work=$(mktemp -d "$work_root/chkrsl-fuzz-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$build_dir/findings"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
targets=${FUZZ_TARGETS:-"element_files walls_edges eff_area lszd purlin record_round_trip"}
failed=""
for t in $targets; do
  mkdir -p "$work/$t"
  cp fuzz/corpus/"$t"/* "$work/$t/"
  if [ -n "${FUZZ_RUNS:-}" ]; then limit=(-runs="$FUZZ_RUNS"); else limit=(-max_total_time="$seconds"); fi
  echo "== fuzz_$t"
  # Inputs that once broke an oracle run first, each once.
  regressions=(fuzz/regressions/"$t"-*)
  if [ -e "${regressions[0]}" ]; then
    "$build_dir/fuzz/fuzz_$t" "${regressions[@]}" || failed="$failed $t(regressions)"
  fi
  (cd "$work" && nice -n 19 "$OLDPWD/$build_dir/fuzz/fuzz_$t" "$t" "${limit[@]}" \
    -dict="$OLDPWD/fuzz/chkrsl.dict" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$OLDPWD/$build_dir/findings/$t-" -print_final_stats=1) || failed="$failed $t"
done
if [ -n "$failed" ]; then
  echo "fuzz findings in:$failed (inputs in $build_dir/findings)"
  exit 1
fi
