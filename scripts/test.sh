#!/usr/bin/env bash
# Installs what is needed, builds every target and runs every test:
# native unit tests, the same under ASan+UBSan, the fuzzers for a bounded time,
# and the Windows unit and end-to-end tests under Wine (64-bit) and Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
step() { printf '\n==== %s\n' "$*"; }

step "formatting"
bash scripts/check-format.sh

for preset in native native-asan win64 win32 fuzz; do
  step "build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done

step "native unit tests"
ctest --preset native -j "$jobs"

step "native unit tests under ASan+UBSan"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --preset native-asan -j "$jobs"

step "fuzzers"
bash scripts/fuzz.sh 30

step "release packages and installer tests under Wine"
xvfb-run -a -s "-screen 0 1024x768x24" bash tests/installer/run.sh

step "Windows tests under Wine"
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset win64
