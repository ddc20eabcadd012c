#!/bin/sh
# Runs the fuzzers of a MARVOLT_FUZZ build one after the other, each for the given number of
# seconds on one core: scripts/fuzz.sh BUILD_DIR SECONDS [TARGET...]
# Each corpus grows in BUILD_DIR/corpus/TARGET, seeded with the matching files of examples/,
# tests/fixtures/ and tests/fuzz/corpus/ (the GTFS feeds, which the fixtures keep unzipped); an
# input that breaks a promise is kept in BUILD_DIR/findings/ and ends the run.
set -eu
cd "$(dirname "$0")/.."

build=$1
seconds=$2
shift 2
targets=${*:-"fuzz_stationlist fuzz_sideboard fuzz_backboard fuzz_script fuzz_coord fuzz_adtextlist fuzz_decodefiletext fuzz_gtfsfeed"}

# The route files each target reads; decodeFileText meets the texts of all of them.
seed_pattern() {
    case $1 in
    fuzz_stationlist) echo ost.txt ;;
    fuzz_sideboard) echo sidetab.txt ;;
    fuzz_backboard) echo backtab.txt ;;
    fuzz_script) echo script.txt ;;
    fuzz_coord) echo coord.txt ;;
    fuzz_adtextlist) echo rscript.txt ;;
    fuzz_decodefiletext) echo '*.txt' ;;
    fuzz_gtfsfeed) echo '*.zip' ;;
    *) echo "unknown fuzzer $1" >&2; exit 1 ;;
    esac
}

# Every input is a route folder written, saved and read back: on a memory file system that costs
# no disk syncs.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi

mkdir -p "$build/findings"
for target in $targets; do
    seeds="$build/seeds/$target"
    corpus="$build/corpus/$target"
    rm -rf "$seeds"
    mkdir -p "$seeds" "$corpus"
    find examples tests/fixtures tests/fuzz/corpus -type f -name "$(seed_pattern "$target")" | while read -r file; do
        cp "$file" "$seeds/$(echo "$file" | tr '/ ' '__')"
    done
    echo "== $target: $seconds s"
    "$build/tests/fuzz/$target" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$target-" "$corpus" "$seeds"
done
