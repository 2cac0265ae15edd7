#!/usr/bin/env bash
# Cross-builds Tavorin for Windows (in build-windows/): the core, tavorin-cli.exe, the desktop
# program tavorin.exe with Qt for Windows, the core tests and the view tests; then runs the tests
# under Wine, in a Wine folder of its own so that nothing of the user's is touched.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh cmake ninja-build make g++-mingw-w64-x86-64-posix wine64 fonts-wine \
    googletest nlohmann-json3-dev qt6-base-dev qt6-base-dev-tools qt6-base-private-dev xz-utils
. tools/windows-env.sh
unpack_qt_windows

# Qt for Windows has no Qt Test; the view tests get one built from Qt's own testlib sources, taken
# from Debian's qt6-base source package of the build machine's Qt. apt works here with lists of
# the build folder's own, so the system's list of sources is left as it is.
qttest_source=$BUILD/qttest-source
fetch_qttest_source() {
    [ -f "$qttest_source/.unpacked" ] && return 0
    local apt=$PWD/$BUILD/apt
    local -a opts=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt/sources"
                   -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache")
    # The download goes into the build folder, which apt's own user may not reach.
    [ "$(id -u)" -ne 0 ] || opts+=(-o APT::Sandbox::User=root)
    rm -rf "$apt" "$qttest_source"
    mkdir -p "$apt/sources" "$apt/lists/partial" "$apt/cache/archives/partial" "$qttest_source"
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > "$apt/sources/src.sources"
    else
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list > "$apt/sources/src.list"
    fi
    apt-get "${opts[@]}" update -qq
    local version
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    (cd "$apt" && { apt-get "${opts[@]}" source --download-only -qq "qt6-base=$version" ||
                    apt-get "${opts[@]}" source --download-only -qq qt6-base; })
    tar -xJf "$apt"/qt6-base_*.orig.tar.xz -C "$qttest_source" --strip-components=3 \
        --wildcards '*/src/testlib/*'
    rm -rf "$apt"
    touch "$qttest_source/.unpacked"
}
fetch_qttest_source || { echo "Qt Test's sources could not be had: no view tests for Windows" >&2; exit 1; }

cmake -S . -B "$BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_PREFIX_PATH="$PWD/$QT_WINDOWS" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DTAVORIN_QTTEST_SOURCE="$PWD/$qttest_source" ${CMAKE_FLAGS:-} >/dev/null
cmake --build "$BUILD" -j"${JOBS:-2}"
prepare_wine_prefix "$WINEPREFIX"

cd "$BUILD/tests"
status=0
"$WINE" tavorin_tests.exe --gtest_brief=1 2>&1 | tee tests.log || status=$?
# GoogleTest's closing summary; a run that never got there (Wine did not start) passed nothing.
count() { sed -n "s/^\[  $1 *\] \([0-9]*\) tests\{0,1\}[.,].*/\1/p" tests.log | tail -n 1; }
passed=$(count PASSED)
skipped=$(count SKIPPED)
passed=${passed:-0} skipped=${skipped:-0}
# The brief output lists each failed test, without a count of them.
failed=$(grep -c '^\[  FAILED  \] [A-Za-z]' tests.log || true)
echo "Core tests under Wine: $passed passed, $skipped skipped, $failed failed"
[ "$passed" -gt 0 ] || status=1

# The view tests: each program is a Qt Test run, drawn by Qt's offscreen platform with the Wine
# folder's fonts (Tahoma); the Qt DLLs are found on Wine's search path, Qt6Test.dll beside the
# programs. Wine hands the Windows programs no QT_ variable of its own environment, only the
# WINE-prefixed ones, without the prefix. Qt Test writes to a file: its output to a pipe is lost
# under Wine. A program that hangs (a window waiting for an answer no one gives) is stopped.
view_passed=0 view_failed=0 view_skipped=0
views=(gui/gui_*Test.exe)
[ -e "${views[0]}" ] || { echo "No view tests were built" >&2; exit 1; }
export WINEQT_QPA_PLATFORM=offscreen 'WINEQT_QPA_FONTDIR=C:\windows\Fonts'
WINEPATH=$("$WINE" winepath -w "$OLDPWD/$QT_WINDOWS/bin" 2>/dev/null | tr -d '\r')
export WINEPATH
for test in "${views[@]}"; do
    log=${test%.exe}.log
    rm -f "$log"
    # Wine's drive Z: is the root of the Linux file system.
    timeout "${VIEW_TEST_SECONDS:-300}" "$WINE" "$test" -o "Z:$PWD/$log,txt" >/dev/null 2>&1 ||
        status=1
    totals=$(grep -a '^Totals:' "$log" 2>/dev/null | tail -n 1 | tr -d '\r')
    if [ -z "$totals" ]; then
        echo "$(basename "$test"): did not finish (stopped after ${VIEW_TEST_SECONDS:-300} s)"
        tr -d '\r' < "$log" 2>/dev/null | tail -n 20
        view_failed=$((view_failed + 1))
        status=1
        continue
    fi
    tr -d '\r' < "$log" | grep -a -A3 '^FAIL!' || true
    read -r p f s < <(echo "$totals" | sed 's/Totals: \([0-9]*\) passed, \([0-9]*\) failed, \([0-9]*\) skipped.*/\1 \2 \3/')
    view_passed=$((view_passed + p)) view_failed=$((view_failed + f)) view_skipped=$((view_skipped + s))
done
echo "View tests under Wine (${#views[@]} programs): $view_passed passed, $view_skipped skipped, $view_failed failed"
echo "Wine: $((passed + view_passed)) passed, $((failed + view_failed)) failed, $((skipped + view_skipped)) skipped"
exit $status
