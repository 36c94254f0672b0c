#!/bin/sh
# Installs what building and testing plovik needs and this machine lacks,
# from Debian's packages: with apt-get as root, through sudo where that
# exists, or else names the packages to install.
set -eu

missing=""
need() {  # need PACKAGE TEST...: the package is missing unless the test passes
  pkg=$1
  shift
  if ! "$@" >/dev/null 2>&1; then
    case " $missing " in *" $pkg "*) ;; *) missing="$missing $pkg" ;; esac
  fi
}
has() { command -v "$1"; }

need cmake has cmake
need g++ has g++
need make has make
need googletest test -f /usr/src/googletest/CMakeLists.txt
need g++-mingw-w64-x86-64 has x86_64-w64-mingw32-g++-posix
need binutils-mingw-w64-x86-64 has x86_64-w64-mingw32-objdump
need wine has wine
need wine64 test -x /usr/lib/wine/wine64
need xvfb has Xvfb
# Fuzzing and static analysis.
need clang has clang++
need libclang-rt-14-dev sh -c 'find /usr/lib/llvm-* -name "libclang_rt.fuzzer-x86_64.a" | grep -q .'
need clang-tidy has clang-tidy
need clang-format has clang-format
need cppcheck has cppcheck
# The sample Java side: a JDK, with the runtime's X11 and splash screen
# libraries that the headless packages leave out.
need default-jdk has javac
need default-jdk sh -c 'find /usr/lib/jvm -name libsplashscreen.so | grep -q .'
need default-jdk sh -c 'find /usr/lib/jvm -name libawt_xawt.so | grep -q .'

[ -z "$missing" ] && exit 0
echo "install-deps: installing$missing"
if [ "$(id -u)" -eq 0 ]; then
  apt_get="apt-get"
elif command -v sudo >/dev/null 2>&1; then
  apt_get="sudo apt-get"
else
  echo "install-deps: as root, run: apt-get install$missing" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$apt_get update -qq
# shellcheck disable=SC2086
$apt_get install -y -qq --no-install-recommends $missing >/dev/null
