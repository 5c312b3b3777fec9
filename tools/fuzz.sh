#!/bin/sh
# Builds the libFuzzer targets in build-fuzz with clang and runs each for SECONDS (default 60), one after
# the other: sh tools/fuzz.sh [SECONDS] [TARGET...] (all targets by default). Each starts from its seeds
# in fuzz/corpus/<target>, with the tokens of fuzz/<target>.dict; what it finds goes to
# build-fuzz/fuzz-corpus/<target>, crashes to build-fuzz/fuzz-artifacts/<target>. Exits non-zero when
# a target fails.
set -e
cd "$(dirname "$0")/.."

SECONDS_EACH=${1:-60}
[ $# -gt 0 ] && shift
case $SECONDS_EACH in
    '' | *[!0-9]*) echo "usage: sh tools/fuzz.sh [SECONDS] [TARGET...]" >&2; exit 2 ;;
esac
TARGETS=$*
[ -n "$TARGETS" ] || TARGETS=$(for f in fuzz/fuzz_*.cpp; do basename "$f" .cpp; done)

if ! command -v clang++ >/dev/null; then
    echo "clang++ not found; on Debian 12: apt-get install clang libclang-rt-14-dev" >&2
    exit 2
fi

# The machine is shared: lowest priority, and one fuzzer at a time.
nice -n 19 cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DVEMO_BUILD_FUZZ=ON \
    -DVEMO_BUILD_BENCH=OFF >/dev/null
# shellcheck disable=SC2086
nice -n 19 cmake --build build-fuzz --parallel 2 --target $TARGETS

UBSAN_OPTIONS=print_stacktrace=1
export UBSAN_OPTIONS
failed=0
for target in $TARGETS; do
    corpus=build-fuzz/fuzz-corpus/$target
    artifacts=build-fuzz/fuzz-artifacts/$target
    log=build-fuzz/fuzz-logs/$target.log
    seeds=fuzz/corpus/$target
    [ -d "$seeds" ] || seeds=
    dict=
    [ -f "fuzz/$target.dict" ] && dict=-dict=fuzz/$target.dict
    mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
    echo "== $target: ${SECONDS_EACH}s"
    start=$(date +%s)
    status=0
    # New inputs go to the first folder; the seeds are only read.
    # shellcheck disable=SC2086
    nice -n 19 "build-fuzz/bin/$target" "$corpus" $seeds $dict -max_total_time="$SECONDS_EACH" \
        -timeout=10 -print_final_stats=1 -artifact_prefix="$artifacts/" >"$log" 2>&1 || status=$?
    end=$(date +%s)
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    progress=$(grep -E '^#[0-9]+' "$log" | tail -n 1)
    cov=$(echo "$progress" | sed -n 's/.*cov: \([0-9]*\).*/\1/p')
    ft=$(echo "$progress" | sed -n 's/.*ft: \([0-9]*\).*/\1/p')
    corp=$(echo "$progress" | sed -n 's/.*corp: \([^ ]*\).*/\1/p')
    echo "   runs ${runs:-?}  time $((end - start))s  cov ${cov:-?}  ft ${ft:-?}  corpus ${corp:-?}  exit $status"
    found=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log")
    if [ "$status" -ne 0 ] || [ -n "$found" ]; then
        failed=1
        grep -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error)' "$log" | head -n 5 | sed 's/^/   /'
        for file in $found; do echo "   found: $file"; done
        echo "   log: $log"
    fi
done
exit $failed
