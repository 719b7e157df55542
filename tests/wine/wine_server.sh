#!/bin/sh
# The one Wine server of the Windows test stage (WINEPREFIX set by the caller):
# kept alive from before the first Wine test to after the last, so that each test
# finds the prefix ready and Wine's own services running.
#   wine_server.sh start | stop
set -e
case "$1" in
start)
    mkdir -p "$WINEPREFIX"
    # Daemons: none of them may hold the test's output open.
    wineserver -p </dev/null >/dev/null 2>&1
    # Creates or updates the prefix (minutes the first time) and starts the services,
    # with the 64-bit loader where there is one: no 32-bit code runs for it.
    loader=wine
    [ -x /usr/lib/wine/wine64 ] && loader=/usr/lib/wine/wine64
    "$loader" wineboot </dev/null >/dev/null 2>&1
    echo "Wine server and prefix ready: $WINEPREFIX"
    ;;
stop)
    wineserver -k </dev/null >/dev/null 2>&1 || true
    echo "Wine server stopped"
    ;;
*)
    echo "usage: wine_server.sh start | stop" >&2
    exit 2
    ;;
esac
