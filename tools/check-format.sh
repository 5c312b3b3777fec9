#!/bin/sh
# Fails when a C or C++ file differs from what clang-format makes of it; the generated lunar table is left as
# its generator writes it. With --fix, formats the files instead.
set -e
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h' '*.c' | grep -v '^src/core/app/LunarMonthTable.h$')
if [ "$1" = "--fix" ]; then
    echo "$files" | xargs clang-format -i
    exit 0
fi
echo "$files" | xargs clang-format --dry-run --Werror
