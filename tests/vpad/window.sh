#!/usr/bin/env bash
# The pad checker's window on a virtual X display, against the stage's virtual pads
# (WINEPREFIX and VPAD_RUN as for vpad.sh, whose server runs):
#   window.sh WINDOWS_BUILD CHECKER
# Opens zandrel-pads.exe with no arguments, holds A on the first XInput-class pad and
# finds bit 4 lit in a screenshot at its place in the drawing and "Z  down" in the key
# column; then chooses the DualShock 4 with the standard layout on and holds its first
# button; then records a session and replays it with the reference host. The
# screenshots stay in $VPAD_RUN/window. Left out (said so) where 32-bit programs run
# through qemu. It runs last: it unplugs and plugs the pads.
set -euo pipefail
build=$1 checker=$2
here=$(cd "$(dirname "$0")" && pwd)
wine32=/usr/lib/wine/wine
wine64=/usr/lib/wine/wine64
: "${WINEPREFIX:?WINEPREFIX must be set}" "${VPAD_RUN:?VPAD_RUN must be set}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
out=$VPAD_RUN/window

# On the error stream too, since some checks' output is thrown away.
fail() {
    echo "FAIL pad window: $*" >&2
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
# What it finds, also kept for the test command to show.
exec > >(tee "$out/window.log")

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
# A program that finds no display yet gets no window.
for _ in $(seq 100); do
    [ ! -S "/tmp/.X11-unix/X$display" ] || break
    sleep 0.1
done
[ -S "/tmp/.X11-unix/X$display" ] || fail "Xvfb gave no display :$display in 10 s: $(cat "$out/xvfb.log")"

# The checker's steps on the window; its output, and whether every step passed.
ask() {
    "$wine64" "$checker" desktop zandrel-pads "$@" | tr -d '\r'
}

# The same; a step that fails fails the test.
look() {
    local said
    said=$(ask "$@") || fail "$(tail -n 1 <<<"$said")"
    printf '%s\n' "$said" | tee -a "$out/checks.log"
}

# The same, once the window shows a pad.
check() {
    look wait 30 "$@"
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
# A desktop of its own, which draws on this display: Wine's default desktop may have
# been made by a program of the stage without one.
open_window() {
    (cd "$out" && exec "$wine32" explorer /desktop=zandrel-pads,1100x720 "$build/zandrel-pads.exe" >>"$out/pads.log" 2>&1) &
    window=$!
}

# Closes the window; its desktop ends with its last window.
close_window() {
    look find 30 close >/dev/null
    for _ in $(seq 100); do
        kill -0 "$window" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$window" 2>/dev/null && fail "the window's desktop is still there 10 s after the window closed"
    window=
}

open_window
if ! said=$(ask wait 60 select 045E:028E); then
    kill -0 "$window" 2>/dev/null || fail "zandrel-pads.exe ended at once: $(cat "$out/pads.log")"
    fail "no pad in 60 s: $said"
fi
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
grep -q "^line 2: type 1: an XInput pad, XInput index [0-3]$" <<<"$state" || fail "the DualShock 4 is not an XInput pad: $state"
echo "ok the DualShock 4 is an XInput pad under Wine"
expect "$(grep '^bit 4: ' <<<"$state" | sed 's/ |.*//')" "bit 4: A" "its first button with the standard layout on is bit 4, A"
# Wine's inventory keeps every pad it saw, so after the stage's replugs the extension may
# find the pad at another XInput position than its user index 1 (see the README).
if grep -q "^line 2: .*XInput index 1$" <<<"$state"; then
    expect "$state" "bit 4: A | Z  down" "the held button sends Z"
    lit_and_dark "$state" "$out/ds4-standard-first-button.png" "the DualShock 4's first button held"
else
    echo "report the DualShock 4 is at $(sed -n 's/^line 2: .*\(XInput index [0-9]\)$/\1/p' <<<"$state") of the inventory, not its user index 1; its held first button shows as: $(grep '^bit 4: ' <<<"$state")"
fi

bash "$here/vpad.sh" send "button 1 0 0"

# A recorded session of the XInput-class pad, A pressed and let go, replayed by the
# reference host.
check select 045E:028E record sleep 1000 >/dev/null
bash "$here/vpad.sh" send "button 0 0 1"
sleep 0.5
bash "$here/vpad.sh" send "button 0 0 0"
state=$(check sleep 500 record sleep 500 text)
recording=$(ls "$out"/zandrel-pads-*.zs 2>/dev/null | head -n 1)
[ -n "$recording" ] || fail "no recording in $out; the window says: $(grep '^line 3' <<<"$state")"
grep -q '^line 3: recorded: ' <<<"$state" || fail "the window does not say the recording was written"
grep -qx 'action pad UseStandardLayout 1' "$recording" || fail "the recording leaves out the standard layout"
grep -qx '=> key down 0x5A' "$recording" && grep -qx '=> key up 0x5A' "$recording" ||
    fail "the recording leaves out the key of A"
(cd "$out" && "$wine32" "$build/zandrel-host.exe" --mfx "$build/zandrel.mfx" check "$(basename "$recording")") | tr -d '\r' |
    tee "$out/replay.log" | grep -qx '1 passed, 0 failed' || fail "the recording does not replay: $(cat "$out/replay.log")"
echo "ok the window's recording replays: $(basename "$recording")"
# Every pad unplugged: the window says so and keeps looking; a pad plugged in shows.
# One after the other, with a look of Wine's (at most every 2 s) between them: two
# pulled at once can leave Wine's service reading one of them on (docs/dev/testing.md).
bash "$here/vpad.sh" send "unplug 1"
sleep 3
bash "$here/vpad.sh" send "unplug 0"
# Not through check: the window may say so before the checker has started.
if ! said=$(ask nopad 20); then
    # Now and then Wine still does, in the process that read the pads; a process started
    # afresh finds only the pads there are.
    echo "report Wine's joystick service in the window's process goes on reading a pulled pad" \
        "($(tail -n 1 <<<"$said" | sed 's/^FAIL //'); its pads: $(look find 30 pads | sed -n 's/^pads: //p')):" \
        "the window is opened again"
    close_window
    open_window
    look nopad 60 >/dev/null
fi
echo "ok with every pad unplugged the window says no pad answers"
import -window root "$out/no-pad.png"
bash "$here/vpad.sh" send "plug 0"
check sleep 0 >/dev/null
echo "ok a pad plugged in again shows in the window"
bash "$here/vpad.sh" send "plug 1"
check sleep 0 >/dev/null
close_window
echo "ok the window closes; screenshots in $out"
