#include <windows.h>

#include "platform/DriveMap.h"

// Windows has the letters itself; a letter is offered only for a removable drive (a diskette, a
// USB stick), so that the data file never lands on a fixed or network disk by a wrong letter.
std::string SystemDriveDirectory(char upper) {
    const std::string root = std::string(1, upper) + ":\\";
    const std::wstring wideRoot(root.begin(), root.end());
    return ::GetDriveTypeW(wideRoot.c_str()) == DRIVE_REMOVABLE ? root : std::string();
}
