#!/bin/sh
# Runs a harness script on the OpenGL target (Mesa's software OpenGL on SDL's offscreen
# driver); its compare_targets commands paint each scene through the OpenGL target and through
# the software target and compare them. Exits 77 (skipped) when no OpenGL context can be made.
#
#     compare_targets.sh HARNESS SCRIPT DATA OUT
set -eu
harness=$1 script=$2 data=$3 out=$4
rm -rf "$out"
mkdir -p "$out"
status=0
KIPTO2_RENDERER=gl KIPTO2_DEBUG=1 "$harness" --fast --script "$script" --data "$data" --out "$out" \
    2>"$out/debug.txt" || status=$?
if ! grep -q "^Drawing through OpenGL" "$out/debug.txt"; then
    echo "skipped: no OpenGL context can be made here:"
    grep "^Drawing through" "$out/debug.txt" || tail -n 5 "$out/debug.txt"
    exit 77
fi
grep "^Drawing through\|^compare_targets\|^harness" "$out/debug.txt"
exit $status
