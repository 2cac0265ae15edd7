# Sourced by the Windows scripts (from the repository's top folder): where Qt for Windows and
# Wine are, and the two steps they share. BUILD is the Windows build folder.
BUILD=${BUILD:-build-windows}
QT_WINDOWS_TARBALL=${QT_WINDOWS_TARBALL:-../shared/qt-windows/qt-6.4.2-mingw64.tar.xz}
QT_WINDOWS=$BUILD/qt-6.4.2-mingw64
WINE=$(command -v wine64 || echo /usr/lib/wine/wine64)
WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEDEBUG=-all WINEPREFIX=${WINEPREFIX:-$PWD/$BUILD/wine}

# Qt for Windows unpacked into the build folder, once; never into the repository.
unpack_qt_windows() {
    [ -f "$QT_WINDOWS/.unpacked" ] && return
    [ -f "$QT_WINDOWS_TARBALL" ] || { echo "Qt for Windows not found: $QT_WINDOWS_TARBALL" >&2; exit 1; }
    mkdir -p "$BUILD"
    rm -rf "$QT_WINDOWS"
    tar -xJf "$QT_WINDOWS_TARBALL" -C "$BUILD"
    touch "$QT_WINDOWS/.unpacked"
}

# A Wine folder made at its first use, with the Tahoma font that Debian's Wine leaves out of a
# new one (without it the dialogs fall back to a serif font).
prepare_wine_prefix() {
    local prefix=$1
    if [ ! -f "$prefix/.prepared" ]; then
        mkdir -p "$prefix"
        "$WINE" wineboot --init >/dev/null 2>&1 || true
        wineserver_wait
        cp /usr/share/wine/fonts/tahoma*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
        touch "$prefix/.prepared"
    fi
}

wineserver_wait() {
    "$WINESERVER" -w 2>/dev/null || true
}
