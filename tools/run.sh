#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DSURVEY_BUILD_BENCH=OFF >/dev/null
cmake --build build --target airport-survey
exec ./build/src/ui/airport-survey "$@"
