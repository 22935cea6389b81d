#!/usr/bin/env bash
# Bootstraps, builds with sanitizers and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
build=${LATTISOR_TEST_BUILD:-build-test}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLATTISOR_SANITIZE=ON -DLATTISOR_BENCH=OFF
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
