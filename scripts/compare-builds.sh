#!/bin/sh
# Resaves every route folder among the test fixtures and the examples with the marvolt-route of
# two build folders (the Qt 5 and the Qt 6 build) and fails when any file they write differs:
# the route formats must be byte-identical whichever Qt the program is built with.
# Usage: compare-builds.sh BUILD_A BUILD_B
set -eu
[ $# -eq 2 ] || { echo "usage: $0 BUILD_A BUILD_B" >&2; exit 2; }
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
find tests/fixtures examples -name ost.txt | sort >"$work/routes"
status=0
count=0
while IFS= read -r list; do
    route=$(dirname "$list")
    # The advertising folder lies beside the route, so the route's parent is copied whole.
    parent=$(dirname "$route")
    for side in a b; do
        [ $side = a ] && build=$1 || build=$2
        mkdir -p "$work/$side/$parent"
        cp -r "$parent/." "$work/$side/$parent"
        QT_QPA_PLATFORM=offscreen "$build/cli/marvolt-route" resave "$work/$side/$route"
    done
    if ! diff -r "$work/a/$parent" "$work/b/$parent" >/dev/null; then
        echo "$route: $1 and $2 write different files" >&2
        status=1
    fi
    count=$((count + 1))
done <"$work/routes"
[ $status -eq 0 ] && echo "$count route folders resave byte-identically with $1 and $2"
exit $status
