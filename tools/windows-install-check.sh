#!/usr/bin/env bash
# The setup program tried under Wine, in a Wine folder of its own: a silent install; the files,
# the Start menu entry and the association of ".stu" are there; a double click on a copy of the
# sample competition (in a folder named "Tänze 2025") opens the installed program's main
# window "Data for ..." on a virtual display; the program closes; a silent uninstall leaves no
# program folder, no association and no Start menu entry.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh wine64 fonts-wine xvfb xauth xdotool
. tools/windows-env.sh
setup=$(ls "$BUILD"/tavorin-*-setup.exe 2>/dev/null | tail -n 1)
[ -n "$setup" ] || { echo "No setup program: run make windows-package first" >&2; exit 1; }
export WINEPREFIX=$PWD/$BUILD/wine-install
rm -rf "$WINEPREFIX"
prepare_wine_prefix "$WINEPREFIX"

fail() { echo "Install check: $*" >&2; exit 1; }
program_dir="$WINEPREFIX/drive_c/Program Files/Tavorin"
start_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tavorin.lnk"
association() { "$WINE" reg query 'HKCR\Tavorin.Setup\shell\open\command' 2>/dev/null | tr -d '\r'; }

"$WINE" "$setup" /S
wineserver_wait
for file in tavorin.exe tavorin-cli.exe uninstall.exe Qt6Widgets.dll platforms/qwindows.dll \
    styles/qwindowsvistastyle.dll examples/SpringFestival.stu; do
    [ -f "$program_dir/$file" ] || fail "$file was not installed"
done
[ -f "$start_menu" ] || fail "no Start menu entry"
association | grep -q 'tavorin.exe" "%1"' || fail "\".stu\" is not opened by tavorin.exe"
"$WINE" "$program_dir/tavorin-cli.exe" --version | tr -d '\r' | grep -q '^tavorin-cli ' ||
    fail "the installed tavorin-cli does not answer"
echo "Installed: $(du -sh "$program_dir" | cut -f1) in C:\\Program Files\\Tavorin"
# The Wine session of the commands above has no display; a program started in it would draw
# its windows nowhere, so it ends before the program is started on the virtual one.
"$WINESERVER" -k 2>/dev/null || true
wineserver_wait

# The organizer's file opened as by a double click: through the association, in a folder whose
# name has a blank and a letter beyond ASCII (such a folder once made the program ask for a new
# studio instead of opening the one beside the setup file).
competition="$WINEPREFIX/drive_c/users/Public/Documents/Tänze 2025"
mkdir -p "$competition"
cp examples/* "$competition/"
# Then the six steps, with pictures of the main window, an entry form and the report when
# WALK_PICTURES names a folder.
xvfb-run -a -s "-screen 0 1280x1024x24" tools/windows-walk.sh "$WINE" "$competition" \
    "${WALK_PICTURES:-}" || walked=no
# Whatever is left of that Wine session ends with the virtual display.
"$WINESERVER" -k 2>/dev/null || true
wineserver_wait
[ "${walked:-yes}" = yes ] || fail "the installed program did not walk through its six steps"

"$WINE" "$program_dir/uninstall.exe" /S
# The uninstaller runs from a copy of itself; the Wine server ends when it has.
wineserver_wait
[ ! -e "$program_dir" ] || fail "the program folder is still there: $(find "$program_dir" | head)"
[ ! -e "$start_menu" ] || fail "the Start menu entry is still there"
! association | grep -qi 'tavorin' || fail "the association of \".stu\" is still there"
[ -f "$competition/SpringFestival.stu" ] || fail "the uninstaller removed the user's competition"
echo "Uninstalled: no program folder, no Start menu entry, no association; the studio is kept"
