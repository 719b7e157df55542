#!/usr/bin/env bash
# Builds the native reference host and prints the transcript of the tour script.
# Needs only the native build's packages (scripts/deps.sh native), none of the
# cross compiler, Wine or clang the full test command installs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh native >/dev/null
echo "building the reference host in build/native ..." >&2
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j "$(nproc)" --target zandrel-host >/dev/null
# Settings files the tour saves land in a scratch folder, not in the source tree.
mkdir -p build/demo
cd build/demo
../native/tools/host/zandrel-host run ../../examples/tour.zs
