#!/bin/sh
# Builds the fuzz variant (clang, ASan + UBSan, in build-fuzz/) and runs every fuzz target for
# MINUTES minutes, one target after another, each in one process (no -jobs or -workers: the
# machine is shared). Every target starts from its seeds in the tree (fuzz/<area>/corpus/<name>/
# for <name>_fuzz) and from what earlier runs found.
#
#   scripts/fuzz-campaign.sh MINUTES [WORK]
#
# WORK (default ~/.cache/kipto2-fuzz) is outside the tree and keeps, per target, the growing
# corpus (corpus/<target>/), the log (logs/<target>.log) and the coverage of its functions after
# the run (coverage/<target>.txt); every crash input lands in crashes/, named after its target.
# summary.txt lists executions, coverage and crashes per target. The exit status is 1 when a
# target found a crash.
set -eu

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: $0 MINUTES [WORK]" >&2
  exit 2
fi
minutes=$1
root=$(cd "$(dirname "$0")/.." && pwd)
work=${2:-${XDG_CACHE_HOME:-$HOME/.cache}/kipto2-fuzz}
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
summary=$work/summary.txt
printf '%-24s %12s %9s %9s %8s\n' target executions edges functions crashes >"$summary"
found=0
for fuzzer in $(find "$build/fuzz" -name '*_fuzz' -type f -perm -u+x | sort); do
  name=$(basename "$fuzzer")
  area=$(basename "$(dirname "$fuzzer")")
  seeds=$root/fuzz/$area/corpus/${name%_fuzz}
  corpus=$work/corpus/$name
  log=$work/logs/$name.log
  mkdir -p "$corpus"
  [ -d "$seeds" ] || seeds=""
  echo "== $name: $minutes min"
  before=$(ls "$work/crashes" | wc -l)
  # shellcheck disable=SC2086 # no seeds folder: nothing passed
  "$fuzzer" -max_total_time=$((minutes * 60)) -timeout=20 -print_final_stats=1 \
    -artifact_prefix="$work/crashes/$name-" "$corpus" $seeds >"$log" 2>&1 || true
  crashes=$(($(ls "$work/crashes" | wc -l) - before))
  [ "$crashes" -eq 0 ] || found=1
  # One pass over the corpus alone: which functions it reaches, and how many of their edges.
  "$fuzzer" -runs=0 -print_coverage=1 "$corpus" >"$work/coverage/$name.txt" 2>&1 || true
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  edges=$(sed -n 's/.*INITED cov: \([0-9]*\).*/\1/p' "$work/coverage/$name.txt" | tail -n 1)
  functions=$(grep -c '^COVERED_FUNC' "$work/coverage/$name.txt" || true)
  printf '%-24s %12s %9s %9s %8s\n' "$name" "${executions:-?}" "${edges:-?}" "$functions" "$crashes" >>"$summary"
done
cat "$summary"
[ "$found" -eq 0 ] || echo "crash inputs are in $work/crashes" >&2
exit "$found"
