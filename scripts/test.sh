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

echo "== settings-file fuzzer (libFuzzer + ASan + UBSan, 20 s)"
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZANDREL_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/fuzz -j "$jobs" --target zandrel_settings_fuzz
mkdir -p build/fuzz/corpus
if ! build/fuzz/zandrel_settings_fuzz -artifact_prefix=build/fuzz/ -max_total_time=20 -max_len=128 -print_final_stats=1 build/fuzz/corpus \
    >build/fuzz/fuzz.log 2>&1; then
    tail -n 60 build/fuzz/fuzz.log
    exit 1
fi
grep -E '^(Done|stat::number_of_executed_units)' build/fuzz/fuzz.log

echo "== host-script parser fuzzer (libFuzzer + ASan + UBSan, 20 s)"
cmake --build build/fuzz -j "$jobs" --target zandrel_script_fuzzer
mkdir -p build/fuzz/script-corpus
cp tests/scripts/*.zs examples/*.zs build/fuzz/script-corpus/
if ! build/fuzz/tools/host/fuzz/zandrel_script_fuzzer -artifact_prefix=build/fuzz/ -max_total_time=20 -max_len=4096 -print_final_stats=1 \
    build/fuzz/script-corpus >build/fuzz/script-fuzz.log 2>&1; then
    tail -n 60 build/fuzz/script-fuzz.log
    exit 1
fi
grep -E '^(Done|stat::number_of_executed_units)' build/fuzz/script-fuzz.log

echo "== extension fuzzer (libFuzzer + ASan + UBSan, 20 s)"
cmake --build build/fuzz -j "$jobs" --target zandrel_extension_fuzz zandrel_extension_seeds
mkdir -p build/fuzz/extension-corpus
build/fuzz/tests/fuzz/zandrel_extension_seeds build/fuzz/extension-corpus
if ! build/fuzz/tests/fuzz/zandrel_extension_fuzz -artifact_prefix=build/fuzz/ -max_total_time=20 -max_len=4096 -print_final_stats=1 \
    build/fuzz/extension-corpus >build/fuzz/extension-fuzz.log 2>&1; then
    # A program can be longer than a tail: the sanitizer's summary, the finding with
    # every operation, then the tail (the crash file and the figures).
    grep -E 'runtime error|ERROR: AddressSanitizer' build/fuzz/extension-fuzz.log | head -n 3 || true
    sed -n '/^extension fuzz finding/,/ERROR: libFuzzer/p' build/fuzz/extension-fuzz.log
    tail -n 12 build/fuzz/extension-fuzz.log
    exit 1
fi
grep -E '^(Done|stat::number_of_executed_units)' build/fuzz/extension-fuzz.log

echo "== Windows build (mingw-w64 i686) and Wine tests"
windows_start=$SECONDS
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
    -DZANDREL_NATIVE_HOST="$PWD/build/native/tools/host/zandrel-host" >/dev/null
cmake --build build/windows -j "$jobs"
cmake --build build/windows --target package
wine_start=$SECONDS
ctest --test-dir build/windows --output-on-failure
echo "== Windows stage: $((SECONDS - windows_start)) s (Wine tests $((SECONDS - wine_start)) s)"
echo "== every test passed in $SECONDS s"
