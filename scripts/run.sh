#!/usr/bin/env bash
# Bootstraps, builds and starts the configurator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLATTISOR_TESTS=OFF
cmake --build build --target lattisor
exec build/src/lattisor "$@"
