#!/bin/sh
# Builds plovik.exe twice from the same source in two fresh folders and
# checks that the two files are byte for byte the same.
#   repro-check.sh SOURCE_DIR WORK_DIR
set -eu
src=$1
work=$2
rm -rf "$work"
for build in "$work/first" "$work/second-with-a-longer-name"; do
  cmake -S "$src" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
  cmake --build "$build" --target plovik >/dev/null
done
a="$work/first/plovik.exe"
b="$work/second-with-a-longer-name/plovik.exe"
sha256sum "$a" "$b"
if cmp "$a" "$b"; then
  echo "plovik.exe is reproducible: $(sha256sum <"$a" | cut -d' ' -f1)"
else
  echo "FAIL: two builds of the same source differ"
  exit 1
fi
