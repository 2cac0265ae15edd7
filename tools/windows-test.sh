#!/usr/bin/env bash
# Cross-builds the core, tavorin-cli.exe and the core tests for Windows (in build-windows/) and
# runs the tests under Wine, in a Wine folder of its own so that nothing of the user's is touched.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=build-windows
tools/install-deps.sh cmake ninja-build make g++-mingw-w64-x86-64-posix wine64 googletest \
    nlohmann-json3-dev
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Debug -DTAVORIN_GUI=OFF ${CMAKE_FLAGS:-} >/dev/null
cmake --build "$BUILD" -j"${JOBS:-2}"
export WINEDEBUG=-all WINEPREFIX="$PWD/$BUILD/wine"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
cd "$BUILD/tests"
status=0
"$wine" tavorin_tests.exe --gtest_brief=1 2>&1 | tee tests.log || status=$?
echo "Under Wine: $(grep -c '^\[       OK \]' tests.log || true) tests passed," \
     "$(grep -c '^\[  SKIPPED \]' tests.log || true) skipped, $(grep -c '^\[  FAILED  \]' tests.log || true) failed"
exit $status
