#pragma once
// Diskette drive letters. A letter names a directory: TAVORIN_DRIVE_<LETTER> when that variable
// is set, else on Windows the drive itself when it is removable, elsewhere the mounted removable
// volumes under /media/$USER and /run/media/$USER in name order, A being the first.
#include <string>
#include <vector>

// The directory the letter (either case) names, or an empty text when it names nothing.
std::string DriveDirectory(char letter);

// "%c:%s": the file `name` in the drive's directory, or an empty text when the letter names
// nothing, so that nothing is ever written into the current directory by mistake.
std::string DrivePath(char letter, const std::string& name);

// The system's own directory of the letter (A to Z), or an empty text.
std::string SystemDriveDirectory(char upper);

#ifndef _WIN32
// The directories directly under `roots` that are mount points, sorted by name.
std::vector<std::string> MountedVolumesUnder(const std::vector<std::string>& roots);
#endif
