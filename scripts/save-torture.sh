#!/bin/sh
# The long save torture: builds the torture program in build/ and kills a saving program KILLS
# times (1000 by default), checking the settings file after each kill (tests/torture/
# save_torture.cpp). CI runs 40 kills as the test save_torture.kills.
#
#   scripts/save-torture.sh [KILLS] [SEED]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
kills=${1:-1000}
seed=${2:-1}
cmake --build "$root/build" --target save_torture >/dev/null
exec "$root/build/tests/torture/save_torture" "$kills" "$seed"
