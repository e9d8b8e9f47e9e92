#!/bin/sh
# Builds the fuzz variant (clang, ASan + UBSan, in build-fuzz/) and runs every fuzz target for
# MINUTES minutes, one target after another, each in one process (no -jobs or -workers: the
# machine is shared). Every target starts from its seeds in the tree (fuzz/<area>/corpus/<name>/
# for <name>_fuzz) and from what earlier runs found.
#
#   scripts/fuzz-campaign.sh MINUTES [WORK [TARGET...]]
#
# WORK (default ~/.cache/kipto2-fuzz) is outside the tree and keeps, per target, the growing
# corpus (corpus/<target>/), the log (logs/<target>.log) and the coverage of its functions after
# the run (coverage/<target>.txt); every crash input lands in crashes/, named after its target.
# summary.txt lists executions, coverage and crashes per target. The exit status is 1 when a
# target found a crash. Naming TARGETs (e.g. score_answer_fuzz) runs only those.
set -eu

if [ $# -lt 1 ]; then
  echo "usage: $0 MINUTES [WORK [TARGET...]]" >&2
  exit 2
fi
minutes=$1
shift
root=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-${XDG_CACHE_HOME:-$HOME/.cache}/kipto2-fuzz}
[ $# -eq 0 ] || shift
only=" $* "
build=$root/build-fuzz

launcher=""
if command -v ccache >/dev/null; then
  launcher="-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi
# shellcheck disable=SC2086 # the launcher is two words or none
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DKIPTO2_FUZZ=ON -DKIPTO2_SANITIZE=address \
  -DKIPTO2_TESTS=OFF -DKIPTO2_BENCH=OFF $launcher >/dev/null
cmake --build "$build" --target fuzzers

mkdir -p "$work/crashes" "$work/logs" "$work/coverage"
# The leaks of system libraries that the tests suppress too (fontconfig keeps its configuration).
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
summary=$work/summary.txt
printf '%-24s %12s %9s %9s %8s\n' target executions edges functions crashes >"$summary"
found=0
for fuzzer in $(find "$build/fuzz" -name '*_fuzz' -type f -perm -u+x | sort); do
  name=$(basename "$fuzzer")
  if [ "$only" != "  " ] && [ "${only#* "$name" }" = "$only" ]; then
    continue
  fi
  area=$(basename "$(dirname "$fuzzer")")
  seeds=$root/fuzz/$area/corpus/${name%_fuzz}
  corpus=$work/corpus/$name
  log=$work/logs/$name.log
  mkdir -p "$corpus"
  [ -d "$seeds" ] || seeds=""
  echo "== $name: $minutes min"
  touch "$work/logs/$name.start"
  # An input counts as a hang after 60 s: on a shared machine under nice a fast input can wait
  # tens of seconds for a core (every input here takes milliseconds on an idle one).
  # shellcheck disable=SC2086 # no seeds folder: nothing passed
  "$fuzzer" -max_total_time=$((minutes * 60)) -timeout=60 \
    -artifact_prefix="$work/crashes/$name-" "$corpus" $seeds >"$log" 2>&1 || true
  crashes=$(find "$work/crashes" -name "$name-*" -newer "$work/logs/$name.start" | wc -l)
  [ "$crashes" -eq 0 ] || found=1
  # One pass over the corpus and the seeds: which functions they reach, and how many edges.
  # shellcheck disable=SC2086
  "$fuzzer" -runs=0 -print_coverage=1 -artifact_prefix="$work/coverage/$name-" "$corpus" $seeds \
    >"$work/coverage/$name.txt" 2>&1 || true
  # The last status line counts the inputs run, also when a crash ended the run early.
  executions=$(sed -n 's/^#\([0-9][0-9]*\).*/\1/p' "$log" | tail -n 1)
  edges=$(sed -n 's/.*INITED cov: \([0-9]*\).*/\1/p' "$work/coverage/$name.txt" | tail -n 1)
  functions=$(grep -c '^COVERED_FUNC' "$work/coverage/$name.txt" || true)
  printf '%-24s %12s %9s %9s %8s\n' "$name" "${executions:-?}" "${edges:-?}" "$functions" "$crashes" >>"$summary"
done
cat "$summary"
[ "$found" -eq 0 ] || echo "crash inputs are in $work/crashes" >&2
exit "$found"
