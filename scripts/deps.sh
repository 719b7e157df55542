#!/usr/bin/env bash
# Installs what the builds and tests need when it is missing (Debian 12, as root).
#   deps.sh native   the native build, its tests and the demo: cmake, g++, GoogleTest,
#                    Google Benchmark
#   deps.sh [all]    everything the test command runs: also clang with libFuzzer, the
#                    mingw-w64 i686 cross compiler, cmark-gfm and 32-bit Wine (through
#                    qemu where the kernel runs no 32-bit programs); for the pad stage the
#                    x86_64 cross compiler, 64-bit Wine, SDL2 and a C compiler for the shim,
#                    a virtual X display and ImageMagick for the pad checker's window
set -euo pipefail
set_name=${1:-all}
case "$set_name" in
    native | all) ;;
    *)
        echo "usage: deps.sh [native|all]" >&2
        exit 2
        ;;
esac

install_packages() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "missing packages: $* (run as root to install them)" >&2
        exit 1
    fi
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

need=()
command -v cmake >/dev/null || need+=(cmake)
command -v g++ >/dev/null || need+=(g++)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
[ -f /usr/include/benchmark/benchmark.h ] || need+=(libbenchmark-dev)
if [ "$set_name" = native ]; then
    if [ ${#need[@]} -gt 0 ]; then
        install_packages "${need[@]}"
    fi
    exit 0
fi

command -v clang++ >/dev/null || need+=(clang)
# libFuzzer's runtime, for the fuzz targets.
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || need+=(libclang-rt-14-dev)
command -v i686-w64-mingw32-g++ >/dev/null || need+=(g++-mingw-w64-i686 mingw-w64-tools binutils-mingw-w64-i686)
# The release archive's HTML pages, made from the Markdown docs at build time.
command -v cmark-gfm >/dev/null || need+=(cmark-gfm)
if ! command -v wine >/dev/null || ! dpkg -s wine32:i386 >/dev/null 2>&1; then
    need+=(wine wine32:i386 wine64)
fi
# The pad stage: its shim is C for this machine, built against SDL2 (the headers bring the library).
command -v x86_64-w64-mingw32-g++ >/dev/null || need+=(g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64)
[ -x /usr/lib/wine/wine64 ] || need+=(wine64)
command -v cc >/dev/null || need+=(gcc)
[ -f /usr/include/SDL2/SDL.h ] || need+=(libsdl2-dev)
# The pad checker's window is drawn on a virtual display and photographed there.
command -v Xvfb >/dev/null || need+=(xvfb)
command -v import >/dev/null || need+=(imagemagick)
if [ ${#need[@]} -gt 0 ]; then
    [ "$(id -u)" -ne 0 ] || dpkg --add-architecture i386
    install_packages "${need[@]}"
fi

# 32-bit Wine needs the kernel's 32-bit support. Where it is switched off
# (ia32_emulation=off), 32-bit programs run through qemu's user-mode emulator,
# registered for i386 executables; the Wine tests then take about a minute more.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "this kernel runs no 32-bit programs: run as root to set up qemu-i386 for Wine" >&2
        exit 1
    fi
    [ -x /usr/bin/qemu-i386-static ] || install_packages qemu-user-static
    binfmt=/proc/sys/fs/binfmt_misc
    [ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt"
    if [ ! -e "$binfmt/qemu-i386" ]; then
        printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
            >"$binfmt/register"
    fi
    /usr/lib/wine/wine --version >/dev/null
fi
