#!/bin/sh
# make demo: starts the sample Java side through the real plovik.exe under
# Wine, with a real JVM behind the bridge that stands in for a Windows
# runtime, and checks what arrived.
set -eu
cd "$(dirname "$0")/.."
began=$(date +%s)
step() { printf '[demo %3ss] %s\n' "$(($(date +%s) - began))" "$*"; }

step "installing what is missing"
tools/install-deps.sh
step "configuring the Windows build"
cmake --preset windows >/dev/null
step "building plovik.exe, plovik.jar, plovik_splash.png and the demo installation"
cmake --build --preset windows --target demo_installation >/dev/null

build=$(pwd)/build/windows
root="$build/demo/Plovik Demo"
out="$build/demo/out"
rm -rf "$out" "$root/jre/bin/java.log"
mkdir -p "$out"

step "starting Wine ($( [ -n "${DISPLAY:-}" ] && echo "on display $DISPLAY" || echo "on a private Xvfb display"))"
PLOVIK_DISPLAY="${DISPLAY:-}" "$build/wine-env.sh" start >/dev/null
trap '"$build/wine-env.sh" stop' EXIT

windows_launcher="Z:$(printf '%s' "$root/bin/plovik.exe" | tr '/' '\\')"
step "running: $windows_launcher \"my file.txt\" -J-Xmx64m plain --report=... --screenshot=... --close-after=2500"
"$build/wine-env.sh" run "$windows_launcher" "my file.txt" -J-Xmx64m plain \
  "--report=$out/report.txt" "--screenshot=$out/screenshot.png" --close-after=2500

step "waiting for the Java side's report"
waited=0
until [ -f "$out/report.txt" ]; do
  waited=$((waited + 1))
  if [ "$waited" -gt 600 ]; then
    echo "no report after 60 s; the JVM said:" >&2
    cat "$root/jre/bin/java.log" >&2 2>/dev/null || true
    exit 1
  fi
  sleep 0.1
done

step "the Java side reports:"
sed 's/^/    /' "$out/report.txt"

windows_dir="Z:$(printf '%s' "$root/bin" | tr '/' '\\')"
expected=$(cat <<EOT
trelvo.bin.name=plovik.exe
trelvo.bin.location=$windows_dir\\plovik.exe
java.class.path=$root/bin/plovik.jar
loaded.by=boot
args=5
arg[0]=my file.txt
arg[1]=plain
arg[2]=--report=$out/report.txt
arg[3]=--screenshot=$out/screenshot.png
arg[4]=--close-after=2500
EOT
)
got=$(grep -v '^splash=' "$out/report.txt")
status=0
if [ "$got" != "$expected" ]; then
  echo "FAIL: the report differs from what the launcher should have passed:" >&2
  printf '%s\n' "$expected" >"$out/expected.txt"
  diff "$out/expected.txt" "$out/report.txt" >&2 || true
  status=1
fi
if ! grep -q "^splash=shown .*plovik_splash.png" "$out/report.txt"; then
  echo "FAIL: no splash screen was shown" >&2
  status=1
fi
[ -f "$out/screenshot.png" ] && step "screenshot of the Java side's window: $out/screenshot.png"
[ "$status" -eq 0 ] && step "OK: the Java side started with exactly the expected arguments and properties, the -J option did not arrive"
exit "$status"
