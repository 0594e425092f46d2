#!/usr/bin/env bash
# Builds the Windows agent and runs its emulated flavour under Wine (on
# Windows, start dist\win64\GamingMouseHid-emulated.exe directly), then walks
# through it with gmhid: the mouse plugged in, apply, the DPI button, lock,
# unlock, unplug, plug, close. After each step it shows what the agent did:
# its debugger output, the messages it posted to the configuration program (a
# stand-in that logs them), the reports the mouse holds and the keys of the
# configuration file.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

cmake --preset win64 >/dev/null
cmake --build --preset win64 --target GamingMouseHid-emulated gmhid vorlix_stand_in >/dev/null

export WINEPREFIX=$root/build/demo/wine-prefix
wineserver -k 2>/dev/null || true  # what an earlier walk left running
agent_folder=$root/build/demo/agent
companion_log=$agent_folder/vorlix.log
mkdir -p "$agent_folder"
cp dist/win64/GamingMouseHid-emulated.exe "$agent_folder/"
cp build/win64/tests/win32/vorlix_stand_in.exe "$agent_folder/Vorlix.exe"
: >"$companion_log"
export GM_VORLIX_LOG="Z:${companion_log//\//\\}"

run() { "$root/cmake/wine-run.sh" "$@"; }
gmhid() { run "$root/build/win64/tools/gmhid.exe" "$@"; }

# The configuration file lives below the user's roaming application data;
# the agent never creates its folders.
run cmd /c exit >/dev/null 2>&1
config_folder=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Roaming)/kavrim/Gamingmouse
mkdir -p "$config_folder"
config=$config_folder/GamingMouse
rm -f "$config"

# Message numbers of the protocol, by name.
describe_messages() {
  tr -d '\r' | sed -e 's/^505 0 0$/WM_COMPANION_RELOAD (0x505)/' \
      -e 's/^506 \([0-9a-f]*\) \([0-9a-f]*\)$/WM_COMPANION_DPI_STAGE (0x506) slot \1, stage index \2/' \
      -e 's/^915 917 0$/WM_COMPANION_NO_DEVICE (0x915, 0x917)/' \
      -e 's/^111 ffffffff 0$/WM_COMMAND -1: the agent is ending/' \
      -e 's/^started$/Vorlix.exe started/' -e 's/^/  companion: /'
}

seen=0
show() {
  sleep 1.5  # the agent works on; a read-back waits 300 ms, a burst costs one per second
  local lines
  lines=$(wc -l <"$companion_log")
  if ((lines > seen)); then tail -n +$((seen + 1)) "$companion_log" | describe_messages; fi
  seen=$lines
  echo "  file: $(grep -a -m1 '^Device=' "$config" | tr -d '\r'), Profile0 $(grep -a -m1 '^DPI_Cur=' "$config" | tr -d '\r'), $(grep -a -m1 '^POLLRATE_VALUE=' "$config" | tr -d '\r')"
  gmhid emulate dump | tr -d '\r' | cut -c1-72 | sed 's/$/…/; s/^/  mouse: /'
}

step() { echo; echo "== $*"; }

step "start the emulated agent (its mouse is plugged in)"
WINEDEBUG=-all,warn+seh run "$agent_folder/GamingMouseHid-emulated.exe" 2>&1 |
  sed -u -n 's/.*OutputDebugStringA "\(.*\)"$/  agent: \1/p' | sed -u 's/\\n$//' &
agent_pid=$!
for _ in $(seq 100); do grep -aqs '^Device=' "$config" && break; sleep 0.3; done
show

step "the configuration program saves a polling rate of 1 and asks to apply everything"
sed -i '0,/^POLLRATE_VALUE=.*/s//POLLRATE_VALUE=1\r/' "$config"
gmhid post apply
show

step "press the DPI button on the mouse"
gmhid emulate dpi
show

step "lock the session"
gmhid post lock
show

step "unlock the session"
gmhid post unlock
show

step "unplug the mouse"
gmhid emulate unplug
show

step "plug it in again"
gmhid emulate plug
show

step "close the agent"
gmhid post close
for _ in $(seq 50); do gmhid emulate dump >/dev/null 2>&1 || break; sleep 0.2; done
sleep 0.5
tail -n +$((seen + 1)) "$companion_log" | describe_messages
echo "  the agent has ended"
# The stand-in configuration program shares the agent's output; end it too.
pkill -f 'Vorlix.exe' 2>/dev/null || true
wait "$agent_pid" 2>/dev/null || true
