#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it from its run-time folder.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

if [ -x build/run/stend ]; then
    cd build/run
    exec ./stend
fi
echo "Built the graphics layer, the window framework, their tests, benchmarks and tools in build/."
echo "The program itself does not exist yet; once it does, this script starts build/run/stend"
echo "with build/run/ as its working directory."
