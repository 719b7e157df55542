#!/usr/bin/env bash
# Every test: native unit tests, the sanitizer build, the Windows cross build, the pad stage.
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

# One libFuzzer run of 20 s: fuzz NAME PROGRAM MAX_LEN CORPUS. On a finding it prints the
# sanitizer's summary, the extension fuzzer's operations (a program can be longer than a
# tail), then the log's tail with the crash file, and fails.
fuzz() {
    local log=build/fuzz/$1-fuzz.log
    echo "== $1 fuzzer (libFuzzer + ASan + UBSan, 20 s)"
    if ! "$2" -artifact_prefix=build/fuzz/ -max_total_time=20 -max_len="$3" -print_final_stats=1 "$4" \
        >"$log" 2>&1; then
        grep -E 'runtime error|ERROR: AddressSanitizer' "$log" | head -n 3 || true
        sed -n '/^extension fuzz finding/,/ERROR: libFuzzer/p' "$log"
        tail -n 40 "$log"
        exit 1
    fi
    grep -E '^(Done|stat::number_of_executed_units)' "$log"
}

echo "== fuzzer builds (clang)"
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZANDREL_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/fuzz -j "$jobs" --target zandrel_settings_fuzz zandrel_script_fuzzer zandrel_extension_fuzz \
    zandrel_extension_seeds
mkdir -p build/fuzz/corpus build/fuzz/script-corpus build/fuzz/extension-corpus
cp tests/scripts/*.zs examples/*.zs build/fuzz/script-corpus/
build/fuzz/tests/fuzz/zandrel_extension_seeds build/fuzz/extension-corpus
fuzz settings-file build/fuzz/zandrel_settings_fuzz 128 build/fuzz/corpus
fuzz host-script-parser build/fuzz/tools/host/fuzz/zandrel_script_fuzzer 4096 build/fuzz/script-corpus
fuzz extension build/fuzz/tests/fuzz/zandrel_extension_fuzz 4096 build/fuzz/extension-corpus

echo "== Windows build (mingw-w64 i686) and Wine tests"
windows_start=$SECONDS
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
    -DZANDREL_NATIVE_HOST="$PWD/build/native/tools/host/zandrel-host" >/dev/null
cmake --build build/windows -j "$jobs"
cmake --build build/windows --target package
wine_start=$SECONDS
ctest --test-dir build/windows --output-on-failure
echo "== Windows stage: $((SECONDS - windows_start)) s (Wine tests $((SECONDS - wine_start)) s)"

# The platform layer against Wine's own joystick, XInput and device services, with SDL2
# virtual pads in Wine's device host (tests/vpad); then the 32-bit host with the real pads.
echo "== pad stage (mingw-w64 x86_64, wine64, SDL2 virtual pads)"
pads_start=$SECONDS
for need in x86_64-w64-mingw32-g++:g++-mingw-w64-x86-64 /usr/lib/wine/wine64:wine64 cc:gcc \
    /usr/include/SDL2/SDL.h:libsdl2-dev; do
    if ! command -v "${need%%:*}" >/dev/null && [ ! -e "${need%%:*}" ]; then
        echo "== pad stage cannot run: ${need%%:*} is missing (package ${need#*:}; scripts/deps.sh installs it)"
        exit 1
    fi
done
cmake -S tests/vpad -B build/vpad -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-x86_64.cmake" \
    -DZANDREL_WINDOWS_BUILD="$PWD/build/windows" >/dev/null
cmake --build build/vpad -j "$jobs"
ctest --test-dir build/vpad --output-on-failure
cat build/vpad/run/server.log build/vpad/run/conformance.log build/vpad/run/real-pads-host.log \
    build/vpad/run/real-pads-scripts.log build/vpad/run/window/window.log
echo "== pad stage: $((SECONDS - pads_start)) s"
echo "== every test passed in $SECONDS s"
