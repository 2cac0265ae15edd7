// What the dialogs ask the store for: names and lists of studios.
#include "data/Database.h"
#include "platform/Ui.h"

std::string CDatabase::StudioFileNamePart() {
    if (studioArray.empty()) {
        ui.ShowMessage("Error - no studio");
        return {};
    }
    return MakeFileNamePart(studioArray.front()->name);
}

std::string CDatabase::PersonNameText(int personNumber, int nameMode) const {
    const CPersonRecord* person = FindPerson(personNumber);
    return person == nullptr ? std::string() : person->FormatPersonName(nameMode);
}

void CDatabase::ListStudios(CStringList& texts, std::vector<int>& numbers) const {
    for (const auto& studio : studioArray) {
        texts.push_back(studio->name);
        numbers.push_back(studio->number);
    }
}
