#!/bin/sh
# The long soak: builds the harness in build/ and plays the soak flow (53 rounds on the fast
# clock after a warm-up), which fails when the resident memory grew by 5 MB or more.
#
#   scripts/soak.sh
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${TMPDIR:-/tmp}/kipto2-soak-$$
cmake --build "$root/build" --target kipto2_harness content >/dev/null
"$root/build/tests/harness/kipto2_harness" --fast --script "$root/tests/harness/flows/soak.script" \
  --data "$root/build" --out "$out"
rm -rf "$out"
