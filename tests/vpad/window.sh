#!/usr/bin/env bash
# The pad checker's window on a virtual X display, against the stage's virtual pads
# (WINEPREFIX and VPAD_RUN as for vpad.sh, whose server runs):
#   window.sh WINDOWS_BUILD CHECKER
# Opens zandrel-pads.exe with no arguments, holds A on the first XInput-class pad and
# finds bit 4 lit in a screenshot at its place in the drawing and "Z  down" in the key
# column; then chooses the DualShock 4 with the standard layout on and holds its first
# button; then records a session and replays it with the reference host. The
# screenshots stay in $VPAD_RUN/window. Left out (said so) where 32-bit programs run
# through qemu.
set -euo pipefail
build=$1 checker=$2
here=$(cd "$(dirname "$0")" && pwd)
wine32=/usr/lib/wine/wine
wine64=/usr/lib/wine/wine64
: "${WINEPREFIX:?WINEPREFIX must be set}" "${VPAD_RUN:?VPAD_RUN must be set}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
out=$VPAD_RUN/window

fail() {
    echo "FAIL pad window: $*"
    exit 1
}

if grep -qs '^enabled' /proc/sys/fs/binfmt_misc/qemu-i386; then
    echo "32-bit programs run through qemu on this machine: the pad checker's window is left out"
    exit 0
fi
command -v Xvfb >/dev/null && command -v import >/dev/null ||
    fail "Xvfb or ImageMagick's import is missing (packages xvfb, imagemagick; scripts/deps.sh installs them)"
rm -rf "$out"
mkdir -p "$out"

display=77
while [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb=$!
window=
finish() {
    [ -z "$window" ] || kill "$window" 2>/dev/null || true
    bash "$here/vpad.sh" send "reset 0" || true
    bash "$here/vpad.sh" send "reset 1" || true
    kill "$xvfb" 2>/dev/null || true
}
trap finish EXIT
export DISPLAY=:$display

# The checker's steps on the window, which it finds first; its output, or the failure.
check() {
    local said
    said=$("$wine64" "$checker" wait 30 "$@" | tr -d '\r') || fail "$(tail -n 1 <<<"$said")"
    printf '%s\n' "$said" | tee -a "$out/checks.log"
}

# The colour of the screenshot's pixel at bit $2's place, given the checker's "place" lines in $1.
pixel() {
    local xy
    xy=$(sed -n "s/^place $2 \([0-9]*\) \([0-9]*\)$/\1,\2/p" <<<"$1")
    [ -n "$xy" ] || fail "no place for bit $2"
    convert "$3" -format "%[hex:p{$xy}]" info:
}

expect() {
    grep -qxF -- "$2" <<<"$1" || fail "expected \"$2\" in the window; it shows:
$1"
    echo "ok $3"
}

lit_and_dark() {
    local places=$1 shot=$2 lit dark
    lit=$(pixel "$places" 4 "$shot")
    dark=$(pixel "$places" 5 "$shot")
    [ "$lit" = E8590C ] || fail "bit 4 is not lit in $shot: its place shows $lit"
    [ "$dark" = CED4DA ] || fail "bit 5 is lit in $shot: its place shows $dark"
    echo "ok $3: bit 4 lit (#$lit) at its place in $shot, bit 5 not (#$dark)"
}

# Nothing held from an earlier run: a press is seen only as a change.
bash "$here/vpad.sh" send "reset 0"
bash "$here/vpad.sh" send "reset 1"
(cd "$out" && exec "$wine32" "$build/zandrel-pads.exe" >"$out/pads.log" 2>&1) &
window=$!
"$wine64" "$checker" wait 60 select 045E:028E >/dev/null || fail "the window did not show a pad in 60 s"
bash "$here/vpad.sh" send "button 0 0 1"
state=$(check sleep 1000 place 4 place 5 text)
import -window root "$out/xinput-a-held.png"
expect "$state" "bit 4: A | Z  down" "the key column names the key of the held A"
lit_and_dark "$state" "$out/xinput-a-held.png" "A held on the XInput-class pad"
bash "$here/vpad.sh" send "button 0 0 0"

# Wine makes the DualShock 4 an XInput pad, and the standard layout is for plain pads:
# its first button is bit 4, A, either way.
check select 054C:05C4 standard on >/dev/null
bash "$here/vpad.sh" send "button 1 0 1"
state=$(check sleep 1500 place 4 place 5 text)
import -window root "$out/ds4-standard-first-button.png"
expect "$state" "line 2: type 1: an XInput pad, XInput index 1" "the DualShock 4 is an XInput pad under Wine"
expect "$state" "bit 4: A | Z  down" "its first button with the standard layout on is bit 4, A"
lit_and_dark "$state" "$out/ds4-standard-first-button.png" "the DualShock 4's first button held"

# A recorded session: the button let go while recording, replayed by the reference host.
check record sleep 1000 >/dev/null
bash "$here/vpad.sh" send "button 1 0 0"
state=$(check sleep 500 record sleep 500 text)
recording=$(ls "$out"/zandrel-pads-*.zs 2>/dev/null | head -n 1)
[ -n "$recording" ] || fail "no recording in $out; the window says: $(grep '^line 3' <<<"$state")"
grep -q '^line 3: recorded: ' <<<"$state" || fail "the window does not say the recording was written"
grep -qx 'action pad UseStandardLayout 1' "$recording" || fail "the recording leaves out the standard layout"
grep -qx '=> key up 0x5A' "$recording" || fail "the recording leaves out the released key"
(cd "$out" && "$wine32" "$build/zandrel-host.exe" --mfx "$build/zandrel.mfx" check "$(basename "$recording")") | tr -d '\r' |
    tee "$out/replay.log" | grep -qx '1 passed, 0 failed' || fail "the recording does not replay: $(cat "$out/replay.log")"
echo "ok the window's recording replays: $(basename "$recording")"
check close >/dev/null
wait "$window" || fail "the pad checker's window exited with $?"
window=
echo "ok the window closes; screenshots in $out"
