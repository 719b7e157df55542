#!/usr/bin/env bash
# The pad stage's Wine server, whose device host has the virtual pads (WINEPREFIX and
# VPAD_RUN, a scratch folder, set by the caller; a win64 prefix, since Wine's bus
# driver runs in a 64-bit device host there):
#   vpad.sh start SHIM_DIR PADS   make the prefix if missing (without the shim), then
#                                 start a fresh server and Wine's services with the shim
#   vpad.sh send COMMAND          one command for the pads; fails unless it answers "ok"
#   vpad.sh conformance EXE       the 64-bit conformance program, given the channel's port
#   vpad.sh host EXE MFX SCRIPT   the 32-bit reference host with the real pads, XInput and
#                                 inventory, checking SCRIPT, with pad 0's A held and its
#                                 left trigger pulled, then listing the pads; left out
#                                 (said so) where 32-bit programs run through qemu
#   vpad.sh scripts SHIM_DIR CONFORMANCE EXE MFX SCRIPT...
#                                 a fresh server with two XInput-class pads and a DualShock 4
#                                 (joysticks 0, 1, 2, which CONFORMANCE checks), then one run of the 32-bit host with the
#                                 real pads, XInput and inventory and the pads' channel, checking
#                                 the scripts (which move the pads themselves); left out under
#                                 qemu as the host run is
#   vpad.sh stop                  end the server
set -euo pipefail
wine64=/usr/lib/wine/wine64
wine32=/usr/lib/wine/wine
# No Mono or Gecko installers in the fresh prefix; they are not needed.
export WINEDLLOVERRIDES="mscoree,mshtml="
: "${WINEPREFIX:?WINEPREFIX must be set}" "${VPAD_RUN:?VPAD_RUN must be set}"

channel_timeout=5

# A line of the server's start, also kept for the test command to show.
say() {
    printf '%s\n' "$*" | tee -a "$VPAD_RUN/server.log"
}

fail() {
    echo "pad stage: $*" >&2
    exit 1
}

port() {
    [ -f "$VPAD_RUN/status" ] || fail "no virtual pads: the server was not started with the shim"
    sed -n 's/^ready port=\([0-9]*\) .*/\1/p' "$VPAD_RUN/status"
}

send() {
    local answer
    # The whole exchange is bounded: a channel that takes the line and never answers fails.
    answer=$(timeout "$channel_timeout" bash -c 'exec 3<>"/dev/tcp/127.0.0.1/$1" && printf "%s\n" "$2" >&3 &&
        IFS= read -r line <&3 && printf "%s" "$line"' sh "$(port)" "$1") || answer="no answer in ${channel_timeout} s"
    [ "$answer" = ok ] || fail "pad command \"$1\": $answer"
}

forget_pads() {
    local enum='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Enum' ids
    printf 'REGEDIT4\n\n[-%s\\WINEXINPUT]\n' "$enum"
    for ids in 'VID_045E&PID_028E' 'VID_054C&PID_05C4'; do
        printf '[-%s\\WINEBUS\\%s]\n[-%s\\HID\\%s&IG_00]\n[-%s\\HID\\%s&XI_00]\n' \
            "$enum" "$ids" "$enum" "$ids" "$enum" "$ids"
    done
}

start() {
    local shim=$1 pads=$2 keep=${3:-} began=$SECONDS
    [ -x "$wine64" ] || fail "$wine64 is missing (package wine64)"
    [ -f "$shim/libvpad_preload.so" ] && [ -f "$shim/libvpad_sdl.so" ] || fail "the shim is not built in $shim"
    # A second start of the stage keeps the logs of what ran before it.
    [ "$keep" = keep ] || rm -rf "$VPAD_RUN"
    mkdir -p "$VPAD_RUN"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        WINEARCH=win64 WINEDEBUG=-all "$wine64" wineboot -i </dev/null >/dev/null 2>&1
        WINEDEBUG=-all wineserver -w
        say "prefix made in $((SECONDS - began)) s: $WINEPREFIX"
    fi
    # Now and then one of Wine's programs crashes in the start (a page fault in wineboot,
    # once here) and the pads never come: another server is started, up to three.
    local served attempt
    for attempt in 1 2 3; do
        rm -f "$VPAD_RUN/status" "$VPAD_RUN/pads.log"
        # A server that runs already has its device host without the shim.
        wineserver -k </dev/null >/dev/null 2>&1 || true
        wineserver -w </dev/null >/dev/null 2>&1 || true
        # Wine's inventory keeps every pad it ever saw, present or not; each run starts without them.
        forget_pads >"$VPAD_RUN/forget-pads.reg"
        WINEDEBUG=-all "$wine64" regedit /S "$VPAD_RUN/forget-pads.reg" </dev/null >/dev/null 2>&1 ||
            fail "regedit cannot remove the pads of an earlier run from $WINEPREFIX"
        wineserver -k </dev/null >/dev/null 2>&1 || true
        wineserver -w </dev/null >/dev/null 2>&1 || true
        served=$SECONDS
        (
            # Wine's services and device hosts inherit these from wineboot; the tests run without.
            export LD_PRELOAD="$shim/libvpad_preload.so" VPAD_PADS="$pads" VPAD_STATUS="$VPAD_RUN/status"
            export VPAD_LOG="$VPAD_RUN/pads.log" WINEDEBUG=-all
            wineserver -p </dev/null >/dev/null 2>&1
            "$wine64" wineboot </dev/null >"$VPAD_RUN/wineboot.log" 2>&1
        )
        local tries=0
        while [ ! -f "$VPAD_RUN/status" ] && [ $tries -lt 300 ]; do
            sleep 0.1
            tries=$((tries + 1))
        done
        [ ! -f "$VPAD_RUN/status" ] || break
        say "the pads were not attached in 30 s (server $attempt): $(head -n 1 "$VPAD_RUN/wineboot.log")"
    done
    [ -f "$VPAD_RUN/status" ] ||
        fail "the pads were never attached in 30 s: Wine's bus driver did not load SDL2 through the shim (see $VPAD_RUN)"
    say "server with virtual pads ready in $((SECONDS - served)) s ($(cat "$VPAD_RUN/status"))"
    say "$(cat "$VPAD_RUN/pads.log")"
}

# Where the kernel runs no 32-bit programs, binfmt hands the 32-bit loader to qemu.
through_qemu() {
    grep -qs '^enabled' /proc/sys/fs/binfmt_misc/qemu-i386
}

scripts() {
    local shim=$1 conformance=$2 exe=$3 mfx=$4
    shift 4
    if through_qemu; then
        echo "32-bit programs run through qemu on this machine: the pad stage's scripts are left out"
        return 0
    fi
    [ -f "$exe" ] && [ -f "$mfx" ] || fail "$exe or $mfx is missing: the Windows stage builds them"
    # The two identical pads do not always come out of Wine's device host in the order
    # they were plugged: a server whose joysticks are not numbered as the list is made anew.
    local tries=0
    until start "$shim" xinput,xinput,ds4 keep >/dev/null &&
        WINEDEBUG=-all "$wine64" "$conformance" "$(port)" order 3 >"$VPAD_RUN/order.log"; do
        tries=$((tries + 1))
        [ $tries -lt 5 ] || fail "Wine numbered the pads out of the list's order in 5 servers: $(tr '\n' ' ' <"$VPAD_RUN/order.log")"
    done
    echo "the pads are joysticks 0, 1, 2 in the list's order (servers started: $((tries + 1)))"
    echo "32-bit zandrel-host.exe with the real pads and the pads' channel:" "${@##*/}"
    # Frame times go to the error stream, kept in the log with the checks' lines.
    (cd "$VPAD_RUN" && WINEDEBUG=-all "$wine32" "$exe" --mfx "$mfx" --real-pads --real-inventory \
        --pad-channel "$(port)" check "$@" 2>&1)
}

host() {
    local exe=$1 mfx=$2 script=$3
    if through_qemu; then
        echo "32-bit programs run through qemu on this machine: the 32-bit host run with the real pads is left out"
        return 0
    fi
    [ -f "$exe" ] && [ -f "$mfx" ] && [ -f "$(dirname "$exe")/zandrel-pads.exe" ] ||
        fail "$exe, zandrel-pads.exe beside it or $mfx is missing: the Windows stage builds them"
    echo "32-bit zandrel-host.exe (native 32-bit) with the real pads, XInput and inventory: $(basename "$script")"
    send "button 0 0 1"
    send "axis 0 4 32767"
    # A program started while a button is held sees it only with the pad's next report;
    # the right stick's Y, which the script does not read, moves until the host is done.
    (
        local y=0
        while :; do
            y=$((2000 - y))
            send "axis 0 3 $y"
            sleep 0.02
        done
    ) &
    local nudger=$! status=0
    # Settings files, if the script wrote any, go to the scratch folder.
    (cd "$VPAD_RUN" && WINEDEBUG=-all "$wine32" "$exe" --mfx "$mfx" --real-pads --real-inventory check "$script") ||
        status=$?
    # Then the pad checker's list (the one beside the host): what the library makes of the same pads.
    WINEDEBUG=-all "$wine32" "$(dirname "$exe")/zandrel-pads.exe" pads || status=$?
    kill "$nudger"
    wait "$nudger" 2>/dev/null || true
    send "reset 0"
    return $status
}

case "${1:-}" in
start) start "$2" "$3" ;;
send) send "$2" ;;
conformance) WINEDEBUG=-all "$wine64" "$2" "$(port)" | tee "$VPAD_RUN/conformance.log" ;;
host) host "$2" "$3" "$4" | tee "$VPAD_RUN/real-pads-host.log" ;;
scripts)
    shift
    scripts "$@" | tee "$VPAD_RUN/real-pads-scripts.log"
    ;;
stop)
    wineserver -k </dev/null >/dev/null 2>&1 || true
    echo "pad stage server stopped"
    ;;
*)
    echo "usage: vpad.sh start SHIM_DIR PADS | send COMMAND | conformance EXE | host EXE MFX SCRIPT |" \
        "scripts SHIM_DIR CONFORMANCE EXE MFX SCRIPT... | stop" >&2
    exit 2
    ;;
esac
