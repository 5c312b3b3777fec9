#!/bin/sh
# Runs clang-tidy with the checks in .clang-tidy over every source file of src/, as the build folder given
# compiles it; any finding fails.
set -e
build=$(cd "$1" && pwd)
cd "$(dirname "$0")/.."
runner=$(command -v run-clang-tidy || command -v run-clang-tidy-14 || true)
if [ -z "$runner" ]; then
    echo "run-clang-tidy was not found: install clang-tidy (tools/setup-debian.sh does)" >&2
    exit 1
fi
if [ ! -f "$build/compile_commands.json" ]; then
    echo "$build/compile_commands.json is missing: configure the build with CMake again" >&2
    exit 1
fi
"$runner" -p "$build" -j "$(nproc)" -quiet "$PWD/src/.*\.cpp\$" >"$build/clang-tidy.log" 2>&1 || {
    grep -E '(warning|error):' "$build/clang-tidy.log" | sed 's/\x1b\[[0-9;]*m//g' >&2
    exit 1
}
