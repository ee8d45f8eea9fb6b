#!/bin/sh
# Runs the readme fuzzer for a while. New inputs go to a scratch corpus in the build folder; the
# saved ones in fuzz/corpus are read, never changed. A failing input is left in the build folder.
# Usage: fuzz.sh FUZZ_BUILD_FOLDER SECONDS
set -e
build=$1
seconds=$2
mkdir -p "$build/corpus"
status=0
"$build/fuzz/readme_fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/" "$build/corpus" fuzz/corpus > "$build/fuzz.log" 2>&1 || status=$?
tail -n 12 "$build/fuzz.log"
[ "$status" -eq 0 ] || echo "The fuzzer found a failing input: see $build/fuzz.log"
exit "$status"
