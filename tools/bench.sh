#!/bin/sh
# make bench: launch figures of plovik.exe under Wine, printed and added to
# bench/RESULTS.md with the machine they came from (earlier figures stay).
set -eu
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build --preset windows --target launch_bench >/dev/null
build=build/windows
exe=$build/plovik.exe

"$build/wine-env.sh" start >/dev/null
trap '"$build/wine-env.sh" stop' EXIT
timings=$("$build/wine-env.sh" run "$build/launch_bench.exe")
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '\n' ' ')

table=$(cat <<EOT
$timings
| size of plovik.exe | $(stat -c %s "$exe") bytes |
| imports of plovik.exe | $imports|
| SHA-256 of plovik.exe | $(sha256sum "$exe" | cut -d' ' -f1) |
EOT
)
printf '%s\n' "$table"

machine="$(nproc) cores, $(free -g | awk '/^Mem:/ {print $2}') GiB, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1), $(wine --version 2>/dev/null), commit $(git rev-parse --short HEAD 2>/dev/null || echo unknown)"
results=bench/RESULTS.md
[ -f "$results" ] || printf '# Launch figures\n\nEach run of `make bench` adds a section; the newest is last.\n' >"$results"
printf '\n## %s\n\nMachine: %s\n\n%s\n' "$(date -u '+%Y-%m-%d %H:%M UTC')" "$machine" "$table" >>"$results"
echo "added to $results"
