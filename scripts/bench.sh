#!/bin/sh
# Builds the benchmark and runs it; extra arguments go to Google Benchmark.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target edomer_bench
QT_QPA_PLATFORM=offscreen build/bench/edomer_bench "$@"
