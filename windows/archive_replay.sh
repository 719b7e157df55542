#!/usr/bin/env bash
# From the unpacked release archive only: its zandrel-host.exe, with the zandrel.mfx
# beside it, checks a recording the pad checker made and runs one of its examples, in
# one Wine process; the example's transcript must be the native host's.
# usage: archive_replay.sh CMAKE ARCHIVE FOLDER RECORDING NATIVE_HOST EXAMPLE WORK
set -euo pipefail
cmake=$1 archive=$2 folder=$3 recording=$4 native=$5 example=$6 work=$7
rm -rf "$work"
mkdir -p "$work/native"
(cd "$work" && "$cmake" -E tar xf "$archive")
top=$work/$folder
cp "$recording" "$top/"
name=$(basename "$recording")
(cd "$work/native" && "$native" run "$top/examples/$example") >"$work/expected.txt"
{ echo "1 passed, 0 failed"; cat "$work/expected.txt"; } >"$work/wanted.txt"
(cd "$top" && wine "$top/zandrel-host.exe" check "$name" -- run "examples/$example") >"$work/got.txt" 2>&1 || true
diff -u "$work/wanted.txt" "$work/got.txt"
echo "the archive's host replayed $name and ran examples/$example"
