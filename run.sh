#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it from its run-time folder.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

cd build/run
exec ./stend
