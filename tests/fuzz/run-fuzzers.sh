#!/usr/bin/env bash
# Builds the fuzz harnesses with clang in a build directory of their own and runs
# each for SECONDS (default 60), starting from the committed seed corpus.
# New inputs go to a scratch corpus; crashes are left as files in the build directory.
# The seed is fixed, so a run that finds a problem can be repeated.
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${SURVEY_FUZZ_BUILD:-$root/build-fuzz}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DSURVEY_FUZZ=ON -DSURVEY_BUILD_UI=OFF -DSURVEY_BUILD_BENCH=OFF \
  >/dev/null
cmake --build "$build" --target fuzz_uddf_import fuzz_uddf_check fuzz_store_load fuzz_commit_record

status=0
for target in uddf_import uddf_check store_load commit_record; do
  work="$build/fuzz-corpus/$target"
  mkdir -p "$work" "$build/fuzz-artifacts/$target"
  echo "== fuzz_$target for ${seconds}s"
  if ! "$build/tests/fuzz/fuzz_$target" "$work" "$root/tests/fuzz/corpus/$target" \
      -seed=1 -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -artifact_prefix="$build/fuzz-artifacts/$target/" -print_final_stats=1 \
      2>"$build/fuzz_$target.log"; then
    status=1
    echo "fuzz_$target found a problem; see $build/fuzz_$target.log and $build/fuzz-artifacts/$target"
  fi
  grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb|Done [0-9]+ runs" "$build/fuzz_$target.log" || true
done
exit $status
