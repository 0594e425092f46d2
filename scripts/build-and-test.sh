#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every test suite:
# native, sanitizers, fuzzers, and the Windows build under Wine. Ends with one
# summary line of all the suites.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ clang libclang-rt-14-dev python3 googletest libgtest-dev
  libgmock-dev libbenchmark-dev g++-mingw-w64-x86-64 g++-mingw-w64-i686
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 wine wine64)
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

passed=0
failed=0
# Runs one test preset or build folder and adds its counts to the totals.
run_tests() {
  local log
  log=$(mktemp)
  ctest "$@" --output-on-failure 2>&1 | tee "$log" || true
  local line
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  if [[ -z "$line" ]]; then
    echo "no test summary from: ctest $*"
    failed=$((failed + 1))
  else
    local total failures
    failures=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
    passed=$((passed + total - failures))
    failed=$((failed + failures))
  fi
  rm -f "$log"
}

# build <preset> [targets...]: configures and builds, and says how long it took.
build() {
  local preset=$1 start=$SECONDS
  shift
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" ${1:+--target "$@"}
  echo "== $preset built in $((SECONDS - start)) s"
}

build native
run_tests --preset native

build sanitize
run_tests --preset sanitize

# ThreadSanitizer where threads meet: the listener and the agent window.
build tsan hid_link_stress_tests hid_link_tests shell_tests
run_tests --preset tsan -R 'hid_link|shell'

build fuzz
run_tests --test-dir build/fuzz

build win64
run_tests --preset win64
# Wine's server and services outlive the tests; end them with the run.
WINEPREFIX=$PWD/build/win64/wine-prefix wineserver -k 2>/dev/null || true
release_checks=(dist/win64/GamingMouseHid.exe:x86-64)

build win32
release_checks+=(dist/win32/GamingMouseHid.exe:i386)
for check in "${release_checks[@]}"; do
  if scripts/check-release.sh "${check%%:*}" "${check##*:}"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
  fi
done

echo
echo "all presets in $SECONDS s"
echo "${passed} passed, ${failed} failed"
((failed == 0))
