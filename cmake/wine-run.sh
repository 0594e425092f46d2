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
(
  flock 9
  if [ ! -f "$WINEPREFIX/.gm-ready" ]; then
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.gm-ready"
  fi
) 9>"$WINEPREFIX.lock"
# Keep the server alive between the programs of one test run.
wineserver -p 30 2>/dev/null || true
exec wine "$@"
