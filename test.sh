#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test with CTest.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTEND_SANITIZE=ON -DSTEND_BENCH=OFF
cmake --build build-test
ctest --test-dir build-test --output-on-failure -j "$(nproc)" "$@"
