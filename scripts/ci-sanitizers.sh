#!/bin/sh
# The sanitizer job of CI: builds the ASan + UBSan variant (build-asan/) and runs the whole test
# suite on it, then builds the TSan variant (build-tsan/) and runs the game's harness flows of
# profiles, a shop round, the calendar and Blitz with its score service (answering, and stalled)
# on it. Any report of a sanitizer fails its test and the job. The README ("Build variants") says
# how long it takes.
#
#   scripts/ci-sanitizers.sh [asan|tsan]     (both when no part is named)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
part=${1:-all}

launcher=""
if command -v ccache >/dev/null; then
  launcher="-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi

configure() {
  # shellcheck disable=SC2086 # the launcher is two words or none
  cmake -S "$root" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIPTO2_SANITIZE="$2" \
    -DKIPTO2_BENCH=OFF $launcher >/dev/null
}

# The leaks of system libraries that the tests suppress too; every report stops the program.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"

if [ "$part" = all ] || [ "$part" = asan ]; then
  start=$(date +%s)
  configure "$root/build-asan" address
  cmake --build "$root/build-asan"
  # The harness flows run about twice as slowly under ASan: their waits last twice as long.
  KIPTO2_HARNESS_PATIENCE=2 ctest --test-dir "$root/build-asan" -j2 --output-on-failure --timeout 1800
  echo "ci-sanitizers: ASan + UBSan over the suite took $(( $(date +%s) - start )) s"
fi

if [ "$part" = all ] || [ "$part" = tsan ]; then
  start=$(date +%s)
  configure "$root/build-tsan" thread
  cmake --build "$root/build-tsan" --target kipto2_harness content
  # A frame step takes several times as long under TSan: the flows' waits last four times longer.
  KIPTO2_HARNESS_PATIENCE=4 ctest --test-dir "$root/build-tsan" -j2 --output-on-failure --timeout 1800 \
    -R '^harness\.(front_new_player|front_profiles|round_tutorial|round_results|campaign_first_day|blitz_menu|blitz_online|blitz_stalled)$'
  echo "ci-sanitizers: TSan over the harness flows took $(( $(date +%s) - start )) s"
fi
