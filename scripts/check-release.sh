#!/usr/bin/env bash
# Checks a built agent: a PE of the expected machine (i386 or x86-64), GUI
# subsystem, no MinGW runtime DLL to ship, and the resources it needs: icon
# 137 and the manifest (asInvoker, no UI access, DPI-aware).
set -euo pipefail
exe=$1
machine=$2
case "$machine" in
  i386) prefix=i686-w64-mingw32 format=pei-i386 ;;
  x86-64) prefix=x86_64-w64-mingw32 format=pei-x86-64 ;;
  *) echo "unknown machine $machine"; exit 2 ;;
esac

fail() { echo "check-release: $exe: $*"; exit 1; }

headers=$("$prefix-objdump" -p "$exe")
grep -q "file format $format" <<<"$headers" || fail "not a $format executable"
grep -qE 'Subsystem[[:space:]]+0*2[[:space:]]' <<<"$headers" || fail "not a GUI program"
if grep -iE 'DLL Name: (libstdc\+\+|libgcc|libwinpthread)' <<<"$headers"; then
  fail "needs a MinGW runtime DLL"
fi

# The resource directory: an icon group with the name 137 and a manifest.
grep -qE 'Entry: ID: 0x0*89,' <<<"$headers" || fail "no resource 137"
grep -qE 'Entry: ID: 0x0*e,' <<<"$headers" || fail "no icon group"
grep -qE 'Entry: ID: 0x0*18,' <<<"$headers" || fail "no manifest resource"
manifest=$(strings "$exe" | tr -d '\r' | sed -n '/<assembly/,/<\/assembly>/p')
grep -q 'level="asInvoker" uiAccess="false"' <<<"$manifest" || fail "manifest lacks asInvoker"
grep -q '<dpiAware[^>]*>true</dpiAware>' <<<"$manifest" || fail "manifest lacks DPI awareness"
echo "check-release: $exe: $format, GUI, static, icon 137 and manifest present"
