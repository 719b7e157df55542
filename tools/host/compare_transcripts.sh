#!/usr/bin/env bash
# Runs scripts with the native host and with the Windows host under Wine and
# compares the transcripts; any difference fails.
# usage: compare_transcripts.sh NATIVE_HOST WINDOWS_HOST_EXE MFX WORK_DIR SCRIPT...
set -euo pipefail
native=$1 windows=$2 mfx=$3 work=$4
shift 4
mkdir -p "$work/native" "$work/windows"
status=0
for script in "$@"; do
    name=$(basename "$script" .zs)
    (cd "$work/native" && "$native" run "$script") >"$work/$name.native.txt" 2>&1 || true
    (cd "$work/windows" && wine "$windows" --mfx "$mfx" run "$script") >"$work/$name.windows.txt" 2>&1 || true
    if ! diff -u "$work/$name.native.txt" "$work/$name.windows.txt"; then
        status=1
    fi
done
[ $status -eq 0 ] && echo "$# transcripts agree"
exit $status
