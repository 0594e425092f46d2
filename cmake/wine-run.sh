#!/bin/sh
# Runs a Windows program under Wine in the prefix named by WINEPREFIX (the
# build tree's own prefix; see cmake/WinePrefix.cmake). The prefix is created
# on first use, with the null display driver so that hidden windows work
# without a display.
set -e
: "${WINEPREFIX:?WINEPREFIX must name the build tree prefix}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
mkdir -p "$(dirname "$WINEPREFIX")"

# The server is started here, detached from our output: one started by wine
# itself would inherit the caller's pipes and keep a test runner waiting.
# It stays up 30 s after its last program, so the next start is fast.
start_server() { wineserver -p 30 </dev/null >/dev/null 2>&1 || true; }

start_server
(
  flock 9
  if [ ! -f "$WINEPREFIX/.gm-ready" ]; then
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    # Programs started so far (the desktop among them) run with the driver they
    # found; end them so that every later program gets the null driver.
    wineserver -k >/dev/null 2>&1 || true
    start_server
    touch "$WINEPREFIX/.gm-ready"
  fi
) 9>"$WINEPREFIX.lock"
start_server
exec wine "$@"
