#include "util/SetupPath.h"

#include "util/Text.h"

std::string WithSetupExtensionReplaced(const std::string& setupPath,
                                       const std::string& replacement) {
    constexpr std::size_t kExtensionLength = 4;
    if (setupPath.size() >= kExtensionLength &&
        ToUpperAscii(setupPath.substr(setupPath.size() - kExtensionLength)) == ".STU") {
        return setupPath.substr(0, setupPath.size() - kExtensionLength) + replacement;
    }
    return setupPath + replacement;
}
