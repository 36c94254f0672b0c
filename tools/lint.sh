#!/bin/sh
# Static checks over launcher/: layout (clang-format), clang-tidy with the
# checked-in .clang-tidy (the portable units through the host build, main.cpp
# through the Windows build), and cppcheck. Needs both builds configured.
set -u
cd "$(dirname "$0")/.."
status=0
step() { echo "lint: $*"; }

step "clang-format"
clang-format --dry-run -Werror launcher/*.cpp launcher/*.h tests/host/*.cpp tests/e2e/*.cpp \
  tests/e2e/*.h tests/fuzz/*.cpp tests/fuzz/*.h tests/common/*.h bench/*.cpp || status=1

step "clang-tidy"
clang-tidy --quiet -p build/host launcher/argtable.cpp launcher/installdir.cpp \
  launcher/javacmd.cpp launcher/verbose.cpp 2>/dev/null || status=1
clang-tidy --quiet -p build/windows launcher/main.cpp 2>/dev/null || status=1

step "cppcheck"
cppcheck --quiet --enable=warning,style,performance,portability --std=c++17 --error-exitcode=1 \
  --inline-suppr --suppress=missingIncludeSystem -D_WIN64 -DWINAPI= \
  -I launcher -I build/host/generated launcher/ || status=1

[ "$status" -eq 0 ] && step "clean"
exit "$status"
