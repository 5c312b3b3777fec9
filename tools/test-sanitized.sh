#!/bin/sh
# Builds every target with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan and runs all tests there.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -G Ninja -DVEMO_SANITIZE=ON -DVEMO_BUILD_BENCH=OFF -DVEMO_WARNINGS_AS_ERRORS=ON
cmake --build build-asan
# Exported, so that the programs the tests start (vemo-cli, vemo) report the same way. Exit code 86, since a
# refusal of vemo-cli is 1: a finding in a child never passes for an expected exit status.
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:exitcode=86:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:exitcode=86
export ASAN_OPTIONS UBSAN_OPTIONS
ctest --test-dir build-asan -j2 --output-on-failure
