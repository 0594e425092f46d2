#!/usr/bin/env bash
# Builds the Windows agent and runs it under Wine, with its debugger output
# shown as it runs. Close it with Ctrl+C (or by posting WM_CLOSE to its window).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target GamingMouseHid
export WINEPREFIX=$PWD/build/win64/wine-prefix
# Debugger output appears as lines "warn:seh:OutputDebugStringA ...".
WINEDEBUG=-all,warn+seh exec cmake/wine-run.sh dist/win64/GamingMouseHid.exe
