#!/usr/bin/env bash
# Installs what is needed, builds every target and runs every test: native unit tests,
# the same under ASan+UBSan, the fuzzers for a bounded time, the release packages and
# their installer under Wine, and the Windows unit and end-to-end tests of both widths,
# the 64-bit program under Wine, the 32-bit one under the 32-bit Wine (qemu).
set -euo pipefail
cd "$(dirname "$0")/.."

times=()
step() {  # step NAME COMMAND...: runs one step and notes how long it took
  local name="$1" started=$SECONDS
  shift
  printf '\n==== %s\n' "$name"
  "$@"
  times+=("$(printf '%5d s  %s' $((SECONDS - started)) "$name")")
}
# The times so far, also when a step fails.
trap 'printf "\n==== times\n"; printf "%s\n" "${times[@]}"; printf "%5d s  all\n" "$SECONDS"' EXIT
jobs=$(nproc)
build() { cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j "$jobs"; }

step "install dependencies" bash scripts/install-deps.sh
step "formatting" bash scripts/check-format.sh
for preset in native native-asan win64 win32 fuzz; do
  step "build $preset" build "$preset"
done
step "native unit tests" ctest --preset native -j "$jobs"
step "native unit tests under ASan+UBSan" env ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --preset native-asan -j "$jobs"
step "fuzzers" bash scripts/fuzz.sh 30
step "release packages and installer tests under Wine" bash tests/installer/run.sh
# The presets make a display of their own for each test when there is none; one for all
# keeps Wine's desktop process, which outlives a test, on a display that stays.
xvfb() { xvfb-run -a -s "-screen 0 1024x768x24" "$@"; }
step "Windows tests, 64-bit" xvfb ctest --preset win64
step "Windows tests, 32-bit (emulated)" xvfb ctest --preset win32

