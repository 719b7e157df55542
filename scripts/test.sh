#!/usr/bin/env bash
# Every test: native unit tests, the sanitizer build, the Windows cross build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)

echo "== native build and tests"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure -j "$jobs"

echo "== sanitizer build (ASan + UBSan) and tests"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DZANDREL_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

echo "== Windows build (mingw-w64 i686)"
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/windows -j "$jobs"
ctest --test-dir build/windows --output-on-failure

echo "== fuzzing (libFuzzer, bounded)"
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DZANDREL_FUZZ=ON >/dev/null
cmake --build build/fuzz -j "$jobs" --target zandrel_script_fuzzer
mkdir -p build/fuzz/script-corpus
cp tests/scripts/*.zs examples/tour.zs build/fuzz/script-corpus/
build/fuzz/tools/host/fuzz/zandrel_script_fuzzer -max_total_time=20 -max_len=4096 build/fuzz/script-corpus \
    2>build/fuzz/script-fuzz.log || { tail -40 build/fuzz/script-fuzz.log; exit 1; }
tail -1 build/fuzz/script-fuzz.log
