#!/bin/sh
# Runs a Windows program under Wine in the prefix named by WINEPREFIX (the
# build tree's own prefix, set by the tests' CMake). The prefix is created
# on first use, with the null display driver so that hidden windows work
# without a display.
set -e
: "${WINEPREFIX:?WINEPREFIX must name the build tree prefix}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
mkdir -p "$(dirname "$WINEPREFIX")"

# The server and Wine's services are started here, detached from our output:
# started by the program under test, they would inherit its pipes and keep a
# test runner waiting for them as long as they run. The server answers 0 only
# when it was not running yet.
start_server() {
  if wineserver -p 30 </dev/null >/dev/null 2>&1; then
    wineboot </dev/null >/dev/null 2>&1 || true
  fi
}

# A new prefix, with the null display driver so that hidden windows work
# without a display.
create_prefix() {
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  # Programs started so far (the desktop among them) run with the driver they
  # found; end them so that every later program gets the null driver.
  wineserver -k >/dev/null 2>&1 || true
  touch "$WINEPREFIX/.gm-ready"
}

(
  flock 9
  # The lock's descriptor is closed for Wine's own processes: a server that
  # kept it would hold the lock for as long as it runs.
  [ -f "$WINEPREFIX/.gm-ready" ] || create_prefix 9>&-
) 9>"$WINEPREFIX.lock"
start_server
exec wine "$@"
