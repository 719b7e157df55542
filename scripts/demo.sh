#!/usr/bin/env bash
# Builds the native reference host and prints the transcript of the tour script.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh >/dev/null
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j 2 --target zandrel-host >/dev/null
# Settings files the tour saves land in a scratch folder, not in the source tree.
mkdir -p build/demo
cd build/demo
../native/tools/host/zandrel-host run ../../examples/tour.zs
