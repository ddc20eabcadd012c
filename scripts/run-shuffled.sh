#!/bin/sh
# Runs the test functions of one QtTest program in a random order, so that a test that passes
# only after (or before) another one shows. Usage: run-shuffled.sh [LAUNCHER...] PROGRAM
# The order is printed first: running PROGRAM with the same function names repeats it.
set -eu
for program; do :; done
functions=$("$program" -functions | sed 's/()$//' | shuf | tr '\n' ' ')
echo "order: $functions"
# shellcheck disable=SC2086 # one word per function name
exec "$@" $functions
