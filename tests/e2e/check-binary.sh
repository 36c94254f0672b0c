#!/bin/sh
# plovik.exe is a GUI program that imports from four system DLLs only and
# carries no resources.
#   check-binary.sh OBJDUMP plovik.exe
set -u
objdump=$1
exe=$2
status=0
headers=$("$objdump" -p "$exe") || exit 1

if ! printf '%s\n' "$headers" | grep -Eq '^Subsystem[[:space:]]+00000002[[:space:]]+\(Windows GUI\)'; then
  echo "FAIL: not a Windows GUI program:"; printf '%s\n' "$headers" | grep '^Subsystem'; status=1
fi
if ! printf '%s\n' "$headers" | grep -q '^Magic[[:space:]]*020b'; then
  echo "FAIL: not a 64-bit (PE32+) image"; status=1
fi

imports=$(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
expected="KERNEL32.DLL MSVCRT.DLL SHLWAPI.DLL USER32.DLL "
if [ "$imports" != "$expected" ]; then
  echo "FAIL: imports are '$imports', expected '$expected'"; status=1
fi

# The resource directory is entry 2 of the data directories: address and
# size both zero.
if ! printf '%s\n' "$headers" | grep -Eq '^Entry 2 0+ 0+ '; then
  echo "FAIL: has a resource directory:"; printf '%s\n' "$headers" | grep '^Entry 2 '; status=1
fi
if "$objdump" -h "$exe" | grep -q '\.rsrc'; then
  echo "FAIL: has a .rsrc section"; status=1
fi

[ "$status" -eq 0 ] && echo "plovik.exe: Windows GUI, PE32+, imports $imports, no resources"
exit "$status"
