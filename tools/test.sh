#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, then builds with warnings as errors and
# runs every test: once normally (the windowed tests on Qt's offscreen
# platform), once under AddressSanitizer and UndefinedBehaviorSanitizer, and
# a short fuzzing run of every file reader.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
jobs=$(nproc)

echo "== build (warnings are errors) and test"
cmake -S . -B build-ci -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSURVEY_WERROR=ON >/dev/null
cmake --build build-ci -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-ci --output-on-failure -j "$jobs"

echo "== the Debian package"
bash tools/check-package.sh build-ci

echo "== sanitizers"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSURVEY_WERROR=ON -DSURVEY_SANITIZE=ON \
  -DSURVEY_BUILD_UI=OFF -DSURVEY_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"

if [ -x tests/fuzz/run-fuzzers.sh ]; then
  echo "== fuzzing"
  bash tests/fuzz/run-fuzzers.sh "${SURVEY_FUZZ_SECONDS:-60}"
fi

echo "== all tests once more, for the record"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-ci -j "$jobs"
