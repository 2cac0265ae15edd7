#!/usr/bin/env bash
# The setup program for Windows, build-windows/tavorin-VERSION-setup.exe, made with NSIS from
# the Windows build (tools/windows-test.sh makes it; what is built already is not built again).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh nsis binutils-mingw-w64-x86-64
. tools/windows-env.sh
[ -f "$BUILD/build.ninja" ] || { echo "No Windows build: run make windows-test first" >&2; exit 1; }
cmake --build "$BUILD" -j"${JOBS:-2}" --target tavorin tavorin-cli

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
stage=$BUILD/setup-files
rm -rf "$stage"
"$QT_WINDOWS/share/mingw-toolchain/deploy-qt-windows.sh" "$QT_WINDOWS" "$stage" \
    "$BUILD/tavorin.exe" "$BUILD/tavorin-cli.exe" >/dev/null
# The build keeps its debugging symbols; the installed programs do without them.
x86_64-w64-mingw32-strip "$stage/tavorin.exe" "$stage/tavorin-cli.exe"
# The sample competition in a folder of its own: started with no file, the program asks for the
# competition instead of opening one beside it.
mkdir -p "$stage/examples"
cp examples/* "$stage/examples/"
cp packaging/copyright "$stage/copyright.txt"

# The uninstaller deletes these files by name, then the folders when they are empty.
list=$PWD/$BUILD/setup-files.nsh
(
    cd "$stage"
    find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|    Delete "$INSTDIR\\&"|'
    find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|    RMDir "$INSTDIR\\&"|'
) > "$list"

out=$PWD/$BUILD/tavorin-$version-setup.exe
makensis -V2 -DVERSION="$version" -DSTAGE="$PWD/$stage" -DSTAGE_LIST="$list" -DOUTFILE="$out" \
    packaging/windows/tavorin.nsi
echo "Setup program: $out ($(du -h "$out" | cut -f1))"
