#!/bin/sh
# The long soak: builds the harness in build/ and plays the soak flow, rounds one after another
# for 30 minutes of game time on the fast clock after a warm-up. It fails when a round leaves
# sprites, pictures or sounds behind, when the resident memory grew by 5 MB or more, or when a
# frame step ran more than a frame late.
#
#   scripts/soak.sh
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${TMPDIR:-/tmp}/kipto2-soak-$$
cmake --build "$root/build" --target kipto2_harness content >/dev/null
"$root/build/tests/harness/kipto2_harness" --fast --script "$root/tests/harness/flows/soak.script" \
  --data "$root/build" --out "$out"
rm -rf "$out"
