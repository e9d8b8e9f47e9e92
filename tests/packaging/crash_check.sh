#!/bin/sh
# The real program crashes on purpose once its window is up (the hidden --crash-test option):
# a report lands in the settings folder naming the game's screen, and the next start says on
# standard error where it is. Run from an empty folder, so the program finds its package from
# its own place. Usage: crash_check.sh PROGRAM
set -u
program=$(readlink -f "$1")
work=$(mktemp -d /tmp/kipto2-crash-XXXXXX)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; for f in "$work"/*.log; do echo "--- $f"; cat "$f"; done; exit 1; }
export KIPTO2_HOME="$work/home" SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy KIPTO2_SEED=1

"$program" --crash-test=signal >first.log 2>&1
status=$?
[ "$status" -ne 0 ] || fail "the first run ended normally instead of crashing"
report=$(ls "$KIPTO2_HOME"/Kipto2-crash-*.new.txt 2>/dev/null)
[ "$(echo "$report" | wc -w)" -eq 1 ] || fail "expected one new report, found: $report"
grep -q '^cause: signal SIGSEGV' "$report" || fail "the report names no SIGSEGV"
grep -q '^screen: Screen' "$report" || fail "the report names no screen of the game: the window never came up"
grep -q '^Hiding Frame, showing Canvas' "$report" || fail "the report lacks the last debug lines"

"$program" --crash-test=exception >second.log 2>&1
[ $? -ne 0 ] || fail "the second run did not crash"
announced=${report%.new.txt}.txt
grep -q "crash report is $announced\$" second.log || fail "the second start did not announce $announced"
[ -f "$announced" ] || fail "$announced is not there"
grep -q '^cause: uncaught exception: ' "$KIPTO2_HOME"/Kipto2-crash-*.new.txt || fail "the second report names no exception"
echo "crash report: passed"
