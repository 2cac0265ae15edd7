#include "platform/DriveMap.h"

#include <cctype>
#include <filesystem>

#include "util/SystemPath.h"

std::string DriveDirectory(char letter) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    if (upper < 'A' || upper > 'Z') {
        return {};
    }
    const std::string variable = std::string("TAVORIN_DRIVE_") + upper;
    if (std::string value = EnvironmentValue(variable.c_str()); !value.empty()) {
        return value;
    }
    return SystemDriveDirectory(upper);
}

std::string DrivePath(char letter, const std::string& name) {
    const std::string directory = DriveDirectory(letter);
    return directory.empty() ? std::string() : PathText(SystemPath(directory) / SystemPath(name));
}
