#!/bin/sh
# Start-up and idle cost of the main menu, measured on the real program with the game's
# package through the headless harness: a first run stores a profile, the second reports the
# time from the process start to the first frame of the main menu and to the menu taking
# clicks, and the CPU share of the idle menu. Run from a release build:
#
#   bench/game/menu_start.sh build [runs]
set -e
build=$(cd "${1:-build}" && pwd)
runs=${2:-3}
here=$(cd "$(dirname "$0")" && pwd)
harness="$build/tests/harness/kipto2_harness"
home=$(mktemp -d /tmp/kipto2-bench-XXXXXX)
trap 'rm -rf "$home"' EXIT
"$harness" --script "$here/menu_start_prepare.script" --data "$build" --out "$home" --home "$home" 2>/dev/null
i=0
while [ "$i" -lt "$runs" ]; do
    "$harness" --script "$here/menu_start.script" --data "$build" --out "$home" --home "$home" 2>&1 | grep "harness: [a-zC]"
    i=$((i + 1))
done
