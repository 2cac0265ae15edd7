#include "formats/DataFileChoice.h"

#include <filesystem>
#include <system_error>

#include "platform/Ui.h"
#include "util/Files.h"
#include "util/SystemPath.h"
#include "util/Text.h"

namespace {

std::string InFolderOf(const std::string& pattern, const std::string& name) {
    const std::string folder = DirectoryOf(pattern);
    return folder.empty() ? name : PathText(SystemPath(folder) / SystemPath(name));
}

// "Fall.txt" of "Star_Dance" gives "Fall_Star_Dance.tvr". Only the file name's last "." counts,
// so that a dot in a folder name stays where it is.
std::string ModernName(const std::string& legacyName, const std::string& studioPart) {
    std::string name = legacyName;
    const auto dot = name.rfind('.');
    if (dot != std::string::npos) {
        name.replace(dot, 1, "_" + studioPart + ".");
    }
    ReplaceAll(name, ".txt", ".tvr", 0);
    return name;
}

// Whether `name`, matched by the pattern's file-name part ("Fall*.tvr"), is a data file of this
// competition: the studio part follows the competition's name after "_" ("Fall_Star.tvr").
// "FallClassic_Star.tvr" belongs to the competition FallClassic.stu in the same folder; opening
// it here would drop its entries of categories unknown to Fall.stu on the next save.
bool BelongsToCompetition(const std::string& name, const std::string& pattern) {
    const std::string namePattern = FileNameOf(pattern);
    const auto star = namePattern.find('*');
    if (star == std::string::npos || name.size() < namePattern.size() - 1) {
        return true;
    }
    const std::size_t studioPart = name.size() - (namePattern.size() - 1);
    return studioPart == 0 || name[star] == '_';
}

}  // namespace

CStringList DataFilesOfCompetition(const std::string& pattern) {
    CStringList matched;
    CStringList dates;
    ListFiles(pattern, matched, dates);
    CStringList paths;
    for (const std::string& name : matched) {
        if (BelongsToCompetition(name, pattern)) {
            paths.push_back(InFolderOf(pattern, name));
        }
    }
    return paths;
}

std::string ReadStudioNameOfFile(const std::string& path) {
    const std::string line = TrimRight(ReadFirstLine(path));
    CStringList fields;
    if (SplitFields(line, DetectSeparator(line), fields, 0, true) > 1) {
        return fields[1];
    }
    return {};
}

void RenameLegacyDataFile(CUi& ui, const std::string& legacyPath) {
    CStringList names;
    CStringList dates;
    if (ListFiles(legacyPath, names, dates) != 1) {
        return;
    }
    const std::string studioPart = MakeFileNamePart(ReadStudioNameOfFile(legacyPath));
    const std::string newPath = InFolderOf(legacyPath, ModernName(names[0], studioPart));
    if (FileExists(newPath)) {
        ui.ShowMessage(
            FormatText("The old data file %s was not renamed, because %s exists already.",
                       {legacyPath, newPath}));
        return;
    }
    std::error_code error;
    std::filesystem::rename(SystemPath(legacyPath), SystemPath(newPath), error);
    if (error) {
        ui.ShowMessage(FormatText("The old data file %s could not be renamed to %s (%s).",
                                  {legacyPath, newPath, error.message()}));
    }
}
